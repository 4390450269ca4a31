// Ids of the test forms of the staff modules' tests.
#pragma once

#define IDD_STAFF_TEST_FORM             9300
#define IDD_STAFF_BASE_FORM             9301
#define IDR_VENZ_BASE_FORM              9302
#define IDC_STAFF_OTHER                 9310
