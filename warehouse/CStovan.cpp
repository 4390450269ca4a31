#include "CStovan.h"

#include "CPrixodView.h"
#include "CRashodView.h"
#include "CPrnKsvView.h"
#include "CPrnOkView.h"
#include "CPrnOrView.h"
#include "CPrnOrgView.h"
#include "CPrnPrixRasxView.h"
#include "CPrnTrebView.h"
#include "appcore.h"
#include "res/resource.h"

#include <vector>

namespace nstovan {

namespace {

// Every view of the module, in the order the module registers them; each is
// a CderivedDocument in a CderivedFrame. A view joins this list in the change
// that builds it.
const std::vector<appcore::ModuleTemplate>& Templates()
{
    static const std::vector<appcore::ModuleTemplate> rows = {
        {IDD_PRIXOD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrixodView)},
        {IDD_RASHOD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CRashodView)},
        {IDD_PRN_ORG, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnOrgView)},
        {IDD_PRN_KSV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnKsvView)},
        {IDD_PRN_OR, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnOrView)},
        {IDD_PRN_TREB, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnTrebView)},
        {IDD_PRN_PRIX_RASX, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnPrixRasxView)},
        {IDD_PRN_OK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnOkView)},
    };
    return rows;
}

} // namespace

CStovan::~CStovan() = default;

int CStovan::Init()
{
    return appcore::AddModuleTemplates(Templates().data(), Templates().size());
}

} // namespace nstovan
