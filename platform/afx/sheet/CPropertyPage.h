// CPropertyPage: one page of a property sheet, a dialog template shown as a
// tab. The page's window is made when it is first shown (OnInitDialog runs
// then, with UpdateData(FALSE)); leaving it asks OnKillActive (UpdateData(TRUE)
// by default: a page with a wrong value is not left), OK and Apply call
// OnApply -> OnOK of every page that was shown, Cancel OnCancel.
#pragma once
#include "dlg/CDialog.h"

#define ID_APPLY_NOW 0x3021
#define PSP_DEFAULT 0x0000
#define PSP_USETITLE 0x0008
#define PSP_HASHELP 0x0020

struct PROPSHEETPAGE {
    DWORD dwSize = sizeof(PROPSHEETPAGE);
    DWORD dwFlags = PSP_DEFAULT;
    HINSTANCE hInstance = nullptr;
    LPCTSTR pszTemplate = nullptr;
    LPCTSTR pszTitle = nullptr;
    LPARAM lParam = 0;
};

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, HINSTANCE hModule = AFX_CALLER_MODULE);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CPropertyPage() override;

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override;
    void OnCancel() override;
    // Marks the page changed: the sheet's Apply button is enabled.
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The tab's text: the title of m_psp, else string nIDCaption, else the
    // template's caption.
    CString GetPageTitle() const;
    // The page's size in pixels, from its template.
    CSize GetTemplateSize() const;
    // Makes the page's window inside the sheet (once).
    BOOL CreatePage(CPropertySheet* pSheet, QWidget* pParentWidget);

    PROPSHEETPAGE m_psp;
    CPropertySheet* m_pSheet = nullptr;

protected:
    UINT m_nIDCaption = 0;
    BOOL m_bModified = FALSE;
    CString m_strCaption;
};
