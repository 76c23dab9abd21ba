// The About box: the program's name, version, icon and notices.
#pragma once

#include <QDialog>

namespace zentavo {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // The help context the box answers F1 with.
    static constexpr int kHelpContext = 131172;

    // Modal over its owner, which takes no input meanwhile, and centred on it.
    explicit CAboutDlg(QWidget* owner);

signals:
    void helpRequested(int context);
};

}  // namespace zentavo
