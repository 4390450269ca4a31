// CPovrView ("PovrView", dialog 430): the month's time-based pay of a
// department's positions on a pay sheet under a pay code (TimePay.h). Its
// document's kind chooses the mode: 0 the plan and worked hours with the
// percentage of pay (the hours form's figures offered where none are stored,
// a percentage of 100 shown empty), any other the hours against the
// position's norm of hours. CPovrView0 ("PovrView0", the same dialog): the
// hours at a junior and a senior tariff with the two tariff coefficients.
// "&Записать" writes the grid, "&Перекинуть" replaces the month's records by
// last month's.
#pragma once
#include "CMyFormView1.h"
#include "PositionRecords.h"
#include "TimePay.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class CPovrView : public CMyFormView1 {
    DECLARE_DYNCREATE(CPovrView)
public:
    CPovrView();
    ~CPovrView() override;

    void OnInitialUpdate() override;
    // The code's name, then the grid.
    void OnChangePrd() override;
    void OnChangeNv() override;
    void OnChangeVou() override;
    // Checks the codes and the rows, asks when `ask` is nonzero, writes every
    // row; 1 after a full save, 0 otherwise.
    int Write(int ask) override;

    // The grid of the department, sheet and code.
    virtual void Load();
    // Last month's records of the department's positions on the sheet and code.
    virtual void CopyPreviousMonth();

    TimePayKind Kind() const { return m_kind; }

    CCellwork m_grid;
    CderivedEdit m_prd;
    CderivedEdit m_nv;
    CderivedEdit m_vou;

protected:
    explicit CPovrView(UINT nIDTemplate, TimePayKind kind);
    void DoDataExchange(CDataExchange* pDX) override;

    // The three codes, checked in order (said, the field focused); with
    // `department` false the department is not asked for.
    bool Codes(CString& prd, CString& nv, CString& kou, bool department = true);
    // The codes of the rows shown; all empty while none are.
    bool ShownCodes() const { return !m_shownPrd.IsEmpty(); }
    // The rows' records of the grid; false at a refused row (said).
    virtual bool Records(std::vector<PositionRecord>& records);
    // A load's start: the grid emptied and closed, the three codes typed
    // (checked, in their books); false when one is not. Its end: the rows
    // shown, the grid open when they were read whole.
    bool BeginLoad(CString& prd, CString& nv, CString& kou);
    void EndLoad(const std::vector<std::vector<CString>>& rows, bool read, const CString& prd, const CString& nv,
                 const CString& kou);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSaveCommand();
    afx_msg void OnCopyCommand();
    afx_msg void OnEditStart(short col, short row, CString* text, short* cancel);
    afx_msg void OnCellChanged(short col, short row, CString* text);

    TimePayKind m_kind;
    CString m_shownPrd, m_shownNv, m_shownKou;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

class CPovrView0 : public CPovrView {
    DECLARE_DYNCREATE(CPovrView0)
public:
    CPovrView0();
    ~CPovrView0() override;

    void Load() override;

    CderivedEdit m_tar1;
    CderivedEdit m_tar2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    bool Records(std::vector<PositionRecord>& records) override;
};

} // namespace npaymar
