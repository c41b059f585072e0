// Keeps the two rows of Table 4 values in step with the sizes, the unit system and the pump type.

#include <string>

#include "allowable_loads.h"
#include "quenmar_dlg.h"

void CQuenmarDlg::RefreshNozzle(std::wstring& strSize, int& nSize, int nNozzType,
                                LoadTexts& strAllow) {
    // A refused integer field stops the read; the refresh goes on with the members as they stand.
    UpdateData(true);
    // An empty size text leaves the form as it is, unwritten.
    if (!RefreshAllowables(strSize, nSize, nNozzType, nUnit, strAllow)) return;
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
