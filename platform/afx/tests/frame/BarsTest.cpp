// Toolbars (from the resources, and rebuilt with the raw toolbar messages
// and the image-list calls as the shell does), their tool tips, idle update
// and commands; the status bar's panes.
#include "FrameTestKit.h"
#include "GuiDriver.h"
#include <QApplication>
#include <QHelpEvent>
#include <QMap>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

class BarFrame : public MainFrame {
public:
    CToolBar m_wndToolBar;
    CToolBar m_wndToolBar2;
    CStatusBar m_wndStatusBar;
    QMap<UINT, QString> tips;  // the configuration's tool tips
    bool bankEnabled = true;

    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (MainFrame::OnCreate(lpcs) == -1)
            return -1;
        if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, 0x50402834, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR)
            || !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
            return -1;
        if (!m_wndToolBar2.CreateEx(this, TBSTYLE_FLAT, 0x50402834, CRect(0, 0, 0, 0), 1008))
            return -1;
        static const UINT indicators[] = { ID_SEPARATOR, ID_INDICATOR_EXT, ID_INDICATOR_EXT, ID_INDICATOR_EXT };
        if (!m_wndStatusBar.Create(this, 0x50008200, AFX_IDW_STATUS_BAR) || !m_wndStatusBar.SetIndicators(indicators, 4))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        return 0;
    }
    afx_msg BOOL OnToolTip(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        if ((info->uFlags & TTF_IDISHWND) || !tips.contains((UINT)pNMHDR->idFrom))
            return FALSE;
        QByteArray text = tips.value((UINT)pNMHDR->idFrom).toUtf8().left(79);
        std::memcpy(info->szText, text.constData(), text.size() + 1);
        *pResult = 0;
        return TRUE;
    }
    afx_msg void OnUpdateBank(CCmdUI* pCmdUI) { pCmdUI->Enable(bankEnabled); }
    afx_msg void OnJournal() { log() << "frame:journal"; }
    afx_msg void OnBank() { log() << "frame:bank"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarFrame, MainFrame)
    ON_WM_CREATE()
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnToolTip)
    ON_UPDATE_COMMAND_UI(ID_BANK, OnUpdateBank)
    ON_COMMAND(ID_JOURNAL, OnJournal)
    ON_COMMAND(ID_BANK, OnBank)
END_MESSAGE_MAP()

using BarProgram = FrameProgram<BarFrame>;

QToolButton* buttonOf(CToolBar& bar, int index)
{
    auto* tb = dynamic_cast<QToolBar*>(bar.GetQWidget());
    QList<QAction*> actions = tb ? tb->actions() : QList<QAction*>();
    return index < actions.size() ? qobject_cast<QToolButton*>(tb->widgetForAction(actions[index])) : nullptr;
}

QString shownTip(QToolButton* button)
{
    // The tip of the button before is put away at once (hideText waits).
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel"))
            w->hide();
    }
    QPoint at(4, 4);
    QHelpEvent e(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

} // namespace

TEST(BarsTest, AToolbarFromTheResourcesWithItsTipsAndUpdateHandlers)
{
    BarProgram p;
    CToolBar& bar = p.frame->m_wndToolBar;
    EXPECT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.CommandToIndex(ID_CASH), 3);
    EXPECT_EQ(bar.GetItemID(2), 0u) << "a separator";
    CImageList* images = bar.GetToolBarCtrl().GetImageList();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->GetImageCount(), 3);
    QImage first = AfxImageListPicture(images->m_hImageList, 0).toImage();
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0) << "the grey of the strip is transparent";
    EXPECT_EQ(QColor(first.pixel(6, 6)), QColor(200, 0, 0));

    p.frame->tips[ID_BANK] = QStringLiteral("Банк из конфигурации");
    EXPECT_EQ(shownTip(buttonOf(bar, 0)), QStringLiteral("Журнал проводок")) << "the command's string";
    EXPECT_EQ(shownTip(buttonOf(bar, 1)), QStringLiteral("Банк из конфигурации")) << "the frame's answer first";
    EXPECT_EQ(shownTip(buttonOf(bar, 3)), QString()) << "no text, no tip";

    p.frame->bankEnabled = false;
    p.app.OnIdle(0);
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_BANK));
    EXPECT_FALSE(bar.GetToolBarCtrl().IsButtonEnabled(ID_CASH)) << "no handler: disabled";
    EXPECT_TRUE(bar.GetToolBarCtrl().IsButtonEnabled(ID_JOURNAL));
    log().clear();
    buttonOf(bar, 0)->click();
    buttonOf(bar, 1)->click();
    EXPECT_EQ(log(), QStringList { "frame:journal" });
}

