// The root of the run-time class tree: its run-time class, IsKindOf and Serialize.
#pragma once

#include "CRuntimeClass.h"

class CObject {
public:
    virtual ~CObject() = default;

    static CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();
    static CRuntimeClass* _GetBaseClass() { return nullptr; }
    virtual CRuntimeClass* GetRuntimeClass() const;

    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;
    // Writes or reads the object's own data; CObject has none.
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
