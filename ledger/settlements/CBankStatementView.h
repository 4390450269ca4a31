// CBankStatementView: what the bank receipts and the bank payments share.
// The header names the main account (the side of every row's posting that the
// statement's bank or treasury account takes), its personal account and
// counterparty where the account keeps them, and two KBKs; the grid holds one
// row per economic code with the account of the other side, its three
// analytic values, the sum, the content, the row's own KBKs, the quantity and
// the kind of activity. The two forms differ in the side of the main account,
// the place of a few columns and their choosers' messages (CBankLayout).
//
// A row's posting test runs only for rows not marked as passed; a change of
// any header field the postings take (main account, date, branch, the box
// 1068, the KBKs, personal account, counterparty) takes every mark back.
#pragma once
#include "BankRows.h"
#include "CBankStatementRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "ScriptReadCache.h"
#include "dlgkit.h"

namespace nledmark {

// Where a statement form keeps its row's cells and how its choosers answer.
struct CBankLayout {
    UINT mainId;        // the main account's field
    int rowSide;        // the side of the row's own account: 1 debit, 2 credit
    int account;        // the row's own account
    int sum, content, kbkDebit, kbkCredit, quantity, activity;
    int columns;
    UINT ekrMsg, accountMsg, sbMsg, kbkDebitMsg, kbkCreditMsg, activityMsg;
    int gridMargin;     // the client height less the grid's
    // The profile keys (section "constants") of the box and of the main
    // account of a new statement, and the main account by default.
    const char* boxKey;
    const char* mainKey;
    const char* defaultMain;
};

// The grid 140 pixels from the top over the form's width, its height the
// client's less `gridMargin`; the note 60 and the buttons 25 above the bottom.
void LayOutBankForm(CWnd* form, CCellwork& grid, int gridMargin);

// Keep one empty row at the end of the grid.
constexpr UINT kBankTrailingRowMsg = 0x464;

class CBankStatementView : public CPostingDocView {
    DECLARE_DYNAMIC(CBankStatementView)
public:
    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CderivedEdit m_editNumber;
    CderivedEdit m_editIcn;
    CSchetEdit m_editMain;
    CderivedEdit m_editKbkDebit;
    CderivedEdit m_editKbkCredit;
    CderivedEdit m_editLs;
    CderivedEdit m_editContr;
    CderivedEdit m_editPrim;
    COleDateTime m_date;
    CString m_strNumber;
    CString m_strIcn;
    CString m_strMain;
    CString m_strKbkDebit;
    CString m_strKbkCredit;
    CString m_strLs;
    CString m_strContr;
    CString m_strPrim;
    BOOL m_bThrough = FALSE;

    // Whether the personal-account and the counterparty fields show.
    BOOL PersonalAccountShown() const;
    BOOL CounterpartyShown() const;
    // The grid's row as its cells.
    CBankRow Row(long row) const;
    const CBankLayout& Layout() const { return m_layout; }

    void SetSql() override;

    // The stored side: the record the checks filled.
    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }
    const CBankStatementRecord& Record() const { return m_record; }

protected:
    CBankStatementView(UINT nIDTemplate, const CBankLayout& layout, const CBankStatementRecord& record);
    ~CBankStatementView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;
    void OnAnswered(UINT msg, long row) override;
    void OnLinesChanged() override;
    void OnSaveDeclined() override;
    // The form closes after a save.
    void AfterSave() override;

    // What the two forms do apart.
    // The main account chooser (button 1018).
    virtual void PickMainAccount() = 0;
    // The chooser of a cell the shared ones do not cover (the payment order).
    virtual void PickCell(int col, long row) {}

    CString DocumentDate() const override { return m_record.date; }
    // The remembered counterparty (when one is given), branch, box and main account.
    void RememberDefaults() override;

    // The save's checks: the header's, then every counted row (`counts`)
    // settled with its postings (`postingsOf(chart, header, row)`, none for a
    // row that cannot post), each tested unless the row is marked as passed;
    // `none` is the message when no row counts. Fills the record.
    template <class Counts, class PostingsOf>
    BOOL SettleStatement(Counts counts, PostingsOf postingsOf, const char* none);

    // The header refresh of the main account: the personal-account and
    // counterparty fields shown by its dimensions' books, the default
    // personal account, the remembered counterparty (none when hidden).
    void RefreshHeader();
    // The analytic cells of a row (row -1: the current row) for a change of
    // column `col` (-1 any): editable with "<...>" where the account keeps a
    // dimension, emptied and locked where it does not.
    void RowSetUp(int col, long row);
    // The content of a row from its accounts (the row's own `account`), when
    // the cell is empty.
    void ContentDefault(long row, const CString& account);
    // The accounts of a row (its own `account`) with the KOSGU code of its
    // economic code: debit and credit.
    void RowAccounts(long row, const CString& account, CString& debit, CString& credit) const;
    // The other side's account the account chooser of a row shows.
    virtual CString ChooserOtherAccount(long row) const;
    CString MainText() const;
    int Branch() const;
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    void SetCell(int col, long row, const CString& text);
    void FocusRow(long row);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMainPick();
    afx_msg void OnMainKillFocus();
    afx_msg void OnMainChange();
    afx_msg void OnBranchChange();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnLsPick();
    afx_msg void OnContrPick();
    afx_msg void OnLsChange();
    afx_msg void OnContrChange();
    afx_msg LRESULT OnTrailingRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEkrAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);
    afx_msg void OnLinesCellMoved(short col, short row);

    BOOL m_bLoading = FALSE;
    CBankStatementRecord m_record;

private:
    BOOL LoadStored(int& branch);
    // The fields put into the controls in the order the header refresh needs
    // and the filled rows marked. FALSE: the form closed.
    BOOL ShowLoaded(int branch);
    // The header checks of a save shared by both forms, in their order, with
    // the normalised date and the main account as a code. FALSE stops.
    BOOL CheckHeader(CString& date, CString& main);
    // The header as the rows' postings take it.
    CBankHeader Header(const CString& date, const CString& main) const;
    void FillRecord(const CBankHeader& header, double total, std::vector<CPostingLine> postings);
    void ShowGroup(std::initializer_list<UINT> ids, BOOL show);

    CBankLayout m_layout;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

template <class Counts, class PostingsOf>
BOOL CBankStatementView::SettleStatement(Counts counts, PostingsOf postingsOf, const char* none)
{
    CString date, main;
    if (!CheckHeader(date, main))
        return FALSE;
    const CBankHeader header = Header(date, main);
    std::vector<CPostingLine> postings;
    double total = 0;
    bool any = false;
    CChartFacts chart;
    {
        // The rows name the same accounts: the scripts read the chart once.
        appcore::CScriptReadCache reads;
        for (long row = 0; row < m_grid.GetNRows(); ++row) {
            const CBankRow cells = Row(row);
            if (!counts(cells))
                continue;
            any = true;
            // A row without its account has no posting: it stops the save
            // whether it was tested before or not.
            const std::vector<CPostingLine> lines = postingsOf(chart, header, cells);
            if (lines.empty() || (!RowPassed(row) && !TestPostingLines(lines, header.date, header.branch))) {
                FocusRow(row);
                return FALSE;
            }
            MarkRowPassed(row);
            total += atof(DecimalPoint(cells[m_layout.sum]));
            postings.insert(postings.end(), lines.begin(), lines.end());
        }
    }
    if (!any) {
        AfxMessageBox(none);
        m_grid.SetFocus();
        return FALSE;
    }
    FillRecord(header, total, std::move(postings));
    return TRUE;
}

} // namespace nledmark
