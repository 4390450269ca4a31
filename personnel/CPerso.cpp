#include "CPerso.h"

#include "CLichKartView.h"
#include "CNipView.h"
#include "CPrnTrvView.h"
#include "CSprSubView.h"
#include "CTrvDView.h"
#include "CTrvFView.h"
#include "CVenz.h"
#include "appcore.h"
#include "res/resource.h"

#include <vector>

namespace nperso {

namespace {

// Every view of the module, in the order the module registers them. A view
// joins this list in the change that builds it.
const std::vector<appcore::ModuleTemplate>& Templates()
{
    static const std::vector<appcore::ModuleTemplate> rows = {
        {IDD_SPR_SUB, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprSubView)},
        {IDD_NIP_VIEW, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CNipView)},
        {IDD_LICH_KART, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CLichKartView)},
        {IDD_TRV_D, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTrvDView)},
        {IDD_TRV_F, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTrvFView)},
        {IDD_PRN_TRV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnTrvView)},
    };
    return rows;
}

} // namespace

CPerso::~CPerso() = default;

int CPerso::Init()
{
    return appcore::AddModuleTemplates(Templates().data(), Templates().size());
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
