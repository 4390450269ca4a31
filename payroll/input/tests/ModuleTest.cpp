// The payroll module's frame: what Init registers in which workplace, the
// template strings the views open by, the named call of the workplace's
// personal card (run after its script) and the list openers.
#include "CPaymar.h"
#include "CSelectPrdNvView.h"
#include "CBookListView.h"
#include "InteractionScript.h"
#include "ModuleCalls.h"
#include "PayrollProgram.h"
#include "PaymarTemplates.h"
#include "ndbcore.h"
#include "../res/resource.h"
#include "res/PayrollTestsResource.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <functional>
#include <algorithm>
#include <set>
#include <string>

namespace {

using paytest::PayrollProgram;

// Every template string of the module, in the order the module registers its
// views, and the two without a template.
const struct {
    UINT id;
    const char* name;
} kStrings[] = {
    {665, "lgoty_edit"}, {664, "lgoty"}, {650, "паймарРасчетГупВыплаты"}, {638, "exp_5_prov"},
    {579, "paymar_chas"}, {430, "PovrView"}, {433, "PovrView0"}, {434, "InvView"}, {429, "SprDolDetView"},
    {428, "KtyDetView"}, {427, "DoxodView"}, {425, "PrnFilialView"}, {424, "PrnSvedPovrView"},
    {423, "PrnSvedKsYetView"}, {422, "PrnSvedKsSt"}, {421, "PrnSvedSdView"}, {418, "PrnSvedKtyView"},
    {417, "SelectPrdNvView"}, {416, "PrnKSView"}, {415, "PrnIndView"}, {413, "PrnStrNakView"},
    {412, "Prn03000400View"}, {435, "PrnOtstegView"}, {411, "PrnSvPrdView"}, {410, "PrnSoshNalogView"},
    {409, "Prn5ProvView"}, {408, "PrnKBView"}, {407, "PrnRaschListView"}, {406, "PrnVseGodView"},
    {404, "PrnDoxGodView"}, {431, "PrnSredView"}, {403, "PrnDoxMesView"}, {586, "prn_zapiska_raschet"},
    {639, "prn_ndfl2"}, {644, "PrnDoxMesNarostView"}, {402, "PrnPodNalogView"}, {400, "PrnPlVedView"},
    {399, "PrnRaschVedView"}, {398, "PrnLapshaView"}, {397, "NochnyeView"}, {436, "KosSdDnView"},
    {394, "KtyView"}, {393, "SdYetView"}, {389, "OtpuskView"}, {391, "KosSdYetView"}, {390, "SredView"},
    {387, "ProchVipListView"}, {386, "ProchVipView"}, {385, "TrvView"}, {384, "BookListView"},
    {383, "DoplSpisView"}, {382, "BookView"}, {432, "DoplView"}, {377, "IspView"}, {376, "DetiVozView"},
    {375, "DetiView"}, {374, "SprDolView"}, {372, "Spr5prView"}, {371, "SprKalView"}, {368, "VbankView"},
    {367, "PrnNalogKartView"}, {366, "bol"}, {311, "TvxView"}, {369, "spr_otchis"},
    {405, "SelectYearView"}, {420, "SelectPrdKatView"},
};

CString DocumentName(UINT id)
{
    CString text;
    AfxLoadString(id, text);
    return CString(text.ToQString().section('\n', 1, 1));
}

// The document names of the open forms.
QStringList OpenForms(CWinApp* app)
{
    QStringList names;
    for (POSITION t = app->GetFirstDocTemplatePosition(); t;) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(t);
        CString name;
        docTemplate->GetDocString(name, CDocTemplate::docName);
        for (POSITION d = docTemplate->GetFirstDocPosition(); d; docTemplate->GetNextDoc(d))
            names << name.ToQString();
    }
    return names;
}

int TemplateCount(CWinApp* app)
{
    int count = 0;
    for (POSITION t = app->GetFirstDocTemplatePosition(); t; app->GetNextDocTemplate(t))
        ++count;
    return count;
}

class PaymarModule : public PayrollProgram {};

TEST_F(PaymarModule, RegistersItsViewsAndCallsInThePayrollWorkplaceOnly)
{
    const int rows = int(npaymar::ModuleTemplates().size());
    const struct {
        const char* workplace;
        bool payroll;
    } cases[] = {{"ПАЙМАР", true}, {"паймар", false}, {"Паймар", false}, {"ЛЕДМАРК", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.workplace);
        appcore::ClearModuleCalls();
        const int before = TemplateCount(app);
        EXPECT_EQ(npaymar::InitInWorkplace(c.workplace), 1);
        EXPECT_EQ(TemplateCount(app) - before, c.payroll ? rows : 0);
        EXPECT_EQ(appcore::HasModuleCall("CPaymar::OnKadryLk"), c.payroll);
    }
    // Init asks the workplace the user chose.
    appcore::ClearModuleCalls();
    const LONG payroll = g_lARM;
    for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i)
        if (GetDataArchive()->GetArm(i)->m_strId == "ЛЕДМАРК")
            g_lARM = i;
    const int before = TemplateCount(app);
    EXPECT_EQ(npaymar::CPaymar::Init(), 1);
    EXPECT_EQ(TemplateCount(app), before);
    EXPECT_FALSE(appcore::HasModuleCall("CPaymar::OnKadryLk"));
    g_lARM = payroll;
}

