// CProvodkiView: the postings journal ("ProvodkiView", dialog 502). A
// read-only list of the postings of the user's working period with the
// document that wrote each of them, filtered by debit account, by credit
// account and by the moment a document was written; from a row the
// bookkeeper opens the source document. The list is a Rowsheet grid on a
// connection of its own; the query comes from the workplace script
// GL_SqlProvodki with the period and the filters' where clause.
#pragma once
#include "CRowsheet.h"
#include "CderivedFormview.h"
#include "JournalRules.h"
#include "dlgkit.h"

namespace nledmark {

class CProvodkiView : public CderivedFormview {
    DECLARE_DYNCREATE(CProvodkiView)
public:
    CProvodkiView();
    ~CProvodkiView() override;

    void OnInitialUpdate() override;
    // Reloads the list: always when `force` is set, otherwise only when a
    // filter's text changed since the last load.
    void SetSql(int force);

    CRowsheet m_grid;
    CderivedComboBox m_comboDeb;
    CderivedComboBox m_comboKred;
    CderivedEdit m_editDate;
    int m_nDeb = -1;
    int m_nKred = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnRefresh();
    afx_msg void OnFilterClosed();
    afx_msg void OnDropdownDeb();
    afx_msg void OnDropdownKred();
    afx_msg void OnOpenDocument();
    afx_msg void OnDblClickRowsheetctrl1();
    afx_msg void OnAfterRowValueChangedRowsheetctrl1(short row);
    afx_msg void OnKeyDownRowsheetctrl1(short* key, short shift);

private:
    void SetUpGrid();
    CJournalFilter CurrentFilter() const;
    void Reload(const CJournalFilter& filter, long rememberedRow, long rememberedCol, long keptPosition);
    void FillAccountList(CComboBox& list, bool debitSide);
    void OpenSourceDocument();

    CJournalFilter m_last;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
