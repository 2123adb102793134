// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/qt/VirtualKeys.h"

#include "afx/Resources.h"

#include <Qt>
#include <array>
#include <utility>

namespace afx::qt {

namespace {

// The virtual keys named besides letters, digits and function keys.
constexpr std::array<std::pair<WORD, Qt::Key>, 15> kNamedKeys{{
    {VK_BACK, Qt::Key_Backspace},
    {0x09, Qt::Key_Tab},
    {0x0D, Qt::Key_Return},
    {0x1B, Qt::Key_Escape},
    {VK_SPACE, Qt::Key_Space},
    {0x21, Qt::Key_PageUp},
    {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},
    {0x24, Qt::Key_Home},
    {0x25, Qt::Key_Left},
    {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},
    {0x28, Qt::Key_Down},
    {VK_INSERT, Qt::Key_Insert},
    {VK_DELETE, Qt::Key_Delete},
}};
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F24 = 0x87;

} // namespace

int QtKeyOf(WORD virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
        return virtualKey; // Qt names letters and digits by the same codes
    }
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24) {
        return Qt::Key_F1 + (virtualKey - VK_F1);
    }
    for (const auto& [named, qtKey] : kNamedKeys) {
        if (named == virtualKey) {
            return qtKey;
        }
    }
    return 0;
}

WORD VirtualKeyOf(int qtKey, bool onKeypad)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<WORD>(onKeypad ? VK_NUMPAD0 + static_cast<UINT>(qtKey - Qt::Key_0)
                                          : static_cast<UINT>(qtKey));
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return static_cast<WORD>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<WORD>(VK_F1 + (qtKey - Qt::Key_F1));
    }
    for (const auto& [named, key] : kNamedKeys) {
        if (key == qtKey) {
            return named;
        }
    }
    return 0;
}

} // namespace afx::qt
