// Ids of the test forms of the staff modules' tests.
#pragma once

#define IDD_STAFF_TEST_FORM             9300
