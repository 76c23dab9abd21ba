#include "app/help_viewer.h"

#include <QTextBrowser>

#include <fstream>
#include <iterator>

#include "app/locale_text.h"
#include "app/window_strings.h"

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

bool BrowserHelpViewer::ShowContext(QWidget*, const std::string& help_file, int context) {
    if (help_file.empty()) return false;
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setWindowTitle(QString::fromUtf8(text::kHelpWindowTitle));
        window_->setOpenExternalLinks(true);
        window_->resize(kWindowSize);
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
        window_->setHtml(PlainPage(QString::fromUtf8(text::kHelpFileMissing).arg(shown_name)));
    } else if (!has_topic) {
        window_->setHtml(
            PlainPage(QString::fromUtf8(text::kHelpTopicMissing).arg(shown_name).arg(context)));
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
