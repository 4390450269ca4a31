#include "CReportView.h"

#include "CderivedFrame.h"
#include "DocumentOpener.h"
#include "frm/AfxFrameWidgets.h"
#include "res/AppcoreResource.h"

#include <QMdiArea>
#include <QMdiSubWindow>

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
        // A printed form is read across its width: its window takes the whole
        // work area, not the share a form's window gets, so that its columns
        // are not squeezed until words break.
        if (CFrameWnd* frame = view->GetParentFrame())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(frame->GetQWidget()))
                if (QMdiArea* area = sub->mdiArea()) {
                    sub->move(0, 0);
                    sub->resize(area->viewport()->size());
                }
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
