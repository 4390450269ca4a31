// Reads the keys of one JSON object of a configuration source, refusing wrong
// types, missing required keys and keys nobody reads (a misspelt key is an error).
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

class JsonFields {
public:
    // `where` names the object in messages: the file and its place in it.
    JsonFields(const QJsonObject& object, const QString& where) : m_object(object), m_where(where) {}

    bool Has(const char* key) const { return m_object.contains(QLatin1String(key)); }
    QString Text(const char* key, bool required, const QString& fallback = QString());
    int Int(const char* key, bool required, int fallback = 0);
    bool Bool(const char* key, bool fallback);
    QJsonArray Array(const char* key, bool required);
    // Fails when the object has a key that was not read.
    void Done() const;

    [[noreturn]] void Fail(const QString& problem) const;

private:
    QJsonValue Value(const char* key, bool required);

    QJsonObject m_object;
    QString m_where;
    QSet<QString> m_read;
};

[[noreturn]] void ConfigSourceFail(const QString& where, const QString& problem);
