// One of two small modules built from this source that define the same class
// names, the same resource ids and the same document name ("twin"); each says
// which it is (TWIN_LETTER) and answers, from its own code, whether what a
// lookup by name finds is its own.
#include "DocumentOpener.h"
#include "ModuleEntry.h"
#include "ModuleTemplates.h"
#include "afx.h"
#include "res/TwinResource.h"

#define TWIN_EXPORT extern "C" __attribute__((visibility("default")))

class CTwinItem : public CObject {
    DECLARE_SERIAL(CTwinItem)
public:
    CString m_text;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
};

IMPLEMENT_SERIAL(CTwinItem, CObject, 1)

class CTwinView : public CView {
    DECLARE_DYNCREATE(CTwinView)
public:
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(CTwinView, CView)

namespace {

struct CTwinModule {
    static int Init()
    {
        static const appcore::ModuleTemplate rows[] = {
            {IDR_TWIN, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CTwinView)},
        };
        return appcore::AddModuleTemplates(rows, std::size(rows));
    }
};

} // namespace

VORNAL_MODULE_ENTRY(CTwinModule::Init)

TWIN_EXPORT const char* TwinLetter()
{
    return TWIN_LETTER;
}

// The class a name creates when asked from here.
TWIN_EXPORT int TwinCreatesItsOwnClass()
{
    CObject* object = CRuntimeClass::CreateObject("CTwinItem", reinterpret_cast<const void*>(&TwinLetter));
    const bool own = object && object->GetRuntimeClass() == RUNTIME_CLASS(CTwinItem);
    delete object;
    return own ? 1 : 0;
}

// The text of the shared string id, as this module reads it.
TWIN_EXPORT int TwinReadsItsOwnString()
{
    CString text;
    return AfxLoadString(IDS_TWIN_TEXT, text) && text == TWIN_LETTER ? 1 : 0;
}

// The template the shared document name finds when looked up from here.
TWIN_EXPORT int TwinFindsItsOwnTemplate()
{
    CDocTemplate* found = appcore::FindDocTemplate("twin");
    return found && found->m_pViewClass == RUNTIME_CLASS(CTwinView) ? 1 : 0;
}

// Writes an item of this module's class, with the letter as its text.
TWIN_EXPORT int TwinWriteItem(const char* path)
{
    CTwinItem item;
    item.m_text = TWIN_LETTER;
    CFile file(path, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << &item;
    ar.Close();
    return 1;
}

// Reads the item written at `path` as this module reads its own items: 1 when
// the object made is of this module's class and carries `text`.
TWIN_EXPORT int TwinReadItem(const char* path, const char* text)
{
    try {
        CFile file(path, CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        CTwinItem* item = nullptr;
        ar >> item;
        const bool own = item && item->GetRuntimeClass() == RUNTIME_CLASS(CTwinItem) && item->m_text == text;
        delete item;
        return own ? 1 : 0;
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
}
