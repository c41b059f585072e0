// The check form: its exchange list, its command table and the handlers of the window itself.

#include "quenmar_dlg.h"

#include <QPainter>
#include <QStyle>

#include "command_ids.h"
#include "minimized_icon.h"
#include "quenmar_resources.h"
#include "resource_ids.h"
#include "resources.h"

CQuenmarDlg::CQuenmarDlg(AboutBoxOpener openAboutBox, QWidget* pParent)
    : CDialog(DialogTemplateOf(IDD_QUENMAR_DIALOG), pParent),
      m_hIcon(AfxLoadIcon(IDR_MAINFRAME)),
      m_openAboutBox(std::move(openAboutBox)) {}

void CQuenmarDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_XSUC, nXSuc);
    DDX_Text(pDX, IDC_YSUC, nYSuc);
    DDX_Text(pDX, IDC_ZSUC, nZSuc);
    DDX_Text(pDX, IDC_XDIS, nXDis);
    DDX_Text(pDX, IDC_YDIS, nYDis);
    DDX_Text(pDX, IDC_ZDIS, nZDis);
    DDX_Text(pDX, IDC_SUC_SIZE, strSucSize);
    DDX_Text(pDX, IDC_DIS_SIZE, strDisSize);
    DDX_Radio(pDX, IDC_UNIT_KG, nUnit);
    DDX_Radio(pDX, IDC_END_TOP, nPumpType);
    for (std::size_t i = 0; i < 6; ++i) DDX_Text(pDX, IDC_ALLOW_SUC[i], strAllowSuc[i]);
    for (std::size_t i = 0; i < 6; ++i) DDX_Text(pDX, IDC_ALLOW_DIS[i], strAllowDis[i]);
    for (std::size_t i = 0; i < 6; ++i) DDX_Text(pDX, IDC_APPLIED_SUC[i], nAppliedSuc[i]);
    for (std::size_t i = 0; i < 6; ++i) DDX_Text(pDX, IDC_APPLIED_DIS[i], nAppliedDis[i]);
    DDX_Text(pDX, IDC_RESULT, strResultLine);
    DDX_Text(pDX, IDC_OUT_FILE, strOutFile);
}

const CommandTable& CQuenmarDlg::GetCommandTable() const {
    static const CommandTable table = {
        OnEditUpdate(IDC_SUC_SIZE, &CQuenmarDlg::OnEnUpdateSucSize),
        OnEditUpdate(IDC_DIS_SIZE, &CQuenmarDlg::OnEnUpdateDisSize),
        OnClicked(IDC_BROWSE, &CQuenmarDlg::OnBnClickedBrowse),
        OnClicked(IDOK, &CQuenmarDlg::OnBnClickedOk),
        OnClicked(IDC_NOZZLE_LOAD_CHECK, &CQuenmarDlg::OnBnClickedNozzleLoadCheck),
        OnClicked(IDC_END_TOP, &CQuenmarDlg::OnBnClickedEndTop),
        OnClicked(IDC_TOP_TOP, &CQuenmarDlg::OnBnClickedTopTop),
        OnClicked(IDC_SIDE_SIDE, &CQuenmarDlg::OnBnClickedSideSide),
        OnClicked(IDC_UNIT_KG, &CQuenmarDlg::OnBnClickedUnit),
        OnClicked(IDC_UNIT_SI, &CQuenmarDlg::OnBnClickedUnit),
        OnClicked(IDC_UNIT_US, &CQuenmarDlg::OnBnClickedUnit),
        OnClicked(IDC_INPUT_DATA_CLEAR, &CQuenmarDlg::OnBnClickedInputDataClear),
    };
    return table;
}

bool CQuenmarDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (CMenu* pSysMenu = GetSystemMenu(false)) {
        const QString strAboutMenu = LoadResourceString(IDS_ABOUTBOX);
        if (!strAboutMenu.isEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CQuenmarDlg::OnSysCommand(unsigned nID, long lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        if (m_openAboutBox) m_openAboutBox();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

void CQuenmarDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    // Only where the platform paints a minimised window's client area (the window managers of
    // Linux show the window icon themselves): the icon, centred.
    QPainter dc(this);
    const int nIcon = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const QPoint pt = MinimizedIconPosition(rect().size(), QSize(nIcon, nIcon));
    m_hIcon.paint(&dc, QRect(pt, QSize(nIcon, nIcon)));
}

// Enter in a field: nothing, so that a habitual Enter neither closes the form nor reads it.
void CQuenmarDlg::OnBnClickedOk() {}

void CQuenmarDlg::OnBnClickedInputDataClear() {
    nAppliedSuc.fill(0);
    nAppliedDis.fill(0);
    // Not read first: whatever was typed since the last read is shown from its member again.
    UpdateData(false);
}
