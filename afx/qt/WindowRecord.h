// SPDX-License-Identifier: GPL-3.0-or-later
// The record behind each window handle, held by the widget that shows the window, and the list
// of the windows that still stand, which turns a handle back into its record.
#pragma once

#include "afx/WinTypes.h"

#include <unordered_map>
#include <vector>

class CWnd;
class QWidget;

namespace afx::qt {

class WindowList;

// What a window handle points at: the window's object, the window it lies in, and the widget
// that shows it. The widget holds its record, so a widget knows its window without a search;
// the record leaves the list when its window is destroyed, and goes with the widget.
struct Window : WindowHandle {
    Window(CWnd& owner, Window* parentWindow, QWidget& shownBy);
    // Leaves the list if the widget goes before its window was destroyed.
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&&) = delete;
    Window& operator=(Window&&) = delete;

    // Whether the window still stands: until then its handle finds this record.
    bool IsLive() const { return m_list != nullptr; }
    // Delivers a message to the window's object; 0, and nothing delivered, once the window is
    // destroyed (a widget waiting for deletion may still see events).
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    CWnd* wnd;
    Window* parent; // null for a top-level window
    QWidget* widget;

private:
    friend class WindowList;
    WindowList* m_list = nullptr; // the list that holds it while the window stands
};

// The widget of `record` when it is a `W`; null for no record or a window of another kind.
template <class W>
W* WidgetAs(const Window* record)
{
    return record != nullptr ? dynamic_cast<W*>(record->widget) : nullptr;
}

// The widget of a window that is on screen; null for no record, or while it is hidden.
QWidget* ShownWidget(const Window* record);

// The windows that stand, oldest first. It holds no record, only finds them.
class WindowList {
public:
    WindowList() = default;
    // Forgets what is left, so that no record calls back into a list that is gone.
    ~WindowList();
    WindowList(const WindowList&) = delete;
    WindowList& operator=(const WindowList&) = delete;
    WindowList(WindowList&&) = delete;
    WindowList& operator=(WindowList&&) = delete;

    // The window of `record` stands from now on, after every window there is.
    void Add(Window& record);
    // The record of `handle`; null for a handle destroyed or never made by this backend.
    Window* Find(HWND handle) const;
    // The window of `record` is destroyed: its handle finds nothing any more.
    void Forget(Window& record);
    void ForgetAll();

    // Every window, oldest first. Anything that may deliver a message while it walks them
    // copies the handles first and finds each again, since a handler may destroy windows.
    const std::vector<Window*>& All() const { return m_order; }
    // The window and every window inside it, the window first.
    std::vector<Window*> Subtree(const Window& top) const;

private:
    std::vector<Window*> m_order;
    std::unordered_map<const WindowHandle*, Window*> m_byHandle;
};

} // namespace afx::qt
