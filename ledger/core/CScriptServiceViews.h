// The service forms of the ledger that hand their work to their own script in
// the configuration: the year closing ("ЗакрытиеГода", dialog 656) calls
// DoIt(date), the change of the source of financing ("СменаИФ", 661) calls
// SmenaIF(date, giving, receiving) and the change of the KBK ("СменаКБК", 655)
// SmenaKBK(date, giving, receiving), each in the form's own script context.
// A form closes when the answer reads as a non-zero number and stays open
// with its values otherwise; every message is the script's. The codes go into
// the call as typed, as script texts (MakeParam).
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"

namespace nledmark {

class CScriptServiceView : public CderivedFormview {
    DECLARE_DYNAMIC(CScriptServiceView)
public:
    void OnInitialUpdate() override;

    COleDateTime m_date;  // 1010

protected:
    // `title`: the form's caption, the name of its menu item.
    CScriptServiceView(UINT nIDTemplate, const COleDateTime& date, const char* title);
    void DoDataExchange(CDataExchange* pDX) override;
    // Runs the call in the form's context; a non-zero answer closes the form.
    void RunCall(const CString& call);

private:
    const char* m_title;
};

class CZakrGodaView : public CScriptServiceView {
    DECLARE_DYNCREATE(CZakrGodaView)
public:
    CZakrGodaView();

protected:
    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};

// A change of one code into another: a giving code (1165, picker 1161) and a
// receiving one (1166, picker 1160) of one reference book.
class CCodeChangeView : public CScriptServiceView {
    DECLARE_DYNAMIC(CCodeChangeView)
public:
    CderivedEdit m_editFrom;  // 1165
    CderivedEdit m_editTo;    // 1166

protected:
    CCodeChangeView(UINT nIDTemplate, const COleDateTime& date, const char* title, const char* book,
                    const char* function);
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnOK();
    afx_msg void OnPickFrom();
    afx_msg void OnPickTo();
    DECLARE_MESSAGE_MAP()

private:
    const char* m_book;
    const char* m_function;
};

class CSmenaIFView : public CCodeChangeView {
    DECLARE_DYNCREATE(CSmenaIFView)
public:
    CSmenaIFView();
};

class CSmenaKBKView : public CCodeChangeView {
    DECLARE_DYNCREATE(CSmenaKBKView)
public:
    CSmenaKBKView();
};

} // namespace nledmark
