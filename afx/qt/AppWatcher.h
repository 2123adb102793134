// SPDX-License-Identifier: GPL-3.0-or-later
// Watches the whole application for key presses, and wakes up now and then, so that frames can
// follow the keyboard's lock keys.
#pragma once

#include <QObject>
#include <QTimer>

namespace afx::qt {

class QtPlatform;

class AppWatcher : public QObject {
public:
    // Starts watching the running QApplication for `platform`.
    explicit AppWatcher(QtPlatform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtPlatform& m_platform;
    QTimer m_nowAndThen;
    QTimer m_afterKeys;
};

} // namespace afx::qt
