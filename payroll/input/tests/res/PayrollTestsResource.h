// Ids of the test forms of the payroll module's tests.
#pragma once

#define IDD_PAY_BASE_FORM               9400
#define IDD_PAY_EKR_FORM                9401
#define IDD_PAY_BARE_FORM               9402
#define IDC_PAY_OTHER                   9410
