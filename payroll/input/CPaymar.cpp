#include "CPaymar.h"

#include "CBolView.h"
#include "C5ProvView.h"
#include "CBookListView.h"
#include "CBookView.h"
#include "CChasView.h"
#include "CDetiView.h"
#include "CDetiVozView.h"
#include "CInvView.h"
#include "CIspView.h"
#include "CLgotyView.h"
#include "CNochnyeView.h"
#include "CPovrView.h"
#include "COtpuskView.h"
#include "CPrn5ProvView.h"
#include "CRnUd.h"
#include "CPrnNalogKartView.h"
#include "CPrnRaschVedView.h"
#include "CPrnSvPrdView.h"
#include "EmployeeForms.h"
#include "EmployeeScriptForms.h"
#include "CSelectPRDDoc.h"
#include "CSelectPRDFrame.h"
#include "CSelectPrdNvView.h"
#include "CSredView.h"
#include "CSpr5prView.h"
#include "CSprDolView.h"
#include "CSprKalView.h"
#include "CSprOtchisView.h"
#include "CSprTvxView.h"
#include "CTrvView.h"
#include "ModuleCalls.h"
#include "SelectionFrames.h"
#include "PaymarTemplates.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "personnel/CPerso.h"
#include "res/resource.h"

#include <iterator>

namespace npaymar {

namespace {

// Every view of the module, in the order the module registers them. A view
// joins this list in the change that builds it.
const std::vector<appcore::ModuleTemplate>& Templates()
{
    static const std::vector<appcore::ModuleTemplate> rows = {
        {IDR_LGOTY_EDIT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CLgotyEditView)},
        {IDR_LGOTY, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CLgotyView)},
        {IDR_EXP_5_PROV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(C5ProvView)},
        {IDR_CHAS, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CChasView)},
        {IDR_POVR, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPovrView)},
        {IDR_POVR0, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPovrView0)},
        {IDR_INV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CInvView)},
        {IDR_SPR_DOL_DET, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprDolDetView)},
        {IDR_SELECT_PRD_NV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CSelectPrdNvView)},
        {IDR_PRN_KS, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnKSView)},
        {IDR_PRN_IND, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnIndView)},
        {IDR_PRN_SV_PRD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnSvPrdView)},
        {IDR_PRN_5_PROV, RUNTIME_CLASS(CSelectYearDoc), RUNTIME_CLASS(CSelectYearFrame), RUNTIME_CLASS(CPrn5ProvView)},
        {IDR_PRN_KB, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnKBView)},
        {IDR_PRN_RASCH_LIST, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnRaschListView)},
        {IDR_PRN_DOX_GOD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnDoxGodView)},
        {IDR_PRN_SRED, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnSredView)},
        {IDR_PRN_DOX_MES, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnDoxMesView)},
        {IDR_PRN_ZAPISKA_RASCHET, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnZapiskaRaschetView)},
        {IDR_PRN_NDFL2, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnNDFL2View)},
        {IDR_PRN_DOX_MES_NAROST, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnDoxMesNarostView)},
        {IDR_PRN_RASCH_VED, RUNTIME_CLASS(CSelectPRDDoc), RUNTIME_CLASS(CSelectPRDFrame),
         RUNTIME_CLASS(CPrnRaschVedView)},
        {IDR_NOCHNYE, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CNochnyeView)},
        {IDR_OTPUSK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(COtpuskView)},
        {IDR_SRED, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSredView)},
        {IDR_TRV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CTrvView)},
        {IDR_BOOK_LIST, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CBookListView)},
        {IDR_BOOK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CBookView)},
        {IDR_ISP, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CIspView)},
        {IDR_DETI_VOZ, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CDetiVozView)},
        {IDR_DETI, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CDetiView)},
        {IDR_SPR_DOL, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprDolView)},
        {IDR_SPR_5PR, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSpr5prView)},
        {IDR_SPR_KAL, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprKalView)},
        {IDR_PRN_NALOG_KART, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnNalogKartView)},
        {IDR_BOL, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CBolView)},
        {IDR_TVX, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprTvxView)},
        {IDR_SPR_OTCHIS, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprOtchisView)},
    };
    return rows;
}

// What the workplace's commands call by name (app.call), with the number the
// command gives (0 when it gives none).
struct NamedCall {
    const char* name;
    void (*call)(int argument);
};

const NamedCall kCalls[] = {
    {"CPaymar::OnKadryLk", [](int) { CPaymar::OnKadryLk(); }},
    {"CPaymar::OnRlRn", [](int) { CPaymar::OnRlRn(); }},
};

} // namespace

const std::vector<appcore::ModuleTemplate>& ModuleTemplates()
{
    return Templates();
}

std::vector<std::string> ModuleCallNames()
{
    std::vector<std::string> names;
    for (const NamedCall& call : kCalls)
        names.push_back(call.name);
    return names;
}

int InitInWorkplace(const CString& workplace)
{
    // Payroll forms exist only in the payroll workplace.
    if (workplace != CString("ПАЙМАР"))
        return 1;
    for (const NamedCall& call : kCalls)
        appcore::RegisterModuleCall(call.name, call.call);
    return appcore::AddModuleTemplates(Templates().data(), Templates().size());
}

CPaymar::~CPaymar() = default;

int CPaymar::Init()
{
    return InitInWorkplace(I_GetArmId());
}

void CPaymar::OnKadryLk()
{
    nperso::CPerso::OnKadryLk();
}

void CPaymar::OnRlRn()
{
    CRnUd run(nullptr);
    run.DoModal();
}

void CPaymar::ShowDoplSpis(CWnd* caller, UINT mode)
{
    static const char* const forms[] = {"СписокОтработаннымДням", "СписокОтработаннымДням1"};
    if (mode >= std::size(forms))
        return;
    CHelpers::FN_OpenDocument0(forms[mode], int(mode), utoa(caller));
}

void CPaymar::ShowProchVip(CWnd* caller)
{
    CHelpers::FN_OpenDocument("ProchVipListView", "Прочие выплаты", 0, 0, 800, MaxY(), utoa(caller), nullptr,
                              nullptr, nullptr, nullptr, nullptr);
}

void CPaymar::ShowBookList(CWnd* caller, CString tn)
{
    CHelpers::FN_OpenDocument("BookListView", "Список должностей в бухгалтерской книге работника " + GetFio(tn), -1,
                              -1, -1, -1, tn, nullptr, caller, nullptr, nullptr, nullptr);
}

} // namespace npaymar
