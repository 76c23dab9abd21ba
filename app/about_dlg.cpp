#include "app/about_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "app/resources.h"
#include "app/window_texts.h"

namespace zentavo {

CAboutDlg::CAboutDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    // Modal to its owner alone: the help window must stay usable beside it.
    setWindowModality(Qt::WindowModal);
    const DialogUnits units = DialogUnits::ForFont(font());
    setWindowTitle(Texts::AboutCaption());
    setFixedSize(units.ToPixels(layout::kAboutBox));

    auto* icon = new QLabel(this);
    const int icon_size = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    icon->setPixmap(AppIcon().pixmap(icon_size));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setGeometry(units.ToPixels(layout::kAboutIcon));

    const auto add_label = [&](const QString& text, const QRect& rect) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(units.ToPixels(rect));
    };
    add_label(Texts::AboutVersion(), layout::kAboutVersion);
    add_label(Texts::AboutRights(), layout::kAboutRights);

    auto* ok = new QPushButton(Texts::OkButton(), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(units.ToPixels(layout::kAboutOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    add_label(Texts::AboutPostcard(), layout::kAboutPostcard);
    add_label(Texts::AboutAddress(), layout::kAboutAddress);

    auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help_key, &QShortcut::activated, this, [this] { emit helpRequested(kHelpContext); });
}

}  // namespace zentavo
