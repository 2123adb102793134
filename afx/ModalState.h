// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the program is waiting on the user in a box: a message box, a dialog or the file
// prompt runs its own loop, and what the program does by itself (on a timer, say) should wait
// until it has been answered.
#pragma once

namespace afx {

// True while a message box, a dialog or the file prompt is open, nested ones included.
bool InModalState();

// Counts a box as open for the scope's lifetime; the framework puts one around each.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    ModalScope(ModalScope&&) = delete;
    ModalScope& operator=(ModalScope&&) = delete;
};

} // namespace afx
