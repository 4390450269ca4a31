#include "AssetsForm.h"

#include "CconfigDocument.h"
#include "res/AssetsTestResource.h"

namespace assetstest {

IMPLEMENT_DYNCREATE(CAssetsForm, CDocumentView)

CAssetsForm::CAssetsForm() : CDocumentView(IDD_ASSETS_TEST) {}

void CAssetsForm::DoDataExchange(CDataExchange* pDX)
{
    CDocumentView::DoDataExchange(pDX);
    DDX_Control(pDX, 10051, m_grid);
}

void CAssetsForm::OnButtonSirch()
{
    nledmark::FragmentSearchSite site;
    site.form = this;
    site.grid = &m_grid;
    site.branch = branch;
    GetDlgItemText(1158, site.account);
    site.text = &m_strSirch;
    site.option1 = &m_nSirchCase;
    site.option2 = &m_nSirchWord;
    site.pickRow = &pickRow;
    site.rowFill = [this](long row) { filled.push_back(row); };
    nledmark::RunFragmentSearch(*search, site);
}

LRESULT CAssetsForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 0x464)
        answers.push_back({message, QString()});
    if (message == 0x465 || message == 0x47C)
        answers.push_back({message, QString::fromUtf8(reinterpret_cast<const char*>(lParam))});
    return CDocumentView::WindowProc(message, wParam, lParam);
}

CAssetsForm* AssetsProgram::OpenForm(long rows, long row)
{
    auto* form = new CMultiDocTemplate(IDD_ASSETS_TEST, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
                                       RUNTIME_CLASS(CAssetsForm));
    app->AddDocTemplate(form);
    form->OpenDocumentFile(nullptr);
    Settle();
    CAssetsForm* view = Active<CAssetsForm>();
    if (view) {
        view->m_grid.SetNRows(rows);
        view->m_grid.SetCurCell(0, row);
    }
    return view;
}

} // namespace assetstest
