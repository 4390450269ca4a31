#include "VacationNote.h"

#include "ndbcore.h"

#include <QDate>
#include <QStringList>

#include <cstdlib>
#include <map>
#include <vector>

namespace {

QString Html(const QString& text)
{
    return text.toHtmlEscaped();
}

QString Amount(double value)
{
    return ftoa2(value).ToQString();
}

// Days as the form shows them: "352.8", "28".
QString Days(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QString DaysText(const CString& stored)
{
    return stored.IsEmpty() ? QString() : Days(atof(stored));
}

// The records of a detail string: ";" between records, ":" between fields.
std::vector<QStringList> Records(const CString& text)
{
    std::vector<QStringList> records;
    for (const QString& record : text.ToQString().split(';', Qt::SkipEmptyParts))
        records.push_back(record.split(':'));
    return records;
}

struct NoteSheet {
    QString id, name;
    std::map<std::pair<long, long>, QStringList> months;  // earnings, premium, coefficient, total
    double earnings = 0, premium = 0, total = 0;
    QString average, amount;
};

struct NotePart {
    const char* title;
    CString code, days, months, sheets, amounts;
};

QString Cell(const QString& text, bool right = true)
{
    return QStringLiteral("<td%1>&nbsp;%2&nbsp;</td>").arg(right ? QStringLiteral(" align=right") : QString(), Html(text));
}

// One part: its code and days, and the table of its months and sheets.
QString PartHtml(const NotePart& part, double& recordTotal)
{
    QString html = QStringLiteral("<p><b>%1</b><br>Вид оплаты: %2 %3<br>Дней: %4</p>")
                       .arg(Html(QString::fromUtf8(part.title)), Html(part.code.ToQString()),
                            Html(GetFromSPR("spr_vou", part.code, nullptr).ToQString()), Html(part.days.ToQString()));
    std::vector<NoteSheet> sheets;
    for (const QStringList& r : Records(part.amounts)) {
        NoteSheet sheet;
        sheet.id = r.value(0);
        sheet.amount = r.value(1);
        sheet.average = r.value(2);
        bool number = false;
        const long id = sheet.id.toLong(&number);
        sheet.name = number ? ExecuteString(FormatText("select name as str from nv where id=%ld", id)).ToQString() : QString();
        sheets.push_back(sheet);
    }
    for (const QStringList& r : Records(part.sheets))
        for (NoteSheet& sheet : sheets)
            if (sheet.id == r.value(0)) {
                sheet.months[{r.value(1).toLong(), r.value(2).toLong()}] = r.mid(3);
                sheet.earnings += r.value(3).toDouble();
                sheet.premium += r.value(4).toDouble();
                sheet.total += r.value(6).toDouble();
            }
    QString head = QStringLiteral("<tr><td rowspan=2 align=center><b>Год</b></td><td rowspan=2 align=center><b>Месяц"
                                  "</b></td><td rowspan=2 align=center><b>Дней</b></td>");
    QString captions;
    for (const NoteSheet& sheet : sheets) {
        head += QStringLiteral("<td colspan=4 align=center><b>%1</b></td>").arg(Html(sheet.name.isEmpty() ? sheet.id : sheet.name));
        captions += QStringLiteral("<td align=center>Зарплата</td><td align=center>Премия</td><td "
                                   "align=center>Коэф.</td><td align=center>Итого</td>");
    }
    html += QStringLiteral("<table border=1 cellpadding=0 cellspacing=0>") + head +
            QStringLiteral("<td rowspan=2 align=center><b>Всего</b></td></tr><tr>") + captions + QStringLiteral("</tr>");
    double days = 0, all = 0, amount = 0;
    for (const QStringList& m : Records(part.months)) {
        const long year = m.value(0).toLong(), month = m.value(1).toLong();
        const double total = m.value(3).toDouble() + m.value(4).toDouble();
        days += m.value(2).toDouble();
        all += total;
        html += QStringLiteral("<tr>") + Cell(m.value(0), false) + Cell(GetMonthName(month).ToQString(), false) +
                Cell(m.value(2));
        for (const NoteSheet& sheet : sheets) {
            const auto found = sheet.months.find({year, month});
            for (int c = 0; c < 4; ++c)
                html += Cell(found == sheet.months.end() ? QString() : found->second.value(c));
        }
        html += Cell(Amount(total)) + QStringLiteral("</tr>");
    }
    html += QStringLiteral("<tr><td colspan=2>итого:</td>") + Cell(Days(days));
    for (const NoteSheet& sheet : sheets)
        html += Cell(Amount(sheet.earnings)) + Cell(Amount(sheet.premium)) + Cell(QString()) + Cell(Amount(sheet.total));
    html += Cell(Amount(all)) + QStringLiteral("</tr><tr><td colspan=3>средне дневная</td>");
    for (const NoteSheet& sheet : sheets)
        html += QStringLiteral("<td colspan=4 align=right>&nbsp;%1&nbsp;</td>").arg(Html(sheet.average));
    html += QStringLiteral("<td>&nbsp;</td></tr><tr><td colspan=3>сумма отпуска</td>");
    for (const NoteSheet& sheet : sheets) {
        html += QStringLiteral("<td colspan=4 align=right>&nbsp;%1&nbsp;</td>").arg(Html(sheet.amount));
        amount += sheet.amount.toDouble();
    }
    amount = RoundKopecks(amount);
    recordTotal += amount;
    return html + Cell(Amount(amount)) + QStringLiteral("</tr></table>");
}

} // namespace

CString GetZapiskaRaschet0(const char* tn, long year, long month, const char* npp)
{
    const QString page = QStringLiteral("<html><head>%1</head><body>").arg(GetHtmlStyle(10, "Arial", 1).ToQString());
    bool tnNumber = false, nppNumber = false;
    const long person = QString::fromUtf8(tn ? tn : "").trimmed().toLong(&tnNumber);
    const long record = QString::fromUtf8(npp ? npp : "").trimmed().toLong(&nppNumber);
    CString d1, d2, kou, kou2, period, number, d, dn, dn2, osn, mes, mes2, nvS, nvS2, sovokup, sovokup2;
    long tip = 0;
    bool found = false;
    if (tnNumber && nppNumber)
        ForEachRow(FormatText("select d1,d2,kou,kou2,period,number,d,dn,dn2,tip,osn,mes,mes2,nv_s,nv_s2,sovokup,sovokup2 "
                              "from paymar_otpusk where g=%ld and ms=%ld and tn=%ld and npp=%ld",
                              year, month, person, record),
                   [&](_RecordsetPtr& row) {
                       auto text = [&row](const char* column) { return CString(row->GetCollect(column).text()); };
                       d1 = text("d1"), d2 = text("d2"), kou = text("kou"), kou2 = text("kou2");
                       period = text("period"), number = text("number"), d = text("d"), osn = text("osn");
                       dn = DaysText(text("dn"));
                       dn2 = DaysText(text("dn2"));
                       tip = atol(text("tip"));
                       mes = text("mes"), mes2 = text("mes2"), nvS = text("nv_s"), nvS2 = text("nv_s2");
                       sovokup = text("sovokup"), sovokup2 = text("sovokup2");
                       found = true;
                   });
    if (!found)
        return CString(page + QStringLiteral("<p>Отпуск не найден.</p></body></html>"));
    QString html = page + QStringLiteral("<h3 align=center>Записка-расчет об оплате отпуска за %1 %2 г.</h3><table cellpadding=2>")
                              .arg(Html(GetMonthName(month).ToQString()))
                              .arg(year);
    const std::pair<const char*, QString> lines[] = {
        {"Ф.И.О.:", QStringLiteral("%1 (таб. № %2)").arg(GetFio(CString(QString::number(person))).ToQString()).arg(person)},
        {"Приказ №:", number.ToQString() + (d.IsEmpty() ? QString() : QStringLiteral(" от ") + d.ToQString())},
        {"Тип:", tip == 1 ? QStringLiteral("Увольнение") : QStringLiteral("Очередной")},
        {"Основание:", osn.ToQString()},
        {"За период:", period.ToQString()},
        {"Отпуск:", QStringLiteral("с %1 по %2").arg(d1.ToQString(), d2.ToQString())},
    };
    for (const auto& [label, value] : lines)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(Html(QString::fromUtf8(label)), Html(value));
    html += QStringLiteral("</table>");
    double total = 0;
    if (!kou.IsEmpty())
        html += PartHtml({"Основной отпуск", kou, dn, mes, nvS, sovokup}, total);
    if (!kou2.IsEmpty())
        html += PartHtml({"Дополнительный отпуск", kou2, dn2, mes2, nvS2, sovokup2}, total);
    html += QStringLiteral("<p><b>Итого начислено: %1</b></p><p>Дата расчета: %2</p></body></html>")
                .arg(Amount(RoundKopecks(total)), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    return CString(html);
}
