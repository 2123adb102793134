// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/LockKeyWatcher.h"

#include "afx/qt/QtPlatform.h"

#include <QCoreApplication>

namespace afx::qt {

LockKeyWatcher::LockKeyWatcher(QtPlatform& platform)
    : m_platform(platform)
{
    if (!m_reports.Asked()) {
        return;
    }
    // Once Qt has handled the report, and once for changes that come together; the frames'
    // code does not run inside Qt's handling of its connection.
    m_afterChanges.setSingleShot(true);
    m_afterChanges.setInterval(0);
    connect(&m_afterChanges, &QTimer::timeout, this, [this] { m_platform.SendIdleUpdates(); });
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool LockKeyWatcher::nativeEventFilter(const QByteArray& eventType, void* message,
                                       qintptr* /*result*/)
{
    if (eventType == "xcb_generic_event_t" && m_reports.IsReport(message)) {
        m_afterChanges.start();
    }
    return false; // Qt sees every event as before
}

} // namespace afx::qt
