// The database chooser (dialog 911, "Выбор рабочей базы данных"), started by
// the switch "-$$$": a list of named databases kept in the profile value
// "welcome" of section "Settings", from which the user starts the program
// (or the configurator) on the chosen database. The list is written back in
// full after every change, in row order.
#pragma once
#include "CCellwork.h"
#include "CWelcomeEntry.h"
#include "afx.h"
#include "dlgkit.h"

class CWelcomeDlg : public CderivedDialog {
public:
    explicit CWelcomeDlg(CWnd* pParent = nullptr);

    // The program folder a new entry starts with (set before the dialog runs).
    CString m_strFolder;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    afx_msg void OnAdd();
    afx_msg void OnChange();
    afx_msg void OnDelete();
    afx_msg void OnUp();
    afx_msg void OnDown();
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    void AddRow(const CWelcomeEntry& entry);
    void SetRow(long row, const CWelcomeEntry& entry);
    CWelcomeEntry RowEntry(long row) const;
    // The current row, or -1 after telling the user to choose one.
    long ChosenRow();
    void MoveCurrentRow(long step);
    void SaveList();

    CCellwork m_grid;
    CButton m_up;
    CButton m_down;
    int m_bConfigurator = 0;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
