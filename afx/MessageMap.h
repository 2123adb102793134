// SPDX-License-Identifier: GPL-3.0-or-later
// Message maps: static tables that bind a class's window messages and commands to its
// handlers. A class's map names its base class's map; dispatch searches the most derived
// map first and falls back along that chain, so a class handles only what it lists.
#pragma once

#include "afx/CPoint.h"
#include "afx/WinTypes.h"

class CCmdTarget;

// Calls the handler of one entry on `target`, unpacking the message's parameters.
using AFX_PMSG = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_*; 0 ends the table
    UINT nCode;    // notification code, for WM_COMMAND entries
    UINT nID;      // command or control id, for WM_COMMAND entries
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null for the root of the chain
    const AFX_MSGMAP_ENTRY* lpEntries;
};

namespace afx {

// The adapters behind the ON_* macros. Each is instantiated for one class and one handler, so
// a handler with the wrong signature fails to compile instead of being called wrongly. The
// downcast is safe: a class's map is only ever searched for objects of that class.

template <class T, void (T::*Handler)(UINT, CPoint)>
LRESULT MouseHandler(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    (self.*Handler)(static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return 0;
}

template <class T, void (T::*Handler)(UINT, UINT, UINT)>
LRESULT KeyHandler(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    const auto bits = static_cast<std::uintptr_t>(lParam);
    (self.*Handler)(static_cast<UINT>(wParam), LOWORD(bits), HIWORD(bits));
    return 0;
}

template <class T, void (T::*Handler)(UINT_PTR)>
LRESULT TimerHandler(CCmdTarget& target, WPARAM wParam, LPARAM /*lParam*/)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    (self.*Handler)(static_cast<UINT_PTR>(wParam));
    return 0;
}

template <class T, void (T::*Handler)()>
LRESULT PlainHandler(CCmdTarget& target, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    (self.*Handler)();
    return 0;
}

template <class T, int (T::*Handler)(LPCREATESTRUCT)>
LRESULT CreateHandler(CCmdTarget& target, WPARAM /*wParam*/, LPARAM lParam)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    // NOLINTNEXTLINE(performance-no-int-to-ptr): WM_CREATE carries its parameters' address
    return (self.*Handler)(reinterpret_cast<LPCREATESTRUCT>(lParam));
}

template <class T, void (T::*Handler)(UINT, UINT)>
LRESULT MenuSelectHandler(CCmdTarget& target, WPARAM wParam, LPARAM /*lParam*/)
{
    auto& self = static_cast<T&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    (self.*Handler)(LOWORD(wParam), HIWORD(wParam));
    return 0;
}

// The class whose member a command handler is, so that a map can name a base class's handler
// (&CWinApp::OnFileNew) as well as its own.
template <class M>
struct MemberOf;
template <class C>
struct MemberOf<void (C::*)()> {
    using Class = C;
};

template <auto Handler>
LRESULT CommandHandler(CCmdTarget& target, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    using C = typename MemberOf<decltype(Handler)>::Class;
    auto& self = static_cast<C&>(target); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    (self.*Handler)();
    return 0;
}

} // namespace afx

// In a class body, once: the class has a message map of its own.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

// clang-format off

// In the class's source file: opens the map of theClass, which falls back to baseClass's.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                \
    {                                                                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
            {0, 0, 0, nullptr}};                                                                   \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
        return &messageMap;                                                                        \
    }

// WM_LBUTTONUP to `void OnLButtonUp(UINT nFlags, CPoint point)`.
#define ON_WM_LBUTTONUP()                                                                          \
    {WM_LBUTTONUP, 0, 0, &afx::MouseHandler<ThisClass, &ThisClass::OnLButtonUp>},

// WM_KEYDOWN to `void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)`: the virtual key, how
// many presses the message stands for, and flags such as KF_REPEAT.
#define ON_WM_KEYDOWN()                                                                            \
    {WM_KEYDOWN, 0, 0, &afx::KeyHandler<ThisClass, &ThisClass::OnKeyDown>},

// WM_TIMER to `void OnTimer(UINT_PTR nIDEvent)`: the id the timer was set with.
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER, 0, 0, &afx::TimerHandler<ThisClass, &ThisClass::OnTimer>},

// WM_PAINT to `void OnPaint()`.
#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, &afx::PlainHandler<ThisClass, &ThisClass::OnPaint>},

// WM_CREATE to `int OnCreate(LPCREATESTRUCT lpCreateStruct)`: 0 goes on, -1 stops the creation.
#define ON_WM_CREATE()                                                                             \
    {WM_CREATE, 0, 0, &afx::CreateHandler<ThisClass, &ThisClass::OnCreate>},

// WM_CLOSE to `void OnClose()`.
#define ON_WM_CLOSE()                                                                              \
    {WM_CLOSE, 0, 0, &afx::PlainHandler<ThisClass, &ThisClass::OnClose>},

// WM_MENUSELECT to `void OnMenuSelect(UINT nItemID, UINT nFlags)`.
#define ON_WM_MENUSELECT()                                                                         \
    {WM_MENUSELECT, 0, 0, &afx::MenuSelectHandler<ThisClass, &ThisClass::OnMenuSelect>},

// Any message to `void memberFxn()`, its parameters unused.
#define ON_MESSAGE_VOID(message, memberFxn)                                                        \
    {message, 0, 0, &afx::PlainHandler<ThisClass, &ThisClass::memberFxn>},

// A menu item's or accelerator's command to `void memberFxn()`, given as &Class::Member.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, static_cast<UINT>(id), &afx::CommandHandler<memberFxn>},

// A button's click to `void memberFxn()`, given as &Class::Member.
#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), &afx::CommandHandler<memberFxn>},

// clang-format on
