#include "EditKindRules.h"
#include "CellInput.h"
#include "CellworkModel.h"
#include "gridbase.h"
#include <QRegularExpression>
#include <memory>

namespace dlgkit {

namespace {

int cellKindOf(int kind)
{
    switch (kind) {
    case EDIT_KIND_DATE: return gridbase::CellDate;
    case EDIT_KIND_DECIMAL: return gridbase::CellNumber;
    case EDIT_KIND_AMOUNT: return gridbase::CellAmount;
    default: return gridbase::CellText;
    }
}

bool isNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^-?\d+(\.\d+)?$)"));
    return number.match(text).hasMatch();
}

} // namespace

bool EditKindFilters(int kind)
{
    return kind == EDIT_KIND_DATE || kind == EDIT_KIND_DECIMAL || kind == EDIT_KIND_AMOUNT;
}

QValidator* EditKindValidator(int kind, QObject* parent)
{
    return EditKindFilters(kind) ? new gridbase::CellValidator(cellKindOf(kind), parent) : nullptr;
}

QString EditTypedChar(int kind, QChar c)
{
    if (kind == EDIT_KIND_DATE && (c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('-')))
        return QStringLiteral(".");
    return QString(c);
}

bool EditMayHold(int kind, const QString& text)
{
    std::unique_ptr<QValidator> rules(EditKindValidator(kind, nullptr));
    QString copy = text;
    int pos = int(copy.size());
    return !rules || rules->validate(copy, pos) != QValidator::Invalid;
}

CString EditLeavingForm(int kind, const CString& text, bool& ok)
{
    ok = true;
    if (!EditKindFilters(kind))
        return text;
    if (kind == EDIT_KIND_DATE) {
        const CString typed = text.ToQString().trimmed();
        const CString date = DMG(typed, 1, 0);
        ok = typed.IsEmpty() || !date.IsEmpty();
        return ok ? date : text;
    }
    // A lone sign or point goes, a trailing point too, as in a grid cell.
    const QString finished = gridbase::FinishedCellText(cellKindOf(kind), text.ToQString());
    if (finished.isEmpty())
        return CString();
    ok = isNumber(finished);
    if (!ok)
        return text;
    return kind == EDIT_KIND_AMOUNT ? FormatNumber(atof(CString(finished)), "", 2) : CString(finished);
}

} // namespace dlgkit
