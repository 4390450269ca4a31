#include "JsonFields.h"

#include "CConfigSourceReader.h"

void ConfigSourceFail(const QString& where, const QString& problem)
{
    throw ConfigSourceError((where + ": " + problem).toStdString());
}

void JsonFields::Fail(const QString& problem) const
{
    ConfigSourceFail(m_where, problem);
}

QJsonValue JsonFields::Value(const char* key, bool required)
{
    QString name = QLatin1String(key);
    m_read.insert(name);
    QJsonValue value = m_object.value(name);
    if (value.isUndefined() && required)
        Fail("нет обязательного ключа \"" + name + "\"");
    return value;
}

QString JsonFields::Text(const char* key, bool required, const QString& fallback)
{
    QJsonValue value = Value(key, required);
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        Fail("ключ \"" + QLatin1String(key) + "\" должен быть текстом");
    return value.toString();
}

int JsonFields::Int(const char* key, bool required, int fallback)
{
    QJsonValue value = Value(key, required);
    if (value.isUndefined())
        return fallback;
    double number = value.toDouble();
    if (!value.isDouble() || number != double(int(number)))
        Fail("ключ \"" + QLatin1String(key) + "\" должен быть целым числом");
    return int(number);
}

bool JsonFields::Bool(const char* key, bool fallback)
{
    QJsonValue value = Value(key, false);
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        Fail("ключ \"" + QLatin1String(key) + "\" должен быть true или false");
    return value.toBool();
}

QJsonArray JsonFields::Array(const char* key, bool required)
{
    QJsonValue value = Value(key, required);
    if (value.isUndefined())
        return QJsonArray();
    if (!value.isArray())
        Fail("ключ \"" + QLatin1String(key) + "\" должен быть списком [...]");
    return value.toArray();
}

void JsonFields::Done() const
{
    for (const QString& key : m_object.keys())
        if (!m_read.contains(key))
            Fail("неизвестный ключ \"" + key + "\"");
}
