#include "app/about_dlg.h"

namespace zentavo {

CAboutDlg::CAboutDlg(QWidget* owner) : TemplateDialog(res::kAboutTemplate, owner) {}

}  // namespace zentavo
