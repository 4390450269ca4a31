#include "SprEditRows.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "ndbcore.h"

#include <QDate>
#include <QRegularExpression>

namespace appcore {

namespace {

bool Plain(const CString& name)
{
    return IsSqlIdentifier(name.ToQString());
}

CString KeyCondition(const SprEditLayout& layout, const CString& key)
{
    return " where " + layout.key + "=" + NullStr(key);
}

// The lengths and words of the columns, every column's name and the check
// constraints of the table, as MariaDB describes them; other servers' rules
// are left to the server's answer at the write.
void ReadRules(SprEditLayout& layout)
{
    layout.tableColumns.clear();
    layout.checks.clear();
    if (CurrentDialect() != SqlDialect::MySql)
        return;
    const CString table = MakeSqlStr(layout.table);
    ForEachRow("select column_name,coalesce(character_maximum_length,0) as len,column_comment from "
               "information_schema.columns where table_schema=database() and lower(table_name)=lower('" + table +
                   "') order by ordinal_position",
               [&](_RecordsetPtr& rs) {
                   const CString name(rs->GetCollect(0L).text());
                   layout.tableColumns.push_back(name);
                   for (SprEditColumn& column : layout.columns)
                       if (column.name.CompareNoCase(name) == 0) {
                           column.maxLength = int(rs->GetCollect(1L).toInt64());
                           column.rule = CString(rs->GetCollect(2L).text());
                       }
               });
    ForEachRow("select constraint_name,check_clause from information_schema.check_constraints where "
               "constraint_schema=database() and lower(table_name)=lower('" + table + "') order by constraint_name",
               [&](_RecordsetPtr& rs) {
                   layout.checks.push_back({CString(rs->GetCollect(0L).text()), CString(rs->GetCollect(1L).text())});
               });
}

// Whether the condition names the column (as `name` or as a word of its own).
bool ClauseNames(const CString& clause, const CString& column)
{
    const QRegularExpression word(QStringLiteral("(^|[^A-Za-z0-9_])") +
                                      QRegularExpression::escape(column.ToQString()) +
                                      QStringLiteral("($|[^A-Za-z0-9_])"),
                                  QRegularExpression::CaseInsensitiveOption);
    return word.match(clause.ToQString()).hasMatch();
}

CString Caption(const SprEditColumn& column)
{
    return column.caption.IsEmpty() ? column.name : column.caption;
}

} // namespace

bool SprEditLayoutFor(const CString& table, SprEditLayout& layout)
{
    for (const CSprRecord& spr : GetDataArchive()->GetSprs()) {
        if (spr.m_strTable.IsEmpty() || spr.m_strTable.CompareNoCase(table) != 0)
            continue;
        layout = SprEditLayout();
        layout.table = spr.m_strTable;
        layout.key = spr.m_strFieldId.IsEmpty() ? CString("id") : spr.m_strFieldId;
        layout.title = spr.m_strName;
        for (const CSprField& field : spr.m_fields)
            if (Plain(field.m_strName) && field.m_strName.CompareNoCase(layout.key) != 0)
                layout.columns.push_back({field.m_strName, field.m_strCaption, field.m_nWidth});
        if (layout.columns.empty())
            layout.columns.push_back({spr.m_strFieldName.IsEmpty() ? CString("name") : spr.m_strFieldName,
                                      CString("Наименование"), 300});
        if (!Plain(layout.table) || !Plain(layout.key))
            return false;
        for (const SprEditColumn& column : layout.columns)
            if (!Plain(column.name))
                return false;
        layout.keepsDeleted = false;
        ReadRules(layout);
        for (const TableColumnInfo& info : TableColumnsOf(layout.table)) {
            if (info.name.CompareNoCase("dt_del") == 0)
                layout.keepsDeleted = true;
            for (SprEditColumn& column : layout.columns)
                if (column.name.CompareNoCase(info.name) == 0) {
                    column.kind = info.kind;
                    column.defaulted = !info.nullable && info.hasDefault;
                }
        }
        return true;
    }
    return false;
}

bool SprEditValue(const SprEditColumn& column, const CString& text, CString& literal, CString& problem)
{
    const CString value = CString(text).Trim();
    if (value.IsEmpty()) {
        literal = column.defaulted ? CString("DEFAULT") : CString("NULL");
        return true;
    }
    switch (column.kind) {
    case ColumnKind::Number: {
        QString number;
        if (!NormalizeNumberText(value.ToQString(), number)) {
            problem = "Неверное число: «" + value + "»";
            literal = "NULL";
            return false;
        }
        literal = CString(number);
        return true;
    }
    case ColumnKind::Date:
        literal = ChangeDateUS0(value, 0);
        if (literal == "NULL") {
            problem = "Неверная дата: «" + value + "» (нужна дата вида ДД.ММ.ГГГГ)";
            return false;
        }
        return true;
    case ColumnKind::Text:
        break;
    }
    literal = NullStr(text);
    return true;
}

int SprEditRowProblem(const SprEditLayout& layout, const std::vector<CString>& values, CString& problem)
{
    CString literal;
    for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i)
        if (!SprEditValue(layout.columns[i], values[i], literal, problem))
            return int(i);
    return -1;
}

