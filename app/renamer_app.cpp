#include "app/renamer_app.h"

#include <memory>

#include "app/renamer_dlg.h"
#include "res/resource.h"

namespace zentavo {

CRenamerApp theApp;

CRenamerApp::CRenamerApp() {
    BindCommand(res::kHelpCommand, [this] { OnHelp(); });
}

bool CRenamerApp::InitInstance() {
    auto window = std::make_unique<CRenamerDlg>();
    SetMainWindow(window.get());
    window->DoModal();
    SetMainWindow(nullptr);
    return false;
}

}  // namespace zentavo
