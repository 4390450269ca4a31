// Documents, templates, MDI child frames and form views: opening by
// template, the form's controls and data, titles, sizes, window commands
// and the deferred close.
#include "FrameTestKit.h"
#include "GuiDriver.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

using namespace frametest;

TEST(DocViewTest, OpeningATemplateMakesDocumentFrameAndFormView)
{
    Program p;
    TestDoc* doc = p.open();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_nNewCalls, 1);
    EXPECT_EQ(doc->GetDocTemplate(), p.pko);
    EXPECT_EQ(doc->GetTitle(), CString("Прих.орд.1")) << "the document name and a number";

    auto* view = dynamic_cast<PkoView*>(firstView(doc));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument(), doc);
    EXPECT_EQ(view->m_nInitialUpdates, 1);
    auto* child = dynamic_cast<ChildFrame*>(view->GetParentFrame());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->GetActiveView(), view);
    EXPECT_EQ(child->GetMDIFrame(), p.frame);
    EXPECT_EQ(p.frame->MDIGetActive(), child);
    EXPECT_EQ(p.frame->GetActiveFrame(), child);
    EXPECT_EQ(view->GetTopLevelFrame(), p.frame);

    CRect rc;
    child->GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), 700) << "PreCreateWindow's size is honoured";
    EXPECT_EQ(rc.Height(), 270);

    // The form's controls, of their classes, filled by DDX in OnInitialUpdate.
    EXPECT_NE(dynamic_cast<CEdit*>(view->GetDlgItem(IDC_NUMBER)), nullptr);
    EXPECT_NE(dynamic_cast<CComboBox*>(view->GetDlgItem(IDC_KIND)), nullptr);
    EXPECT_NE(view->GetDlgItem(IDC_GRID), nullptr) << "a custom control class appears as in dialogs";
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("17"));
    EXPECT_EQ(afxtest::text(view, IDC_KIND), QStringLiteral("Расход"));

    CString child_title, main_title;
    child->GetWindowText(child_title);
    p.frame->GetWindowText(main_title);
    EXPECT_EQ(child_title, CString("Прих.орд.1"));
    EXPECT_EQ(main_title, CString("Тестовая бухгалтерия - Прих.орд.1"));
}

TEST(DocViewTest, AMaximizedChildIsNamedOnceInTheProgramsCaption)
{
    Program p;
    auto* child = dynamic_cast<CMDIChildWnd*>(firstView(p.open())->GetParentFrame());
    ASSERT_NE(child, nullptr);
    CString title;
    child->MDIMaximize();
    afxtest::deliverPosted();
    ASSERT_TRUE(child->IsZoomed());
    p.frame->GetWindowText(title);
    EXPECT_EQ(title.ToQString().count(QStringLiteral("Прих.орд.1")), 1) << title.ToStdString();
    child->MDIRestore();
    afxtest::deliverPosted();
    p.frame->GetWindowText(title);
    EXPECT_EQ(title, CString("Тестовая бухгалтерия - Прих.орд.1"));
}

TEST(DocViewTest, TemplateStringFieldsAndAViewOnAnotherDialog)
{
    Program p;
    struct Case {
        CDocTemplate::DocStringIndex index;
        const char* expected;
    } cases[] = {
        { CDocTemplate::windowTitle, "" },       { CDocTemplate::docName, "Прих.орд." },
        { CDocTemplate::fileNewName, "PrnPko" }, { CDocTemplate::filterName, "PrnPko Files (*.prn)" },
        { CDocTemplate::filterExt, ".prn" },     { CDocTemplate::regFileTypeId, "PrnPkoView.Document" },
        { CDocTemplate::regFileTypeName, "PrnPko Document" },
    };
    for (const Case& c : cases) {
        CString s;
        EXPECT_TRUE(p.pko->GetDocString(s, c.index));
        EXPECT_EQ(s, CString(c.expected)) << c.index;
    }
    CString name;
    p.bank->GetDocString(name, CDocTemplate::docName);
    EXPECT_EQ(name, CString("Банк спис."));

    CDocument* doc = p.open(p.bank);
    auto* view = dynamic_cast<SharedView*>(firstView(doc));
    ASSERT_NE(view, nullptr);
    EXPECT_NE(view->GetDlgItem(IDC_NUMBER), nullptr) << "the view's own dialog 572, not the template id 576";
    EXPECT_EQ(view->GetTemplateName(), CString("572"));
}

