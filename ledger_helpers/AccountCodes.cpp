#include "AccountCodes.h"
#include <cstdlib>

CString GL_GetReadableSchet(const char* s)
{
    CString code(s ? s : "");
    int length = code.GetLength();
    if (length == 9 || length == 0)
        return code;
    // A short synthetic code (off-balance accounts are written "17" or "017")
    // is padded to three digits, so the result always has 9 characters.
    if (length <= 3) {
        while (code.GetLength() < 3)
            code.Insert(0, '0');
        return "0" + code + "00000";
    }
    // Any other length cannot be made into an account code; it is shown as given.
    return code;
}

CString GetFullSch(CString& s)
{
    if (s.Find('.') < 0)
        return s;
    // Fields counted from 1 between points, empty ones kept in their place.
    auto part = [&s](int n) {
        int from = 0;
        for (int i = 1; i < n; ++i) {
            from = s.Find('.', from);
            if (from < 0)
                return CString();
            ++from;
        }
        int end = s.Find('.', from);
        return end < 0 ? s.Mid(from) : s.Mid(from, end - from);
    };
    return part(3) + part(1) + part(2) + "000";
}

CString GetShortSch(CString& s)
{
    return s;
}

int GL_Valid_Sch1(const char* s, int shortForm)
{
    int length = CString(s ? s : "").GetLength();
    return length == (shortForm ? 3 : 9) ? 1 : 0;
}

CString GL_GetCol0_Name(const char* col0)
{
    switch (std::atol(col0 ? col0 : "")) {
    case 0: return "По всем источникам";
    case 1: return "Бюджет";
    case 2: return "Платный";
    case 3: return "ЦС и БП";
    case 4: return "Целевые";
    default: return "";
    }
}
