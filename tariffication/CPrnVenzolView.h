// CPrnVenzolView ("prn_venzol", dialog 306): the form from which the
// tariffication list is printed. The as-of dates (D1, D2) offer the pay
// statements that have appointments (order kind 1) in force; ticking
// statements offers the tariffication forms used under them; the commission's
// four members are kept in the constant venzol_chlens. OK stores the
// settings and prints a list for every ticked statement and form, in the
// order of the grids, in the classic layout or, with "Новый вариант
// тарификации", the new one.
#pragma once
#include "CderivedFormview.h"
#include "dlgkit.h"
#include "gridbase.h"

#include <vector>

namespace nvenzol {

class CPrnVenzolView : public CderivedFormview {
    DECLARE_DYNCREATE(CPrnVenzolView)
public:
    CPrnVenzolView();
    ~CPrnVenzolView() override;

    void OnInitialUpdate() override;

    // The statements with appointments covering the dates; the commission's
    // fields from venzol_chlens. No statement is ticked, no form listed.
    void FillNvGrid();
    // The forms used under the ticked statements; none when none is ticked.
    void FillFormGrid();
    // "and (ssv1.nv=3 or ssv1.nv=5)" for the ticked statements 3 and 5; ""
    // when none is ticked.
    CString GetNvFilter();

    // One list of the statement and form, of the form's type: classic or new.
    void PrintList(int nv, int vf, int tp);
    void PrintListNew(int nv, int vf, int tp);

    // Every list asked for, in order (shown when its total is not 0).
    struct PrintedList {
        int nv, vf, tp;
        bool newVariant;
        bool operator==(const PrintedList&) const = default;
    };
    std::vector<PrintedList> m_printed;

    enum NvColumn { NV_CODE = 0, NV_NAME = 1 };
    enum VfColumn { VF_CODE = 0, VF_NAME = 1, VF_TYPE = 2 };

    CderivedEdit m_chlen[4];
    COleDateTime m_d1, m_d2;
    CCellwork m_nvGrid;
    CCellwork m_vfGrid;
    BOOL m_bFIOFull = FALSE;
    BOOL m_bVredn = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnOK();
    afx_msg void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnChangeChlen1();
    afx_msg void OnChangeChlen2();
    afx_msg void OnChangeChlen3();
    afx_msg void OnChangeChlen4();
    afx_msg void OnChlen1btn();
    afx_msg void OnChlen2btn();
    afx_msg void OnChlen3btn();
    afx_msg void OnChlen4btn();
    afx_msg void OnNvChecked();

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()

private:
    void Print(int nv, int vf, int tp, bool newVariant);
    void ShowMember(int index);
    void PickMember(int index);
    // The commission's numbers joined by ","; false, with the field refused,
    // when one is no personnel number.
    bool CommissionText(CString& text);
};

} // namespace nvenzol
