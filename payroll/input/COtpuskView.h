// COtpuskView ("OtpuskView", dialog 389): the vacation records of an
// employee's working month. The clerk picks the employee (his last record
// shows, the blank number starts a new one), types the order, the type, the
// grounds, the vacation's dates and, for the main and the additional
// vacation, the days and the pay code, and ticks the pay sheets whose
// earnings count; each part's average shows under its tab: the months with
// their days, each sheet's earnings, premium, coefficient and total, the
// average daily earnings and the vacation pay. A save checks the fields,
// recomputes, asks, and writes the record with its pay per sheet in one
// transaction; "Записка рсч." shows the calculation note of the stored record.
#pragma once
#include "CMyFormView1.h"
#include "VacationAverage.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace npaymar {

class COtpuskView : public CMyFormView1 {
    DECLARE_DYNCREATE(COtpuskView)
public:
    COtpuskView();
    ~COtpuskView() override;

    void OnInitialUpdate() override;
    // The name, then the employee's records of the month with the blank
    // entry first, the last one loaded.
    void OnChangeTn() override;
    // The main code's name, then the main part.
    void OnChangeVou() override;
    // The accrual codes only, into the main code.
    void OnVOUbtn() override;
    // 1006 is the additional code here: its name, then the additional part.
    void OnChangeKcn() override;
    void OnKCNbtn() override;
    // The additional code's search is the pay codes'.
    void OnButtonSirch() override;

    // The record whose number is shown (none: a new one).
    void LoadVacation();
    // One part's average (0 main, 1 additional) from the fields as they
    // stand; `force` recomputes even when nothing changed since the last time.
    // Empty main days are taken from the dates, both days counted.
    void CalcVacationAverage(int part, bool force);
    // Both parts' sheet grids: the sheets with earnings of the part's group,
    // ticked as the stored lists say (an empty list ticks every sheet).
    void FillSheetGrids(const CString& mainSheets, const CString& additionalSheets);
    // " and nv in (...)" of the part's ticked sheets, "" when none is.
    CString GetMainSheetFilter();
    CString GetAdditionalSheetFilter();
    // TRUE when written.
    BOOL SaveVacation();
    // TRUE when deleted.
    BOOL DeleteVacation();
    // The calculation note of the stored record.
    void PrintVacationNote();
    // The part whose average the tab shows.
    void ShowPart(int part);

    const VacationPart& Part(int part) const { return m_parts[part]; }

    CCellwork m_results[2];
    CCellwork m_sheets[2];
    CComboBox m_numbers;
    CComboBox m_type;
    CTabCtrl m_tabs;
    CderivedEdit m_edits[6];

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnTNListbtn();
    afx_msg void OnNumberChosen();
    afx_msg LRESULT OnNumberPlaced(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMainDaysLeft();
    afx_msg void OnAdditionalDaysLeft();
    afx_msg void OnDateLeft();
    afx_msg void OnCalcClicked();
    afx_msg void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnNoteCommand();
    void OnMainSheetsTicked();
    void OnAdditionalSheetsTicked();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    CString ShownNumber() const;
    CString Code(int part) const;
    std::vector<VacationSheet> TickedSheets(int part) const;
    CString SheetFilter(int part);
    CString SheetSource(int part) const;
    void FillSheetGrid(int part, const CString& stored);
    void ShowResult(int part);
    // The part recomputed from a change of its own fields, its tab shown.
    void RecalcShown(int part);
    void ClearResult(int part);

    bool m_loading = false;
    bool m_young = false;
    int m_lastPart = -1;
    CString m_cache;
    VacationPart m_parts[2];
    CString m_storedSheets[2];
    // What each sheet grid was filled for (employee, start, code): the
    // sheets follow when one of them changes.
    CString m_sheetSource[2];
};

} // namespace npaymar
