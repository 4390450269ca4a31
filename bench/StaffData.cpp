#include "StaffData.h"

#include <ndbcore.h>

#include <QDate>
#include <QStringList>

namespace {

const char* const kSurnames[] = {"Иванова", "Смирнова", "Кузнецова", "Попова", "Васильева", "Петрова",
                                 "Соколова", "Михайлова", "Новикова", "Фёдорова", "Морозова", "Волкова",
                                 "Алексеева", "Лебедева", "Семёнова", "Егорова", "Павлова", "Козлова",
                                 "Степанова", "Николаева", "Орлова", "Андреева", "Макарова", "Никитина"};
const char* const kNames[] = {"Анна", "Мария", "Елена", "Ольга", "Наталья", "Татьяна", "Ирина", "Светлана",
                              "Людмила", "Галина", "Екатерина", "Юлия", "Марина", "Вера", "Дарья"};
const char* const kPatronymics[] = {"Петровна", "Викторовна", "Ивановна", "Александровна", "Николаевна",
                                    "Михайловна", "Сергеевна", "Андреевна", "Юрьевна", "Олеговна"};

// Rows written in batches of multi-row inserts.
bool InsertRows(const QString& head, const QStringList& rows)
{
    for (qsizetype from = 0; from < rows.size(); from += 200) {
        const QString sql = head + rows.mid(from, 200).join(QStringLiteral(","));
        if (!ExecuteSql(CString(sql)))
            return false;
    }
    return true;
}

QString Date(const QDate& date)
{
    return QLatin1Char('\'') + date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

} // namespace

bool FillBenchStaff(long year, long month, int staff)
{
    const QDate first(int(year), int(month), 1);
    if (!ExecuteSql("delete from perso_trv\n"
                    "delete from perso_tn_nip\n"
                    "delete from tn where tn<>1\n"
                    "delete from ssv1\n"
                    "delete from ssv\n"
                    "delete from spr_venz_vf\n"
                    "delete from spr_paymar_kat\n"
                    "delete from spr_prd"))
        return false;

    QStringList departments, categories, positions, rates, forms, employees, assignments;
    for (int i = 1; i <= kBenchDepartments; ++i)
        departments << QStringLiteral("(%1, 'Отделение %1', 1, %1)").arg(i);
    for (int i = 1; i <= kBenchCategories; ++i)
        categories << QStringLiteral("(%1, 'Категория %1')").arg(i);
    // Each position has a grade, every fifth a harmful-conditions allowance,
    // and rates on the four listed pay statements.
    for (int i = 1; i <= kBenchPositions; ++i) {
        positions << QStringLiteral("(%1, 'Должность %1', '%2', %3, %4)")
                         .arg(i)
                         .arg(i % 14 + 1)
                         .arg(i % 5 == 0 ? QStringLiteral("12.00") : QStringLiteral("NULL"))
                         .arg(i % 2 + 1);
        for (int nv : kBenchStatements)
            rates << QStringLiteral("(%1, %2, %3, NULL)").arg(i).arg(nv).arg(nv == 1 ? 10 : 2);
    }
    for (int tp = 1; tp <= kBenchForms; ++tp)
        forms << QStringLiteral("(%1, 'Форма %1', %1)").arg(tp);

    const int vacancy = staff + 2;
    for (int n = 0; n < staff; ++n) {
        const int tn = n + 2;
        const QString f = QString::fromUtf8(kSurnames[n % std::size(kSurnames)]);
        const QString i = QString::fromUtf8(kNames[(n / 3) % std::size(kNames)]);
        const QString o = QString::fromUtf8(kPatronymics[(n / 7) % std::size(kPatronymics)]);
        const int prd = n % kBenchDepartments + 1;
        const int dol = n % kBenchPositions + 1;
        const int kat = n % kBenchCategories + 1;
        employees << QStringLiteral("(%1, '%2', '%3', '%4', '%2 %3 %4', %5, %6)").arg(tn).arg(f, i, o).arg(prd).arg(dol);
        // Every fiftieth employee's first assignment ended in the month before.
        const QString end = n % 50 == 49 ? Date(first.addDays(-1)) : QStringLiteral("NULL");
        const QDate start = first.addYears(-(n % 9) - 1).addDays(n % 200);
        assignments << QStringLiteral("(%1, 1, 1.00, 1, %2, %3, %4, %5, %6, %7)")
                           .arg(tn).arg(Date(start), end).arg(prd).arg(kat).arg(dol).arg(n % kBenchForms + 1);
        // Every sixth holds a second position at half a rate.
        if (n % 6 == 5)
            assignments << QStringLiteral("(%1, 2, 0.50, 3, %2, NULL, %3, %4, %5, %6)")
                               .arg(tn).arg(Date(first.addMonths(-(n % 11) - 1)))
                               .arg((prd % kBenchDepartments) + 1).arg(kat).arg((dol % kBenchPositions) + 1)
                               .arg((n + 1) % kBenchForms + 1);
    }
    employees << QStringLiteral("(%1, 'Вакансия', '', '', 'Вакансия  ', NULL, NULL)").arg(vacancy);
    for (int npp = 1; npp <= kBenchVacancies; ++npp)
        assignments << QStringLiteral("(%1, %2, 1.00, NULL, %3, NULL, %4, 1, %5, %6)")
                           .arg(vacancy).arg(npp).arg(Date(first.addMonths(-1)))
                           .arg(npp % kBenchDepartments + 1).arg(npp % kBenchPositions + 1).arg(npp % kBenchForms + 1);

    if (!InsertRows("insert into spr_prd (id, name, fil_id, Real_npp) values ", departments)
        || !InsertRows("insert into spr_paymar_kat (id, name) values ", categories)
        || !InsertRows("insert into ssv (id, name, raz, vr, gr) values ", positions)
        || !InsertRows("insert into ssv1 (id, nv, st, s) values ", rates)
        || !InsertRows("insert into spr_venz_vf (id, name, tp) values ", forms)
        || !InsertRows("insert into tn (tn, f, i, o, fio_r, prd, dol) values ", employees)
        || !InsertRows("insert into perso_tn_nip (tn, npp, st, kpr, d1, d2, prd, kat, dol, vf) values ", assignments))
        return false;

    // Each weekday of the month, every assignment in force (not the vacancies)
    // has its hours: eight for a whole rate, four for half of one.
    const QString marks = QStringLiteral(
        "insert into perso_trv (tn, npp, d, t) "
        "select a.tn, a.npp, days.d, case when a.st < 1 then '4.00' else '8.00' end "
        "from perso_tn_nip a join (select %1 + interval (tens.n * 10 + units.n) day as d "
        "from (select 0 as n union all select 1 union all select 2 union all select 3) tens "
        "cross join (select 0 as n union all select 1 union all select 2 union all select 3 union all select 4 "
        "union all select 5 union all select 6 union all select 7 union all select 8 union all select 9) units "
        "where tens.n * 10 + units.n < %2) days on a.d1 <= days.d and (a.d2 is null or a.d2 >= days.d) "
        "where weekday(days.d) < 5 and a.tn <> %3")
                              .arg(Date(first))
                              .arg(first.daysInMonth())
                              .arg(vacancy);
    return ExecuteSql(CString(marks)) != 0;
}
