// CBookListView ("BookListView", dialog 384): the list of one employee's
// position rows in number order, opened by a form's position-row chooser
// (CPaymar::ShowBookList). Enter or a double click picks the current row: the
// list closes and the row's number goes into field 1149 of the form that
// asked, which loads that row. A form closed meanwhile is told nothing.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace npaymar {

class CBookListView : public CderivedFormview {
    DECLARE_DYNCREATE(CBookListView)
public:
    CBookListView();
    ~CBookListView() override;

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Lists the rows of the document's employee.
    void Fill();
    // Closes the list and hands the current row's number to the asking form.
    void Pick();

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGridDblClick();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

// The list's query for a personnel number; "" for a text that is no number.
CString BookListQuery(const CString& tn);

} // namespace npaymar
