#pragma once
// The fixed command values that dialogs, buttons and the system menu share.

inline constexpr int IDOK = 1;      // Enter, or a push button with this ID
inline constexpr int IDCANCEL = 2;  // Esc, the close box, or a push button with this ID

// System-menu commands; the low four bits are free for the platform and ignored when matching.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// Message-box types.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_ICONMASK = 0x00F0;
inline constexpr unsigned MB_ICONSTOP = 0x0010;
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_ICONINFORMATION = 0x0040;
