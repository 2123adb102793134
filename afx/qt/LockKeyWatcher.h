// SPDX-License-Identifier: GPL-3.0-or-later
// Has frames bring their status bars up to date whenever a lock key goes on or off, whichever
// program has the keyboard, and sleeps otherwise: it is told by the X server, never looks.
#pragma once

#include "afx/qt/X11Session.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>

namespace afx::qt {

class QtPlatform;

class LockKeyWatcher : public QObject, public QAbstractNativeEventFilter {
public:
    // Starts watching for `platform`'s running QApplication. Where Qt's windows are not on an X
    // display there is nothing to watch, and it does nothing.
    explicit LockKeyWatcher(QtPlatform& platform);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QtPlatform& m_platform;
    x11::IndicatorReports m_reports;
    QTimer m_afterChanges;
};

} // namespace afx::qt
