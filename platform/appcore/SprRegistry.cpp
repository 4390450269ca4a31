// The reference-book registry the modules reach through the I_GetSpr* calls.
#include "CDataArchive.h"
#include "ConfigGlobals.h"

namespace {

const CSprRecord* Spr(int book)
{
    return GetDataArchive()->FindSpr(book);
}

} // namespace

CString I_GetSprTableName(int book)
{
    const CSprRecord* spr = Spr(book);
    return spr ? spr->m_strTable : CString();
}

CString I_GetSprFieldId(int book)
{
    const CSprRecord* spr = Spr(book);
    return spr ? spr->m_strFieldId : CString();
}

CString I_GetSprFieldName(int book)
{
    const CSprRecord* spr = Spr(book);
    return spr ? spr->m_strFieldName : CString();
}

CString I_GetSprSU_Id(int book)
{
    const CSprRecord* spr = Spr(book);
    return spr ? spr->m_strPicker : CString();
}

CString I_GetSprName(int book)
{
    const CSprRecord* spr = Spr(book);
    return spr ? spr->m_strName : CString();
}

UINT I_GetSprId(const char* table)
{
    const CSprRecord* spr = table ? GetDataArchive()->FindSprByTable(table) : nullptr;
    return spr ? UINT(spr->m_nId) : appcore::kNoSprId;
}

int I_GetSprIdFromCaption(const char* caption)
{
    const CSprRecord* spr = caption ? GetDataArchive()->FindSprByCaption(caption) : nullptr;
    return spr ? spr->m_nId : -1;
}
