// CMenuTrebView: the catering menu requirement ("МенюТреб.", dialog 651). The
// categories of people fed are ticked with their numbers; the products of the
// meal are listed with the quantity issued to each ticked category (one
// column per category, matched by its id), beside the responsible person's
// stock, the price and what remains; per category the planned cost by the
// food norms at the date stands against the actual cost. The save stores the
// requirement and posts one write-off per product row from the stock.
#pragma once
#include "CCellwork.h"
#include "CMenuTrebRecord.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"
#include "res/resource.h"

namespace nledmark {

// The fixed columns of the products grid; the category columns follow, then
// the four totals.
enum MenuTrebColumn { MT_CODE = 0, MT_NAME = 1, MT_UNIT = 2, MT_KOL1 = 3, MT_SUM1 = 4, MT_PRICE = 5, MT_FIRST_CAT = 6 };

class CMenuTrebView : public CPostingDocView {
    DECLARE_DYNCREATE(CMenuTrebView)
public:
    CMenuTrebView();
    ~CMenuTrebView() override;

    void OnInitialUpdate() override;
    void SetSql() override;
    void OnButtonSirch() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override { return m_record.WritePostings(id); }

    // The products grid's columns: the number of category columns and the
    // first total column (written off: quantity, sum; remaining: quantity, sum).
    long CategoryColumns() const;
    long TotalColumn() const { return MT_FIRST_CAT + CategoryColumns(); }
    // The column of category `id`, -1 when it is not ticked.
    long ColumnOf(long id) const;
    // The categories grid's row of category `id`, -1 for none.
    long CategoryRow(long id) const;

    // Figures (CMenuTrebGrids.cpp).
    void RecalcRowBalance(long row);
    void RecalcAllBalances();
    void RecalcRowTotals(long row);
    void RecalcFactCost(long col);
    void RecalcNormCost(long category);
    void EnsureSpareRow();
    // A category ticked or unticked (event 17 of the categories grid).
    afx_msg void OnKatCheck();

    CCellwork m_cats;   // 10051
    CCellwork m_grid;   // 10052
    CderivedComboBox m_comboFil, m_comboMeal;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editDebit, m_editCredit;
    CderivedEdit m_editNumber, m_editIcn, m_editNote, m_editKbkDebit, m_editKbkCredit, m_editTn;
    COleDateTime m_date;
    MenuMeals m_meals;
    int m_meal = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    BOOL OnSaveConfirmed() override;
    UINT NumberFieldId() const override { return IDC_NUMBER; }
    CCellwork* LinesGrid() override { return &m_grid; }
    void OnLinesChanged() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnAccountPick();
    afx_msg void OnKbkDebitPick();
    afx_msg void OnKbkCreditPick();
    afx_msg void OnSb1Pick();
    afx_msg void OnSb2Pick();
    afx_msg void OnSb3Pick();
    afx_msg void OnSb1Change();
    afx_msg void OnSb2Change();
    afx_msg void OnSb3Change();
    afx_msg void OnDebitChange();
    afx_msg void OnTnChange();
    afx_msg void OnBalanceKeyChange();
    afx_msg void OnMealChange();
    // Events of the grids (CMenuTrebGrids.cpp).
    afx_msg void OnMatGridButton(short col, short row);
    afx_msg void OnMatGridEdited(short col, short row, CString* text);
    afx_msg void OnKatGridEdited(short col, short row, CString* text);

private:
    void ShowRecord(const CMenuTrebRecord& record);
    void ShowDimensionName(int k);
    void FillKatGrid(bool checkAll, const CString& katDov);
    void BuildMatColumns();
    void StoreGridToMeal(int meal);
    void LoadMealToGrid(int meal);
    void ItemsChosen(const char* answer);
    CString ItemCondition() const;
    std::vector<MenuCategoryEntry> CategoryEntries() const;
    // The checks (CMenuTrebSave.cpp).
    void ReadHeader(CMenuTrebRecord& r);
    BOOL CheckHeader(const CMenuTrebRecord& r);
    BOOL CheckCategories();
    BOOL CheckRows(CMenuTrebRecord& r);

    CMenuTrebRecord m_record;
    long m_itemRow = -1;
    BOOL m_bLoading = FALSE;
    BOOL m_bWriting = FALSE;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
