// The workplace choice (dialog 130, "Выбор Рабочего Места"): the workplaces
// of the configuration that the user may enter, with their icons. Choosing
// one appends its index to the login string. A user with one such workplace
// gets it without being asked.
#pragma once
#include "CCellwork.h"
#include "afx.h"
#include "dlgkit.h"

class CSelectWorkingPlace : public CderivedDialog {
public:
    explicit CSelectWorkingPlace(CWnd* pParent = nullptr);

    // Set before the dialog runs.
    CString m_strTn;
    CString m_strPassword;
    // The login string; the chosen workplace's index is appended to it.
    CString m_strLogin;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    // Fills the grid with the user's workplaces; the rows read so far stay
    // when reading fails.
    void FillWorkplaces();
    void AddWorkplaceRow(const CString& arm);
    void ChooseRow(long row);
    afx_msg void OnGridEditStart(short col, short row, CString* text, short* cancel);

    CCellwork m_grid;

    DECLARE_MESSAGE_MAP()
    DECLARE_EVENTSINK_MAP()
};
