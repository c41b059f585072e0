#pragma once
// A dialog described as data: caption, size, font and its controls, all in dialog units. The
// dialogs of the program are built from these at run time, so their layout lives in res/, not in
// code.

#include <cstdint>
#include <vector>

enum class ControlKind {
    GroupBox,
    Label,
    Edit,
    PushButton,
    RadioButton,
    Picture,  // an SVG bitmap resource shown at its own size, centred in the control
    Icon,     // an icon resource shown at the standard icon size in the top-left corner
};

// Styles of a control; combine with |.
enum ControlStyle : std::uint32_t {
    StyleNone = 0,
    StyleTabStop = 1u << 0,
    StyleGroup = 1u << 1,       // starts a group: the radio buttons that follow belong together
    StyleDigitsOnly = 1u << 2,  // only 0 to 9 can be typed or pasted
    StyleNoScroll = 1u << 3,    // takes only as much text as fits its visible width
    StyleCentred = 1u << 4,
    StyleReadOnly = 1u << 5,
    StyleDefault = 1u << 6,  // the default push button: Enter outside a push button presses it
};

// Styles of the dialog window itself.
enum DialogStyle : std::uint32_t {
    DialogNone = 0,
    DialogSysMenu = 1u << 0,      // has a close box and the system menu
    DialogMinimizeBox = 1u << 1,  // can be minimised, and gets a taskbar button
};

inline constexpr int kNoControlId = -1;  // a control that is never looked up

struct ControlTemplate {
    ControlKind kind;
    int nID;              // kNoControlId for labels and group boxes nobody asks for
    const char* caption;  // UTF-8; empty for edits, pictures and icons
    int x, y, cx, cy;     // dialog units from the top-left corner of the client area
    std::uint32_t styles = StyleNone;
    int nResourceID = 0;  // Picture: the bitmap resource; Icon: the icon resource
};

struct DialogTemplate {
    int nID;
    const char* caption;  // UTF-8
    int cx, cy;           // client area in dialog units
    const char* fontFace;
    int nPointSize;
    std::uint32_t styles;
    std::vector<ControlTemplate> controls;  // template order = creation order = Tab order
};
