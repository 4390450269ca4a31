#include "GridDates.h"

CString DMGtoStr(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return CString();
    return date.Format("%d.%m.%Y");
}

CString GetLocalDate(int year, int month, int day)
{
    COleDateTime date;
    if (date.SetDate(year, month, day) != 0)
        return CString();
    return DMGtoStr(date);
}
