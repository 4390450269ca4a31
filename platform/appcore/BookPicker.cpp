#include "BookPicker.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"

#include "ndbcore.h"

namespace appcore {

namespace {

bool StartsWithWord(const QString& text, const char* word)
{
    QString w = QString::fromLatin1(word);
    return text.startsWith(w, Qt::CaseInsensitive) && (text.size() == w.size() || text[w.size()].isSpace() ||
                                                       text[w.size()] == u'(');
}

bool Same(const CString& a, const QString& b)
{
    return !a.IsEmpty() && a.ToQString().compare(b, Qt::CaseInsensitive) == 0;
}

// The query of a book's rows that a condition may follow.
QString BaseQuery(const CSprRecord* spr, const QString& table)
{
    if (spr && !spr->m_strSelect.IsEmpty())
        return QStringLiteral("select * from (%1) book").arg(spr->m_strSelect.ToQString());
    return QStringLiteral("select * from %1").arg(table);
}

void Refuse(const QString& text)
{
    AfxMessageBox(CString(text), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

FilterKind ClassifyFilter(const QString& filter)
{
    QString text = filter.trimmed();
    if (text.isEmpty())
        return FilterKind::None;
    if (StartsWithWord(text, "select"))
        return FilterKind::Select;
    if (StartsWithWord(text, "where"))
        return FilterKind::Where;
    if (StartsWithWord(text, "and"))
        return FilterKind::And;
    return FilterKind::Fragment;
}

const CSprRecord* FindPickerBook(const QString& book)
{
    const std::vector<CSprRecord>& sprs = GetDataArchive()->GetSprs();
    for (auto same : {&CSprRecord::m_strPicker, &CSprRecord::m_strTable, &CSprRecord::m_strName,
                      &CSprRecord::m_strCaption})
        for (const CSprRecord& spr : sprs)
            if (Same(spr.*same, book))
                return &spr;
    return nullptr;
}

bool BookPickerSetup(const char* book, const char* filter, PickerSetup& setup)
{
    QString name = QString::fromUtf8(book ? book : "").trimmed();
    QString condition = QString::fromUtf8(filter ? filter : "").trimmed();
    const CSprRecord* spr = FindPickerBook(name);
    QString table = spr ? spr->m_strTable.ToQString() : name;
    FilterKind kind = ClassifyFilter(condition);
    bool listable = kind == FilterKind::Select || (spr && !spr->m_strSelect.IsEmpty()) || IsSqlIdentifier(table);
    if (!listable) {
        Refuse(QStringLiteral("Справочник «%1» не найден в конфигурации").arg(name));
        return false;
    }
    setup = PickerSetup();
    setup.title = spr ? spr->m_strName : CString(name);
    setup.keyField = spr ? spr->m_strFieldId : CString("id");
    CString nameField = spr ? spr->m_strFieldName : CString("name");
    if (spr && !spr->m_fields.empty()) {
        for (const CSprField& field : spr->m_fields)
            if (field.m_bListed)
                setup.columns.push_back({field.m_strName, field.m_strCaption});
    } else {
        setup.columns = {{setup.keyField, "Код"}, {nameField, "Наименование"}};
    }
    QString base = BaseQuery(spr, table);
    switch (kind) {
    case FilterKind::Select:
        // A book of the configuration answers its key column and shows its
        // columns from the query too (those the query has); any other query
        // answers its first column and shows them all.
        setup.sql = CString(condition);
        if (!spr) {
            setup.keyField.Empty();
            setup.columns.clear();
        }
        break;
    case FilterKind::Where:
        setup.sql = CString(base + QStringLiteral(" ") + condition);
        break;
    case FilterKind::And:
        setup.sql = CString(base + QStringLiteral(" where 1=1 ") + condition);
        break;
    case FilterKind::Fragment:
        setup.search = CString(condition);
        [[fallthrough]];
    case FilterKind::None:
        setup.sql = CString(base);
        break;
    }
    return true;
}

} // namespace appcore
