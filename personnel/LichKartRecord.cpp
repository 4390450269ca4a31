#include "LichKartRecord.h"

#include "StaffNumbers.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nperso {

namespace {

const std::vector<CardColumn> kColumns = {
    {"NSR_u", IDC_LK_NSR_U, CardValue::Date, "Участк.мед.стаж с"},
    {"prd", IDC_PRD, CardValue::Code, "Цех затрат"},
    {"fio_r", 0, CardValue::FullName, "Ф.И.О."},
    {"f", IDC_LK_F, CardValue::Text, "Фамилия"},
    {"i", IDC_LK_I, CardValue::Text, "Имя"},
    {"o", IDC_LK_O, CardValue::Text, "Отчество"},
    {"dr", IDC_LK_DR, CardValue::Date, "Дата рождения"},
    {"dol", IDC_DOL, CardValue::Code, "Должность"},
    {"da1", IDC_LK_DA1, CardValue::Text, "Индекс"},
    {"da2", IDC_DA2, CardValue::Number, "Город"},
    {"DAd", IDC_LK_DAD, CardValue::Text, "Дом"},
    {"DAkor", IDC_LK_DAKOR, CardValue::Text, "Корпус"},
    {"DAkv", IDC_LK_DAKV, CardValue::Text, "кв."},
    {"DAyl", IDC_LK_DAYL, CardValue::Text, "Улица"},
    {"KV1", IDC_LK_KV1, CardValue::Text, "Кем выдан"},
    {"DAreg", IDC_DAREG, CardValue::Code, "Регион"},
    {"DArayon", IDC_DARAYON, CardValue::Number, "Район"},
    {"DAnp", IDC_DANP, CardValue::Number, "Нас.п."},
    {"NSR", IDC_LK_NSR, CardValue::Date, "Медицинский стаж с"},
    {"NOp", IDC_LK_NOP, CardValue::Text, "№ паспорта"},
    {"SerP", IDC_LK_SERP, CardValue::Text, "Серия паспорта"},
    {"MR1", IDC_LK_MR1, CardValue::Text, "Место рождения"},
    {"NN", IDC_NN, CardValue::Number, "Национальность"},
    {"TEL", IDC_LK_TEL, CardValue::Text, "Телефон"},
    {"OB", IDC_OB, CardValue::Number, "Образование"},
    {"UZ1", IDC_LK_UZ1, CardValue::Text, "Учебное заведение"},
    {"FAK", IDC_LK_FAK, CardValue::Text, "Факультет"},
    {"GO", IDC_LK_GO, CardValue::Text, "Год окончания"},
    {"SP", IDC_LK_SP, CardValue::Text, "Специальность"},
    {"KV", IDC_LK_KV, CardValue::Text, "Квалификация"},
    {"NO", IDC_LK_NO, CardValue::Text, "Дипл.(св-во) №"},
    {"OT", IDC_LK_OT, CardValue::Date, "Дата диплома"},
    {"OPR", IDC_LK_OPR, CardValue::Text, "Осн.проф-ия"},
    {"OS", IDC_LK_OS, CardValue::Date, "Общий стаж работы с"},
    {"PENS", IDC_LK_PENS, CardValue::Date, "Пенсионер с"},
    {"NS", IDC_LK_NS, CardValue::Date, "Непрерывный стаж работы с"},
    {"SRPS", IDC_LK_SRPS, CardValue::Date, "Стаж раб.по спец-ти с"},
    {"SRPD", IDC_LK_SRPD, CardValue::Date, "Стаж раб.по должн. с"},
    {"PMR1", IDC_LK_PMR1, CardValue::Text, "Последн.мест.работы, должность"},
    {"DRB", IDC_LK_DRB, CardValue::Date, "Дата ухода с последнего места работы"},
    {"PU", IDC_LK_PU, CardValue::Text, "Причина увольнения"},
    {"SPL", IDC_SPL, CardValue::Number, "Сем.полож."},
    {"INV", IDC_LK_INV, CardValue::Text, "Инв.тр.группа"},
    {"DVpus", IDC_LK_DVPUS, CardValue::Date, "Дата выдачи паспорта"},
    {"du", IDC_LK_DU, CardValue::Date, "Дата увольнения"},
    {"pol", IDC_LK_POL, CardValue::Sex, "Пол"},
    {"MRosn", IDC_LK_MROSN, CardValue::Flag, "Место работы основное"},
    {"inn", IDC_LK_INN, CardValue::Text, "ИНН"},
    {"SNo", IDC_LK_SNO, CardValue::Text, "Стр-й №"},
    {"dnbs", IDC_LK_DNBS, CardValue::Number, "Дней прерывания мед.стажа"},
    {"dnbs_u", IDC_LK_DNBS_U, CardValue::Number, "Дней прерывания участк.мед.стажа"},
};

CString Quoted(const CString& text)
{
    return "'" + MakeSqlStr(text) + "'";
}

// The columns and values of an insert or update; false when a value is no number.
bool ColumnValues(const CardRecord& record, std::vector<std::pair<CString, CString>>& values)
{
    for (const CardColumn& column : kColumns) {
        CString sql;
        if (!CardSqlValue(column, record, sql))
            return false;
        values.emplace_back(column.name, sql);
    }
    return true;
}

// The insert with the key value `tn` after fio_r ("" numbers it by the database).
CString InsertSql(const CardRecord& record, const CString& tn)
{
    std::vector<std::pair<CString, CString>> values;
    if (!ColumnValues(record, values))
        return CString();
    CString names, literals;
    for (const auto& [name, sql] : values) {
        names += (names.IsEmpty() ? "" : ",") + name;
        literals += (literals.IsEmpty() ? "" : ",") + sql;
        if (name == "fio_r" && !tn.IsEmpty()) {
            names += ",tn";
            literals += "," + tn;
        }
    }
    return FormatText("insert into tn (%s) values (%s)", names, literals);
}

// The update of the row whose key is `tn` (a number or a variable).
CString UpdateSql(const CardRecord& record, const CString& tn)
{
    std::vector<std::pair<CString, CString>> values;
    if (!ColumnValues(record, values))
        return CString();
    CString set;
    for (const auto& [name, sql] : values)
        set += (set.IsEmpty() ? "" : ",") + name + "=" + sql;
    return FormatText("update tn set %s where tn=%s", set, tn);
}

bool Number(const CString& text, CString& number)
{
    return nvenzol::CheckedNumber(text, number);
}

// The counterparty row of the employee written: found, renamed or added.
bool WriteContr(const CString& name, const CString& tn)
{
    const long long id = ExecuteCount(ContrFindSql(tn));
    return ExecuteSql(id > 0 ? ContrUpdateSql(long(id), name) : ContrInsertSql(name, tn)) != 0;
}

CardWrite WriteSeparately(const CardRecord& record, CString& tn, bool exists)
{
    const CString sql = exists ? CardUpdateSql(record, tn) : CardInsertSql(record, tn);
    if (sql.IsEmpty() || !ExecuteSql(sql))
        return CardWrite::Failed;
    if (tn.IsEmpty()) {
        const long given = LastInsertId();
        if (given <= 0)
            return CardWrite::Failed;
        tn.Format("%ld", given);
    }
    return WriteContr(record.FullName(), tn) ? CardWrite::Written : CardWrite::Failed;
}

CardWrite WriteBatch(const CardRecord& record, CString& tn, bool exists)
{
    const CString sql = CardBatchSql(record, tn, exists);
    if (sql.IsEmpty())
        return CardWrite::Failed;
    const CString given = ExecuteString(sql);
    CString number;
    if (!Number(given, number))
        return CardWrite::Failed;
    tn = number;
    return CardWrite::Written;
}

} // namespace

