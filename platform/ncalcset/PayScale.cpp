#include "PayScale.h"

#include "EmployeeData.h"
#include "ndbcore.h"

#include <QDate>
#include <QRegularExpression>

#include <cstdlib>

namespace {

QDate DateOf(const char* text)
{
    const CString value(text ? text : "");
    return QDate::fromString(value.ToQString().trimmed(), QStringLiteral("dd.MM.yyyy"));
}

CString MedStaj(long tn, const char* end, const char* start, const char* daysColumn)
{
    return MedStajText(end, start, atol(GetTN(tn, daysColumn)));
}

} // namespace

PayScale ReadPayScale(const char* date)
{
    PayScale scale;
    const CString at = ChangeDateUS0(date, 0);
    scale.okl1 = atof(ExecuteString(
        FormatText("select okl1 from spr_venz_okl where d=(select max(d) from spr_venz_okl where d<=%s)", at)));
    _RecordsetPtr rows = ExecuteRows(FormatText("select k.raz,k.kof from spr_venz_kof k where k.d=(select max(d) "
                                                "from spr_venz_kof m where m.raz=k.raz and m.d<=%s)",
                                                at));
    for (; rows && !rows->GetadoEOF(); rows->MoveNext())
        scale.kof[int(long(rows->GetCollect("raz")))] = double(rows->GetCollect("kof"));
    return scale;
}

double GetOKL(int grade, double okl, const PayScale& scale)
{
    if (okl != 0)
        return okl;
    const auto found = scale.kof.find(grade);
    return found == scale.kof.end() ? 0 : scale.okl1 * found->second;
}

CString GetOKL(int grade, const char* date, long tn, long npp)
{
    const double okl =
        atof(ExecuteString(FormatText("select okl from perso_tn_nip where tn=%ld and npp=%ld", tn, npp)));
    return FormatText("%.2f", GetOKL(grade, okl, ReadPayScale(date)));
}

CString GetOKL_paymar(const char* tn)
{
    const QString number = QString::fromUtf8(tn ? tn : "").trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(number).hasMatch())
        return CString();
    return ExecuteString(FormatText("select d.okl as str from paymar_bux b join tn on tn.tn=b.tn join spr_paymar_dol1 d "
                                    "on d.id=b.dol and d.nv=tn.nv where b.tn=%lld and b.osn=1",
                                    number.toLongLong()));
}

CString MedStajText(const char* end, const char* start, long interruptionDays)
{
    QDate from = DateOf(start);
    const QDate to = DateOf(end);
    if (!from.isValid() || !to.isValid())
        return CString();
    from = from.addDays(interruptionDays);
    if (to < from)
        return "0-0-0";
    int years = to.year() - from.year();
    if (from.addYears(years) > to)
        --years;
    const QDate afterYears = from.addYears(years);
    int months = (to.year() - afterYears.year()) * 12 + to.month() - afterYears.month();
    if (afterYears.addMonths(months) > to)
        --months;
    const qint64 days = afterYears.addMonths(months).daysTo(to);
    return FormatText("%d-%d-%lld", years, months, days);
}

CString GetMedStaj(long tn, const char* end, const char* start)
{
    return MedStaj(tn, end, start, "dnbs");
}

CString GetMedStaj_u(long tn, const char* end, const char* start)
{
    return MedStaj(tn, end, start, "dnbs_u");
}
