#include "app/help_viewer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>

#include <fstream>
#include <iterator>

#include "app/locale_text.h"
#include "app/window_texts.h"

namespace zentavo {

namespace {

constexpr QSize kWindowSize(640, 560);

QString PlainPage(const QString& text) {
    return QStringLiteral("<html><body><p>%1</p></body></html>").arg(text.toHtmlEscaped());
}

}  // namespace

BrowserHelpViewer::~BrowserHelpViewer() {
    delete window_;
}

bool BrowserHelpViewer::ShowContext(QWidget* owner, const std::string& help_file, int context) {
    if (help_file.empty()) return false;
    if (!window_) {
        // Not a child widget of its owner: Qt would block it while a modal
        // box (the About box, a message) is open over the owner, and help is
        // most wanted then.
        window_ = new QTextBrowser;
        window_->setWindowTitle(Texts::HelpWindowCaption());
        window_->setOpenExternalLinks(true);
        // Wholly on the owner's screen, however small, in its middle.
        QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect room = screen->availableGeometry();
        QRect placed(QPoint(), kWindowSize.boundedTo(room.size() * 9 / 10));
        placed.moveCenter(room.center());
        window_->setGeometry(placed);
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            QObject::connect(new QShortcut(keys, window_), &QShortcut::activated, window_,
                             &QWidget::close);
        }
        if (owner) QObject::connect(owner, &QObject::destroyed, window_, &QObject::deleteLater);
    }

    const QString shown_name = CurrentLocaleCodec().Decode(help_file);
    const QString anchor = QStringLiteral("context-%1").arg(context);
    std::ifstream file(help_file, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>()};
    const QString html = QString::fromUtf8(content.data(), qsizetype(content.size()));
    const bool has_topic = html.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
                           html.contains(QStringLiteral("id=\"%1\"").arg(anchor));
    if (!file.is_open() || content.empty()) {
        window_->setHtml(PlainPage(Texts::HelpFileMissing(shown_name)));
    } else if (!has_topic) {
        window_->setHtml(PlainPage(Texts::HelpTopicMissing(shown_name, context)));
    } else {
        window_->setHtml(html);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (has_topic) window_->scrollToAnchor(anchor);
    return true;
}

}  // namespace zentavo
