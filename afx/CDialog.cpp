// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CDialog.h"

#include "afx/CWinApp.h"
#include "afx/ModalState.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate)
    , m_pParentWnd(pParentWnd)
{}

int CDialog::DoModal()
{
    afx::Platform* platform = afx::GetPlatform();
    const afx::DialogResource* dialogTemplate = afx::FindDialog(m_nIDTemplate);
    if (platform == nullptr || dialogTemplate == nullptr) {
        return -1;
    }
    // Without a parent of its own, a dialog belongs to the main window, as every box does.
    CWnd* owner = m_pParentWnd;
    if (owner == nullptr && AfxGetApp() != nullptr) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    const afx::ModalScope open;
    return platform->RunModalDialog(*this, *dialogTemplate,
                                    owner != nullptr ? owner->m_hWnd : nullptr);
}

void CDialog::EndDialog(int nResult)
{
    if (afx::Platform* platform = afx::GetPlatform(); platform != nullptr && m_hWnd != nullptr) {
        platform->EndDialog(m_hWnd, nResult);
    }
}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
