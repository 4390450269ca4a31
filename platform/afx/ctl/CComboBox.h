// CComboBox: drop-down (editable) and drop-down list combo boxes with item
// data. Opening the list sends CBN_DROPDOWN before it shows (a handler may
// fill it). A choice the user makes in the open list puts the entry in place,
// then sends CBN_SELCHANGE, CBN_SELENDOK and CBN_CLOSEUP, in the window
// system's order, so a close-up handler reads the new choice; a list closed
// without a choice sends CBN_SELENDCANCEL and CBN_CLOSEUP. A choice with the
// keys while the list is closed sends CBN_SELCHANGE and CBN_SELENDOK; typing
// in the edit part CBN_EDITCHANGE. Changes made by the program (SetCurSel,
// AddString...) send nothing, as on Windows.
#pragma once
#include "wnd/CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int AddString(LPCTSTR lpszString);
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    // Case-insensitive prefix (FindString) or whole text (FindStringExact)
    // search after nStartAfter, wrapping round; CB_ERR when none.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
    void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);
};

void AfxRegisterComboBoxClass();
// A choice as the user makes it, through the real list: the list opens
// (CBN_DROPDOWN, which may refill it), Enter takes the entry, and the
// notifications follow as for a user's choice. An index out of the list
// closes it with CBN_SELENDCANCEL and CBN_CLOSEUP and changes nothing.
void AfxComboUserOpen(CComboBox* pCombo);
void AfxComboUserPick(CComboBox* pCombo, int nIndex);
void AfxComboUserChoice(CComboBox* pCombo, int nIndex);
