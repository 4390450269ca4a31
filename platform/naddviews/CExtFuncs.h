// CExtFuncs: the choosers the modules open on their forms. Each shows a list
// (through the interaction point) and answers into a control of the parent,
// whose change notification then runs, or as a private message to the parent
// with the answer in both wParam and lParam: an integer key, or a text
// (const char*, valid while the handler runs) where each chooser says so.
// Cancelling leaves the caller's control as it was and sends nothing. Each
// answers IDOK when something was chosen, else IDCANCEL.
#pragma once

#include "afx.h"

class CExtFuncs {
public:
    CExtFuncs() = default;
    CExtFuncs(const CExtFuncs&) = default;
    CExtFuncs& operator=(const CExtFuncs&) = default;
    virtual ~CExtFuncs();

    // The employee chooser: every employee with position and dismissal date,
    // or the rows of `sql` (columns tn, fio, name, du where the query has
    // them; "" acts as none). The personnel
    // number goes into ctrlId, or with ctrlId -1/0 comes as `msg` (an integer;
    // with `multi` non-zero several numbers joined by "," as a text). The
    // fourth and seventh arguments are not read. A null parent only shows the list.
    static int OnTNcmd(CWnd* parent, int ctrlId, const char* sql, const char* unused, UINT msg, int multi,
                       int unused2);

    // The chart-of-accounts chooser over the accounts that may be posted.
    // `side` 1 offers the KOSGU codes of the debit side, 2 of the credit side,
    // 0 all. `accounts` limits the list to a comma-separated list of accounts
    // or prefixes ("020800000", "220503,220510"): a source digit 0 stands for
    // every source, an analytic "00" or KOSGU "000" (or none) for the whole
    // level. `other` (the other side's account) is only shown. The account
    // text goes into ctrlId or comes as `msg` (a text).
    static int OnSprPlanSch0(CWnd* parent, int ctrlId, int msg, const char* current, int side, const char* other,
                             const char* accounts);

    // A reference book (as CHelpers::GetInSpr names it and reads `filter`)
    // answered by `msg` to the window: as a text when asText is 1, else as
    // the integer key. The third, fourth and sixth arguments are not read.
    static int ShowSpr(const char* table, CWnd* wnd, int unused1, int unused2, const char* filter,
                       const char* unused3, UINT msg, int asText);
    static int ShowSpr(const char* table, HWND wnd, int unused1, int unused2, const char* filter,
                       const char* unused3, UINT msg, int asText);

    // The payment orders of `sql`; the chosen order's key (column npp) comes
    // as `msg` (an integer), or without a message goes into ctrlId.
    static int ShowPrnPlporSpis(const char* sql, CWnd* parent, UINT msg, const char* current, int ctrlId);

    // The issued invoices (table paymar_sch_fak), optionally limited by a
    // "where ..." filter or opened on a search fragment; the chosen record
    // number (real_id) goes into ctrlId.
    static int ShowPrnSchFakList(const char* current, CWnd* parent, int ctrlId, const char* filter);
};
