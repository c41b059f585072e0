#pragma once
// The command table of a dialog: which member function a notification of which control runs.
// A dialog returns its table from GetCommandTable(); notifications without an entry are dropped,
// except the OK and Cancel commands, which fall back to OnOK and OnCancel.

#include <functional>
#include <vector>

class CDialog;

enum class Notification {
    Clicked,     // a push or radio button was clicked, or a command (Enter, Esc) arrived
    EditUpdate,  // the text of an edit field changed (each keystroke, paste or deletion)
};

struct CommandEntry {
    int nID;
    Notification code;
    std::function<void(CDialog&)> handler;
};

using CommandTable = std::vector<CommandEntry>;

template <class TDialog>
CommandEntry OnClicked(int nID, void (TDialog::*pfn)()) {
    return {nID, Notification::Clicked,
            [pfn](CDialog& dlg) { (static_cast<TDialog&>(dlg).*pfn)(); }};
}

template <class TDialog>
CommandEntry OnEditUpdate(int nID, void (TDialog::*pfn)()) {
    return {nID, Notification::EditUpdate,
            [pfn](CDialog& dlg) { (static_cast<TDialog&>(dlg).*pfn)(); }};
}
