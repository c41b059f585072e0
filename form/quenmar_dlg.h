#pragma once
// CQuenmarDlg: the check form, the program's only window. It holds the one NozzleCheckInput of
// the program as its members; every handler reads the form into them, lets the engine work and
// writes the form back.

#include <QIcon>
#include <functional>

#include "dialog.h"
#include "nozzle_check_input.h"

class CQuenmarDlg : public CDialog, public NozzleCheckInput {
  public:
    // Opens the About box; the application shell provides it (the form knows no About box).
    using AboutBoxOpener = std::function<void()>;

    explicit CQuenmarDlg(AboutBoxOpener openAboutBox = {}, QWidget* pParent = nullptr);

    void OnSysCommand(unsigned nID, long lParam) override;
    QIcon OnQueryDragIcon() const { return m_hIcon; }

    // Allowable-value refresh.
    void OnEnUpdateSucSize();
    void OnEnUpdateDisSize();
    void OnBnClickedUnit();
    void OnBnClickedEndTop();
    void OnBnClickedTopTop();
    void OnBnClickedSideSide();

    void OnBnClickedBrowse();
    void OnBnClickedNozzleLoadCheck();
    void OnBnClickedInputDataClear();
    void OnBnClickedOk();

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnPaint() override;
    const CommandTable& GetCommandTable() const override;

  private:
    void RefreshNozzle(std::wstring& strSize, int& nSize, int nNozzType, LoadTexts& strAllow);
    void RefreshSuction();
    void RefreshDischarge();
    void ChoosePumpType(int nPumpTypeChosen);

    QIcon m_hIcon;  // icon 128: window icon and the minimised form's picture
    AboutBoxOpener m_openAboutBox;
};
