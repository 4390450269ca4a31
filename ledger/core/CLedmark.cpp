#include "CLedmark.h"

#include "CAktualDateView.h"
#include "CAvansOtchView.h"
#include "CBankFinansView.h"
#include "CBankPostupView.h"
#include "CBankSpisView.h"
#include "CBudgAsegView.h"
#include "CBudgObyazView.h"
#include "CBudgRasshView.h"
#include "CBudgZayavView.h"
#include "CCheckBookView.h"
#include "CDocObyavlView.h"
#include "CDoverennostView.h"
#include "CDovPoluchCheckaView.h"
#include "CHlam0View.h"
#include "CKnigaPokView.h"
#include "CKnigaProdView.h"
#include "CMatInventView.h"
#include "CMatKuView.h"
#include "CMatPrixView.h"
#include "CMaterialsSpisView.h"
#include "COsSpisView.h"
#include "CPrnOsInventKartView.h"
#include "CPrnOsOpisInvKartView.h"
#include "CMenuTrebView.h"
#include "CMolTransferView.h"
#include "COSInventView.h"
#include "COSIznosView.h"
#include "COSNachOstView.h"
#include "COfkView.h"
#include "COsNaklView.h"
#include "COsPokupView.h"
#include "COperByHandView.h"
#include "CPrnDogMatOtv.h"
#include "CPrnLboIspView.h"
#include "CPrnLboKartView.h"
#include "CPrnLboMesFaktView.h"
#include "CPrnLboMesView.h"
#include "CPrnLboMes0View.h"
#include "CPrnOstDogovoraView.h"
#include "CPrnKassaBookView.h"
#include "../registers/CPrnGlavnKnigaView.h"
#include "../registers/CPrnOborotSchView.h"
#include "../registers/CPrnOsvView.h"
#include "../registers/CPrnAktSverkView.h"
#include "../registers/CPrnJrnZabSchView.h"
#include "../registers/CPrnSvodProvodkiView.h"
#include "../registers/official/OfficialFormViews.h"
#include "CPrnKassaKO_3View.h"
#include "CPrnPkoView.h"
#include "CPrnRkoView.h"
#include "CSchFakPoluchView.h"
#include "CPrnKnigaPokView.h"
#include "CPrnJrnKassaView.h"
#include "CPrnKnigaProdView.h"
#include "CPrnSchFakPoluchView.h"
#include "CPrnSchFakView.h"
#include "CPrnSchFakVydView.h"
#include "CProvodkiView.h"
#include "CRodNuchOstView.h"
#include "CRodNuchView.h"
#include "CRodPostView.h"
#include "CScriptServiceViews.h"
#include "CSprFilsView.h"
#include "CSprJrnOperView.h"
#include "CSprNormPitView.h"
#include "CZakluchView.h"
#include "appcore.h"
#include "res/resource.h"

