#include "SprEditRows.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"
#include "ndbcore.h"

#include <QDate>

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
