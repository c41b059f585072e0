#include "dialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "command_ids.h"
#include "edit_filter.h"
#include "group_frame.h"
#include "modal_seam.h"
#include "picture_control.h"
#include "resources.h"

namespace {

std::vector<CDialog*>& aliveDialogs() {
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

// Counts a running exchange for as long as it runs, also when a handler leaves early.
class ExchangeScope {
  public:
    explicit ExchangeScope(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
    ~ExchangeScope() { --m_nDepth; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

  private:
    int& m_nDepth;
};

// Radio buttons as compact as dialog templates expect: their captions were measured for a
// narrow indicator gap, and Fusion's wider one cuts the last letters of "lb, ft-lb".
class CompactControlStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_RadioButtonLabelSpacing) return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

QFont DialogFontOf(const DialogTemplate& tmpl) {
    const QString strFace = QString::fromUtf8(tmpl.fontFace);
    QFont font = QFontDatabase::hasFamily(strFace)
                     ? QFont(strFace)
                     : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(tmpl.nPointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

CDialog::CDialog(const DialogTemplate& tmpl, QWidget* pParent)
    : QDialog(pParent),
      m_template(tmpl),
      m_pControlStyle(std::make_unique<CompactControlStyle>()) {}

CDialog::~CDialog() {
    // The controls go before the members: the radio buttons use m_pControlStyle to the end.
    const QList<QWidget*> controls = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    qDeleteAll(controls);
    auto& dialogs = aliveDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

CDialog* CDialog::FrontDialog() {
    const auto& dialogs = aliveDialogs();
    return dialogs.empty() ? nullptr : dialogs.back();
}

void CDialog::Create() {
    if (m_bCreated) return;
    m_bCreated = true;
    aliveDialogs().push_back(this);

    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // A window that can be minimised is a main window with a taskbar button of its own; window
    // managers do not minimise dialogs on their own.
    flags |= (m_template.styles & DialogMinimizeBox) ? Qt::Window | Qt::WindowMinimizeButtonHint
                                                     : Qt::Dialog;
    if (m_template.styles & DialogSysMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        m_pSysMenu = std::make_unique<CMenu>();
        if (m_template.styles & DialogMinimizeBox)
            m_pSysMenu->AppendMenu(MF_STRING, SC_MINIMIZE, QStringLiteral("Mi&nimize"));
        m_pSysMenu->AppendMenu(MF_STRING, SC_CLOSE, QStringLiteral("&Close"));
        auto* pMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
        connect(pMenuKey, &QShortcut::activated, this,
                [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });
    }
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(m_template.caption));

    const QFont font = DialogFontOf(m_template);
    setFont(font);
    m_units = DialogUnitsOf(font);
    setFixedSize(m_units.MapX(m_template.cx), m_units.MapY(m_template.cy));
    CreateControls();

    if (OnInitDialog()) {
        for (const ControlTemplate& ctrl : m_template.controls) {
            if ((ctrl.styles & StyleTabStop) && ctrl.nID != kNoControlId) {
                GetDlgItem(ctrl.nID)->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

void CDialog::CreateControls() {
    RadioButtons* pRadioGroup = nullptr;
    m_radioGroups.reserve(m_template.controls.size());  // pRadioGroup points into it
    QWidget* pPreviousTabStop = nullptr;
    std::vector<QWidget*> groupBoxes;
    for (const ControlTemplate& ctrl : m_template.controls) {
        QWidget* pWidget = CreateControl(ctrl, pRadioGroup);
        pWidget->setGeometry(m_units.MapRect(ctrl.x, ctrl.y, ctrl.cx, ctrl.cy));
        if (ctrl.nID != kNoControlId) m_items[ctrl.nID] = pWidget;
        if (ctrl.kind == ControlKind::GroupBox) groupBoxes.push_back(pWidget);
        if (ctrl.styles & StyleTabStop) {
            pWidget->setFocusPolicy(Qt::StrongFocus);
            if (pPreviousTabStop != nullptr) setTabOrder(pPreviousTabStop, pWidget);
            pPreviousTabStop = pWidget;
        }
    }
    // Group boxes frame controls that are their siblings, sometimes created after them: kept
    // below everything, they never hide a control or take its clicks.
    for (QWidget* pBox : groupBoxes) pBox->lower();
}

QWidget* CDialog::CreateControl(const ControlTemplate& ctrl, RadioButtons*& pRadioGroup) {
    const QString strCaption = QString::fromUtf8(ctrl.caption);
    const int nID = ctrl.nID;
    if (ctrl.kind != ControlKind::RadioButton) pRadioGroup = nullptr;
    switch (ctrl.kind) {
        case ControlKind::GroupBox: {
            return new GroupFrame(strCaption, this);
        }
        case ControlKind::Label: {
            auto* pLabel = new QLabel(strCaption, this);
            pLabel->setTextFormat(Qt::PlainText);
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return pLabel;
        }
        case ControlKind::Edit: {
            auto* pEdit = new QLineEdit(this);
            pEdit->setFocusPolicy(Qt::ClickFocus);
            const bool bDigitsOnly = (ctrl.styles & StyleDigitsOnly) != 0;
            const bool bFitWidth = (ctrl.styles & StyleNoScroll) != 0;
            if (bDigitsOnly || bFitWidth)
                pEdit->setValidator(new EditFilter(pEdit, bDigitsOnly, bFitWidth));
            if (ctrl.styles & StyleCentred) pEdit->setAlignment(Qt::AlignHCenter);
            pEdit->setReadOnly((ctrl.styles & StyleReadOnly) != 0);
            connect(pEdit, &QLineEdit::textChanged, this,
                    [this, nID] { OnControlNotify(nID, Notification::EditUpdate); });
            return pEdit;
        }
        case ControlKind::PushButton: {
            auto* pButton = new QPushButton(strCaption, this);
            pButton->setFocusPolicy(Qt::ClickFocus);
            // Enter is the dialog's to route (see keyPressEvent), never a button's own.
            pButton->setAutoDefault(false);
            pButton->setDefault((ctrl.styles & StyleDefault) != 0);
            connect(pButton, &QPushButton::clicked, this,
                    [this, nID] { OnControlNotify(nID, Notification::Clicked); });
            return pButton;
        }
        case ControlKind::RadioButton: {
            auto* pRadio = new QRadioButton(strCaption, this);
            pRadio->setStyle(m_pControlStyle.get());
            pRadio->setFocusPolicy(Qt::ClickFocus);
            // The layer keeps the groups itself: Qt's exclusive groups make the checked button
            // a tab stop, and these never are.
            pRadio->setAutoExclusive(false);
            if (pRadioGroup == nullptr || (ctrl.styles & StyleGroup)) {
                m_radioGroups.emplace_back();
                pRadioGroup = &m_radioGroups.back();
            }
            pRadioGroup->push_back(pRadio);
            const std::size_t nGroup = m_radioGroups.size() - 1;
            m_radioGroupOf[pRadio] = nGroup;
            pRadio->installEventFilter(this);  // arrow keys: see eventFilter
            connect(pRadio, &QRadioButton::clicked, this, [this, pRadio, nID, nGroup] {
                for (QAbstractButton* pOther : m_radioGroups[nGroup])
                    pOther->setChecked(pOther == pRadio);
                OnControlNotify(nID, Notification::Clicked);
            });
            return pRadio;
        }
        case ControlKind::Picture:
            return new PictureControl(BitmapResourcePath(ctrl.nResourceID),
                                      PictureControl::Mode::Centred, this);
        case ControlKind::Icon:
            return new PictureControl(IconResourcePath(ctrl.nResourceID),
                                      PictureControl::Mode::Icon, this);
    }
    return new QWidget(this);
}

int CDialog::DoModal() {
    Create();
    if (QScreen* pScreen = screen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(pScreen->availableGeometry().center());
        move(frame.topLeft());
    }
    if (ModalSeam* pSeam = CurrentModalSeam()) return pSeam->RunDialog(*this);
    return exec();
}

void CDialog::EndDialog(int nResult) {
    m_bEnding = true;
    done(nResult);
    m_bEnding = false;
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    ExchangeScope scope(m_nExchangeDepth);
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnPaint() {}

const CommandTable& CDialog::GetCommandTable() const {
    static const CommandTable empty;
    return empty;
}

QWidget* CDialog::GetDlgItem(int nID) const {
    const auto it = m_items.find(nID);
    return it == m_items.end() ? nullptr : it->second;
}

std::vector<QAbstractButton*> CDialog::RadioGroup(int nID) const {
    const auto it = m_radioGroupOf.find(qobject_cast<QAbstractButton*>(GetDlgItem(nID)));
    if (it == m_radioGroupOf.end()) return {};
    return m_radioGroups[it->second];
}

CMenu* CDialog::GetSystemMenu(bool) { return m_pSysMenu.get(); }

void CDialog::ShowSystemMenu(const QPoint& globalPos) {
    if (!m_pSysMenu) return;
    auto* pMenu = new QMenu(this);
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    for (const CMenu::Item& item : m_pSysMenu->Items()) {
        if (item.bSeparator) {
            pMenu->addSeparator();
            continue;
        }
        const unsigned nID = item.nID;
        connect(pMenu->addAction(item.text), &QAction::triggered, this,
                [this, nID] { OnSysCommand(nID, 0); });
    }
    pMenu->popup(globalPos);
}

void CDialog::OnSysCommand(unsigned nID, long) {
    switch (nID & 0xFFF0) {
        case SC_MINIMIZE:
            showMinimized();
            break;
        case SC_RESTORE:
            showNormal();
            break;
        case SC_CLOSE:
            close();
            break;
        default:
            break;
    }
}

void CDialog::SetIcon(const QIcon& icon, bool) { setWindowIcon(icon); }

void CDialog::SendCommand(int nID) { Dispatch(nID, Notification::Clicked); }

void CDialog::OnControlNotify(int nID, Notification code) {
    if (m_nExchangeDepth > 0) return;
    Dispatch(nID, code);
}

void CDialog::Dispatch(int nID, Notification code) {
    for (const CommandEntry& entry : GetCommandTable()) {
        if (entry.nID == nID && entry.code == code) {
            entry.handler(*this);
            return;
        }
    }
    if (code != Notification::Clicked) return;
    if (nID == IDOK) OnOK();
    if (nID == IDCANCEL) OnCancel();
}

int CDialog::DefaultButtonId() const {
    for (const ControlTemplate& ctrl : m_template.controls) {
        if (ctrl.kind == ControlKind::PushButton && (ctrl.styles & StyleDefault)) return ctrl.nID;
    }
    return IDOK;
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter presses the push button that has the focus; anywhere else it is the default
            // button's command, or OK when there is none.
            if (auto* pButton = qobject_cast<QPushButton*>(focusWidget())) {
                pButton->click();
            } else {
                SendCommand(DefaultButtonId());
            }
            return;
        case Qt::Key_Escape:
            SendCommand(IDCANCEL);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool CDialog::eventFilter(QObject* pWatched, QEvent* event) {
    // Arrow keys on a radio button check the next or previous button of its group, round the
    // end; without this Qt would move along the Tab chain, which the radio buttons are not on.
    auto* pRadio = qobject_cast<QAbstractButton*>(pWatched);
    const auto it = m_radioGroupOf.find(pRadio);
    if (event->type() != QEvent::KeyPress || it == m_radioGroupOf.end()) {
        return QDialog::eventFilter(pWatched, event);
    }
    const int nKey = static_cast<QKeyEvent*>(event)->key();
    int nStep = 0;
    if (nKey == Qt::Key_Down || nKey == Qt::Key_Right) nStep = 1;
    if (nKey == Qt::Key_Up || nKey == Qt::Key_Left) nStep = -1;
    if (nStep == 0) return QDialog::eventFilter(pWatched, event);
    const RadioButtons& group = m_radioGroups[it->second];
    const auto nCount = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t nHere = std::find(group.begin(), group.end(), pRadio) - group.begin();
    QAbstractButton* pNext = group[static_cast<std::size_t>((nHere + nStep + nCount) % nCount)];
    pNext->setFocus(Qt::OtherFocusReason);
    pNext->click();
    return true;
}

void CDialog::closeEvent(QCloseEvent* event) {
    if (m_bEnding) {
        event->accept();
        return;
    }
    // The close box is the Cancel command; the handler of that command decides.
    event->ignore();
    SendCommand(IDCANCEL);
}

void CDialog::reject() { SendCommand(IDCANCEL); }

void CDialog::contextMenuEvent(QContextMenuEvent* event) { ShowSystemMenu(event->globalPos()); }

void CDialog::paintEvent(QPaintEvent*) { OnPaint(); }
