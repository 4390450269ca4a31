// CDialog: a dialog from a template of the resource scripts, modal (DoModal,
// through the interaction point) or modeless (Create). Enter presses the
// default button (the template's DEFPUSHBUTTON, else IDOK), Escape and the
// close box Cancel; OnOK takes the data from the controls and ends with IDOK.
#pragma once
#include "res/AfxResources.h"
#include "wnd/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    // hModule is the module of the code that names the template (found first).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr, HINSTANCE hModule = AFX_CALLER_MODULE);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDHelp = 0;

protected:
    BOOL IsDialogWindow() const override { return TRUE; }
    int GetDefaultButtonID() const override { return (int)m_nDefID; }
    // Makes the window from the template under pOwner (no controls shown yet).
    BOOL CreateFromTemplate(CWnd* pOwner);

    CString m_strTemplateName;
    HINSTANCE m_hResModule = nullptr;
    int m_nModalResult = -1;
    UINT m_nDefID = IDOK;
    bool m_bModal = false;

    DECLARE_MESSAGE_MAP()
};
