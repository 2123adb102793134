// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/AppWatcher.h"

#include "afx/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QEvent>

namespace afx::qt {

AppWatcher::AppWatcher(QtPlatform& platform)
    : m_platform(platform)
{
    // Lock keys can change while another program has the keyboard: look now and then.
    m_nowAndThen.setInterval(500);
    connect(&m_nowAndThen, &QTimer::timeout, this, [this] { m_platform.SendIdleUpdates(); });
    m_nowAndThen.start();
    // After a key has been handled, when its lock has changed; once for keys that come together.
    m_afterKeys.setSingleShot(true);
    m_afterKeys.setInterval(0);
    connect(&m_afterKeys, &QTimer::timeout, this, [this] { m_platform.SendIdleUpdates(); });
    QCoreApplication::instance()->installEventFilter(this);
}

bool AppWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        m_afterKeys.start();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace afx::qt
