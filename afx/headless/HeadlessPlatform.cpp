// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/headless/HeadlessPlatform.h"

#include "afx/CWnd.h"

#include <algorithm>
#include <utility>

struct HeadlessPlatform::Window : WindowHandle {
    Window(CWnd& owner, HWND parentWindow)
        : wnd(&owner)
        , parent(parentWindow)
    {}
    CWnd* wnd;
    HWND parent;
    bool invalid = true; // a new window has never been painted
    bool visible = false;
    bool frame = false;
    CString text;
    std::vector<CDC::TextItem> drawing;
    const afx::MenuResource* menu = nullptr;
    const afx::AcceleratorTableResource* accelerators = nullptr;
    std::vector<CString> paneTexts;
    std::vector<CString> paneSizingTexts;
    const afx::DialogResource* dialogTemplate = nullptr;
    std::vector<int> checked;
    std::optional<int> dialogResult;
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

HeadlessPlatform::Window& HeadlessPlatform::Add(CWnd& wnd, HWND parent)
{
    m_windows.push_back(std::make_unique<Window>(wnd, parent));
    wnd.Attach(m_windows.back().get());
    return *m_windows.back();
}

HWND HeadlessPlatform::CreateWindow(CWnd& wnd)
{
    return &Add(wnd, nullptr);
}

void HeadlessPlatform::Click(CWnd& wnd, int x, int y, UINT flags)
{
    wnd.SendMessage(WM_LBUTTONUP, flags, MAKELPARAM(x, y));
}

void HeadlessPlatform::KeyDown(CWnd& wnd, UINT virtualKey, bool repeat)
{
    const auto flags = static_cast<WORD>(repeat ? KF_REPEAT : 0U);
    wnd.SendMessage(WM_KEYDOWN, virtualKey, static_cast<LPARAM>(MAKEWPARAM(1, flags)));
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
    return PaintInvalidatedWithin(nullptr);
}

int HeadlessPlatform::PaintInvalidatedWithin(HWND top)
{
    // A paint may destroy or invalidate windows; take the list first and look each one up again.
    std::vector<CWnd*> invalid;
    for (const auto& window : m_windows) {
        if (window->invalid && (top == nullptr || window.get() == top || IsWithin(*window, top))) {
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
        case Event::Kind::Dialog: {
            CString line;
            line.Format(L"dialog %u: ", event.type);
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
    // Children go with their window; their objects live on without one.
    for (const auto& record : m_windows) {
        if (record.get() != window && IsWithin(*record, window)) {
            record->wnd->Detach();
        }
    }
    std::erase_if(m_timers, [this, window](const Timer& timer) {
        const Window* record = Find(timer.window);
        return timer.window == window || (record != nullptr && IsWithin(*record, window));
    });
    std::erase_if(m_windows, [this, window](const auto& record) {
        return record.get() == window || IsWithin(*record, window);
    });
}

bool HeadlessPlatform::IsWithin(const Window& window, HWND ancestor) const
{
    for (HWND parent = window.parent; parent != nullptr;) {
        if (parent == ancestor) {
            return true;
        }
        const Window* record = Find(parent);
        parent = record != nullptr ? record->parent : nullptr;
    }
    return false;
}

int HeadlessPlatform::MessageBox(const CString& text, const CString& caption, UINT type,
                                 UINT helpContext)
{
    Event event(Event::Kind::MessageBox);
    event.text = text;
    event.caption = caption;
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

HWND HeadlessPlatform::FindWindow(const CWnd& wnd) const
{
    return Find(wnd);
}

bool HeadlessPlatform::IsVisible(const CWnd& wnd) const
{
    const Window* window = Find(wnd);
    return window != nullptr && window->visible;
}

CString HeadlessPlatform::WindowText(const CWnd& wnd) const
{
    const Window* window = Find(wnd);
    return window != nullptr ? window->text : CString();
}

const afx::MenuResource* HeadlessPlatform::MenuOf(const CWnd& frame) const
{
    const Window* window = Find(frame);
    return window != nullptr ? window->menu : nullptr;
}

const afx::AcceleratorTableResource* HeadlessPlatform::AcceleratorsOf(const CWnd& frame) const
{
    const Window* window = Find(frame);
    return window != nullptr ? window->accelerators : nullptr;
}

std::vector<CString> HeadlessPlatform::PaneTexts(const CWnd& bar) const
{
    const Window* window = Find(bar);
    return window != nullptr ? window->paneTexts : std::vector<CString>{};
}

std::vector<CString> HeadlessPlatform::PaneSizingTexts(const CWnd& bar) const
{
    const Window* window = Find(bar);
    return window != nullptr ? window->paneSizingTexts : std::vector<CString>{};
}

void HeadlessPlatform::Command(CWnd& frame, UINT id)
{
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
}

void HeadlessPlatform::MenuSelect(CWnd& frame, UINT id, UINT flags)
{
    frame.SendMessage(WM_MENUSELECT, MAKEWPARAM(static_cast<WORD>(id), static_cast<WORD>(flags)),
                      0);
}

void HeadlessPlatform::CloseBox(CWnd& wnd)
{
    wnd.SendMessage(WM_CLOSE);
}

void HeadlessPlatform::Idle()
{
    std::vector<CWnd*> frames;
    for (const auto& window : m_windows) {
        if (window->frame) {
            frames.push_back(window->wnd);
        }
    }
    for (CWnd* frame : frames) {
        if (Find(*frame) != nullptr) {
            frame->SendMessage(WM_IDLEUPDATECMDUI);
        }
    }
    PaintInvalidated();
}

void HeadlessPlatform::ClickDialogButton(CWnd& dialog, int id)
{
    Window* window = Find(dialog);
    if (window == nullptr || window->dialogTemplate == nullptr) {
        return;
    }
    for (const afx::DialogItemResource& item : window->dialogTemplate->items) {
        if (item.id == id && item.kind == afx::ControlKind::AutoRadioButton) {
            window->checked = {id};
        }
    }
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 1);
}

void HeadlessPlatform::PressEnter(CWnd& dialog)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
}

void HeadlessPlatform::PressEscape(CWnd& dialog)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
}

std::vector<int> HeadlessPlatform::CheckedButtons(const CWnd& dialog) const
{
    const Window* window = Find(dialog);
    return window != nullptr ? window->checked : std::vector<int>{};
}

HWND HeadlessPlatform::CreateFrameWindow(CWnd& frame, const afx::FrameWindowParts& parts)
{
    if (frameCreationFails) {
        return nullptr;
    }
    Window& window = Add(frame, nullptr);
    window.frame = true;
    window.menu = parts.menu;
    window.accelerators = parts.accelerators;
    return &window;
}

HWND HeadlessPlatform::CreateChildWindow(CWnd& child, HWND parent, afx::ChildKind kind)
{
    if (Find(parent) == nullptr || (kind == afx::ChildKind::StatusBar && statusBarCreationFails)) {
        return nullptr;
    }
    Window& window = Add(child, parent);
    window.visible = true;
    return &window;
}

void HeadlessPlatform::SetWindowText(HWND window, const CString& text)
{
    if (Window* record = Find(window); record != nullptr) {
        record->text = text;
    }
}

BOOL HeadlessPlatform::ShowWindow(HWND window, int nCmdShow)
{
    Window* record = Find(window);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    record->visible = nCmdShow != SW_HIDE;
    return wasVisible;
}

BOOL HeadlessPlatform::UpdateWindow(HWND window)
{
    if (Find(window) == nullptr) {
        return FALSE;
    }
    PaintInvalidatedWithin(window);
    return TRUE;
}

BOOL HeadlessPlatform::SetStatusBarPanes(HWND bar, std::span<const CString> sizingTexts)
{
    Window* record = Find(bar);
    if (record == nullptr) {
        return FALSE;
    }
    record->paneSizingTexts.assign(sizingTexts.begin(), sizingTexts.end());
    record->paneTexts.assign(sizingTexts.size(), CString());
    return TRUE;
}

void HeadlessPlatform::SetPaneText(HWND bar, int pane, const CString& text)
{
    if (Window* record = Find(bar);
        record != nullptr && pane >= 0 && static_cast<size_t>(pane) < record->paneTexts.size()) {
        record->paneTexts[static_cast<size_t>(pane)] = text;
    }
}

int HeadlessPlatform::RunModalDialog(CWnd& dialog, const afx::DialogResource& tmpl, HWND parent)
{
    if (dialogCreationFails) {
        return -1;
    }
    Event event(Event::Kind::Dialog);
    event.window = parent;
    event.text = tmpl.caption;
    event.type = tmpl.id;
    m_log.push_back(event);

    Window& window = Add(dialog, parent);
    window.dialogTemplate = &tmpl;
    window.visible = true;
    window.text = tmpl.caption;
    if (whileDialogOpen) {
        whileDialogOpen(dialog, tmpl);
    }
    if (Window* open = Find(dialog); open != nullptr && !open->dialogResult) {
        PressEnter(dialog);
    }
    const Window* ended = Find(dialog);
    const int result = ended != nullptr && ended->dialogResult ? *ended->dialogResult : -1;
    m_dialogResults.push_back(result);
    if (ended != nullptr) {
        DestroyWindow(dialog.m_hWnd);
        dialog.Detach();
    }
    return result;
}

void HeadlessPlatform::EndDialog(HWND dialog, int result)
{
    if (Window* record = Find(dialog); record != nullptr && !record->dialogResult) {
        record->dialogResult = result;
    }
}

int HeadlessPlatform::RunMessageLoop()
{
    if (whileLoopRuns) {
        whileLoopRuns();
    }
    return m_quitCode.value_or(0);
}

void HeadlessPlatform::PostQuitMessage(int exitCode)
{
    m_quitCode = exitCode;
}

SHORT HeadlessPlatform::GetKeyState(int virtualKey)
{
    const auto found = m_lockKeys.find(virtualKey);
    return found != m_lockKeys.end() && found->second ? SHORT{1} : SHORT{0};
}

BOOL HeadlessPlatform::PromptForFileToOpen(HWND /*owner*/, CString& path)
{
    ++openDialogsShown;
    if (!fileToOpen) {
        return FALSE;
    }
    path = *fileToOpen;
    return TRUE;
}

UINT_PTR HeadlessPlatform::SetTimer(HWND window, UINT_PTR id, UINT elapse)
{
    if (Find(window) == nullptr || id == 0) {
        return 0;
    }
    const unsigned long long due = m_now + std::max(elapse, 1U);
    const auto running = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& timer) {
        return timer.window == window && timer.id == id;
    });
    if (running != m_timers.end()) {
        running->elapse = elapse;
        running->due = due;
    } else {
        m_timers.push_back({window, id, elapse, due});
    }
    return id;
}

