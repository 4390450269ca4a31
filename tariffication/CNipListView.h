// CNipListView: the list of one employee's position assignments
// ("NipListView", dialog 303), oldest running number first. Enter or a
// double click chooses the current row: the list closes and the running
// number goes into field 1149 of the form that asked for the list, which
// loads that assignment. The list is read-only.
#pragma once
#include "CderivedFormview.h"
#include "gridbase.h"

namespace nvenzol {

class CNipListDoc;

class CNipListView : public CderivedFormview {
    DECLARE_DYNCREATE(CNipListView)
public:
    CNipListView();
    ~CNipListView() override;

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Lists the assignments of the document's employee.
    void Fill();
    // Closes the list and hands the current row's running number to the
    // calling form, when it is still open.
    void Choose();

    CNipListDoc* GetNipListDoc() const;

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGridDblClick();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

private:
    void AddRows();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

// The query of the list for a personnel number, or "" when the text is no
// personnel number (then nothing is listed).
CString NipListQuery(const CString& tn);

} // namespace nvenzol
