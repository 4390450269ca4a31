// CderivedDocument: the document of forms without a stored document (reports,
// parameter forms, reference books, lists, the configuration's forms). It
// carries what the opener gave: the integer open parameter (kind, mode; 0 when
// the opener gave none), the parameter text, the calling window, and for the
// selection forms the answer target that their fill callback sets.
#pragma once

#include "afx.h"

namespace appcore {
struct OpenRequest;
}

class CderivedDocument : public CDocument {
    DECLARE_DYNCREATE(CderivedDocument)
public:
    CderivedDocument();

    // Takes the opener's request (title, parameter, parameter text, calling
    // window) and runs its creation callback.
    BOOL OnNewDocument() override;

    int GetParam() const { return m_nParam; }
    void SetParam(int param) { m_nParam = param; }
    // The calling window while it lives (null when none or gone).
    CWnd* GetParentWnd() const;
    void SetParentWnd(CWnd* wnd) { m_hParentWnd = wnd ? wnd->GetSafeHwnd() : nullptr; }
    // The answer target of a selection form: window, control id (-1 none),
    // message (-1 none); the mode -2 answers every cell of the row joined by "~".
    void SetAnswer(CWnd* wnd, int ctrlId, int msg);
    CWnd* GetAnswerWnd() const;
    // The configuration form a generic form shows ("" for a module's view).
    const CString& GetFormName() const { return m_strFormName; }
    // The opener fills the form through its fill callback.
    BOOL IsFilledByCaller() const { return m_bFilledByCaller; }

    int m_nParam = 0;            // the integer open parameter
    CString m_strParam;          // the parameter text ("" unless the opener or a view fills it)
    int m_nFormFlag = 0;         // a flag views keep for themselves; the core does not read it
    HWND m_hParentWnd = nullptr;
    HWND m_hAnswerWnd = nullptr;
    int m_nAnswerCtrl = -1;
    int m_nAnswerMsg = -1;
    int m_nAnswerMode = 0;

protected:
    // A document form takes the stored row's key too (CconfigDocument).
    virtual void TakeRequest(const appcore::OpenRequest& request);

    CString m_strFormName;
    BOOL m_bFilledByCaller = FALSE;
};
