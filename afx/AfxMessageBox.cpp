#include "afx/AfxMessageBox.h"

#include "afx/Platform.h"

int AfxMessageBox(const CString& text, UINT nType, UINT nIDHelp)
{
    afx::Platform* platform = afx::GetPlatform();
    return platform != nullptr ? platform->MessageBox(text, nType, nIDHelp) : 0;
}
