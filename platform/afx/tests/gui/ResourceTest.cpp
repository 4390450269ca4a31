// The resource script: ids, strings, styles, menus and pictures as the
// deliverables write them, and the search across modules.
#include "afx.h"
#include "res/resource.h"
#include <QIcon>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(ResourceTest, TheTestScriptParsesWithoutErrors)
{
    EXPECT_EQ(AfxResourceErrors(), QStringList());
}

TEST(ResourceTest, StringsKeepQuotesLineBreaksAndCyrillic)
{
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_GREETING));
    EXPECT_EQ(s, CString("Добро пожаловать, \"%s\"!\nВыберите рабочее место."));
    ASSERT_TRUE(AfxLoadString(IDR_MAIN, s));
    EXPECT_EQ(s, CString("\nПрих.орд.\nPrnPko\nPrnPko Files (*.prn)\n.prn\nPrnPkoView.Document\nPrnPko Document"));
    EXPECT_FALSE(s.LoadString(9999));
}

TEST(ResourceTest, DialogTemplateCarriesStylesAndDefaults)
{
    const AfxDlgTemplate* t = AfxFindDialogTemplate(MAKEINTRESOURCE(IDD_OPTIONS), AFX_CALLER_MODULE);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, CString("Настройки"));
    EXPECT_EQ(t->fontFace, CString("MS Shell Dlg"));
    struct Case {
        int index;
        int id;
        const char* cls;
        DWORD mustHave;
        DWORD mustNotHave;
    } cases[] = {
        { 0, IDC_TITLE, "Static", SS_CENTER | SS_NOPREFIX | WS_GROUP | WS_VISIBLE | WS_CHILD, 0 },
        { 2, IDC_AMOUNT, "Edit", ES_RIGHT | WS_TABSTOP | WS_BORDER, 0 },
        { 5, IDC_RADIO_A, "Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0 },
        { 6, IDC_RADIO_B, "Button", BS_AUTORADIOBUTTON, WS_GROUP },
        { 8, IDC_LIST, "ListBox", LBS_SORT | LBS_NOTIFY | WS_VSCROLL, WS_BORDER },  // NOT removes a default
        { 9, -1, "Static", SS_BITMAP, 0 },
    };
    for (const Case& c : cases) {
        const AfxDlgItemTemplate& item = t->items.at(c.index);
        EXPECT_EQ(item.id, c.id) << c.index;
        EXPECT_EQ(item.className, CString(c.cls)) << c.index;
        EXPECT_EQ(item.style & c.mustHave, c.mustHave) << c.index;
        EXPECT_EQ(item.style & c.mustNotHave, 0u) << c.index;
    }
    EXPECT_EQ(t->items.at(9).text, CString("533")) << "a picture control names its bitmap by id";
}

// A written combo kind replaces the default simple kind instead of being ORed
// with it (CBS_DROPDOWN | CBS_SIMPLE would be a drop-down list).
TEST(ResourceTest, ComboBoxKeepsTheKindItsStyleNames)
{
    const AfxDlgTemplate* t = AfxFindDialogTemplate(MAKEINTRESOURCE(IDD_COMBOS), AFX_CALLER_MODULE);
    ASSERT_NE(t, nullptr);
    const DWORD kinds[] = { CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST, CBS_SIMPLE };
    ASSERT_EQ(t->items.size(), std::size(kinds));
    for (size_t i = 0; i < std::size(kinds); ++i)
        EXPECT_EQ(t->items[i].style & 3u, kinds[i]) << i;
    EXPECT_TRUE(t->items[1].style & CBS_SORT);
    EXPECT_TRUE(t->items[0].style & WS_TABSTOP) << "the default style stays when none is written";
}

TEST(ResourceTest, MenuAndPicture)
{
    const AfxMenuTemplate* m = AfxFindMenuTemplate(MAKEINTRESOURCE(IDR_MAIN), nullptr);
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->items.size(), 1u);
    const AfxMenuTemplateItem& file = m->items[0];
    EXPECT_EQ(file.text, CString("&Файл"));
    ASSERT_EQ(file.items.size(), 3u);
    EXPECT_EQ(file.items[0].text, CString("&Настройки...\tF7"));
    EXPECT_EQ(file.items[0].id, (UINT)ID_SETTINGS);
    EXPECT_TRUE(file.items[1].flags & MF_SEPARATOR);
    EXPECT_EQ(file.items[2].id, (UINT)ID_APP_EXIT);
    EXPECT_TRUE(file.items[2].flags & MF_GRAYED);
    QPixmap mark = AfxLoadPicture(MAKEINTRESOURCE(IDB_MARK), nullptr);
    EXPECT_EQ(mark.size(), QSize(16, 16));
}