const std::vector<CardColumn>& CardColumns()
{
    return kColumns;
}

CString CardRecord::Text(const char* column) const
{
    const auto found = texts.find(column);
    return found == texts.end() ? CString() : found->second;
}

CString CardRecord::FullName() const
{
    return Text("f") + " " + Text("i") + " " + Text("o");
}

bool CardSqlValue(const CardColumn& column, const CardRecord& record, CString& sql)
{
    const CString text = record.Text(column.name);
    switch (column.value) {
    case CardValue::Text:
    case CardValue::Sex:
        sql = Quoted(text);
        return true;
    case CardValue::FullName:
        sql = Quoted(record.FullName());
        return true;
    case CardValue::Date:
        sql = ChangeDateUS0(text, 0);
        return true;
    case CardValue::Code:
        return Number(text, sql);
    case CardValue::Number:
        if (text.ToQString().trimmed().isEmpty()) {
            sql = "NULL";
            return true;
        }
        return Number(text, sql);
    case CardValue::Flag:
        sql = record.mainPlace ? "1" : "0";
        return true;
    }
    return false;
}

CString CardInsertSql(const CardRecord& record, const CString& tn)
{
    CString number;
    if (!tn.IsEmpty() && !Number(tn, number))
        return CString();
    return InsertSql(record, number);
}

