#pragma once
// The application object: runs the check form and ends the program when it closes.

#include "win_app.h"

class CQuenmarApp : public CWinApp {
  public:
    bool InitInstance() override;
};
