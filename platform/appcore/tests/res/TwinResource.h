// Ids the two twin test modules both use, each for its own resources.
#define IDR_TWIN 7950
#define IDS_TWIN_TEXT 7951
