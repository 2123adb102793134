// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers: one QTimer per window and id, a child of the window's widget so that it goes
// with the widget. A widget outlives its window until the event loop deletes it, and its
// record sends nothing once the window is destroyed, so a timer never reaches a window's
// object after the window's end.
#include "afx/qt/QtPlatform.h"

#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace afx::qt {

namespace {

// The property that tells a window's timers apart.
constexpr const char* kTimerId = "zintraTimerId";

QTimer* FindTimer(const Window& record, UINT_PTR id)
{
    for (QTimer* timer : record.widget->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        if (timer->property(kTimerId).toULongLong() == id) {
            return timer;
        }
    }
    return nullptr;
}

} // namespace

UINT_PTR QtPlatform::SetTimer(HWND window, UINT_PTR id, UINT elapse)
{
    Window* record = m_windows.Find(window);
    if (record == nullptr || id == 0) {
        return 0;
    }
    QTimer* timer = FindTimer(*record, id);
    if (timer == nullptr) {
        timer = new QTimer(record->widget);
        timer->setProperty(kTimerId, QVariant::fromValue<qulonglong>(id));
        QObject::connect(timer, &QTimer::timeout, timer,
                         [record, id] { record->Send(WM_TIMER, id); });
    }
    timer->start(static_cast<int>(std::min<UINT>(elapse, INT_MAX)));
    return id;
}

BOOL QtPlatform::KillTimer(HWND window, UINT_PTR id)
{
    const Window* record = m_windows.Find(window);
    QTimer* timer = record != nullptr ? FindTimer(*record, id) : nullptr;
    if (timer == nullptr) {
        return FALSE;
    }
    // Not deleted at once: this may run inside the timer's own signal.
    timer->stop();
    timer->setProperty(kTimerId, QVariant());
    timer->deleteLater();
    return TRUE;
}

} // namespace afx::qt
