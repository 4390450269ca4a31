// CderivedFormview: the form view every view of the modules builds on. It
// carries the form's document (CderivedDocument), its script (FormScript.h),
// the closing that takes effect after the calling handler returns, the
// default fragment search over the form's grid, and the commands the forms
// share: IDCANCEL "&Отмена" closes, 10002 (F7) searches, the print commands
// run the form's report.
#pragma once

#include "CderivedDocument.h"
#include "afx.h"

class CCellwork;

// The search command of the forms (button and F7).
#define ID_BUTTON_SIRCH 10002

class CderivedFormview : public CFormView {
    DECLARE_DYNAMIC(CderivedFormview)
public:
    // The dialog is looked up in the module of the code that constructs the view first.
    explicit CderivedFormview(UINT nIDTemplate, HINSTANCE hModule = AFX_CALLER_MODULE);
    ~CderivedFormview() override;

    CderivedDocument* GetDocument() const;
    // The document name of the form (its script context is "Form." + name).
    CString GetDocumentName() const;

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Closes the form: the frame is closed once the calling handler has
    // returned, so the handler may still use the view and its document.
    virtual void OnCancel();
    BOOL IsClosing() const { return m_bClosing; }
    // What the OK commands call: 1 asks "Записать изменения ? " first, 0 does
    // not; non-zero when written. The base has nothing to write.
    virtual int Write(int ask);
    // The fragment search over the form's grid (F7, command 10002): asks for
    // fragments and moves to the next row holding them; enabled while the
    // form has a grid with rows.
    virtual void OnButtonSirch();
    virtual void OnUpdateButtonSirch(CCmdUI* pCmdUI);
    // The print commands (print, print directly): the form's report "prn()".
    virtual void OnPrint0();
    virtual void OnFilePrintDirect0();

    // Script calls in the form's own context (report 0) or of its report n.
    int EXEC_ShowFormReport(const char* call, int report, int flag);
    int EXEC_Execute(const char* call, int report);
    int EXEC_GetFunctionValue(const char* call, CString& result, int report);

    // Set to 1 by print forms; the core reads nothing from it.
    int m_bPrintForm = 0;

protected:
    // The form's grid: the focused one, else the first of the form (null when none).
    CCellwork* FindGrid() const;

    CString m_strSirch;   // the search state, offered again at the next search
    int m_nSirchCase = 0;
    int m_nSirchWord = 0;

    afx_msg void OnCancelCommand();
    afx_msg void OnSirchCommand();

private:
    void RunPrintReport(BOOL direct);
    BOOL m_bClosing = FALSE;

    DECLARE_MESSAGE_MAP()
};
