#include "OfficialRoutes.h"

#include "gridbase.h"

namespace nledmark {

const std::vector<OfficialForm>& OfficialForms()
{
    // The files the editions of the forms are printed from; a route missing
    // from its form's row has no report.
    static const std::vector<OfficialForm> forms = {
        {"prn_0503121", "0503121", FormCommand::A,
         {{0, nullptr}, {1, "72n\\0503121.extr"}, {2, "128n\\0503121.extr"}}},
        {"prn_0503125", "0503125", FormCommand::A, {{0, "0503125.extr"}, {1, "72n\\0503125.extr"}}},
        {"prn_0503125_08", "0503125", FormCommand::B, {{0, "72n\\0503125.extr"}, {1, "128n\\0503125.extr"}}},
        {"prn_0503127", "0503127", FormCommand::C,
         {{0, nullptr},
          {1, "72n\\0503127.extr"},
          {2, "72n\\0503137.extr"},
          {3, "128n\\0503127.extr"},
          {4, "128n\\0503137.extr"}}},
        {"prn_0503129", "0503129", FormCommand::A, {{0, "0503129.extr"}}, true},
        {"prn_0503130_sb", "0503110", FormCommand::D,
         {{0, nullptr}, {1, "72n\\0503110.extr"}, {2, "128n\\0503110.extr"}}},
        // The file with the underscore comes first among the 128n editions.
        {"prn_0503130", "0503130", FormCommand::A,
         {{0, nullptr},
          {1, "72n\\0503130.extr"},
          {2, "72n\\0503130_.extr"},
          {3, "72n\\0503230.extr"},
          {4, "72n\\0503230_.extr"},
          {5, "128n\\0503130_.extr"},
          {6, "128n\\0503130.extr"}}},
        {"prn_0503160", "0503160", FormCommand::A, {{0, nullptr}}},
        {"prn_0503168", "0503168", FormCommand::D,
         {{0, "0503160\\0503168.extr"}, {1, "72n\\0503168_.extr"}, {2, "128n\\0503168.extr"}}},
        {"prn_0503169", "0503169", FormCommand::A,
         {{0, "0503160\\0503169.extr"}, {1, "72n\\0503169.extr"}, {2, "128n\\0503169.extr"}}},
    };
    return forms;
}

const OfficialForm* FindOfficialForm(const CString& documentName)
{
    for (const OfficialForm& form : OfficialForms())
        if (documentName == form.documentName)
            return &form;
    return nullptr;
}

bool OfficialRouteFile(const OfficialForm& form, int route, CString& file)
{
    if (form.everyRoute && !form.routes.empty()) {
        file = form.routes.front().file;
        return true;
    }
    for (const OfficialRoute& r : form.routes) {
        if (r.route == route) {
            file = r.file ? CString(r.file) : CString();
            return true;
        }
    }
    file.Empty();
    return false;
}

CString OfficialReportPath(const CString& file)
{
    return GetAppPath() + "\\_sys\\_ExtReports\\" + file;
}

CString OfficialRouteFolder(const OfficialForm& form, int route)
{
    CString file;
    if (!OfficialRouteFile(form, route, file))
        return CString();
    const int slash = file.Find('\\');
    return slash > 0 ? file.Left(slash) : CString();
}

CString OfficialRouteCode(const OfficialForm& form, int route)
{
    CString file;
    if (!OfficialRouteFile(form, route, file) || file.IsEmpty())
        return form.code;
    // The name of the file begins with its form code: "0503137.extr", "0503168_.extr".
    const CString name = file.Mid(file.ReverseFind('\\') + 1);
    CString code;
    for (int i = 0; i < name.GetLength() && name[i] >= '0' && name[i] <= '9'; ++i)
        code += name[i];
    return code.GetLength() == 7 ? code : CString(form.code);
}

} // namespace nledmark
