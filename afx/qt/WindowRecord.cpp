// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/WindowRecord.h"

#include "afx/CWnd.h"

#include <QWidget>
#include <algorithm>

namespace afx::qt {

Window::Window(CWnd& owner, Window* parentWindow, QWidget& shownBy)
    : wnd(&owner)
    , parent(parentWindow)
    , widget(&shownBy)
{}

Window::~Window()
{
    if (m_list != nullptr) {
        m_list->Forget(*this);
    }
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return IsLive() ? wnd->SendMessage(message, wParam, lParam) : 0;
}

QWidget* ShownWidget(const Window* record)
{
    return record != nullptr && record->widget->isVisible() ? record->widget : nullptr;
}

WindowList::~WindowList()
{
    ForgetAll();
}

void WindowList::Add(Window& record)
{
    record.m_list = this;
    m_order.push_back(&record);
    m_byHandle.emplace(&record, &record);
}

Window* WindowList::Find(HWND handle) const
{
    const auto found = m_byHandle.find(handle);
    return found != m_byHandle.end() ? found->second : nullptr;
}

void WindowList::Forget(Window& record)
{
    if (m_byHandle.erase(&record) == 0) {
        return;
    }
    record.m_list = nullptr;
    std::erase(m_order, &record);
}

void WindowList::ForgetAll()
{
    for (Window* record : m_order) {
        record->m_list = nullptr;
    }
    m_order.clear();
    m_byHandle.clear();
}

std::vector<Window*> WindowList::Subtree(const Window& top) const
{
    std::vector<Window*> subtree;
    for (Window* record : m_order) {
        for (const Window* ancestor = record; ancestor != nullptr; ancestor = ancestor->parent) {
            if (ancestor == &top) {
                subtree.push_back(record);
                break;
            }
        }
    }
    // The window itself first.
    std::stable_partition(subtree.begin(), subtree.end(),
                          [&top](const Window* record) { return record == &top; });
    return subtree;
}

} // namespace afx::qt
