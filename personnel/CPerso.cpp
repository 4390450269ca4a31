#include "CPerso.h"

#include "CVenz.h"
#include "appcore.h"
#include "res/resource.h"

#include <vector>

namespace nperso {

namespace {

// One template of the module: its resource id (the template string and the
// view's dialog) with its document, frame and view classes.
struct TemplateRow {
    UINT id;
    CRuntimeClass* document;
    CRuntimeClass* frame;
    CRuntimeClass* view;
};

// Every view of the module, in the order the module registers them. A view
// joins this list in the change that builds it.
const std::vector<TemplateRow>& Templates()
{
    static const std::vector<TemplateRow> rows = {};
    return rows;
}

} // namespace

CPerso::~CPerso() = default;

int CPerso::Init()
{
    CWinApp* app = AfxGetApp();
    for (const TemplateRow& row : Templates())
        if (app)
            app->AddDocTemplate(new CMultiDocTemplate(row.id, row.document, row.frame, row.view));
    return 1;
}

void CPerso::ShowNipList(CWnd* parent, CString tn)
{
    nvenzol::CVenz::ShowNipList(parent, tn);
}

void CPerso::OnKadryLk()
{
    CHelpers::FN_OpenDocument0("Личная карточка", 0, nullptr, nullptr, nullptr, nullptr, nullptr);
}

} // namespace nperso
