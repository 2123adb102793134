// SPDX-License-Identifier: GPL-3.0-or-later
// The root of the framework's classes, and the run-time class records through which the
// framework names classes and creates documents, frames and views it only knows by record.
#pragma once

#include <memory>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    // Null for classes that are not dynamically creatable.
    CObject* (*m_pfnCreateObject)();
    // Null only for CObject itself.
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class cannot be created by record.
    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    CObject(CObject&&) = delete;
    CObject& operator=(CObject&&) = delete;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

// In a class body: gives the class its run-time record.
#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    const CRuntimeClass* GetRuntimeClass() const override;

// In a class body: as DECLARE_DYNAMIC, and the class can be created from its record.
#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

// clang-format off
#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, create)                            \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, create, RUNTIME_CLASS(base_class_name)};                                      \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

// In the class's source file, once, to match DECLARE_DYNAMIC.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

// In the class's source file, once, to match DECLARE_DYNCREATE.
#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* class_name::CreateObject() { return new class_name; } /* NOLINT */                    \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
// clang-format on
