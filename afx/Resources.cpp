// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/Resources.h"

#include <cwchar>

namespace {
const afx::ResourceBundle* g_resources = nullptr;

template <class T>
const T* FindById(std::span<const T> table, UINT id)
{
    for (const T& entry : table) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}
} // namespace

namespace afx {

void SetResources(const ResourceBundle* bundle)
{
    g_resources = bundle;
}

const wchar_t* FindString(UINT id)
{
    if (g_resources == nullptr) {
        return nullptr;
    }
    const StringResource* entry = FindById(g_resources->strings, id);
    return entry != nullptr ? entry->text : nullptr;
}

const MenuResource* FindMenu(UINT id)
{
    return g_resources != nullptr ? FindById(g_resources->menus, id) : nullptr;
}

const AcceleratorTableResource* FindAcceleratorTable(UINT id)
{
    return g_resources != nullptr ? FindById(g_resources->acceleratorTables, id) : nullptr;
}

const DialogResource* FindDialog(UINT id)
{
    return g_resources != nullptr ? FindById(g_resources->dialogs, id) : nullptr;
}

const IconResource* FindIcon(UINT id)
{
    return g_resources != nullptr ? FindById(g_resources->icons, id) : nullptr;
}

const wchar_t* FindVersionString(const wchar_t* key)
{
    if (g_resources == nullptr || g_resources->versionInfo == nullptr) {
        return nullptr;
    }
    for (const VersionString& entry : g_resources->versionInfo->strings) {
        if (std::wcscmp(entry.key, key) == 0) {
            return entry.value;
        }
    }
    return nullptr;
}

CString ExtractSubString(const CString& text, int index)
{
    std::wstring_view rest(text.GetString(), static_cast<size_t>(text.GetLength()));
    for (int field = 0; field < index; ++field) {
        const size_t newline = rest.find(L'\n');
        if (newline == std::wstring_view::npos) {
            return {};
        }
        rest.remove_prefix(newline + 1);
    }
    return {rest.substr(0, rest.find(L'\n'))};
}

CString LoadPrompt(UINT id)
{
    const wchar_t* text = FindString(id);
    return text != nullptr ? ExtractSubString(text, 0) : CString();
}

} // namespace afx
