#include "ReportRun.h"

#include "appcore.h"
#include "ndbcore.h"

#include <exception>

namespace naddviews {

void RunReportReported(const std::function<void()>& report)
{
    CWinApp* app = AfxGetApp();
    if (app)
        app->DoWaitCursor(1);
    try {
        report();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, nullptr);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(CString("Отчет не построен: ") + e.what(), MB_OK | MB_ICONSTOP);
    }
    if (app)
        app->DoWaitCursor(-1);
}

} // namespace naddviews
