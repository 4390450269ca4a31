// A material or asset document on the test form: the fields and grid the
// shared handlers and the families work on, opened in the ledger's test
// program. It records the messages the form gets (the row fill 0x464 and the
// pickers' answers) and the row fills it is asked for.
#pragma once
#include "CDocumentView.h"
#include "RowSearch.h"
#include "LedgerProgram.h"
#include "gridbase.h"

#include <QString>
#include <vector>

namespace assetstest {

class CAssetsForm : public CDocumentView {
    DECLARE_DYNCREATE(CAssetsForm)
public:
    CAssetsForm();

    struct Answer {
        UINT msg;
        QString text;  // a text answer, copied while the handler runs
    };

    CCellwork m_grid;
    const nledmark::FragmentSearchRow* search = &nledmark::kOsPokupSearch;
    int branch = 1;
    long pickRow = -1;
    std::vector<Answer> answers;
    std::vector<long> filled;  // rows the row fill was asked for
    int loads = 0;             // SetSql calls

    void OnButtonSirch() override;
    void SetSql() override { ++loads; }
    const CString& SearchText() const { return m_strSirch; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class AssetsProgram : public ledgertest::LedgerProgram {
protected:
    // Opens the test form; its grid holds `rows` empty rows, the current cell in `row`.
    CAssetsForm* OpenForm(long rows = 3, long row = 1);
};

} // namespace assetstest
