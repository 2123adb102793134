// SPDX-License-Identifier: GPL-3.0-or-later
// The root of every class that receives messages: it owns the search through the message
// maps. Windows, documents and the application all derive from it.
#pragma once

#include "afx/CObject.h"
#include "afx/MessageMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // The entry for `message` (with `code` and `id`, which only commands use) in this object's
    // map or, failing that, in its bases' maps, most derived first; null when none has one.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

    // Routes command `nID` with notification `nCode` to its handler. The base looks in this
    // object's own map; frames and views pass it on along the command route first. TRUE when
    // a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

protected:
    // The root map is empty and has no base.
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