int SprEditRuleProblem(const SprEditLayout& layout, const std::vector<CString>& values, CString& problem)
{
    for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i) {
        const SprEditColumn& column = layout.columns[i];
        const CString value = CString(values[i]).Trim();
        if (column.kind == ColumnKind::Text && column.maxLength > 0
            && CString(values[i]).ToQString().size() > column.maxLength) {
            problem = "«" + Caption(column) + "»: не длиннее " + FormatText("%d", column.maxLength) +
                      " знаков, введено «" + value + "»" + (column.rule.IsEmpty() ? CString() : "\n" + column.rule);
            return int(i);
        }
    }
    if (layout.checks.empty())
        return -1;
    // The row as a table of one row with the table's columns: the server
    // evaluates each condition as it would at the write. A condition that is
    // unknown (NULL) passes, as it does there.
    CString row;
    for (const CString& name : layout.tableColumns) {
        CString literal = "NULL", unused;
        for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i)
            if (layout.columns[i].name.CompareNoCase(name) == 0 && SprEditValue(layout.columns[i], values[i], literal, unused)
                && literal == "DEFAULT")
                literal = "NULL";
        row += (row.IsEmpty() ? "select " : ",") + literal + " as `" + name + "`";
    }
    CString tests;
    for (size_t c = 0; c < layout.checks.size(); ++c)
        tests += (c ? CString(",") : CString()) + "coalesce((" + layout.checks[c].clause + ")<>0,1)+0 as c" +
                 FormatText("%d", int(c));
    std::vector<bool> kept;
    const long read = ForEachRow("select " + tests + " from (" + row + ") q", [&](_RecordsetPtr& rs) {
        for (size_t c = 0; c < layout.checks.size(); ++c)
            kept.push_back(rs->GetCollect(long(c)).toInt64() != 0);
    });
    if (read < 0 || kept.size() != layout.checks.size())
        return -1;  // the server could not say: it answers at the write
    for (size_t c = 0; c < kept.size(); ++c) {
        if (kept[c])
            continue;
        for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i) {
            const SprEditColumn& column = layout.columns[i];
            if (!ClauseNames(layout.checks[c].clause, column.name))
                continue;
            problem = "«" + Caption(column) + "»: значение «" + CString(values[i]).Trim() + "» не подходит";
            problem += column.rule.IsEmpty() ? " (правило " + layout.checks[c].name + ")" : CString(": ") + column.rule;
            return int(i);
        }
        problem = "Запись не подходит под правило " + layout.checks[c].name + " таблицы " + layout.table;
        return 0;
    }
    return -1;
}

CString SprEditSelect(const SprEditLayout& layout)
{
    CString sql = "select " + layout.key;
    for (const SprEditColumn& column : layout.columns)
        sql += "," + column.name;
    sql += " from " + layout.table;
    if (layout.keepsDeleted)
        sql += " where dt_del is null";
    return sql + " order by " + layout.key;
}

CString SprEditInsert(const SprEditLayout& layout, const CString& key, const std::vector<CString>& values)
{
    CString names, literals;
    if (!key.IsEmpty()) {
        names = layout.key;
        literals = NullStr(key);
    }
    CString literal, problem;
    for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i) {
        SprEditValue(layout.columns[i], values[i], literal, problem);
        names += (names.IsEmpty() ? "" : ",") + layout.columns[i].name;
        literals += (literals.IsEmpty() ? "" : ",") + literal;
    }
    return "insert into " + layout.table + " (" + names + ") values (" + literals + ")";
}

CString SprEditUpdate(const SprEditLayout& layout, const CString& key, const std::vector<CString>& values)
{
    CString assignments, literal, problem;
    for (size_t i = 0; i < layout.columns.size() && i < values.size(); ++i) {
        SprEditValue(layout.columns[i], values[i], literal, problem);
        assignments += (i ? "," : "") + layout.columns[i].name + "=" + literal;
    }
    return "update " + layout.table + " set " + assignments + KeyCondition(layout, key);
}

CString SprEditDelete(const SprEditLayout& layout, const CString& key)
{
    if (!layout.keepsDeleted)
        return "delete from " + layout.table + KeyCondition(layout, key);
    const QDate today = QDate::currentDate();
    return "update " + layout.table + " set dt_del=" +
           CString(SqlDateLiteral(today.year(), today.month(), today.day(), CurrentDialect())) +
           KeyCondition(layout, key);
}

} // namespace appcore
