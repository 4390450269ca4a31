// Run-time classes: the class name, the base class and dynamic creation of the
// CObject classes, and the macros that declare and implement them.
//
// Every class implemented with IMPLEMENT_DYNAMIC, IMPLEMENT_DYNCREATE or
// IMPLEMENT_SERIAL is registered by name while its deliverable is loaded, so a
// view, a document or an archived object can be created from its class name.
// Several deliverables may have classes of the same name (each in its own
// namespace); the registry keeps them apart by the shared object that defines
// them, and FromName can be asked to prefer the caller's own deliverable.
#pragma once

#include "afx_types.h"

class CObject;
class CArchive;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                        // 0xFFFF: not serializable
    CObject* (*m_pfnCreateObject)();       // null: not dynamically creatable
    CRuntimeClass* (*m_pfnGetBaseClass)(); // null for CObject

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
    // The file of the shared object (or program) that defines this class.
    const char* ModulePath() const;

    // The registered class of this name: the first one registered, or with
    // `nearAddress` (any address inside a deliverable, e.g. of a function) the
    // one defined in that same deliverable when there is one.
    static CRuntimeClass* FromName(LPCSTR className, const void* nearAddress = nullptr);
    static CObject* CreateObject(LPCSTR className, const void* nearAddress = nullptr);

    static void Register(CRuntimeClass* runtimeClass);
    static void Unregister(CRuntimeClass* runtimeClass);
};

// Registers a run-time class for the life of its deliverable.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* runtimeClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;
    CRuntimeClass* m_class;
};

#define VERSIONABLE_SCHEMA (0x80000000)

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                  \
public:                                              \
    static CRuntimeClass class##class_name;          \
    static CRuntimeClass* GetThisClass();            \
    static CRuntimeClass* _GetBaseClass();           \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)  \
    DECLARE_DYNCREATE(class_name)   \
    friend CArchive& operator>>(CArchive& ar, class_name*& object);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                  \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }   \
    CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class_name)),     \
                                                   UINT(schema), create,                     \
                                                   &class_name::_GetBaseClass};              \
    CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }    \
    CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; } \
    static const AFX_CLASSINIT afxClassInit##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                         \
    CObject* class_name::CreateObject() { return new class_name; }               \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                  \
    CObject* class_name::CreateObject() { return new class_name; }                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, &class_name::CreateObject)     \
    CArchive& operator>>(CArchive& ar, class_name*& object)                                    \
    {                                                                                          \
        object = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));           \
        return ar;                                                                             \
    }

// The object as the class, or null when it is not of that class.
#define DYNAMIC_DOWNCAST(class_name, object) (dynamic_cast<class_name*>(object))
// The object as the class, which it must be (checked in the debug build).
#define STATIC_DOWNCAST(class_name, object) \
    (ASSERT((object) == nullptr || (object)->IsKindOf(RUNTIME_CLASS(class_name))), static_cast<class_name*>(object))
