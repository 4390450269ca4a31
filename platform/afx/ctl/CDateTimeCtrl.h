// CDateTimeCtrl: the date-time picker ("SysDateTimePick32"), a date edit with
// a calendar (DTS_UPDOWN: arrows). With DTS_SHOWNONE it has a check box and
// may be empty: GetTime answers GDT_NONE, and DDX gives an invalid
// COleDateTime. The user's change sends DTN_DATETIMECHANGE; the program's
// SetTime sends nothing.
#pragma once
#include "wnd/CWnd.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags;   // GDT_VALID or GDT_NONE
    SYSTEMTIME st;
};
typedef NMDATETIMECHANGE* LPNMDATETIMECHANGE;

class CDataExchange;

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    DWORD GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    // An invalid or null value empties a DTS_SHOWNONE picker (FALSE otherwise).
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(const COleDateTime* pTimeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew);
    // Windows' format letters (dd.MM.yyyy, HH:mm); NULL or "" the default.
    BOOL SetFormat(LPCTSTR pstrFormat);
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
};

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void AfxRegisterDateTimeClass();
