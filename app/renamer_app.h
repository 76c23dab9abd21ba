// The application object: runs the main window and ends the program with it.
#pragma once

#include "app/framework_app.h"

namespace zentavo {

class CRenamerApp : public FrameworkApp {
public:
    CRenamerApp();

protected:
    // Runs the main window modally; returns false, so that the program ends
    // when the window does.
    bool InitInstance() override;
};

extern CRenamerApp theApp;

}  // namespace zentavo
