// The About box: the program's name, version, icon and notices.
#pragma once

#include "app/template_dialog.h"

namespace zentavo {

class CAboutDlg : public TemplateDialog {
    Q_OBJECT
public:
    // Modal over its owner and centred on it.
    explicit CAboutDlg(QWidget* owner = nullptr);
};

}  // namespace zentavo
