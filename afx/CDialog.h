// SPDX-License-Identifier: GPL-3.0-or-later
// A modal dialog built from a dialog template. OK and Enter end it with IDOK, Esc and the close
// box with IDCANCEL; the buttons' clicks reach the dialog's message map as BN_CLICKED.
#pragma once

#include "afx/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override = default;

    // Runs the dialog until it ends; IDOK, IDCANCEL, or -1 when it cannot be created.
    virtual int DoModal();
    void EndDialog(int nResult);

protected:
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
