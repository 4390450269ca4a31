// CChasView ("paymar_chas", dialog 579): the month's plan and worked hours of
// a department's positions on one pay sheet (paymar_trv_chas), which the
// time-based pay offers as its defaults. Typing the department's and the
// sheet's codes lists the positions with a salary on the sheet that are paid
// by the hour or hold hours; only the two figures are typed; "&Записать"
// writes the whole grid.
#pragma once
#include "CMyFormView1.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CChasView : public CMyFormView1 {
    DECLARE_DYNCREATE(CChasView)
public:
    CChasView();
    ~CChasView() override;

    void OnInitialUpdate() override;
    // The code's name, then the grid of the department and sheet.
    void OnChangePrd() override;
    void OnChangeNv() override;
    void Load();
    // Checks and writes every row, after the question when `ask` is
    // nonzero; 1 when written.
    int Write(int ask) override;

    CCellwork m_grid;
    CderivedEdit m_prd;
    CderivedEdit m_nv;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSaveCommand();
    afx_msg void OnEditStart(short col, short row, CString* text, short* cancel);

    // The sheet of the rows shown (a checked code); empty while none are.
    CString m_shownNv;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

// The query of the positions of a department on a sheet (checked codes).
CString ChasLoadSql(const CString& prd, const CString& nv);

} // namespace npaymar
