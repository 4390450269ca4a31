// Which analytic dimensions an account of a material or asset document has:
// as the account field changes, each dimension's caption, code edit, chooser
// button and name field are shown with the caption of the dimension's book,
// or hidden together, a hidden code being emptied. Each form's account field
// is one row of the table below.
#pragma once
#include "afx.h"

namespace nledmark {

// The four controls of one dimension; 0 where the form has none.
struct DimensionControls {
    UINT label;
    UINT code;
    UINT button;
    UINT name;
};

struct AccountDimensionRow {
    UINT account;                    // the account field
    DimensionControls dimensions[3];
    bool hideEkr;                    // the economic code comes from the rows, not from the account
    bool completeShort;              // a 6-character account is taken with KOSGU "000"
};

// The members of the family.
extern const AccountDimensionRow kOsPokupDimensions;        // fixed-asset purchase, credit account
extern const AccountDimensionRow kMatPrixDimensions;        // materials receipt, credit account
extern const AccountDimensionRow kMaterialsSpisDimensions;  // materials write-off
extern const AccountDimensionRow kMenuTrebDimensions;       // catering menu requirement
extern const AccountDimensionRow kOsNaklDebitDimensions;    // waybill, debit side
extern const AccountDimensionRow kOsNaklCreditDimensions;   // waybill, credit side

// The book of dimension n (1..3) of a 9-digit account in the chart of
// accounts, 0 when the chart has no such account; any other text is asked
// nothing and answers 0.
int ChartDimensionBook(const CString& account, int n);

// Shows the dimensions of the account now in the row's account field.
// `keepHidden` (1..3, 0 for none) is a dimension the form's own test keeps
// hidden whatever the chart says.
void ShowAccountDimensions(CWnd* form, const AccountDimensionRow& row, int keepHidden = 0);

} // namespace nledmark
