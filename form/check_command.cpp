// "Nozzle Load Check": read the form, let the engine run the check, show what it says.

#include "check_run.h"
#include "message_box.h"
#include "quenmar_dlg.h"

void CQuenmarDlg::OnBnClickedNozzleLoadCheck() {
    // A check never runs on values the user did not enter: when the read refuses a field, the
    // members after it still hold older values, and a report on them could say "Passed" for
    // loads nobody typed. "Enter an integer." has been shown; the fields keep what they show.
    if (!UpdateData(true)) return;

    const NozzleCheckOutcome outcome = RunNozzleCheck(*this);
    // On completion the Result line (and the path with any ".txt" added) is on the form before
    // the message appears; a refusal changes nothing the user sees but the message.
    if (outcome.bCompleted) UpdateData(false);
    AfxMessageBox(outcome.strMessage);
}
