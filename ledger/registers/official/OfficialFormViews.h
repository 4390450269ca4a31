// The parameter forms of the official reporting forms: each asks for the
// period, the branches and the sources of financing (CSelectIFView), some for
// options of their own, and OK hands them in one "PrepareTheReport" call to
// the report its print route names (OfficialRoutes.h). No figure is counted
// here: the reports take them from the forms' figures library.
#pragma once
#include "CSelectIFView.h"

namespace nledmark {

// The answer of the second KBK's chooser of 0503127's sources.
constexpr UINT kSecondKbkAnswerMsg = 0x46a;

struct OfficialForm;

class CPrnOfficialView : public CSelectIFView {
    DECLARE_DYNAMIC(CPrnOfficialView)
public:
    explicit CPrnOfficialView(UINT dialogId);
    void OnInitialUpdate() override;

    // The print route its opener gave the form (0 when none).
    int Route() const;
    const OfficialForm* Form() const;
    // "Форма 0503130", and the folder of a file's edition: "Форма 0503130, 72n".
    CString Title() const;
    // The call the report gets: the period, the sources, the branch text and
    // the form's own arguments, every text through MakeParam.
    CString ReportCall();
    // What OK does: checks, remembers the branches, sends the call by route.
    void Print();

protected:
    // False (told, with the focus set) when the choice cannot be printed.
    virtual bool CheckChoice() { return true; }
    // What follows the branch text in the call: ",\"...\"" or ",1,0...".
    virtual CString MoreArguments() { return CString(); }
    // Keeps what the form remembers of a print.
    virtual void RememberChoice() {}

    afx_msg void OnOK();
    DECLARE_MESSAGE_MAP()
};

// A form with one option (1079) passed after the branches.
class CPrnOfficialOptionView : public CPrnOfficialView {
    DECLARE_DYNAMIC(CPrnOfficialOptionView)
public:
    explicit CPrnOfficialOptionView(UINT dialogId) : CPrnOfficialView(dialogId) {}
    int m_bExpand = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CString MoreArguments() override;
};

#define NLEDMARK_OFFICIAL_VIEW(name, base)                                                                             \
    class name : public base {                                                                                         \
        DECLARE_DYNCREATE(name)                                                                                        \
    public:                                                                                                            \
        name();                                                                                                        \
    };

// The forms that ask nothing more than the base does.
NLEDMARK_OFFICIAL_VIEW(CPrn0503121View, CPrnOfficialView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503125View, CPrnOfficialView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503129View, CPrnOfficialView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503130View, CPrnOfficialView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503160View, CPrnOfficialView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503169View, CPrnOfficialView)
// The closing reference 0503110 ("Раскрывать КОСГУ") and 0503168
// ("Раскрывать по аналитике").
NLEDMARK_OFFICIAL_VIEW(CPrn0503130_sbView, CPrnOfficialOptionView)
NLEDMARK_OFFICIAL_VIEW(CPrn0503168View, CPrnOfficialOptionView)

#undef NLEDMARK_OFFICIAL_VIEW

// 0503125 by accounts: the accounts to print are checked in a grid of their
// own; the call carries them as "030404000,040101180".
class CPrn0503125_08View : public CPrnOfficialView {
    DECLARE_DYNCREATE(CPrn0503125_08View)
public:
    CPrn0503125_08View();
    void OnInitialUpdate() override;
    // The checked accounts in row order without blanks, joined by ",".
    CString AccountList();

    CCellwork m_accounts; // 1091

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool CheckChoice() override;
    CString MoreArguments() override;
};

// 0503127 and 0503137: a second KBK per source (shown for the two 0503127
// files only) and six options; "Раскрывать ЭКР" is kept per project type and
// route.
class CPrn0503127View : public CPrnOfficialView {
    DECLARE_DYNCREATE(CPrn0503127View)
public:
    CPrn0503127View();
    void OnInitialUpdate() override;
    // The profile section of "ekr": "forma127" + project type + "_" + route.
    CString EkrSection() const;

    int m_bEkr = 1;     // 1079
    int m_b30405 = 0;   // 1176
    int m_bPpp = 1;     // 1178
    int m_bSection = 1; // 1179
    int m_bTarget = 1;  // 1180
    int m_bKind = 1;    // 1181
    short m_nRow2 = -1; // the row whose second KBK is being chosen

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CString MoreArguments() override;
    void RememberChoice() override;
    void OnGridEvent(short col, short row) override;
    afx_msg LRESULT OnSecondKbkChosen(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

} // namespace nledmark
