#pragma once
// What the program knows about itself: where its executable is and what it is called.

#include <QString>

// Full path of the running executable, whatever its length.
QString AfxGetModuleFileName();

// The executable's file name without its extension; the caption of every message box.
QString AfxGetAppName();
