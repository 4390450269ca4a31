// Where each official reporting form sends its print: per form the command it
// formats and, per print route (the integer its opener gives the form's
// document), the form's own report or a report file under the program's
// "\_sys\_ExtReports\" folder.
#pragma once
#include "afx.h"

#include <vector>

namespace nledmark {

// The argument lists of "PrepareTheReport": A the period, sources and
// branches; B also the account list; C also the six options of 0503127;
// D also the one option of its form.
enum class FormCommand { A, B, C, D };

struct OfficialRoute {
    int route;
    const char* file; // under "\_sys\_ExtReports\"; nullptr: the form's own report
};

struct OfficialForm {
    const char* documentName; // the template's document name ("prn_0503130")
    const char* code;         // the form code of the form's own report
    FormCommand command;
    std::vector<OfficialRoute> routes;
    bool everyRoute = false; // one file whatever the route (0503129)
};

// The form of a document name; nullptr for none.
const OfficialForm* FindOfficialForm(const CString& documentName);
// Every official form, in the order of the menu.
const std::vector<OfficialForm>& OfficialForms();

// Where `route` of the form prints: false when the form has no report for it;
// else `file` is the report file ("72n\0503121.extr") or empty for the form's
// own report.
bool OfficialRouteFile(const OfficialForm& form, int route, CString& file);
// The full path of a report file under the program folder.
CString OfficialReportPath(const CString& file);
// The form code a route prints (the file's own code, as 0503137 or 0503230,
// else the form's) and its folder ("72n", "128n", "0503160"; "" for none).
CString OfficialRouteCode(const OfficialForm& form, int route);
CString OfficialRouteFolder(const OfficialForm& form, int route);

} // namespace nledmark
