// CCashOrderView: the receipt and the expense cash order on one form design.
// The header names the cash account of the order (the main account), its
// KBK, the divisions, the target purpose and the person who pays in or is
// paid; the grid holds the lines of the other side, each with its KBK, its
// account, three analytic values and an amount, whose sum is the order's.
// A save writes one posting per line that holds anything, numbered from 1,
// each line's posting tested before the question. An order not yet stored is
// saved instead of printed. What the two orders do apart is the kind
// (CCashOrderKind) their views give.
#pragma once
#include "CCashOrderRecord.h"
#include "CCellwork.h"
#include "CPostingDocView.h"
#include "CSchetEdit.h"
#include "dlgkit.h"

namespace nledmark {

class CCashOrderView : public CPostingDocView {
    DECLARE_DYNAMIC(CCashOrderView)
public:
    void OnInitialUpdate() override;
    void SetSql() override;

    CString HeaderTable() const override { return m_record.HeaderTable(); }
    BOOL HasPostings() const override { return TRUE; }
    CString HeaderInsertSql(long id) override { return m_record.HeaderInsertSql(id); }
    CString* Number() override { return &m_record.number; }
    CString HeaderUpdateSql(long id, long realId) override { return m_record.HeaderUpdateSql(id, realId); }
    BOOL WritePostings(long id) override;

    const CCashOrderKind& Kind() const { return m_record.Kind(); }
    // The field of the main account's KBK: 1164 (receipt), 1165 (expense).
    UINT KbkFieldId() const;

    CCellwork m_grid;
    CderivedComboBox m_comboFil;
    CderivedDTimeCtrl m_dateCtrl;
    CSchetEdit m_editMain;
    CderivedEdit m_editNumber, m_editKbk, m_editDivision, m_editCorrDivision, m_editPurpose, m_editPurposeName,
        m_editTn, m_editFio, m_editDocument, m_editBasis, m_editAttachment, m_editComment;
    COleDateTime m_date;

protected:
    CCashOrderView(UINT nIDTemplate, const CCashOrderKind& kind);
    ~CCashOrderView() override;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateDocument() override;
    CString DocumentDate() const override { return m_record.date; }
    void RememberDefaults() override;
    void AfterSave() override;
    void OnSaveDeclined() override;
    UINT NumberFieldId() const override;
    CCellwork* LinesGrid() override { return &m_grid; }
    std::vector<CAnswerColumn> AnswerColumns() const override;

    // Field 112 changed: the name, and on the expense order the passport.
    virtual void ShowPerson();

    afx_msg void OnNewOrder();
    afx_msg void OnPrintOrder();
    afx_msg void OnMainPick();
    afx_msg void OnKbkPick();
    afx_msg void OnPurposePick();
    afx_msg void OnDivisionPick();
    afx_msg void OnCorrDivisionPick();
    afx_msg void OnDivisionChange();
    afx_msg void OnCorrDivisionChange();
    afx_msg void OnPurposeChange();
    afx_msg void OnTnChange();
    afx_msg void OnLinesChooser(short col, short row);
    afx_msg void OnLinesCellChanged(short col, short row, CString* text);
    afx_msg void OnLinesEdited(short col, short row, short key, CString* text);

    BOOL m_bLoading = FALSE;

private:
    void ShowRecord(const CCashOrderRecord& record);
    void ShowTotal();
    CString Cell(int col, long row) const { return m_grid.GetCellValue(col, row); }
    BOOL LineIsEmpty(long row) const;
    // The checks of a save (CCashOrderChecks.cpp).
    BOOL CheckHeader(CCashOrderRecord& r);
    BOOL CheckLines(CCashOrderRecord& r);
    BOOL CheckCodes(const CCashOrderRecord& r);
    BOOL CheckCode(UINT ctrlId, const CString& code, const char* table, const char* message);

    CCashOrderRecord m_record;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

} // namespace nledmark