namespace nledmark {

namespace {

// One template of the module: its resource id (the template string, and the
// dialog of most views) with its document, frame and view classes.
using TemplateRow = appcore::ModuleTemplate;

// Every view of the module, in the order the module registers them. A view
// joins this list in the change that builds it.
const TemplateRow* Templates(size_t& count)
{
    static const TemplateRow rows[] = {
        // The application core's postings views.
        {IDR_STORNO, RUNTIME_CLASS(CStornoDoc), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CStornoView)},
        {IDR_DOC_PROV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CDocProvView)},
        {IDD_PROVODKI, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CProvodkiView)},
        {IDD_OPER_BY_HAND, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(COperByHandView)},
        // Budget obligations.
        {IDR_BUDG_ASEG, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CBudgAsegView)},
        {IDR_BUDG_OBYAZ, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CBudgObyazView)},
        {IDR_BUDG_RASSH, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CBudgRasshView)},
        {IDR_BUDG_ZAYAV, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CBudgZayavView)},
        {IDR_PRN_LBO_MES, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnLboMesView)},
        {IDR_PRN_LBO_MES_FAKT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnLboMesFaktView)},
        {IDR_PRN_LBO_ISP, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnLboIspView)},
        {IDR_PRN_LBO_KART, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnLboKartView)},
        {IDR_PRN_OST_DOGOVORA, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnOstDogovoraView)},
        {IDR_PRN_LBO_MES0, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnLboMes0View)},
        // Cash, bank and settlements.
        {IDR_AVANS_OTCH, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CAvansOtchView)},
        {IDR_DOV_POLUCH_CHECKA, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CDovPoluchCheckaView)},
        {IDR_CHECK_BOOK, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CCheckBookView)},
        {IDR_DOVERENNOST, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CDoverennostView)},
        {IDR_DOC_OBYAVL, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CDocObyavlView)},
        {IDR_KNIGA_POK, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CKnigaPokView)},
        {IDR_KNIGA_PROD, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CKnigaProdView)},
        {IDR_PRN_KNIGA_PROD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnKnigaProdView)},
        {IDR_PRN_KNIGA_POK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnKnigaPokView)},
        {IDR_BANK_POSTUP, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CBankPostupView)},
        {IDR_BANK_FINANS, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CBankFinansView)},
        {IDR_BANK_SPIS, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CBankSpisView)},
        {IDR_ROD_NUCH, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CRodNuchView)},
        {IDR_ROD_NUCH_OST, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CRodNuchOstView)},
        {IDR_ROD_POST, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CRodPostView)},
        {IDR_PRN_PKO, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CPrnPkoView)},
        {IDR_PRN_RKO, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CPrnRkoView)},
        {IDR_PRN_SCH_FAK, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CPrnSchFakView)},
        {IDR_PRN_SCH_FAK_VYD, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnSchFakVydView)},
        {IDR_SCH_FAK_POLUCH, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CSchFakPoluchView)},
        {IDR_PRN_SCH_FAK_POLUCH, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnSchFakPoluchView)},
        {IDR_PRN_KASSA_BOOK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnKassaBookView)},
        {IDR_PRN_KASSA_KO_3, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnKassaKO_3View)},
        // Ledger registers.
        {IDR_PRN_GLAVN_KNIGA, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnGlavnKnigaView)},
        {IDR_PRN_OSV, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrnOsvView)},
        {IDR_PRN_OBOROT_SCH, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnOborotSchView)},
        {IDR_PRN_AKT_SVERK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnAktSverkView)},
        {IDR_PRN_JRN_ZAB_SCH, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnJrnZabSchView)},
        {IDR_PRN_SVOD_PROVODKI, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnSvodProvodkiView)},
        // Materials and fixed assets.
        {IDR_MAT_PRIX, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CMatPrixView)},
        {IDR_MZ_NACH_OST, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CMatPrixView)},
        {IDR_MATERIALS_SPIS, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CMaterialsSpisView)},
        {IDR_MENU_TREB, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(CMenuTrebView)},
        {IDR_MAT_MOL_TO_MOL, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CMatMolToMolView)},
        {IDR_OS_MOL_TO_MOL, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(COsMolToMolView)},
        {IDR_OS_SPIS, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COsSpisView)},
        {IDR_PRN_OS_INVENT_KART, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnOsInventKartView)},
        {IDR_PRN_OS_OPIS_INV_KART, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnOsOpisInvKartView)},
        {IDR_MAT_INVENT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CMatInventView)},
        {IDR_MAT_KU, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CMatKuView)},
        // The waybill of fixed assets (607) and of materials (641), one view on dialog 607.
        {IDR_OS_NAKL, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COsNaklView)},
        {IDR_MZ_NAKL, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COsNaklView)},
        {IDR_OS_POKUP, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COsPokupView)},
        {IDR_PRN_DOG_MAT_OTV, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame),
         RUNTIME_CLASS(CPrnDogMatOtv)},
        {IDR_OS_IZNOS, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(COSIznosView)},
        {IDR_OS_INVENT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(COSInventView)},
        {IDR_OS_NACH_OST, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(COSNachOstView)},
        // Reports, reference books and documents without postings of the ledger core.
        {IDR_HLAM0, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CHlam0View)},
        {IDR_AKTUAL_DATE, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CAktualDateView)},
        {IDR_OFK, RUNTIME_CLASS(CconfigDocument), RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(COfkView)},
        {IDR_SPR_FILS, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSprFilsView)},
        {IDR_SPR_JRN_OPER, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CSprJrnOperView)},
        {IDR_SPR_NORM_PIT, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CSprNormPitView)},
        // Closings of the year.
        {IDR_ZAKLUCH, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CZakluchView)},
        {IDR_ZAKR_GODA, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CZakrGodaView)},
        {IDR_SMENA_KBK, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSmenaKBKView)},
        {IDR_SMENA_IF, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CSmenaIFView)},
        // Ledger registers.
        {IDR_PRN_JRN_KASSA, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrnJrnKassaView)},
        // Official reporting forms.
        {IDR_PRN_0503121, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503121View)},
        {IDR_PRN_0503125, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503125View)},
        {IDR_PRN_0503125_08, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrn0503125_08View)},
        {IDR_PRN_0503127, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503127View)},
        {IDR_PRN_0503129, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503129View)},
        {IDR_PRN_0503130_SB, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
         RUNTIME_CLASS(CPrn0503130_sbView)},
        {IDR_PRN_0503130, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503130View)},
        {IDR_PRN_0503160, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503160View)},
        {IDR_PRN_0503168, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503168View)},
        {IDR_PRN_0503169, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame), RUNTIME_CLASS(CPrn0503169View)},
    };
    count = std::size(rows);
    return rows;
}

} // namespace

CLedmark::~CLedmark() = default;

int CLedmark::Init()
{
    size_t count = 0;
    const TemplateRow* rows = Templates(count);
    return appcore::AddModuleTemplates(rows, count);
}

} // namespace nledmark
