// The picker window: the rows of a list with a search fragment over them; one
// row is chosen with OK or a double click, or several with the mouse (Ctrl,
// Shift) when the list allows it. From the keyboard alone: the first row (or
// the caller's current one) is current when it opens, typing goes to the
// search field, Up, Down, Page Up and Page Down move the current row, Enter
// chooses it and Escape cancels. Runs through the interaction point, so a
// test drives it as a dialog (IDD_SPR_PICKER or IDD_SPR_PICKER_MULTI).
#pragma once

#include "PickerList.h"
#include "afx.h"

class CSprPickerDlg : public CDialog {
public:
    CSprPickerDlg(const appcore::PickerSetup& setup, appcore::PickerRows rows, CWnd* parent);

    // The keys of the chosen rows, in list order (after IDOK).
    const std::vector<CString>& GetChosenKeys() const { return m_chosen; }
    // The chosen rows themselves.
    const std::vector<const appcore::PickerRow*>& GetChosenRows() const { return m_chosenRows; }

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnOK() override;
    afx_msg void OnSearchChange();
    afx_msg void OnListDblClk();
    afx_msg void OnListSelChange();

private:
    void FillList();
    void MoveTo(int item);
    CString RowText(const appcore::PickerRow& row) const;
    CListBox* List();

    appcore::PickerSetup m_setup;
    appcore::PickerRows m_rows;
    std::vector<int> m_shown;  // row index of each list item
    std::vector<CString> m_chosen;
    std::vector<const appcore::PickerRow*> m_chosenRows;

    DECLARE_MESSAGE_MAP()
};

namespace appcore {

class ChoiceTarget;

// Reads the list, runs the picker owned by the target's window and delivers
// the chosen key (several joined by ",") to the target. IDOK when something
// was chosen; IDCANCEL when the user cancelled or the list could not be read.
int ChooseAndDeliver(const PickerSetup& setup, const ChoiceTarget& target, bool asText);

} // namespace appcore
