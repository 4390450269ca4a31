#include "CRuntimeClass.h"

#include "CObject.h"

#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <vector>

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<CRuntimeClass*> classes; // in registration order
};

Registry& registry()
{
    // Never destroyed: deliverables unregister their classes as late as process exit.
    static Registry* r = new Registry;
    return *r;
}

const char* moduleOf(const void* address)
{
    Dl_info info{};
    if (address && dladdr(address, &info) && info.dli_fname)
        return info.dli_fname;
    return "";
}

} // namespace

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
        if (c == base)
            return TRUE;
    return FALSE;
}

const char* CRuntimeClass::ModulePath() const
{
    return moduleOf(this);
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR className, const void* nearAddress)
{
    if (!className)
        return nullptr;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    CRuntimeClass* first = nullptr;
    const char* module = nearAddress ? moduleOf(nearAddress) : nullptr;
    for (CRuntimeClass* c : r.classes) {
        if (std::strcmp(c->m_lpszClassName, className) != 0)
            continue;
        if (!module || std::strcmp(moduleOf(c), module) == 0)
            return c;
        if (!first)
            first = c;
    }
    return first;
}

CObject* CRuntimeClass::CreateObject(LPCSTR className, const void* nearAddress)
{
    const CRuntimeClass* c = FromName(className, nearAddress);
    return c ? c->CreateObject() : nullptr;
}

void CRuntimeClass::Register(CRuntimeClass* runtimeClass)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (std::find(r.classes.begin(), r.classes.end(), runtimeClass) == r.classes.end())
        r.classes.push_back(runtimeClass);
}

void CRuntimeClass::Unregister(CRuntimeClass* runtimeClass)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::erase(r.classes, runtimeClass);
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* runtimeClass) : m_class(runtimeClass)
{
    CRuntimeClass::Register(runtimeClass);
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    CRuntimeClass::Unregister(m_class);
}
