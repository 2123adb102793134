// SPDX-License-Identifier: GPL-3.0-or-later
// A window: the object that receives a window's messages and hands them to its handlers
// through its message map, or to the toolkit when no handler takes them.
#pragma once

#include "afx/CCmdTarget.h"
#include "afx/Platform.h"
#include "afx/WinTypes.h"

class CString;

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

public:
    CWnd() = default;
    // Tells the platform that the window's object is gone.
    ~CWnd() override;

    // The platform window this object stands for; null until one is attached.
    HWND m_hWnd = nullptr;

    // Binds this object to the platform window `hWnd`; the platform calls it on creation.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    // Unbinds the window and returns it; the object goes on without one.
    HWND Detach();

    // Delivers a message to this window at once and returns its result.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Asks for the whole client area to be repainted, its background erased first when
    // `bErase` is set. A window not yet created has nothing to repaint.
    void Invalidate(BOOL bErase = TRUE);

    // Adjusts the creation parameters before the window is created; FALSE stops the creation.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // The window this one is a child of; null for top-level windows.
    CWnd* GetParent() const { return m_pParentWnd; }

    // Destroys the window, and its children with it; the objects go on without windows.
    BOOL DestroyWindow();
    BOOL ShowWindow(int nCmdShow);
    void UpdateWindow();
    void SetWindowText(const CString& text);

    // Sends this window WM_TIMER with `nIDEvent` (nonzero) every `nElapse` milliseconds until
    // KillTimer or the window's end; setting it again restarts the interval. Returns
    // `nIDEvent`, or 0 when the window has not been created.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    // Stops the timer; FALSE when none of that id runs.
    BOOL KillTimer(UINT_PTR nIDEvent);

protected:
    // Creates the window as a child of `pParent`; FALSE when the platform cannot.
    BOOL CreateChild(CWnd* pParent, afx::ChildKind kind);

    // WM_COMMAND: routes the command through OnCmdMsg. TRUE when a handler took it.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // Routes a message to this window's handlers, or to DefWindowProc when none takes it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Finds and calls the handler of a message; FALSE when the map has none.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The toolkit's own handling of a message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Inside a handler: the toolkit's own handling of the message being handled, as if the
    // handler had not been there. Outside any handler it does nothing.
    LRESULT Default();

    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pParentWnd = nullptr;
};
