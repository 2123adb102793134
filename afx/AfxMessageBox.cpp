// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/AfxMessageBox.h"

#include "afx/AfxRes.h"
#include "afx/CWinApp.h"
#include "afx/ModalState.h"
#include "afx/Platform.h"
#include "afx/Resources.h"

namespace {

// The program's title: the program object's name once it has one, else the title string.
CString Caption()
{
    if (const CWinApp* app = AfxGetApp(); app != nullptr && !app->m_pszAppName.IsEmpty()) {
        return app->m_pszAppName;
    }
    const wchar_t* title = afx::FindString(AFX_IDS_APP_TITLE);
    return title != nullptr ? CString(title) : CString();
}

} // namespace

int AfxMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    afx::Platform* platform = afx::GetPlatform();
    if (platform == nullptr) {
        return 0;
    }
    const afx::ModalScope open;
    return platform->MessageBox(text, Caption(), nType, nIDHelp);
}