BOOL HeadlessPlatform::KillTimer(HWND window, UINT_PTR id)
{
    return std::erase_if(
               m_timers,
               [&](const Timer& timer) { return timer.window == window && timer.id == id; }) > 0
               ? TRUE
               : FALSE;
}

int HeadlessPlatform::AdvanceTime(UINT milliseconds)
{
    const unsigned long long until = m_now + milliseconds;
    int sent = 0;
    for (;;) {
        // The first to fall due; of two due together, the one set first.
        const auto next = std::min_element(
            m_timers.begin(), m_timers.end(),
            [](const Timer& left, const Timer& right) { return left.due < right.due; });
        if (next == m_timers.end() || next->due > until) {
            break;
        }
        m_now = next->due;
        next->due = m_now + std::max(next->elapse, 1U); // the handler may set it afresh
        WindowHandle* const window = next->window;
        const UINT_PTR id = next->id;
        if (const Window* record = Find(window); record != nullptr) {
            record->wnd->SendMessage(WM_TIMER, id, 0);
            ++sent;
        }
    }
    m_now = until;
    return sent;
}

std::optional<UINT> HeadlessPlatform::TimerInterval(const CWnd& wnd, UINT_PTR id) const
{
    const Window* window = Find(wnd);
    const auto running = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& timer) {
        return window != nullptr && timer.window == window && timer.id == id;
    });
    return running != m_timers.end() ? std::optional<UINT>(running->elapse) : std::nullopt;
}
