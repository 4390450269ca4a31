#include "CVR_MainFrame.h"

#include "SplashScreen.h"
#include "StartupChecks.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNCREATE(CVR_MainFrame, CderivedMainFrame)

BEGIN_MESSAGE_MAP(CVR_MainFrame, CderivedMainFrame)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_INITMENUPOPUP()
    ON_WM_INITMENU()
    ON_MESSAGE(WM_EXECUTE_PENDING_COMMAND, OnExecutePendingCommand)
    ON_NOTIFY_EX(TTN_GETDISPINFOA, 0, OnToolTipText)
END_MESSAGE_MAP()

namespace {

constexpr UINT kToolBar2Id = 1008;
// What the MDI client tells a window list when another child becomes active.
constexpr UINT kViewManagerMessage = 0x8003;
constexpr DWORD kToolBarStyle = 0x50402834;
constexpr DWORD kStatusBarStyle = 0x50008200;
const UINT kIndicators[] = {ID_SEPARATOR, 59136, 59136, 59136};

const CArmRecord* CurrentArm()
{
    return GetDataArchive()->GetArm(int(g_lARM));
}

// A workplace's icon: the program's own, else one of the pictures library,
// else one of the application core.
HICON WorkplaceIcon(int id)
{
    for (HINSTANCE module : {HINSTANCE(AFX_CALLER_MODULE), GethDLL_Pictures(), GetDLL_Appcore()})
        if (HICON icon = module ? LoadIcon(module, MAKEINTRESOURCE(id)) : nullptr)
            return icon;
    return nullptr;
}

} // namespace

CVR_MainFrame::CVR_MainFrame() = default;

CVR_MainFrame::~CVR_MainFrame()
{
    CVR_MenuItem::DeleteAll();
}

BOOL CVR_MainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.lpszName = m_strCaption;
    if (!CderivedMainFrame::PreCreateWindow(cs))
        return FALSE;
    cs.style = WS_MAXIMIZE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | FWS_ADDTOTITLE;
    // The window class carries the one-instance name of this server, workplace and user.
    static CString className;
    className = GetMyClassName();
    WNDCLASS wc = {};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = LoadIcon(AFX_CALLER_MODULE, MAKEINTRESOURCE(IDR_MAINFRAME));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = className;
    if (!className.IsEmpty() && !AfxRegisterClass(&wc))
        return FALSE;
    if (!className.IsEmpty())
        cs.lpszClass = className;
    return TRUE;
}

BOOL CVR_MainFrame::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    SetSplashText("Идет подготовка данных");
    if (!GetDataArchive()->IsLoaded() && !LoadConfigurationArchive())
        return FALSE;
    const CArmRecord* arm = CurrentArm();
    m_strCaption = arm ? arm->m_strCaption : CString();
    if (CWinApp* app = AfxGetApp()) {
        std::free(const_cast<char*>(app->m_pszAppName));
        app->m_pszAppName = strdup(m_strCaption);
    }
    if (!CderivedMainFrame::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    SetTitle(m_strCaption);
    SetWindowText(m_strCaption);
    if (arm && arm->m_nIcon > 0)
        if (HICON icon = WorkplaceIcon(arm->m_nIcon))
            SetIcon(icon, TRUE);
    if (!BuildMenuBar())
        return FALSE;
    return TRUE;
}

// The workplace's top-level items go before the resource menu's own items.
BOOL CVR_MainFrame::BuildMenuBar()
{
    CMenu* resourceMenu = GetMenu();
    if (!resourceMenu)
        return TRUE;
    m_menu.Attach(resourceMenu->Detach());
    const CArmRecord* arm = CurrentArm();
    UINT position = 0;
    for (const PlannedMenuItem& top : arm ? PlanMenuBar(*arm) : std::vector<PlannedMenuItem>()) {
        CVR_Menu* submenu = CVR_Menu::CreateSubmenu();
        if (!submenu || !FillMenu(submenu, top.items))
            return FALSE;
        CVR_MenuItem* record = CVR_MenuItem::Create(top.caption, kMenuBarItem);
        if (!m_menu.InsertMenu(position++, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->m_hMenu),
                               record))
            return FALSE;
    }
    SetMenu(&m_menu);
    m_hMenuDefault = m_menu.m_hMenu;
    return TRUE;
}

BOOL CVR_MainFrame::BuildSubmenu(CMenu* menu, short list)
{
    const CArmRecord* arm = CurrentArm();
    return arm ? FillMenu(menu, PlanSubmenu(*arm, list)) : FALSE;
}

BOOL CVR_MainFrame::FillMenu(CMenu* menu, const std::vector<PlannedMenuItem>& items)
{
    auto* target = static_cast<CVR_Menu*>(menu);
    for (const PlannedMenuItem& item : items) {
        CVR_MenuItem* record = CVR_MenuItem::Create(item.caption, item.kind);
        if (item.kind == kMenuSubmenu) {
            CVR_Menu* submenu = CVR_Menu::CreateSubmenu();
            if (!submenu)
                return FALSE;
            FillMenu(submenu, item.items);
            target->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(submenu->m_hMenu), record);
        } else if (item.kind == kMenuSeparator) {
            target->AppendMenu(MF_SEPARATOR, 0, record);
        } else {
            target->AppendMenu(MF_STRING, item.id, record);
            record->m_hBitmap = I_GetCommandHBitMap(item.command, 16, 16);
        }
    }
    return TRUE;
}

int CVR_MainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CderivedMainFrame::OnCreate(lpCreateStruct) == -1)
        return -1;
    ShowSplash(this);
    if (!CreateBars())
        return -1;
    const int height = GetSystemMetrics(SM_CYMAXIMIZED);
    m_wndStatusBar.SetPaneInfo(1, kIndicators[1], SBPS_NORMAL, height * 5 / 16);
    m_wndStatusBar.SetPaneInfo(2, kIndicators[2], SBPS_NORMAL, height * 6 / 16);
    m_wndStatusBar.SetPaneInfo(3, kIndicators[3], SBPS_NORMAL, height * 4 / 16);
    EnableDocking(CBRS_ALIGN_ANY);
    m_wndMDIClient.SubclassMDIClient(this, nullptr, kViewManagerMessage);
    m_strOrgName = GetConstant("ORG_NAME", 1);
    return 0;
}

BOOL CVR_MainFrame::CreateBars()
{
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    const CArmRecord* arm = CurrentArm();
    if (arm && !arm->GetToolbar(1).empty() &&
        (!m_wndToolBar2.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), kToolBar2Id) ||
         !m_wndToolBar2.LoadToolBar(IDR_MAINFRAME)))
        return FALSE;
    return m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) &&
           m_wndStatusBar.SetIndicators(kIndicators, 4);
}
