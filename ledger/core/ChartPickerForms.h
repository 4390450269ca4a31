// The selection forms of the chart-of-accounts pickers ("GetSint", "GetAnal",
// "GetKOSGU", forms of the configuration): the parameter text that carries
// the answer target and the chosen parts of the account to the form, and the
// filling of the form's grid from the chart.
#pragma once
#include "afx.h"

class CCellwork;

namespace nledmark {

enum class ChartLevel { Synthetic, Analytic, Kosgu };

// Where the picker's answer goes, and the account parts already chosen.
struct CPickerTarget {
    CWnd* parent = nullptr;  // the live window of the handle, or null when gone
    int ctrlId = -1;
    int msg = -1;
    CString col1;            // synthetic account (analytic and KOSGU forms)
    CString col2;            // analytic account (KOSGU form)
};

// "<window>:<control>:<message>[:<synthetic>[:<analytic>]]". The window is
// written as the number of its handle, which reads back only while the window
// lives (a pointer would not survive the text on 64-bit).
CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg);
CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg, const CString& col1);
CString PickerParameter(CWnd* parent, UINT ctrlId, UINT msg, const CString& col1, const CString& col2);
CPickerTarget ReadPickerParameter(const CString& parameter);

// The query of the form's rows: code and name of the chart rows of the level.
CString ChartLevelQuery(ChartLevel level, const CString& col1, const CString& col2);

// Prepares the form's grid (two columns "Код" and "Наименование") and fills
// it with the rows of the level; FALSE when the query failed (reported).
BOOL FillChartGrid(CCellwork& grid, ChartLevel level, const CString& col1, const CString& col2);

} // namespace nledmark