TEST_F(PaymarModule, TemplateStringsNameEveryViewOnceAndTheRowsOpenByName)
{
    std::set<std::string> names;
    for (const auto& s : kStrings) {
        CString text;
        EXPECT_TRUE(AfxLoadString(s.id, text)) << s.id;
        EXPECT_EQ(DocumentName(s.id), CString(s.name)) << s.id;
        EXPECT_TRUE(text.ToQString().startsWith('\n')) << s.id;
        EXPECT_TRUE(names.insert(s.name).second) << s.name;
    }
    EXPECT_EQ(names.size(), 66u);
    CString module;
    EXPECT_TRUE(AfxLoadString(IDS_PAYMAR, module));
    EXPECT_EQ(module, CString("Зарплата"));
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();

    // The rows keep the order of the strings, and each opens its view by its name.
    size_t next = 0;
    for (const appcore::ModuleTemplate& row : npaymar::ModuleTemplates()) {
        while (next < std::size(kStrings) && kStrings[next].id != row.id)
            ++next;
        ASSERT_LT(next, std::size(kStrings)) << row.id << " out of order";
        const char* name = kStrings[next].name;
        SCOPED_TRACE(name);
        EXPECT_EQ(CHelpers::FN_OpenDocument0(name, 0, nullptr), 1);
        CMDIChildWnd* child = frame->MDIGetActive();
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(child->GetActiveView()->IsKindOf(row.view));
        EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();
        child->SendMessage(WM_CLOSE);
        Settle();
    }
    EXPECT_TRUE(std::any_of(npaymar::ModuleTemplates().begin(), npaymar::ModuleTemplates().end(),
                            [](const appcore::ModuleTemplate& row) { return row.view == RUNTIME_CLASS(CSelectPrdNvView); }))
        << "the shared selection of department and pay sheet";
}

TEST_F(PaymarModule, ThePersonalCardOpensOnceTheCommandsScriptHasReturned)
{
    // A script of a form or a report: the card comes from the event loop.
    EXPECT_EQ(CHelpers::EXEC_Execute("app.call(\"CPaymar::OnKadryLk\")", nullptr), 1);
    EXPECT_EQ(ChildCount(), 0) << "not while the script runs";
    QCoreApplication::processEvents();
    Settle();
    EXPECT_EQ(OpenForms(app), QStringList({"Личная карточка"}));
    CHelpers::CloseAllOpenedWindows();
    Settle();

    // The workplace's command: the card is open when the command returns.
    EXPECT_EQ(CInterpriter::mcc_dll_execute_Command("Paymar.KadryLk"), 1);
    EXPECT_EQ(OpenForms(app), QStringList({"Личная карточка"}));
    CHelpers::CloseAllOpenedWindows();
    Settle();

    // A name no module registered is an error that names it; nothing is run.
    EXPECT_EQ(CHelpers::EXEC_Execute("app.call(\"CPaymar::OnNoSuchCall\")", nullptr), 0);
    ASSERT_EQ(scripts.errors.size(), 1u);
    EXPECT_NE(scripts.errors.front().find("CPaymar::OnNoSuchCall"), std::string::npos) << scripts.errors.front();
    scripts.errors.clear();
    Settle();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(PaymarModule, ListOpenersNameTheirFormsAndTellTheirCaller)
{
    auto* caller = OpenForm<paytest::CPayBareForm>();
    ASSERT_NE(caller, nullptr);

    npaymar::CPaymar::ShowBookList(caller, "3");
    auto* list = Active<npaymar::CBookListView>();
    ASSERT_NE(list, nullptr);
    CString title;
    list->GetParentFrame()->GetWindowText(title);
    EXPECT_EQ(title, CString("Список должностей в бухгалтерской книге работника Смирнова Елена Викторовна"));
    EXPECT_EQ(list->GetDocument()->m_strParam, CString("3"));
    EXPECT_EQ(list->GetDocument()->GetParentWnd(), caller);

    // The lists of the other payments and the worked days are forms of their
    // own issues: asked for here by their names, told the caller's window.
    struct Case {
        std::function<void()> open;
        const char* missing;  // the form asked for; null when nothing is opened
    };
    const Case cases[] = {
        {[&] { npaymar::CPaymar::ShowProchVip(caller); }, "ProchVipListView"},
        {[&] { npaymar::CPaymar::ShowDoplSpis(caller, 0); }, "СписокОтработаннымДням"},
        {[&] { npaymar::CPaymar::ShowDoplSpis(caller, 1); }, "СписокОтработаннымДням1"},
        {[&] { npaymar::CPaymar::ShowDoplSpis(caller, 2); }, nullptr},
        {[&] { npaymar::CPaymar::ShowDoplSpis(caller, UINT(-1)); }, nullptr},
    };
    for (const Case& c : cases) {
        afxtest::InteractionScript script;
        if (c.missing)
            script.message(QString("Форма «%1» не найдена в конфигурации").arg(c.missing), IDOK);
        c.open();
        script.verify();
    }
}

} // namespace
