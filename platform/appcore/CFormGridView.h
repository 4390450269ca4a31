// CFormGridView: the one view of every grid form of the configuration
// ("GetSint", "CellworkForm", payroll lists...). The form's fill callback
// (or, without one, the form script's Fill(kind,"parameter"), which answers
// a select text) fills the grid; the grid is a read-only list. Choosing a
// row (double click, Enter, "&Выбрать") answers the form's answer target,
// which the fill callback set in the document: the row's first cell (in
// answer mode -2 all its cells joined by "~") into the control or as the
// message (a text), then the form closes. Without a target the form is a list
// of its own (a list of stored documents): choosing calls the form script's
// Choose("<first cell>"), which opens the row's document, and the list stays;
// without such a function choosing does nothing. A list its script fills is
// filled again when a document is saved elsewhere.
#pragma once

#include "CderivedFormview.h"
#include "gridbase.h"

class CFormGridView : public CderivedFormview {
    DECLARE_DYNCREATE(CFormGridView)
public:
    CFormGridView();

    CCellwork m_grid;

    void OnInitialUpdate() override;
    // After the fill: the grid becomes a read-only list and keeps its proportions;
    // `focus`: the grid takes the keyboard (a list that opens), not when a save
    // elsewhere refreshed it, which would bring it up over the form in use.
    void FinishFill(bool focus = true);
    // The answer of the current row, or the script's Choose of it; FALSE when
    // there is no row, or neither a target nor a script function.
    BOOL Choose();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnChooseCommand();
    afx_msg void OnGridDblClick();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);
    afx_msg LRESULT OnDocumentSaved(WPARAM wParam, LPARAM lParam);

private:
    void FillFromScript(bool focus = true);
    BOOL ChooseInScript(const CString& firstCell);

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};

namespace appcore {

// The template of the configuration's grid forms (added to the application on first use).
CDocTemplate* FormGridTemplate();

} // namespace appcore
