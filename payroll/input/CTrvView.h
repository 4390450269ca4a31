// CTrvView ("TrvView", dialog 385): the payroll time sheet of a department
// for the working month (TrvSheet.h), in the mode of its document's kind: 0
// the days per employee with the calendar days, 1 the days per position row,
// 2 the hours per position row. Typing the department's code lists its rows;
// only the figures are typed; "&Записать" writes the whole sheet.
#pragma once
#include "CMyFormView1.h"
#include "TrvSheet.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CTrvView : public CMyFormView1 {
    DECLARE_DYNCREATE(CTrvView)
public:
    CTrvView();
    ~CTrvView() override;

    void OnInitialUpdate() override;
    // The department's name, then its rows.
    void OnChangePrd() override;
    // Checks and writes every row, after the question when `ask` is
    // nonzero; 1 when written.
    int Write(int ask) override;
    // The mode of the document's kind; false (nothing shown) for another kind.
    bool Mode(TrvMode& mode) const;

    CCellwork m_grid;
    CderivedEdit m_prd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSaveCommand();
    afx_msg void OnEditStart(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace npaymar
