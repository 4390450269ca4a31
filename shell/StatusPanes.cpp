#include "StatusPanes.h"

#include "PeriodKinds.h"
#include "StatusTexts.h"
#include "appcore.h"
#include "ndbcore.h"

namespace {

CStatusBar* MainStatusBar()
{
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    return frame ? dynamic_cast<CStatusBar*>(frame->GetControlBar(AFX_IDW_STATUS_BAR)) : nullptr;
}

void SetPane(int pane, const CString& text)
{
    if (CStatusBar* bar = MainStatusBar())
        bar->SetPaneText(pane, text);
}

int PeriodMode()
{
    const CArmRecord* arm = GetDataArchive()->GetArm(int(g_lARM));
    return arm ? arm->m_nPeriodMode : -1;
}

} // namespace

void ShowUserInStatusBar()
{
    CString tn;
    tn.Format("%d", g_lTN);
    SetPane(1, GetFio(tn));
    SetPane(2, GetConstant("ORG_NAME", 0));
}

void ShowPeriodInStatusBar()
{
    GetOtpTn(g_lTN, g_lYear, g_lMonth);
    CString sql;
    sql.Format("select otp_id as cnt from tn where tn=%d", g_lTN);
    g_lOtpId = long(ExecuteCount(sql));
    sql.Format("select dpv1 as str from tn where tn=%d", g_lTN);
    SetDPV1(ExecuteString(sql));
    sql.Format("select dpv2 as str from tn where tn=%d", g_lTN);
    SetDPV2(ExecuteString(sql));
    const int mode = PeriodMode();
    if (mode == 1 && GetDPV1().IsEmpty()) {
        // A user who never chose a period works in the one the pane names.
        SetDPV1(PeriodKindFirstDay(int(g_lOtpId), int(g_lYear)));
        SetDPV2(PeriodKindLastDay(int(g_lOtpId), int(g_lYear)));
    }
    if (mode == 1) {
        // The workplace's queries read the days: the pane names them, whatever
        // kind was stored (another workplace may have chosen a month since).
        int year = 0;
        const int kind = PeriodKindOfDays(GetDPV1(), GetDPV2(), &year);
        if (kind < 0) {
            SetPane(3, PeriodDaysStatusText(GetDPV1(), GetDPV2()));
            return;
        }
        g_lOtpId = kind;
        g_lYear = year;
    }
    SetPane(3, PeriodStatusText(mode, g_lOtpId, g_lMonth, g_lYear));
}

CString GetStatusPaneText(int pane)
{
    CStatusBar* bar = MainStatusBar();
    return bar ? bar->GetPaneText(pane) : CString();
}
