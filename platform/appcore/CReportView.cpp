#include "CReportView.h"

#include "CderivedFrame.h"
#include "DocumentOpener.h"
#include "frm/AfxFrameWidgets.h"
#include "res/AppcoreResource.h"

IMPLEMENT_DYNCREATE(CReportDocument, CDocument)

CReportDocument::CReportDocument() = default;

IMPLEMENT_DYNCREATE(CReportView, CView)

CReportView::CReportView() = default;

QWidget* CReportView::CreateWidget(CREATESTRUCT&, QWidget* pParentWidget)
{
    // The page fills its frame's client, as every view does.
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromQWidget(pParentWidget));
    AfxClientHost* host = frame ? frame->GetClientHost() : nullptr;
    auto* page = new appcore::ReportPage(host ? static_cast<QWidget*>(host) : pParentWidget);
    if (host)
        host->setView(page);
    // The page is the view's window: it lives no longer than the view.
    QObject::connect(page, &appcore::ReportPage::closeRequested, page, [this] {
        if (CFrameWnd* frame = GetParentFrame())
            frame->PostMessage(WM_CLOSE);
    });
    return page;
}

appcore::ReportPage* CReportView::GetPage() const
{
    return qobject_cast<appcore::ReportPage*>(GetQWidget());
}

void CReportView::ShowPage(const QString& html, const QString& title, const appcore::ReportLook& look)
{
    if (appcore::ReportPage* page = GetPage())
        page->SetPage(html, title, look);
    if (CDocument* document = GetDocument())
        document->SetTitle(CString(title));
}

namespace appcore {

ReportPage* OpenReportWindow(const QString& html, const QString& title, const ReportLook& look)
{
    if (dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd())) {
        CDocTemplate* t = CoreTemplate(IDR_REPORT, RUNTIME_CLASS(CReportDocument), RUNTIME_CLASS(CderivedFrame),
                                       RUNTIME_CLASS(CReportView));
        CDocument* document = t ? t->OpenDocumentFile(nullptr) : nullptr;
        auto* view = dynamic_cast<CReportView*>(FirstView(document));
        if (!view)
            return nullptr;
        view->ShowPage(html, title, look);
        return view->GetPage();
    }
    auto* page = new ReportPage;
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->setWindowTitle(title);
    page->resize(900, 700);
    QObject::connect(page, &ReportPage::closeRequested, page, &QWidget::close);
    page->SetPage(html, title, look);
    page->show();
    return page;
}

} // namespace appcore
