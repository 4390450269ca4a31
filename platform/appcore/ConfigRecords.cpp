#include "ConfigRecords.h"

#include "CConfigReader.h"
#include "CConfigWriter.h"

namespace appcore {

void WriteRecord(CConfigWriter& w, const CSprField& r)
{
    w.Text(r.m_strName);
    w.Text(r.m_strCaption);
    w.Int(r.m_nWidth);
    w.Bool(r.m_bListed);
}

void ReadRecord(CConfigReader& r, CSprField& out)
{
    out.m_strName = r.CText();
    out.m_strCaption = r.CText();
    out.m_nWidth = r.Int();
    out.m_bListed = r.Bool();
}

void WriteRecord(CConfigWriter& w, const CMunuItem& r)
{
    w.Text(r.m_strCaption);
    w.Text(r.m_strName);
    w.Int(r.m_nId);
}

void ReadRecord(CConfigReader& r, CMunuItem& out)
{
    out.m_strCaption = r.CText();
    out.m_strName = r.CText();
    out.m_nId = r.Int();
}

void WriteRecord(CConfigWriter& w, const CToolbarItem& r)
{
    w.Text(r.m_strName);
    w.Int(r.m_nId);
}

void ReadRecord(CConfigReader& r, CToolbarItem& out)
{
    out.m_strName = r.CText();
    out.m_nId = r.Int();
}

void WriteRecord(CConfigWriter& w, const CArmRecord& r)
{
    w.Text(r.m_strId);
    w.Text(r.m_strCaption);
    w.Int(r.m_nIcon);
    w.Int(r.m_nPeriodMode);
    w.Bool(r.m_bAllowSprAdd);
    w.Dword(static_cast<uint32_t>(r.m_toolbars.size()));
    for (const auto& toolbar : r.m_toolbars)
        WriteRecords(w, toolbar);
    WriteRecords(w, r.m_topMenu);
    w.Dword(static_cast<uint32_t>(r.m_menuLists.size()));
    for (const auto& [number, list] : r.m_menuLists) {
        w.Int(number);
        WriteRecords(w, list);
    }
}

void ReadRecord(CConfigReader& r, CArmRecord& out)
{
    out.m_strId = r.CText();
    out.m_strCaption = r.CText();
    out.m_nIcon = r.Int();
    out.m_nPeriodMode = r.Int();
    out.m_bAllowSprAdd = r.Bool();
    out.m_toolbars.assign(r.Count(kConfigCountLimit), {});
    for (auto& toolbar : out.m_toolbars)
        ReadRecords(r, toolbar);
    ReadRecords(r, out.m_topMenu);
    out.m_menuLists.clear();
    uint32_t lists = r.Count(kConfigCountLimit);
    for (uint32_t i = 0; i < lists; ++i) {
        int number = r.Int();
        if (number < 1 || number > 0x7FFF)
            throw ConfigFormatError("неверный номер списка меню");
        ReadRecords(r, out.m_menuLists[static_cast<short>(number)]);
    }
}

void WriteRecord(CConfigWriter& w, const CCommandRecord& r)
{
    w.Int(r.m_nId);
    w.Text(r.m_strName);
    w.Text(r.m_strToolTip);
    w.Int(r.m_nWindowId);
    w.Text(r.m_strRun);
    w.Text(r.m_picture);
}

void ReadRecord(CConfigReader& r, CCommandRecord& out)
{
    out.m_nId = r.Int();
    out.m_strName = r.CText();
    out.m_strToolTip = r.CText();
    out.m_nWindowId = r.Int();
    out.m_strRun = r.CText();
    out.m_picture = r.Text();
}

void WriteRecord(CConfigWriter& w, const CSprRecord& r)
{
    w.Int(r.m_nId);
    for (const CString* text : {&r.m_strTable, &r.m_strName, &r.m_strCaption, &r.m_strPicker, &r.m_strFieldId,
                                &r.m_strFieldName, &r.m_strSelect})
        w.Text(*text);
    WriteRecords(w, r.m_fields);
}

void ReadRecord(CConfigReader& r, CSprRecord& out)
{
    out.m_nId = r.Int();
    for (CString* text : {&out.m_strTable, &out.m_strName, &out.m_strCaption, &out.m_strPicker, &out.m_strFieldId,
                          &out.m_strFieldName, &out.m_strSelect})
        *text = r.CText();
    ReadRecords(r, out.m_fields);
}

void WriteRecord(CConfigWriter& w, const CDocKindRecord& r)
{
    w.Int(r.m_nId);
    for (const CString* text : {&r.m_strTitle, &r.m_strTable, &r.m_strCounterpart, &r.m_strExtra, &r.m_strDocument,
                               &r.m_strName})
        w.Text(*text);
}

void ReadRecord(CConfigReader& r, CDocKindRecord& out)
{
    out.m_nId = r.Int();
    for (CString* text : {&out.m_strTitle, &out.m_strTable, &out.m_strCounterpart, &out.m_strExtra, &out.m_strDocument,
                         &out.m_strName})
        *text = r.CText();
}

void WriteRecord(CConfigWriter& w, const CFormRecord& r)
{
    w.Text(r.m_strName);
    w.Text(r.m_strTitle);
    w.Text(r.m_strKind);
    w.Int(r.m_nWidth);
    w.Int(r.m_nHeight);
}

void ReadRecord(CConfigReader& r, CFormRecord& out)
{
    out.m_strName = r.CText();
    out.m_strTitle = r.CText();
    out.m_strKind = r.CText();
    out.m_nWidth = r.Int();
    out.m_nHeight = r.Int();
}

void WriteRecord(CConfigWriter& w, const CScriptRecord& r)
{
    w.Text(r.m_strContext);
    w.Text(r.m_strName);
    w.Text(r.m_strText);
}

void ReadRecord(CConfigReader& r, CScriptRecord& out)
{
    out.m_strContext = r.CText();
    out.m_strName = r.CText();
    out.m_strText = r.CText();
}

void WriteRecord(CConfigWriter& w, const CModuleRecord& r)
{
    w.Text(r.m_strName);
    w.Bool(r.m_bOptional);
}

void ReadRecord(CConfigReader& r, CModuleRecord& out)
{
    out.m_strName = r.CText();
    out.m_bOptional = r.Bool();
}

} // namespace appcore

const std::vector<CToolbarItem>& CArmRecord::GetToolbar(int n) const
{
    static const std::vector<CToolbarItem> none;
    return n >= 0 && n < int(m_toolbars.size()) ? m_toolbars[size_t(n)] : none;
}

const std::vector<CMunuItem>* CArmRecord::GetMenuList(short number) const
{
    auto it = m_menuLists.find(number);
    return it == m_menuLists.end() ? nullptr : &it->second;
}
