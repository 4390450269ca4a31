#include "StatusTexts.h"

#include "ndbcore.h"

CString PeriodStatusText(int periodMode, long otpId, long month, long year)
{
    CString text;
    if (periodMode == 1)
        text.Format(" Отчетный период %s %d г.", GetOtpName(otpId), year);
    else if (periodMode == 0)
        text.Format(" Отчетный период %s %d г.", GetMonthName(month), year);
    return text;
}

CString PeriodDaysStatusText(const CString& first, const CString& last)
{
    CString text;
    text.Format(" Отчетный период с %s по %s", (LPCTSTR)first, (LPCTSTR)last);
    return text;
}
