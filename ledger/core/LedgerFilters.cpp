#include "LedgerFilters.h"

#include "SqlText.h"
#include "gridbase.h"
#include "ledmark.h"

#include <QStringList>

namespace nledmark {

BOOL CheckedIdList(const CString& text, CString& ids)
{
    ids.Empty();
    const int parts = Length(text, ",");
    for (int i = 1; i <= parts; ++i) {
        CString part = GetPart(text, ",", i);
        part.Trim();
        if (part.IsEmpty())
            continue;
        if (!IsDigitsOnly(part) || part.GetLength() > 9)
            return FALSE;
        ids += (ids.IsEmpty() ? CString() : CString(",")) + part;
    }
    return TRUE;
}

bool IsWholeNumber(const CString& text)
{
    const QString digits = text.ToQString().trimmed();
    bool ok = false;
    digits.toLong(&ok);
    return ok && !digits.startsWith('+');
}

bool KbkListCondition(const CString& list, const char* side, CString& condition, CString* bad)
{
    condition.Empty();
    for (const QString& raw : list.ToQString().split(',')) {
        const QString part = raw.trimmed();
        if (part.isEmpty())
            continue;
        if (!IsWholeNumber(CString(part))) {
            if (bad)
                *bad = CString(part);
            condition.Empty();
            return false;
        }
        condition += condition.IsEmpty() ? " and (" : " or ";
        condition += FormatText("kbk_%s=%d", side, part.toLong());
    }
    if (!condition.IsEmpty())
        condition += ")";
    return true;
}

} // namespace nledmark
