// Ids of the test forms of the warehouse module's tests.
#pragma once

#define IDD_STOCK_BASE_FORM             9400
#define IDD_STOCK_MATERIAL_FORM         9401
#define IDC_STOCK_OTHER                 9410
