// The texts a keyed list sends for one ordered query: a page of rows after or
// before a row's key, a page at an offset from either end, and the count of
// the rows. The query must be a plain select whose last clause is
// "order by" its key, ascending (the key being column expressions whose
// values tell rows apart); its where clause, when it has one, is kept whole
// and the key's condition is added beside it.
#pragma once
#include "variant_t.h"

#include <QStringList>
#include <vector>

namespace vornal::ado {

class KeyedQuery {
public:
    // False when the text is not a query a keyed list can page (a union, a
    // grouping, a limit, another ordering ...); then the query is read whole.
    bool split(const QString& sql, const QStringList& key);

    const QStringList& key() const { return key_; }
    // The result field of each key column: the name after its last ".".
    QStringList keyFields() const;

    // Up to `limit` rows in key order (`descending`: from the end), skipping
    // `offset` rows; with a `keyset` condition (KeysetCondition) only the rows
    // beyond that row.
    QString page(bool descending, const QString& keyset, long long limit, long long offset = 0) const;
    // The number of rows of the query: its tables and condition, without the
    // columns and the ordering; with a count table, that table alone under
    // the condition (for a query whose joins add columns, never rows, and
    // whose condition names that table alone).
    QString count() const;
    void setCountTable(const QString& table) { countTable_ = table; }

private:
    QString select_;   // "select ..." up to the from clause
    QString from_;     // "from ..." up to the where clause or the ordering
    QString where_;    // the condition, without "where"
    QStringList key_;
    QString countTable_;
};

// The condition "the key comes after (or before) the row whose key values are
// `literals`", written out column by column so that the server reads it as a
// range of an index on the key: k1>v1 or (k1=v1 and (k2>v2 or (k2=v2 and k3>v3))).
QString KeysetCondition(const QStringList& key, const QStringList& literals, bool after);

// The SQL literal of a key value (numbers bare, dates and texts quoted);
// false for a null or empty value, which no range can name.
bool KeyLiteral(const _variant_t& value, QString& literal);

}  // namespace vornal::ado
