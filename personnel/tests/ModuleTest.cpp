// The two staff modules as the application core meets them: they load by name
// from the program folder in the configuration's order and start, each
// registering its templates in order; both resource scripts parse with every
// template string the modules' views are opened by; and the position list,
// whose string the personnel module keeps, opens only once both are loaded.
#include "CModuleLoader.h"
#include "ConfigRecords.h"
#include "InteractionScript.h"
#include "appcore.h"

#include <QMdiArea>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Registered {
    UINT id;
    std::string document, frame, view;
    bool operator==(const Registered&) const = default;
};

std::vector<Registered> Templates(CWinApp& app)
{
    std::vector<Registered> rows;
    POSITION pos = app.GetFirstDocTemplatePosition();
    while (pos) {
        CDocTemplate* t = app.GetNextDocTemplate(pos);
        rows.push_back({t->GetResourceID(), t->m_pDocClass->m_lpszClassName, t->m_pFrameClass->m_lpszClassName,
                        t->m_pViewClass->m_lpszClassName});
    }
    return rows;
}

int LoadNamed(const char* name)
{
    CModuleRecord module;
    module.m_strName = name;
    return CModuleLoader::Load(module);
}

bool OpenNipList()
{
    return CHelpers::FN_OpenDocument("NipListView", "", -1, -1, -1, -1, "", nullptr, nullptr, "", nullptr, nullptr) != 0;
}

} // namespace

TEST(StaffModules, LoadInTheConfigurationsOrderWithTheirTemplatesStringsAndForms)
{
    ASSERT_TRUE(GetDataArchive()->LoadFile((std::string(std::getenv("VORNAL_BIN")) + "/vornal.cfa").c_str()));
    std::vector<std::string> order;
    for (const CModuleRecord& module : GetDataArchive()->GetModules())
        if (module.m_strName == "nVenzol" || module.m_strName == "nPersoClasses") {
            order.push_back(module.m_strName.ToStdString());
            EXPECT_FALSE(module.m_bOptional) << order.back();
        }
    ASSERT_EQ(order, (std::vector<std::string>{"nVenzol", "nPersoClasses"}));

    CWinApp app("Тест");
    auto* frame = new CMDIFrameWnd;
    ASSERT_TRUE(frame->LoadFrame(1, WS_OVERLAPPEDWINDOW));
    app.m_pMainWnd = frame;
    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));

    ASSERT_EQ(LoadNamed("nVenzol"), 1);
    EXPECT_EQ(Templates(app), (std::vector<Registered>{
                                  {493, "CderivedDocument", "CderivedFrame", "CSprDolView"},
                                  {303, "CNipListDoc", "CderivedFrame", "CNipListView"},
                                  {561, "CderivedDocument", "CderivedFrame", "CNipView"},
                                  {306, "CderivedDocument", "CderivedFrame", "CPrnVenzolView"},
                                  {571, "CderivedDocument", "CderivedFrame", "CPrnSvodVenzView"},
                              }));
    {
        afxtest::InteractionScript script;
        script.message("Форма «NipListView» не найдена в конфигурации", IDOK);
        EXPECT_FALSE(OpenNipList());
    }

    ASSERT_EQ(LoadNamed("nPersoClasses"), 1);
    EXPECT_EQ(Templates(app), (std::vector<Registered>{
                                  {493, "CderivedDocument", "CderivedFrame", "CSprDolView"},
                                  {303, "CNipListDoc", "CderivedFrame", "CNipListView"},
                                  {561, "CderivedDocument", "CderivedFrame", "CNipView"},
                                  {306, "CderivedDocument", "CderivedFrame", "CPrnVenzolView"},
                                  {571, "CderivedDocument", "CderivedFrame", "CPrnSvodVenzView"},
                                  {648, "CderivedDocument", "CderivedFrame", "CSprSubView"},
                                  {302, "CderivedDocument", "CderivedFrame", "CNipView"},
                                  {307, "CderivedDocument", "CderivedFrame", "CLichKartView"},
                                  {305, "CderivedDocument", "CderivedFrame", "CTrvDView"},
                                  {304, "CderivedDocument", "CderivedFrame", "CTrvFView"},
                                  {301, "CderivedDocument", "CderivedFrame", "CPrnTrvView"},
                              }));
    EXPECT_TRUE(OpenNipList());
    EXPECT_EQ(frame->GetMdiArea()->subWindowList().size(), 1);

    // Both resource scripts, as the loaded modules brought them.
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();
    struct Row {
        UINT id;
        const char* text;
    };
    const Row rows[] = {
        {306, "\nprn_venzol\nPrnNal\nPrnNal Files (*.prn)\n.prn\nPrnNalogKartView.Document\nPrnNal Document"},
        {493, "\nvenz_spr_dol\nNipVie\nNipVie Files (*.nip)\n.nip\nNipView.Document\nNipVie Document"},
        {561, "\nNipView_venz\nNipVie\nNipVie Files (*.nip)\n.nip\nNipView.Document\nNipVie Document"},
        {571, "\nprn_venzol_svod\nPrnNal\nPrnNal Files (*.prn)\n.prn\nPrnNalogKartView.Document\nPrnNal Document"},
        {648, "\nspr_sub\nLichKa\nLichKa Files (*.lic)\n.lic\nLichKartView.Document\nLichKa Document"},
        {302, "\nNipView\nNipVie\nNipVie Files (*.nip)\n.nip\nNipView.Document\nNipVie Document"},
        {307, "\nЛичная карточка\nLichKa\nLichKa Files (*.lic)\n.lic\nLichKartView.Document\nLichKa Document"},
        {305, "\nTrvDView\nTrvDVi\nTrvDVi Files (*.trv)\n.trv\nTrvDView.Document\nTrvDVi Document"},
        {304, "\nTrvFView\nTrvFVi\nTrvFVi Files (*.trv)\n.trv\nTrvFView.Document\nTrvFVi Document"},
        {301, "\nPrnTrvView\nPERSO\n\n\nPERSO.Document\nPERSO Document"},
        {303, "\nNipListView\nNipLis\nNipLis Files (*.nip)\n.nip\nNipListView.Document\nNipLis Document"},
    };
    for (const Row& row : rows) {
        CString text;
        EXPECT_TRUE(AfxLoadString(row.id, text)) << row.id;
        EXPECT_EQ(text, CString(row.text)) << row.id;
    }
    HINSTANCE dialogModule = nullptr;
    EXPECT_NE(AfxFindDialogTemplate(MAKEINTRESOURCE(303), nullptr, &dialogModule), nullptr);
    EXPECT_EQ(AfxModuleName(dialogModule), QString("nVenzol")) << "the list's form";
    EXPECT_EQ(AfxModuleName(AfxFindResourceHandle(MAKEINTRESOURCE(303), "STRING")), QString("nPersoClasses"));

    afxtest::closeProgramWindows(&app);
    CModuleLoader::SetFolder("");
}
