// The records of the configuration archive, as the shell and the modules read them.
#pragma once

#include "CConfigReader.h"
#include "CConfigWriter.h"
#include "afx.h"

#include <map>
#include <string>
#include <vector>

// A menu entry: caption, command name, command id. A top-level item's name is
// the number of the menu list that forms its submenu; inside a list a name
// that is a number other than 0 is a submenu. "System.MenuSeparator" and
// "System.MRU" are the separator and the recent-files entry; id -1 = none.
struct CMunuItem {
    CString m_strCaption;
    CString m_strName;
    int m_nId = -1;
};

// A toolbar button: command name and id; an empty name is a separator.
struct CToolbarItem {
    CString m_strName;
    int m_nId = -1;
};

// A workplace: its position in the configuration is the workplace index (g_lARM).
struct CArmRecord {
    CString m_strId;         // matched with system_tn_arm.arm; script context "Arm."+id
    CString m_strCaption;
    int m_nIcon = 0;         // 0 = none
    int m_nPeriodMode = 0;   // 1: periods by kind (quarter view); 0: by month
    BOOL m_bAllowSprAdd = FALSE;
    std::vector<std::vector<CToolbarItem>> m_toolbars;
    std::vector<CMunuItem> m_topMenu;
    std::map<short, std::vector<CMunuItem>> m_menuLists;

    int GetToolbarCount() const { return int(m_toolbars.size()); }
    // The toolbar list n (from 0); an empty list when there is none.
    const std::vector<CToolbarItem>& GetToolbar(int n) const;
    // The numbered menu list; null when the workplace has none of that number.
    const std::vector<CMunuItem>* GetMenuList(short number) const;
};

// A command of the configuration. With m_nWindowId it is a window command:
// the frame hands that standard command id on; otherwise the interpreter runs
// m_strRun in the workplace context.
struct CCommandRecord {
    int m_nId = 0;
    CString m_strName;
    CString m_strToolTip;
    int m_nWindowId = 0;
    CString m_strRun;
    std::string m_picture;   // the command's picture as PNG bytes; empty = none
};

// A column of a reference book's picker list.
struct CSprField {
    CString m_strName;
    CString m_strCaption;
    int m_nWidth = 0;
    bool m_bListed = true;   // shown by the book's picker (the book editor shows every field)
};

// A reference-book class. Its number (0 to 199) is fixed: modules index by it.
struct CSprRecord {
    int m_nId = 0;
    CString m_strTable;      // "" = a book without a table of its own (m_strSelect lists it)
    CString m_strName;       // display name, e.g. "ЭКР"
    CString m_strCaption;    // caption looked up by I_GetSprIdFromCaption
    CString m_strPicker;     // the picker key handed to GetInSpr
    CString m_strFieldId;    // key column
    CString m_strFieldName;  // name column
    CString m_strSelect;     // optional list query of the picker
    std::vector<CSprField> m_fields;
};

// A kind of stored document: id, title, table, the select expression that
// names the counterpart as icn, a further field, the document name of the
// form that opens it, and the name by which modules open a stored document of
// the kind (CHelpers::I_OpenDocument; "" = none).
struct CDocKindRecord {
    int m_nId = 0;
    CString m_strTitle;
    CString m_strTable;
    CString m_strCounterpart;
    CString m_strExtra;
    CString m_strDocument;
    CString m_strName;
};

// A form the configuration defines (a grid form with a fill callback), opened by name.
struct CFormRecord {
    CString m_strName;
    CString m_strTitle;
    CString m_strKind;       // "grid"
    int m_nWidth = -1;       // -1 = the default size
    int m_nHeight = -1;
};

// One script chunk and the context it is loaded into ("" global, "Arm.<id>", "Form.<name>").
struct CScriptRecord {
    CString m_strContext;
    CString m_strName;       // the source file, for messages
    CString m_strText;
};

// A module the interpreter loads at start-up (a shared library of the program folder).
struct CModuleRecord {
    CString m_strName;
    BOOL m_bOptional = FALSE;
};

namespace appcore {

void WriteRecord(CConfigWriter& w, const CMunuItem& r);
void WriteRecord(CConfigWriter& w, const CToolbarItem& r);
void WriteRecord(CConfigWriter& w, const CArmRecord& r);
void WriteRecord(CConfigWriter& w, const CCommandRecord& r);
void WriteRecord(CConfigWriter& w, const CSprRecord& r);
void WriteRecord(CConfigWriter& w, const CDocKindRecord& r);
void WriteRecord(CConfigWriter& w, const CFormRecord& r);
void WriteRecord(CConfigWriter& w, const CScriptRecord& r);
void WriteRecord(CConfigWriter& w, const CModuleRecord& r);

void ReadRecord(CConfigReader& r, CMunuItem& out);
void ReadRecord(CConfigReader& r, CToolbarItem& out);
void ReadRecord(CConfigReader& r, CArmRecord& out);
void ReadRecord(CConfigReader& r, CCommandRecord& out);
void ReadRecord(CConfigReader& r, CSprRecord& out);
void ReadRecord(CConfigReader& r, CDocKindRecord& out);
void ReadRecord(CConfigReader& r, CFormRecord& out);
void ReadRecord(CConfigReader& r, CScriptRecord& out);
void ReadRecord(CConfigReader& r, CModuleRecord& out);
void WriteRecord(CConfigWriter& w, const CSprField& r);
void ReadRecord(CConfigReader& r, CSprField& out);

// No list of a configuration comes near this; a larger count is damage.
constexpr uint32_t kConfigCountLimit = 100000;

template <class T>
void WriteRecords(CConfigWriter& w, const std::vector<T>& list)
{
    w.Dword(static_cast<uint32_t>(list.size()));
    for (const T& item : list)
        WriteRecord(w, item);
}

template <class T>
void ReadRecords(CConfigReader& r, std::vector<T>& list)
{
    uint32_t count = r.Count(kConfigCountLimit);
    list.assign(count, T());
    for (T& item : list)
        ReadRecord(r, item);
}

} // namespace appcore
