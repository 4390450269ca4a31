#pragma once
#define IDD_ASSETS_TEST 9301
