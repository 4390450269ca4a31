#include "com_error.h"

namespace {

QString DefaultDescription(HRESULT hr)
{
    switch (hr) {
    case adErrNoCurrentRecord:
        return QStringLiteral("Нет текущей записи: набор записей стоит в начале или в конце");
    case adErrObjectClosed:
        return QStringLiteral("Объект закрыт");
    case adErrItemNotFound:
        return QStringLiteral("Элемент не найден в наборе");
    case DISP_E_TYPEMISMATCH:
        return QStringLiteral("Несоответствие типа значения");
    case E_POINTER:
        return QStringLiteral("Пустой указатель на объект");
    default:
        return QStringLiteral("Ошибка 0x%1").arg(static_cast<quint32>(hr), 8, 16, QLatin1Char('0'));
    }
}

// Connection failures of the MariaDB client: cannot connect (2002, 2003),
// unknown host (2005), server gone away (2006), connection lost (2013, 2055),
// connection killed (1927), and the socket's read or write failing under a
// call (5013, 5014: a write to a connection the server has closed).
bool IsLostConnectionCode(long native)
{
    switch (native) {
    case 2002: case 2003: case 2005: case 2006: case 2013: case 2055: case 1927: case 5013: case 5014:
        return true;
    default:
        return false;
    }
}

// MariaDB's numbers of broken rules (duplicate key, missing reference, NULL in
// a NOT NULL column, value out of range, too long or not of the column's type,
// failed CHECK): the driver does not always give SQLSTATE 23000 with them.
bool IsConstraintCode(long native)
{
    switch (native) {
    case 1022: case 1048: case 1062: case 1169: case 1216: case 1217: case 1263: case 1264: case 1265:
    case 1292: case 1366: case 1406: case 1451: case 1452: case 1586: case 3819: case 4025:
        return true;
    default:
        return false;
    }
}

}  // namespace

_com_error::_com_error(HRESULT hr) : _com_error(hr, DefaultDescription(hr)) {}

_com_error::_com_error(HRESULT hr, const QString& description, const QString& doing,
                       std::vector<DbDiagnostic> diagnostics)
    : hr_(hr),
      description_(description.isEmpty() ? DefaultDescription(hr) : description),
      doing_(doing),
      diagnostics_(std::move(diagnostics))
{
    QString text = description_;
    if (!doing_.isEmpty())
        text += QStringLiteral(" (") + doing_ + QStringLiteral(")");
    message_ = text.toUtf8();
}

_com_error::_com_error(const _com_error& other, const QString& doing)
    : _com_error(other.hr_, other.description_, doing, other.diagnostics_)
{
}

const char* _com_error::ErrorMessage() const
{
    return message_.constData();
}

QString _com_error::SqlState() const
{
    return diagnostics_.empty() ? QString() : diagnostics_.front().sqlState;
}

long _com_error::NativeError() const
{
    return diagnostics_.empty() ? 0 : diagnostics_.front().nativeError;
}

DbErrorKind _com_error::Kind() const
{
    if (hr_ == adErrNoCurrentRecord)
        return DbErrorKind::NoData;
    for (const DbDiagnostic& d : diagnostics_) {
        if (d.sqlState.startsWith(QLatin1String("08")) || d.sqlState == QLatin1String("HYT01")
            || IsLostConnectionCode(d.nativeError))
            return DbErrorKind::ConnectionLost;
    }
    const QString state = SqlState();
    if (state.startsWith(QLatin1String("23")) || state.startsWith(QLatin1String("22"))
        || IsConstraintCode(NativeError()))
        return DbErrorKind::Constraint;
    if (state == QLatin1String("02000"))
        return DbErrorKind::NoData;
    return DbErrorKind::Other;
}
