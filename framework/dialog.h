#pragma once
// A dialog built from a DialogTemplate: controls in dialog units of the dialog's font, looked up
// by ID, Tab over the tab stops in template order, radio groups that check themselves, and no
// push button that Enter presses unless the template makes it the default. Control notifications
// go through the dialog's command table; none is delivered while UpdateData runs, so a handler
// that writes the form never starts itself again.

#include <QDialog>
#include <QIcon>
#include <map>
#include <memory>
#include <vector>

#include "command_table.h"
#include "data_exchange.h"
#include "dialog_template.h"
#include "dialog_units.h"
#include "system_menu.h"

class QAbstractButton;
class QStyle;

// The template's font when it is installed, else the system's fixed-pitch font at the same size.
QFont DialogFontOf(const DialogTemplate& tmpl);

class CDialog : public QDialog {
  public:
    explicit CDialog(const DialogTemplate& tmpl, QWidget* pParent = nullptr);
    ~CDialog() override;

    // Builds the controls, writes the members into them (OnInitDialog) and puts the focus on the
    // first tab stop; DoModal does this itself. Later calls do nothing.
    void Create();
    // Creates the dialog, centres it on the screen and runs it; returns the command that ended it.
    virtual int DoModal();
    void EndDialog(int nResult);

    // true: controls to members; false: members to controls. false when a field was refused.
    bool UpdateData(bool bSaveAndValidate = true);

    QWidget* GetDlgItem(int nID) const;
    // The buttons of the radio group that holds control nID, in template order.
    std::vector<QAbstractButton*> RadioGroup(int nID) const;

    // nullptr when the template has no system menu. bRevert is accepted for symmetry only: the
    // menu is never reset.
    CMenu* GetSystemMenu(bool bRevert);
    void ShowSystemMenu(const QPoint& globalPos);
    virtual void OnSysCommand(unsigned nID, long lParam);

    void SetIcon(const QIcon& icon, bool bBigIcon);
    bool IsIconic() const { return isMinimized(); }

    // Sends a command as the platform does for Enter, Esc or a click on the button nID.
    void SendCommand(int nID);

    const DialogTemplate& Template() const { return m_template; }
    const DialogUnits& Units() const { return m_units; }
    bool InDataExchange() const { return m_nExchangeDepth > 0; }

    // The dialog that message boxes belong to: the newest dialog still alive.
    static CDialog* FrontDialog();

  protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Writes the members into the controls. Returns true to give the first tab stop the focus.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnPaint();
    virtual const CommandTable& GetCommandTable() const;

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* pWatched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

  private:
    void CreateControls();
    using RadioButtons = std::vector<QAbstractButton*>;
    QWidget* CreateControl(const ControlTemplate& ctrl, RadioButtons*& pRadioGroup);
    void OnControlNotify(int nID, Notification code);
    void Dispatch(int nID, Notification code);
    int DefaultButtonId() const;

    const DialogTemplate& m_template;
    DialogUnits m_units;
    bool m_bCreated = false;
    bool m_bEnding = false;
    int m_nExchangeDepth = 0;
    std::map<int, QWidget*> m_items;
    std::vector<RadioButtons> m_radioGroups;
    std::map<QAbstractButton*, std::size_t> m_radioGroupOf;  // index into m_radioGroups
    std::unique_ptr<CMenu> m_pSysMenu;
    std::unique_ptr<QStyle> m_pControlStyle;  // outlives the controls that use it
};
