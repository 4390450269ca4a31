// The report window: an MDI child showing a finished HTML page, which the
// user prints or saves as PDF (ReportPage). CHelpers::DisplayMessage and
// ShowReport open one per page; the scripts' app.report too.
#pragma once

#include "ReportPage.h"
#include "afx.h"

class CReportDocument : public CDocument {
    DECLARE_DYNCREATE(CReportDocument)
public:
    CReportDocument();
};

class CReportView : public CView {
    DECLARE_DYNCREATE(CReportView)
public:
    CReportView();
    appcore::ReportPage* GetPage() const;
    void ShowPage(const QString& html, const QString& title, const appcore::ReportLook& look);

protected:
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;
};

namespace appcore {

// Shows a page in a new report window (a top-level window when the program
// has no MDI main frame); the page's widget, or null when it could not open.
ReportPage* OpenReportWindow(const QString& html, const QString& title, const ReportLook& look);

} // namespace appcore
