// The module as the application core meets it: it is a required module of the
// configuration, loads by name from the program folder, registers its views
// in the configuration's order in every workplace alike, and its resource
// script carries the template string of each of its eight views.
#include "CModuleLoader.h"
#include "CStovan.h"
#include "ConfigRecords.h"
#include "GuiDriver.h"
#include "appcore.h"
#include "res/resource.h"

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

// The views of the module in the order it registers them.
const std::vector<Registered> kViews = {
    {IDD_PRIXOD, "CderivedDocument", "CderivedFrame", "CPrixodView"},
    {IDD_RASHOD, "CderivedDocument", "CderivedFrame", "CRashodView"},
    {IDD_PRN_ORG, "CderivedDocument", "CderivedFrame", "CPrnOrgView"},
    {IDD_PRN_KSV, "CderivedDocument", "CderivedFrame", "CPrnKsvView"},
    {IDD_PRN_OR, "CderivedDocument", "CderivedFrame", "CPrnOrView"},
    {IDD_PRN_TREB, "CderivedDocument", "CderivedFrame", "CPrnTrebView"},
    {IDD_PRN_PRIX_RASX, "CderivedDocument", "CderivedFrame", "CPrnPrixRasxView"},
    {IDD_PRN_OK, "CderivedDocument", "CderivedFrame", "CPrnOkView"},
};

} // namespace

TEST(StockModule, LoadsAndRegistersItsViewsInEveryWorkplace)
{
    ASSERT_TRUE(GetDataArchive()->LoadFile((std::string(std::getenv("VORNAL_BIN")) + "/vornal.cfa").c_str()));
    bool listed = false;
    for (const CModuleRecord& module : GetDataArchive()->GetModules())
        if (module.m_strName == "nStovan_r") {
            listed = true;
            EXPECT_FALSE(module.m_bOptional);
        }
    EXPECT_TRUE(listed);

    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
    CModuleRecord module;
    module.m_strName = "nStovan_r";
    EXPECT_EQ(CModuleLoader::Load(module), 1);

    const LONG arm = g_lARM;
    for (const char* workplace : {"ПАЙМАР", "СТОВАН"}) {
        SCOPED_TRACE(workplace);
        for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i)
            if (GetDataArchive()->GetArm(i)->m_strId == workplace)
                g_lARM = i;
        ASSERT_EQ(I_GetArmId(), CString(workplace));
        CWinApp app("Тест");
        EXPECT_EQ(nstovan::CStovan::Init(), 1);
        EXPECT_EQ(Templates(app), kViews);
    }
    g_lARM = arm;
    CModuleLoader::SetFolder("");
}

TEST(StockModule, ResourceScriptCarriesEveryTemplateString)
{
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();
    struct Row {
        UINT id;
        const char* text;
    };
    const Row rows[] = {
        {IDD_PRIXOD, "\nStovan\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_RASHOD, "\nrashod\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_ORG, "\nprnorg\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_KSV, "\nprnksv\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_OR, "\nprnor\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_TREB, "\nprntreb\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_PRIX_RASX, "\nprnPrixRasx\nStovan\n\n\nStovan.Document\nStovan Document"},
        {IDD_PRN_OK, "\nprn_ok\nSprVie\nSprVie Files (*.spr)\n.spr\nSprView.Document\nSprVie Document"},
    };
    for (const Row& row : rows) {
        CString text;
        EXPECT_TRUE(AfxLoadString(row.id, text)) << row.id;
        EXPECT_EQ(text, CString(row.text)) << row.id;
    }
    EXPECT_EQ(AfxModuleName(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_PRN_OK), "STRING")), QString("nStovan_r"));
}
