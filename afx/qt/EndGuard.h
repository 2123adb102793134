// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the process's end clean when something other than the program ends it while the backend
// has windows: Qt and Xlib call exit() when the display goes away, any library may, and the
// desktop session asks the application to quit when it ends. Left to run, exit() would have
// static destruction reach the program's windows after Qt is half gone.
#pragma once

#include <QObject>

class QEvent;

namespace afx::qt {

class EndGuard : public QObject {
public:
    // From now until the guard goes, such an end leaves the process at once with status 1
    // after one line on stderr, "zintra_win: " and the cause, and runs nothing of the
    // program's own on the way out. Needs the running QApplication; at most one guard at a time.
    EndGuard();
    ~EndGuard() override;
    EndGuard(const EndGuard&) = delete;
    EndGuard& operator=(const EndGuard&) = delete;
    EndGuard(EndGuard&&) = delete;
    EndGuard& operator=(EndGuard&&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace afx::qt
