// SPDX-License-Identifier: GPL-3.0-or-later
#include "afx/CObject.h"

const CRuntimeClass CObject::classCObject{"CObject", nullptr, nullptr};

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const
{
    return std::unique_ptr<CObject>(m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr);
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* runtimeClass = this; runtimeClass != nullptr;
         runtimeClass = runtimeClass->m_pBaseClass) {
        if (runtimeClass == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

bool CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}
