#include "PickerList.h"

#include "ndbcore.h"

#include <QStringList>

namespace appcore {

namespace {

int FieldIndex(Fields* fields, const CString& name)
{
    long count = fields->GetCount();
    for (long i = 0; i < count; ++i)
        if (CString(fields->GetItem(i)->GetName()).CompareNoCase(name) == 0)
            return int(i);
    return -1;
}

CString CellText(Fields* fields, int index)
{
    _variant_t value = fields->GetItem(long(index))->GetValue();
    if (value.isNull() || value.isEmpty())
        return CString();
    return CString(value.text());
}

// The shown columns that the query has, with their captions.
std::vector<int> ShownColumns(const PickerSetup& setup, Fields* fields, std::vector<CString>& captions)
{
    std::vector<int> shown;
    for (const PickerColumn& column : setup.columns) {
        int index = FieldIndex(fields, column.field);
        if (index < 0)
            continue;
        shown.push_back(index);
        captions.push_back(column.caption.IsEmpty() ? column.field : column.caption);
    }
    if (shown.empty()) {
        for (long i = 0; i < fields->GetCount(); ++i) {
            CString name(fields->GetItem(i)->GetName());
            if (name.CompareNoCase("dt_del") == 0)
                continue;
            shown.push_back(int(i));
            captions.push_back(name);
        }
    }
    return shown;
}

} // namespace

bool LoadPickerRows(const PickerSetup& setup, PickerRows& out)
{
    out = PickerRows();
    // Through the layer: a connection the server dropped is opened again.
    _RecordsetPtr rs = ExecuteRows(setup.sql);
    if (!rs)
        return false;
    try {
        FieldsPtr fields = rs->GetFields();
        int key = setup.keyField.IsEmpty() ? 0 : FieldIndex(fields, setup.keyField);
        if (key < 0)
            key = 0;
        int deleted = FieldIndex(fields, "dt_del");
        std::vector<int> shown = ShownColumns(setup, fields, out.captions);
        for (; !rs->GetadoEOF(); rs->MoveNext()) {
            if (deleted >= 0 && !CellText(fields, deleted).IsEmpty())
                continue;
            PickerRow row;
            row.key = CellText(fields, key);
            for (int index : shown)
                row.cells.push_back(CellText(fields, index));
            out.rows.push_back(std::move(row));
        }
        return true;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, "список для выбора");
        return false;
    }
}

bool RowMatches(const PickerRow& row, const QString& search)
{
    const QStringList words = search.split(u' ', Qt::SkipEmptyParts);
    for (const QString& word : words) {
        bool found = row.key.ToQString().contains(word, Qt::CaseInsensitive);
        for (size_t i = 0; !found && i < row.cells.size(); ++i)
            found = row.cells[i].ToQString().contains(word, Qt::CaseInsensitive);
        if (!found)
            return false;
    }
    return true;
}

} // namespace appcore
