#include "RegisterPage.h"

#include "CheckBookPage.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

const char* const kRegisterCatchAllLabel = "CPrnJurnalBolView";
const char* const kPageBreakBefore = "page-break-before:always";
const char* const kCellBorder = "border-top:1pt solid;border-bottom:1pt solid;border-left:1pt solid;border-right:1pt solid";

void ReportRegisterException()
{
    AfxReportCurrentException(kRegisterCatchAllLabel);
}

CString RegisterSignatures(const CString& chief, const CString& executor, const COleDateTime& date)
{
    const char* const gap = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
    CString rows = FormatText("<tr><td height=35 valign=bottom>%sГлавный бухгалтер:%s%s%s_________________________%s"
                              "(Ф.И.О.)%s%s</td></tr>",
                              gap, gap, gap, gap, gap, gap, (LPCTSTR)HtmlText(chief));
    rows += FormatText("<tr><td height=35 valign=bottom>%s(Исполнитель) бухгалтер:%s_________________________%s"
                       "(Ф.И.О.)%s%s</td></tr>",
                       gap, gap, gap, gap, (LPCTSTR)HtmlText(executor));
    rows += FormatText("<tr><td valign=top align=right>%s<font size=1>Дата:%s %s</font></td></tr>", gap, gap,
                       (LPCTSTR)DMGtoStr(date));
    return rows;
}

CString RegisterSignatures()
{
    return RegisterSignatures(GetConstant("ORG_GL_BUH", 1), GetFioShort0(GetFio(utoa(g_lTN))),
                              COleDateTime::GetCurrentTime());
}

CString RegisterPeriodText(const COleDateTime& from, const COleDateTime& to)
{
    const COleDateTime first = qwDMG(GetDPV1(), 1), last = qwDMG(GetDPV2(), 1);
    if (from.GetStatus() == COleDateTime::valid && to.GetStatus() == COleDateTime::valid && DMGtoStr(from) == DMGtoStr(first) &&
        DMGtoStr(to) == DMGtoStr(last))
        return FormatText("%s %dг.", (LPCTSTR)GetOtpName(g_lOtpId), int(g_lYear));
    return "с " + DMGtoStr(from) + " по " + DMGtoStr(to);
}

CString RegisterSqlDate(const COleDateTime& date)
{
    return ChangeDateUS0(DMGtoStr(date), 0);
}

CString RegisterColumn(_RecordsetPtr& row, const char* name)
{
    const _variant_t value = row->GetCollect(name);
    return value.vt == VT_NULL || value.vt == VT_EMPTY ? CString() : SafeArayToString(value);
}

} // namespace nledmark
