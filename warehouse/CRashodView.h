// CRashodView: the issue of materials from a department's stock against a
// numbered requisition (document name "rashod"). The number loads the
// requisition of the working month; the header names the department,
// statement, the employee (or organisation) who receives and the cabinet;
// each line shows the stock left after it, and a line that would take the
// stock below zero refuses the save. A new requisition, once saved, is shown
// printed at once, two copies side by side for both signatures.
#pragma once
#include "CMyFormView1.h"
#include "CRashodRecord.h"
#include "dlgkit.h"
#include "gridbase.h"

namespace nstovan {

class __attribute__((visibility("default"))) CRashodView : public CMyFormView1 {
    DECLARE_DYNCREATE(CRashodView)
public:
    CRashodView();
    ~CRashodView() override;

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnChangeTn() override;
    void OnChangeOrg() override;
    void OnChangePrd() override;
    void OnChangeNv() override;

    void LoadRequisition();
    void SaveRequisition();
    void DeleteRequisition();
    void PrintRequisition(int flag);
    // The remainders of the lines, read again.
    void CheckStock();
    CRashodRecord Fields() const;

    CCellwork m_grid;
    // The printable page of the loaded requisition.
    CString m_strPage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CString Text(int id) const;
    void BuildPage(const CRashodRecord& record);

    CderivedEdit m_editTn, m_editPrd, m_editOrg, m_editNv, m_editNumber, m_editKab, m_editDate;
    int m_bLoading = 0;
    short m_nMaterialRow = -1;

    afx_msg void OnChangeNumber();
    afx_msg void OnSaveCommand();
    afx_msg void OnDeleteCommand();
    afx_msg void OnPrintCommand();
    afx_msg void OnPrintDirectCommand();
    afx_msg void OnUpdatePrintDirect(CCmdUI* pCmdUI);
    afx_msg void OnJournal();
    afx_msg void OnJournalAnswer();
    afx_msg void OnDateFocus();
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
