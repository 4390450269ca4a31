// CPrixodView: the receipt of materials into a department's stock under a
// statement (document name "Stovan"). The day, department, statement and н/п
// name the receipt, which is loaded whenever one of them changes; the header
// names the supplier (an organisation, or an employee who brings materials
// back) and the supplier's document; the lines give material, price, quantity
// and sum, each of price and sum following from the other. The form saves and
// deletes through CPrixodRecord and stays open.
#pragma once
#include "CMyFormView1.h"
#include "CPrixodRecord.h"
#include "dlgkit.h"
#include "gridbase.h"

#include <set>

namespace nstovan {

class __attribute__((visibility("default"))) CPrixodView : public CMyFormView1 {
    DECLARE_DYNCREATE(CPrixodView)
public:
    CPrixodView();
    ~CPrixodView() override;

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnChangeTn() override;
    void OnChangeOrg() override;
    void OnChangePrd() override;
    void OnChangeNv() override;

    // The receipt named by day, department, statement and н/п on the form;
    // an empty one while the key is incomplete or half typed.
    void LoadReceipt();
    void SaveReceipt();
    void DeleteReceipt();
    // The fields and lines of the form as a record.
    CPrixodRecord Fields() const;

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // The checks a save and a delete share (day, department, statement);
    // FALSE after the message, with the focus on the field.
    BOOL CheckKey();
    BOOL CheckDay();
    CString Text(int id) const;

    // The lines.
    void FillLines(const CPrixodRecord& record);
    void ChooseMaterial(long row, const char* fragment);
    void SearchMaterial();

    // The choosers of the day's receipts.
    void OpenDayChooser(int button);

    CderivedEdit m_editDate, m_editPrd, m_editNv, m_editOrg, m_editTn, m_editNpp, m_editNdoc;
    int m_bLoading = 0;
    short m_nMaterialRow = -1;
    // The lines whose price the user typed last (rather than their sum): a
    // quantity changed on such a line keeps the price and gives the sum.
    std::set<long> m_typedPrice;

    afx_msg void OnChangeKey();
    afx_msg void OnDayAnswer();
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnDayPrdNvButton();
    afx_msg void OnNppButton();
    afx_msg void OnDayButton();
    afx_msg void OnDayPrdButton();
    afx_msg void OnDayNvButton();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnMaterialChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAppendCheck(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nstovan
