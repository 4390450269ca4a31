// The module as the application core meets it: it loads by name from the
// program folder and starts, and its resource script parses, with a template
// string for every view the module registers and the forms of the ledger core.
#include "CLedmark.h"
#include "CModuleLoader.h"
#include "ConfigRecords.h"
#include "afx.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

TEST(LedgerModule, LoadsAndStartsAsTheCoreDoes)
{
    CModuleLoader::SetFolder(std::getenv("VORNAL_BIN"));
    CModuleRecord module;
    module.m_strName = "nLedmark";
    EXPECT_EQ(CModuleLoader::Load(module), 1);
    EXPECT_EQ(nledmark::CLedmark::Init(), 1);
}

TEST(LedgerModule, ResourceScriptParsesWithEveryDocumentNameOnce)
{
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();

    const UINT ids[] = {661, 659, 658, 656, 655, 653, 652, 651, 649, 647, 646, 645, 643, 635, 634, 629, 626, 628,
                        607, 641, 606, 605, 604, 603, 602, 600, 570, 601, 599, 598, 596, 595, 594, 591, 585, 583,
                        495, 576, 577, 642, 578, 582, 581, 574, 575, 573, 631, 630, 662, 568, 572, 569, 567, 438,
                        494, 441, 464, 500, 566, 565, 501, 448, 449, 440, 564, 640, 563, 392, 373, 560, 509, 522,
                        521, 520, 519, 510, 503, 504, 516, 587, 502, 514, 511, 517, 506, 507, 508, 482};
    std::set<QString> names;
    for (UINT id : ids) {
        CString text;
        ASSERT_TRUE(AfxLoadString(id, text)) << id;
        const QStringList fields = text.ToQString().split('\n');
        ASSERT_EQ(fields.size(), 7) << id;
        EXPECT_TRUE(fields[0].isEmpty()) << id;
        EXPECT_FALSE(fields[1].isEmpty()) << id;
        names.insert(fields[1]);
    }
    EXPECT_EQ(names.size(), std::size(ids));
    CString manual;
    AfxLoadString(IDD_OPER_BY_HAND, manual);
    EXPECT_EQ(manual.ToQString().section('\n', 1, 1), QString::fromUtf8("<вручную>"));
}

TEST(LedgerModule, FormsCarryTheirControls)
{
    struct Form {
        UINT id;
        std::vector<int> controls;
    };
    const Form forms[] = {
        {IDD_OPER_BY_HAND, {IDC_FIL, IDC_DATE, IDC_DOC_NAME, IDC_NUMBER, IDC_SUM, IDC_LINES, IDOK, ID_DELETE_LINE,
                            ID_BUH_SPRAVKA, IDCANCEL}},
        {IDD_PROVODKI, {IDC_PROVODKI, IDC_OPEN_DOC, ID_REFRESH, IDC_DEB_LABEL, IDC_DEB_FILTER, IDC_KRED_LABEL,
                        IDC_KRED_FILTER, IDC_DATE_AFTER_LABEL, IDC_DATE_AFTER}},
    };
    for (const Form& form : forms) {
        const AfxDlgTemplate* dialog = AfxFindDialogTemplate(MAKEINTRESOURCE(form.id), nullptr);
        ASSERT_NE(dialog, nullptr) << form.id;
        std::set<int> present;
        for (const AfxDlgItemTemplate& item : dialog->items)
            present.insert(item.id);
        for (int id : form.controls)
            EXPECT_TRUE(present.count(id)) << form.id << ": " << id;
    }
}
