// The payroll's positions books: CSprDolView ("SprDolView") with the salary,
// the therapeutic, children's and orthopaedic rates and the night rate of
// each pay sheet, and CSprDolDetView ("SprDolDetView") with the salary, the
// contract, the hourly and night rates, the second salary and four
// allowances. Both show the position of the code (1083): its header, its name
// (1008) and a grid row per pay sheet but 4; both save through
// WritePayPosition, each its own columns only; "Кто" lists the employees
// whose pay record holds the position.
#pragma once
#include "PayBookView.h"
#include "PayPositionBook.h"
#include "gridbase.h"

#include <vector>

namespace npaymar {

// A rate column of a positions book: its column, how its cells show a stored
// number (FormatNumber with `decimals`, or Number(v, 0) keeping every
// decimal when `decimals` is -1) and its caption for a refusal.
struct RateColumn {
    const char* column;
    int decimals;
    const char* caption;
};

// A header field: its column of spr_paymar_dol, its control and its caption.
struct HeaderField {
    const char* column;
    int control;
    const char* caption;
};

class __attribute__((visibility("default"))) CPayPositionView : public CPayBookView {
    DECLARE_DYNAMIC(CPayPositionView)
public:
    enum Column { COL_NV = 0, COL_NAME = 1, COL_RATE = 2 };

    CPayPositionView(UINT dialog, const char* title, std::vector<HeaderField> header,
                     std::array<RateColumn, 5> rates);
    ~CPayPositionView() override;

    // The position of the code: header, rates per sheet, name.
    void OnChangeDol() override;

    CCellwork m_grid;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void FirstLoad() override;
    bool CheckEntry() override;
    bool WriteEntry() override;
    void AfterWrite() override;

    afx_msg void OnWho();

    DECLARE_MESSAGE_MAP()

private:
    void FillRates(const CString& code);
    // A stored number as its column shows it ("" for none).
    CString Shown(int rate, const CString& stored) const;

    std::vector<HeaderField> m_header;
    std::array<RateColumn, 5> m_rates;
    CString m_written;
};

class __attribute__((visibility("default"))) CSprDolView : public CPayPositionView {
    DECLARE_DYNCREATE(CSprDolView)
public:
    CSprDolView();
};

class __attribute__((visibility("default"))) CSprDolDetView : public CPayPositionView {
    DECLARE_DYNCREATE(CSprDolDetView)
public:
    CSprDolDetView();
};

} // namespace npaymar
