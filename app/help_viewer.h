// The help viewer: shows the help file at a context's topic. A request is
// only made; what the viewer shows, also for a missing file or topic, is its
// own business.
#pragma once

#include <string>

#include <QPointer>
#include <QTextBrowser>

class QWidget;

namespace zentavo {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Asks for the topic on behalf of owner; returns whether the request
    // could be made.
    virtual bool ShowContext(QWidget* owner, const std::string& help_file, int context) = 0;
};

// One window, reused for every request and raised by each, that goes when
// the window it was first asked for by goes. A context's topic is the anchor
// "context-<number>" of the HTML help file.
class BrowserHelpViewer : public HelpViewer {
public:
    ~BrowserHelpViewer() override;

    bool ShowContext(QWidget* owner, const std::string& help_file, int context) override;

    // The window, once a request has opened it.
    QTextBrowser* window() const { return window_; }

private:
    QPointer<QTextBrowser> window_;
};

}  // namespace zentavo
