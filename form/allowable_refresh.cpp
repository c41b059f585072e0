// Keeps the two rows of Table 4 values in step with the sizes, the unit system and the pump type.

#include <string>

#include "allowable_loads.h"
#include "leading_int.h"
#include "quenmar_dlg.h"

void CQuenmarDlg::RefreshNozzle(std::wstring& strSize, int& nSize, int nNozzType,
                                LoadTexts& strAllow) {
    // A refused integer field stops the read; the refresh goes on with the members as they stand.
    UpdateData(true);
    // An emptied size keeps its last values: deleting the text to retype it must not wipe the row.
    if (strSize.empty()) return;
    nSize = leadingIntOrZero(strSize);
    int nF[3];
    int nM[3];
    if (GetNozzAllowLoads(nNozzType, nSize, nUnit, nF, nM)) {
        for (std::size_t i = 0; i < 3; ++i) {
            strAllow[i] = std::to_wstring(nF[i]);
            strAllow[i + 3] = std::to_wstring(nM[i]);
        }
    } else {
        // A size without a Table 4 column: empty the size and its row, without a word.
        nSize = 0;
        strSize.clear();
        for (std::wstring& str : strAllow) str.clear();
    }
    // Notifications are off while the form is written: emptying the size starts no refresh.
    UpdateData(false);
}

void CQuenmarDlg::RefreshSuction() {
    RefreshNozzle(strSucSize, nSucSize, nSucNozzType, strAllowSuc);
}

void CQuenmarDlg::RefreshDischarge() {
    RefreshNozzle(strDisSize, nDisSize, nDisNozzType, strAllowDis);
}

void CQuenmarDlg::OnEnUpdateSucSize() { RefreshSuction(); }

void CQuenmarDlg::OnEnUpdateDisSize() { RefreshDischarge(); }

// The new unit reaches nUnit through the read at the start of the suction refresh.
void CQuenmarDlg::OnBnClickedUnit() {
    RefreshSuction();
    RefreshDischarge();
}

void CQuenmarDlg::ChoosePumpType(int nPumpTypeChosen) {
    const NozzleTypePair types = NozzleTypesOfPumpType(nPumpTypeChosen);
    nSucNozzType = types.nSucNozzType;
    nDisNozzType = types.nDisNozzType;
    RefreshSuction();
    RefreshDischarge();
}

void CQuenmarDlg::OnBnClickedEndTop() { ChoosePumpType(EndTop); }

void CQuenmarDlg::OnBnClickedTopTop() { ChoosePumpType(TopTop); }

void CQuenmarDlg::OnBnClickedSideSide() { ChoosePumpType(SideSide); }
