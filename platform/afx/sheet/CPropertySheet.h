// CPropertySheet: pages as tabs with OK, Cancel and Apply ("ОК", "Отмена",
// "Применить"; PSH_NOAPPLYNOW leaves Apply out). DoModal is a modal step of
// the interaction point: a test script matches it by the caption's string id
// (a sheet made with nIDCaption) or its caption, and reaches a page's controls
// through GetActivePage(). Enter presses OK and Escape Cancel, from any page.
#pragma once
#include "sheet/CPropertyPage.h"
#include <vector>

#define PSH_DEFAULT 0x0000
#define PSH_NOAPPLYNOW 0x0080
#define PSH_HASHELP 0x0200
#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5

struct PROPSHEETHEADER {
    DWORD dwSize = sizeof(PROPSHEETHEADER);
    DWORD dwFlags = PSH_DEFAULT;
    HWND hwndParent = nullptr;
    HINSTANCE hInstance = nullptr;
    LPCTSTR pszCaption = nullptr;
    UINT nPages = 0;
    UINT nStartPage = 0;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                            HINSTANCE hModule = AFX_CALLER_MODULE);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);

    virtual INT_PTR DoModal();
    void EndDialog(int nEndID);
    BOOL PressButton(int nButton);
    // Enter and Escape of every page: the sheet's OK and Cancel.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    PROPSHEETHEADER m_psh;
    CWnd* m_pParentWnd = nullptr;

    afx_msg void OnSheetOK();
    afx_msg void OnSheetCancel();
    afx_msg void OnSheetApply();
    // A page became changed or unchanged (Apply follows).
    void PageModified();

protected:
    BOOL IsDialogWindow() const override { return TRUE; }
    int GetDefaultButtonID() const override { return IDOK; }
    BOOL BuildWindow(CWnd* pOwner);
    BOOL ApplyPages();

    CString m_strCaption;
    UINT m_nIDCaption = 0;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = 0;
    int m_nModalResult = -1;
    bool m_bModal = false;

private:
    void OnTabChanged(int index);
    BOOL ShowPage(int index);

    DECLARE_MESSAGE_MAP()
};
