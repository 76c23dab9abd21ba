#include <QApplication>

#include "app/renamer_dlg.h"
#include "core/code_page.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zentavo::ActiveCodePage();
    zentavo::CRenamerDlg dialog;
    dialog.DoModal();
    return 0;
}