CString CardUpdateSql(const CardRecord& record, const CString& tn)
{
    CString number;
    if (!Number(tn, number))
        return CString();
    return UpdateSql(record, number);
}

CString CardBatchSql(const CardRecord& record, const CString& tn, bool exists)
{
    CString number;
    if ((exists || !tn.IsEmpty()) && !Number(tn, number))
        return CString();
    const CString row = exists ? UpdateSql(record, "@tn") : InsertSql(record, number.IsEmpty() ? "" : "@tn");
    if (row.IsEmpty())
        return CString();
    const CString name = MakeSqlStr(record.FullName());
    CString batch = "set nocount on\ndeclare @id int\ndeclare @tn int\n";
    if (!number.IsEmpty())
        batch += "select @tn=" + number + "\n";
    if (exists)
        batch += row + "\n";
    else if (!number.IsEmpty())
        batch += "set identity_insert tn on\n" + row + "\nset identity_insert tn off\n";
    else
        batch += row + "\nselect @tn=@@IDENTITY\n";
    batch += FormatText("select @id=id from spr_contr where tip=2 and id_tip=@tn\n"
                        "if @id is null insert into spr_contr (name,tip,id_tip) values ('%s',2,@tn)\n"
                        "else update spr_contr set name='%s' where id=@id\n",
                        name, name);
    return batch + "select @tn as str";
}

CString ContrFindSql(const CString& tn)
{
    CString number;
    return Number(tn, number) ? "select id as cnt from spr_contr where tip=2 and id_tip=" + number : CString();
}

CString ContrUpdateSql(long id, const CString& name)
{
    return FormatText("update spr_contr set name=%s where id=%ld", Quoted(name), id);
}

CString ContrInsertSql(const CString& name, const CString& tn)
{
    CString number;
    if (!Number(tn, number))
        return CString();
    return FormatText("insert into spr_contr (name,tip,id_tip) values (%s,2,%s)", Quoted(name), number);
}

CardWrite WriteCard(const CardRecord& record, CString& tn, bool exists)
{
    CDbTransaction save;
    if (exists) {
        CString number;
        if (!Number(tn, number))
            return CardWrite::Failed;
        const long long held = ExecuteCount(SqlLockRow("tn", "tn", "tn=" + number));
        if (!save.IsUsable())
            return CardWrite::Failed;
        if (held <= 0)
            return CardWrite::Gone;
    }
    const bool batch = CurrentDialect() == SqlDialect::SqlServer;
    const CardWrite written = batch ? WriteBatch(record, tn, exists) : WriteSeparately(record, tn, exists);
    if (written != CardWrite::Written)
        return written;
    return save.Commit() ? CardWrite::Written : CardWrite::Failed;
}

} // namespace nperso