TEST(DocViewTest, ClosingAChildDeletesViewAndDocumentAfterTheMessage)
{
    Program p;
    TestDoc* first = p.open();
    TestDoc* second = p.open();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->GetTitle(), CString("Прих.орд.2"));
    int docs = alive("doc"), views = alive("view"), children = alive("child");
    auto* secondFrame = firstView(second)->GetParentFrame();
    EXPECT_EQ(p.frame->MDIGetActive(), secondFrame);

    secondFrame->SendMessage(WM_CLOSE);
    // Still there until the handler that closed it has returned.
    EXPECT_EQ(alive("doc"), docs);
    EXPECT_EQ(alive("view"), views);
    EXPECT_EQ(second->GetTitle(), CString("Прих.орд.2"));
    EXPECT_FALSE(IsWindow(secondFrame->m_hWnd));
    POSITION pos = p.pko->GetFirstDocPosition();
    EXPECT_EQ(p.pko->GetNextDoc(pos), first) << "a closing document is no longer listed";
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(p.frame->MDIGetActive(), firstView(first)->GetParentFrame()) << "the other child is active";

    afxtest::flushDeletes();
    EXPECT_EQ(alive("doc"), docs - 1);
    EXPECT_EQ(alive("view"), views - 1);
    EXPECT_EQ(alive("child"), children - 1);
    EXPECT_EQ(p.frame->GetMdiArea()->subWindowList().size(), 1);
}

TEST(DocViewTest, ResizeParentToFitGrowsOrOnlyShrinks)
{
    Program p;
    auto* view = dynamic_cast<CScrollView*>(firstView(p.open()));
    ASSERT_NE(view, nullptr);
    CSize form = view->GetTotalSize();
    ASSERT_GT(form.cx, 300);

    CRect client;
    view->ResizeParentToFit(FALSE);
    afxtest::flushDeletes();
    view->GetClientRect(&client);
    EXPECT_EQ(client.Width(), form.cx);
    EXPECT_EQ(client.Height(), form.cy);

    CFrameWnd* frame = view->GetParentFrame();
    CRect before;
    frame->GetWindowRect(&before);
    frame->MoveWindow(0, 0, before.Width() + 200, before.Height() + 100);
    view->ResizeParentToFit(TRUE);
    view->GetClientRect(&client);
    EXPECT_EQ(client.Width(), form.cx) << "a larger frame shrinks to the form";

    frame->MoveWindow(0, 0, 250, 150);
    CRect small;
    frame->GetWindowRect(&small);
    view->ResizeParentToFit(TRUE);
    CRect after;
    frame->GetWindowRect(&after);
    EXPECT_EQ(after.Size(), small.Size()) << "a smaller frame is not grown";
}

TEST(DocViewTest, WindowCommandsSentToTheMdiClient)
{
    Program p;
    p.open();
    p.open();
    QMdiArea* area = p.frame->GetMdiArea();
    EXPECT_EQ(::SendMessage(p.frame->m_hWndMDIClient, WM_COMMAND, ID_WINDOW_TILE_VERT, 0), 1);
    QList<QMdiSubWindow*> subs = area->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(subs.size(), 2);
    EXPECT_EQ(subs[0]->y(), subs[1]->y()) << "side by side";
    EXPECT_EQ(subs[0]->height(), area->viewport()->height());
    EXPECT_EQ(::SendMessage(p.frame->m_hWndMDIClient, WM_COMMAND, ID_WINDOW_TILE_HORZ, 0), 1);
    EXPECT_EQ(subs[0]->x(), subs[1]->x()) << "one under the other";
    EXPECT_EQ(subs[0]->width(), area->viewport()->width());
    EXPECT_EQ(::SendMessage(p.frame->m_hWndMDIClient, WM_COMMAND, ID_APP_ABOUT, 0), 0) << "not a window command";

    CMDIChildWnd* active = p.frame->MDIGetActive();
    p.frame->MDINext();
    EXPECT_NE(p.frame->MDIGetActive(), active);
    p.frame->MDIActivate(active);
    EXPECT_EQ(p.frame->MDIGetActive(), active);
}
