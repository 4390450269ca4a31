// Every form of every workplace's menu, opened as the bookkeeper opens it: it
// opens without a database error, under a caption of its own (never the
// template's document name with a number), asking nothing. What a form
// would ask is cancelled and named in the failure.
#include "CVR_MainFrame.h"
#include "CVR_MenuItem.h"
#include "InteractionScript.h"
#include "ShellProgram.h"
#include "ShellTestKit.h"
#include "appcore.h"

#include <gtest/gtest.h>

namespace {

using shelltest::ShellProgram;

// Takes every modal step by closing it, and remembers what was shown.
class CancelEverything : public AfxModalDriver {
public:
    CancelEverything() : m_previous(AfxGetModalDriver()) { AfxSetModalDriver(this); }
    ~CancelEverything() override { AfxSetModalDriver(m_previous); }
    void run(AfxModalRequest& req) override
    {
        shown << (req.kind == AfxModalKind::Message ? req.text : req.caption + " " + req.templateName + req.chooser)
                     .ToQString();
    }
    void leftOpen(AfxModalRequest&) override {}
    QStringList shown;

private:
    AfxModalDriver* m_previous;
};

struct MenuCommand {
    UINT id;
    QString caption;
};

void Collect(CMenu* menu, const QString& path, std::vector<MenuCommand>& out)
{
    for (int i = 0; i < int(menu->GetMenuItemCount()); ++i) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        menu->GetMenuItemInfo(UINT(i), &info, TRUE);
        const auto* record = reinterpret_cast<const CVR_MenuItem*>(info.dwItemData);
        const QString caption = path + "/" + (record ? record->m_strCaption.ToQString() : QString());
        if (CMenu* sub = menu->GetSubMenu(i))
            Collect(sub, caption, out);
        // The program's own commands (about, period, settings, windows) lie below
        // the documents' and forms' commands of the configuration.
        else if (UINT id = menu->GetMenuItemID(i); id >= 20100 && id != UINT(-1))
            out.push_back({id, caption});
    }
}

// The default title a template gives a new document: its document name and a number.
bool IsNumberedDocumentName(CDocument* document, const QString& title)
{
    CString name;
    if (!document || !document->GetDocTemplate() ||
        !document->GetDocTemplate()->GetDocString(name, CDocTemplate::docName) || name.IsEmpty())
        return false;
    const QString n = name.ToQString();
    if (!title.startsWith(n) || title.size() == n.size())
        return false;
    for (int i = n.size(); i < title.size(); ++i)
        if (!title[i].isDigit())
            return false;
    return true;
}

// A form opens at a size that shows it whole, unless it is larger than the
// work area (then its frame takes the whole area).
void ExpectWholeFormShown(CMDIFrameWnd* frame, CMDIChildWnd* child)
{
    auto* view = dynamic_cast<CScrollView*>(child->GetActiveView());
    if (!view || child->IsZoomed())
        return;
    const CSize form = view->GetTotalSize();
    CRect client, outer, area;
    child->GetClientRect(&client);
    child->GetWindowRect(&outer);
    CWnd::FromHandle(frame->m_hWndMDIClient)->GetClientRect(&area);
    EXPECT_TRUE(client.Width() >= form.cx || outer.Width() >= area.Width())
        << "form " << form.cx << " wide in a frame of " << client.Width();
    EXPECT_TRUE(client.Height() >= form.cy || outer.Height() >= area.Height())
        << "form " << form.cy << " high in a frame of " << client.Height();
}

constexpr UINT kCloseAll = 20007;

class MenuWalkTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(ShellProgram::Prepare()); }
    ShellProgram program;
};

TEST_P(MenuWalkTest, EveryFormOpensUnderItsOwnCaption)
{
    {
        afxtest::InteractionScript none;
        ASSERT_TRUE(program.Start(ShellProgram::LoginArguments("1", "123", GetDataArchive()->FindArm(GetParam()))));
    }
    CVR_MainFrame* frame = program.Frame();
    ASSERT_NE(frame, nullptr);
    afxtest::showActive(frame);
    std::vector<MenuCommand> commands;
    Collect(&frame->GetMenuBar(), QString(), commands);
    for (const MenuCommand& command : commands) {
        SCOPED_TRACE(command.caption.toStdString());
        {
            CancelEverything modal;
            frame->SendMessage(WM_COMMAND, command.id);
            afxtest::deliverPosted();
            // The monthly accrual run shows its window by design; the walk cancels it.
            if (command.caption == QStringLiteral("/&Расчет/Расчет оплат и удержаний"))
                EXPECT_TRUE(!modal.shown.isEmpty() && modal.shown.front() == QStringLiteral("Расчет оплат и удержаний 395"))
                    << modal.shown.join(" // ").toStdString();
            else
                EXPECT_TRUE(modal.shown.isEmpty()) << "shown on opening: " << modal.shown.join(" // ").toStdString();
        }
        if (CMDIChildWnd* child = frame->MDIGetActive()) {
            CString title;
            child->GetWindowText(title);
            EXPECT_FALSE(IsNumberedDocumentName(child->GetActiveDocument(), title.ToQString()))
                << "caption " << title.ToQString().toStdString();
            ExpectWholeFormShown(frame, child);
        }
        CancelEverything modal;
        frame->SendMessage(WM_COMMAND, kCloseAll);
        afxtest::deliverPosted();
        afxtest::flushDeletes();
        EXPECT_EQ(frame->MDIGetActive(), nullptr) << "left open";
    }
}

INSTANTIATE_TEST_SUITE_P(Workplaces, MenuWalkTest,
                         ::testing::Values("ЛЕДМАРК", "ПАЙМАР", "ПЕРСО", "ВЕНЗОЛ", "СТОВАН"));

} // namespace