TEST(ResourceTest, AnIconOfTheResourcesBecomesTheWindowsIcon)
{
    HICON icon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDB_MARK));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(4711)), nullptr);
    CWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 50, 50), nullptr, 0));
    w.SendMessage(WM_SETICON, ICON_BIG, (LPARAM)icon);
    EXPECT_EQ((HICON)w.SendMessage(WM_GETICON, ICON_BIG, 0), icon);
    EXPECT_FALSE(w.GetQWidget()->windowIcon().isNull());
    DestroyIcon(icon);
}

// Two more "modules" registered by hand: the caller's own module is searched
// first, then every module in load order.
const char tagA = 0;
const char tagB = 0;
const char scriptA[] = "STRINGTABLE BEGIN 303 \"из модуля А\" 304 \"только в А\" END\n"
                       "500 DIALOG 0,0,10,10 CAPTION \"А\" BEGIN END\n";
const char scriptB[] = "STRINGTABLE BEGIN 303 \"из модуля Б\" END\n"
                       "500 DIALOG 0,0,10,10 CAPTION \"Б\" BEGIN END\n"
                       "501 DIALOG 0,0,10,10\nSTYLE WS_POPUP | UNKNOWN_STYLE\nBEGIN END\n";
const AfxEmbeddedFile filesA[] = { { "a.rc", reinterpret_cast<const unsigned char*>(scriptA), sizeof scriptA - 1 } };
const AfxEmbeddedFile filesB[] = { { "b.rc", reinterpret_cast<const unsigned char*>(scriptB), sizeof scriptB - 1 } };

TEST(ResourceTest, LookupSearchesTheCallersModuleFirstThenAllInLoadOrder)
{
    AfxRegisterResources("nModA", &tagA, filesA, 1);
    AfxRegisterResources("nModB", &tagB, filesB, 1);
    HINSTANCE a = AfxModuleOfTag(&tagA);
    HINSTANCE b = AfxModuleOfTag(&tagB);
    CString s;
    ASSERT_TRUE(AfxLoadString(303, s, b));
    EXPECT_EQ(s, CString("из модуля Б"));
    ASSERT_TRUE(AfxLoadString(303, s, a));
    EXPECT_EQ(s, CString("из модуля А"));
    ASSERT_TRUE(AfxLoadString(304, s, b)) << "a string of another module is found too";
    EXPECT_EQ(s, CString("только в А"));
    HINSTANCE found = nullptr;
    const AfxDlgTemplate* t = AfxFindDialogTemplate(MAKEINTRESOURCE(500), b, &found);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->caption, CString("Б"));
    EXPECT_EQ(found, b);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(304), "STRING"), a);

    QStringList errors = AfxResourceErrors();
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("nModB: b.rc:4:"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("UNKNOWN_STYLE")));
    AfxUnregisterResources(&tagA);
    AfxUnregisterResources(&tagB);
    EXPECT_TRUE(AfxResourceErrors().isEmpty());
}

// A template whose string lies in a module loaded after the template was
// made: its document name is unknown until that module is there, then found.
const char tagLate = 0;
const char scriptLate[] = "STRINGTABLE BEGIN 9303 \"\\nПоздняя\\nPz\\n\\n\\nPz.Document\\nPz Document\" END\n";
const AfxEmbeddedFile filesLate[] = {
    { "late.rc", reinterpret_cast<const unsigned char*>(scriptLate), sizeof scriptLate - 1 } };

TEST(ResourceTest, ATemplateFindsItsStringOnceTheModuleHoldingItIsLoaded)
{
    CMultiDocTemplate t(9303, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CView));
    CString name;
    EXPECT_FALSE(t.GetDocString(name, CDocTemplate::docName));
    EXPECT_TRUE(name.IsEmpty());
    AfxRegisterResources("nModLate", &tagLate, filesLate, 1);
    EXPECT_TRUE(t.GetDocString(name, CDocTemplate::docName));
    EXPECT_EQ(name, CString("Поздняя"));
    AfxUnregisterResources(&tagLate);
}

} // namespace
