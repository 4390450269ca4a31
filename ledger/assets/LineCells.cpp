#include "LineCells.h"

#include "CCellwork.h"

#include <QRegularExpression>

namespace nledmark {

CString CellDecimal(const CString& text)
{
    CString value = CString(text).Trim();
    value.Replace(" ", "");
    value.Replace(",", ".");
    return value;
}

double CellNumber(const CCellwork& grid, long col, long row)
{
    return atof(CellDecimal(grid.GetCellValue(col, row)));
}

bool IsIdText(const CString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,9}$"));
    return whole.match(text.ToQString()).hasMatch();
}

CString CellId(const CString& text)
{
    const CString trimmed = CString(text).Trim();
    return IsIdText(trimmed) ? trimmed : CString();
}

bool IdListText(const CString& text, CString& ids)
{
    ids.Empty();
    const CString all = CString(text).Trim();
    if (all.IsEmpty())
        return true;
    CString list;
    for (const QString& part : all.ToQString().split(QLatin1Char(','))) {
        const CString id = CString(part).Trim();
        if (!IsIdText(id))
            return false;
        list += (list.IsEmpty() ? "" : ",") + id;
    }
    ids = list;
    return true;
}

} // namespace nledmark