TEST(BarsTest, ASecondToolbarRebuiltWithToolbarMessagesAndImageLists)
{
    BarProgram p;
    CToolBar& bar = p.frame->m_wndToolBar2;
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();
    CImageList list;
    ASSERT_TRUE(list.Create(16, 15, ILC_COLOR32 | ILC_MASK, 0, 4));
    ctrl.SetImageList(&list);
    HIMAGELIST himl = reinterpret_cast<HIMAGELIST>(::SendMessage(bar.m_hWnd, TB_GETIMAGELIST, 0, 0));
    EXPECT_EQ(himl, list.m_hImageList);

    for (int round = 0; round < 2; ++round) {
        // Everything out, then the buttons of the list one by one.
        while (ImageList_GetImageCount(himl) > 0)
            ImageList_Remove(himl, 0);
        while (::SendMessage(bar.m_hWnd, TB_BUTTONCOUNT, 0, 0) > 0)
            ::SendMessage(bar.m_hWnd, TB_DELETEBUTTON, 0, 0);
        CBitmap picture;
        ASSERT_TRUE(picture.LoadBitmap(IDB_PICTURE));
        int image = ImageList_AddMasked(himl, picture, RGB(192, 192, 192));
        EXPECT_EQ(image, 0);
        TBBUTTON buttons[3] = {};
        buttons[0] = TBBUTTON { image, ID_JOURNAL, 0, TBSTYLE_BUTTON, {}, 0, 0 };
        buttons[1] = TBBUTTON { 0, 0, 0, TBSTYLE_SEP, {}, 0, 0 };
        buttons[2] = TBBUTTON { -1, ID_BANK, 0, TBSTYLE_BUTTON, {}, 0, 0 };
        for (TBBUTTON& b : buttons)
            ::SendMessage(bar.m_hWnd, TB_ADDBUTTONS, 1, (LPARAM)&b);
    }
    EXPECT_EQ(ctrl.GetButtonCount(), 3);
    EXPECT_EQ(ImageList_GetImageCount(himl), 1);
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_JOURNAL)) << "state 0 until the idle update";
    p.app.OnIdle(0);
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_JOURNAL));
    QIcon icon = buttonOf(bar, 0)->icon();
    EXPECT_FALSE(icon.isNull());
    p.frame->tips[ID_JOURNAL] = QStringLiteral("Журнал из конфигурации");
    EXPECT_EQ(shownTip(buttonOf(bar, 0)), QStringLiteral("Журнал из конфигурации"));
}

TEST(BarsTest, StatusPanesWithWidthsAndTexts)
{
    BarProgram p;
    CStatusBar& bar = p.frame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(bar.CommandToIndex(ID_INDICATOR_EXT), 1);
    int screen = GetSystemMetrics(SM_CXSCREEN);
    int widths[] = { 0, screen * 5 / 16, screen * 6 / 16, screen * 4 / 16 };
    for (int i = 1; i < 4; ++i)
        bar.SetPaneInfo(i, ID_INDICATOR_EXT, SBPS_NORMAL, widths[i] / 4);
    bar.SetPaneText(1, "Иванов И.И.");
    bar.SetPaneText(2, "Учреждение");
    bar.SetPaneText(3, " Отчетный период январь 2024 г.");
    p.app.OnIdle(0);
    EXPECT_EQ(bar.GetPaneText(1), CString("Иванов И.И.")) << "a pane without a handler keeps its text";
    EXPECT_EQ(bar.GetPaneText(3), CString(" Отчетный период январь 2024 г."));
    UINT id = 0, style = 0;
    int width = 0;
    bar.GetPaneInfo(2, id, style, width);
    EXPECT_EQ(width, widths[2] / 4);
    p.frame->SetMessageText("Готово");
    EXPECT_EQ(bar.GetPaneText(0), CString("Готово"));
    CRect r1, r2;
    bar.GetItemRect(1, &r1);
    bar.GetItemRect(2, &r2);
    EXPECT_LT(r1.left, r2.left);
    EXPECT_GE(r2.Width(), widths[2] / 4);

    // A pane narrower than its text grows to show it whole; GetPaneInfo keeps
    // the width the program gave.
    bar.SetPaneInfo(3, ID_INDICATOR_EXT, SBPS_NORMAL, 20);
    bar.SetPaneText(3, " Отчетный период с 01.01.2024 по 31.12.2024");
    QCoreApplication::processEvents();
    CRect r3;
    bar.GetItemRect(3, &r3);
    CDC* dc = bar.GetDC();
    const int textWidth = dc->GetTextExtent(CString(" Отчетный период с 01.01.2024 по 31.12.2024")).cx;
    bar.ReleaseDC(dc);
    EXPECT_GE(r3.Width(), textWidth) << "the period's pane shows its whole text";
    bar.GetPaneInfo(3, id, style, width);
    EXPECT_EQ(width, 20);
}
