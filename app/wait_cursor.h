// Shows the wait cursor for as long as it lives: the window does its long
// work in one piece and takes no input meanwhile.
#pragma once

#include <QGuiApplication>

namespace zentavo {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace zentavo
