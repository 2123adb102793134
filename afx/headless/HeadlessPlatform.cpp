#include "afx/headless/HeadlessPlatform.h"

#include "afx/CWnd.h"

#include <algorithm>
#include <utility>

struct HeadlessPlatform::Window : WindowHandle {
    explicit Window(CWnd& owner)
        : wnd(&owner)
    {}
    CWnd* wnd;
    bool invalid = true; // a new window has never been painted
    std::vector<CDC::TextItem> drawing;
};

HeadlessPlatform::HeadlessPlatform()
{
    afx::SetPlatform(this);
}

HeadlessPlatform::~HeadlessPlatform()
{
    for (const auto& window : m_windows) {
        window->wnd->Detach();
    }
    afx::SetPlatform(nullptr);
}

HWND HeadlessPlatform::CreateWindow(CWnd& wnd)
{
    m_windows.push_back(std::make_unique<Window>(wnd));
    wnd.Attach(m_windows.back().get());
    return m_windows.back().get();
}

void HeadlessPlatform::Click(CWnd& wnd, int x, int y, UINT flags)
{
    wnd.SendMessage(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

void HeadlessPlatform::Paint(CWnd& wnd)
{
    if (Window* window = Find(wnd); window != nullptr) {
        window->invalid = false;
    }
    wnd.SendMessage(WM_PAINT);
}

int HeadlessPlatform::PaintInvalidated()
{
    // A paint may destroy or invalidate windows; take the list first and look each one up again.
    std::vector<CWnd*> invalid;
    for (const auto& window : m_windows) {
        if (window->invalid) {
            invalid.push_back(window->wnd);
        }
    }
    int painted = 0;
    for (CWnd* wnd : invalid) {
        if (Find(*wnd) != nullptr) {
            Paint(*wnd);
            ++painted;
        }
    }
    return painted;
}

bool HeadlessPlatform::NeedsPaint(const CWnd& wnd) const
{
    const Window* window = Find(wnd);
    return window != nullptr && window->invalid;
}

const std::vector<CDC::TextItem>& HeadlessPlatform::LastDrawing(const CWnd& wnd) const
{
    static const std::vector<CDC::TextItem> nothing;
    const Window* window = Find(wnd);
    return window != nullptr ? window->drawing : nothing;
}

std::vector<std::wstring> HeadlessPlatform::Trace() const
{
    std::vector<std::wstring> lines;
    for (const Event& event : m_log) {
        switch (event.kind) {
        case Event::Kind::Invalidate:
            lines.emplace_back(event.erase != FALSE ? L"invalidate erase" : L"invalidate");
            break;
        case Event::Kind::Default: {
            CString line;
            line.Format(L"default 0x%04x", event.message);
            lines.emplace_back(line.GetString());
            break;
        }
        case Event::Kind::Paint:
            lines.emplace_back(L"paint");
            break;
        case Event::Kind::MessageBox: {
            CString line;
            line.Format(L"box %u/%u: ", event.type, event.helpContext);
            line += event.text;
            lines.emplace_back(line.GetString());
            break;
        }
        }
    }
    return lines;
}

std::vector<HeadlessPlatform::Event> HeadlessPlatform::Boxes() const
{
    std::vector<Event> boxes;
    std::copy_if(m_log.begin(), m_log.end(), std::back_inserter(boxes),
                 [](const Event& event) { return event.kind == Event::Kind::MessageBox; });
    return boxes;
}

BOOL HeadlessPlatform::InvalidateRect(HWND window, const RECT* rect, BOOL erase)
{
    Event event(Event::Kind::Invalidate);
    event.window = window;
    event.erase = erase;
    event.wholeArea = rect == nullptr;
    m_log.push_back(std::move(event));
    for (const auto& record : m_windows) {
        if (window == nullptr || window == record.get()) {
            record->invalid = true;
        }
    }
    return TRUE;
}

LRESULT HeadlessPlatform::DefWindowProc(HWND window, UINT message, WPARAM /*wParam*/,
                                        LPARAM /*lParam*/)
{
    Event event(Event::Kind::Default);
    event.window = window;
    event.message = message;
    m_log.push_back(std::move(event));
    return 0;
}

void HeadlessPlatform::EndPaint(HWND window, const CDC& dc)
{
    Event event(Event::Kind::Paint);
    event.window = window;
    event.drawing = dc.GetTextItems();
    if (Window* record = Find(window); record != nullptr) {
        record->drawing = event.drawing;
    }
    m_log.push_back(std::move(event));
}

void HeadlessPlatform::DestroyWindow(HWND window)
{
    std::erase_if(m_windows, [window](const auto& record) { return record.get() == window; });
}

int HeadlessPlatform::MessageBox(const CString& text, UINT type, UINT helpContext)
{
    Event event(Event::Kind::MessageBox);
    event.text = text;
    event.type = type;
    event.helpContext = helpContext;
    m_log.push_back(event);
    if (whileBoxOpen) {
        whileBoxOpen(event);
    }
    return boxAnswer;
}

HeadlessPlatform::Window* HeadlessPlatform::Find(HWND window) const
{
    const auto found =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [window](const auto& record) { return record.get() == window; });
    return found != m_windows.end() ? found->get() : nullptr;
}

HeadlessPlatform::Window* HeadlessPlatform::Find(const CWnd& wnd) const
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(),
                                    [&wnd](const auto& record) { return record->wnd == &wnd; });
    return found != m_windows.end() ? found->get() : nullptr;
}
