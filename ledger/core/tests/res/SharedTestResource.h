#pragma once
#define IDD_SHARED_TEST 9101
