#include "DocumentKinds.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "gridbase.h"
#include "ndbcore.h"

long I_GetNextDoc_Ptr()
{
    return GetNextDocId();
}

CString I_GetDocumentsList()
{
    CString list;
    const CString row = GetDelimiter();
    const CString cell = GetDelimiter0();
    for (const CDocKindRecord& kind : GetDataArchive()->GetDocKinds()) {
        if (!list.IsEmpty())
            list += row;
        CString id;
        id.Format("%d", kind.m_nId);
        list += id + cell + kind.m_strTitle + cell + kind.m_strTable + cell + kind.m_strCounterpart + cell +
                kind.m_strExtra;
    }
    return list;
}

namespace appcore {

CString StoredDocumentForm(const CString& name)
{
    for (const CDocKindRecord& kind : GetDataArchive()->GetDocKinds())
        if (!kind.m_strName.IsEmpty() && kind.m_strName == name && !kind.m_strDocument.IsEmpty())
            return kind.m_strDocument;
    return name;
}

} // namespace appcore
