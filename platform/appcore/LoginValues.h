// The values of a login string: the command line's login arguments and the
// string the login dialog writes share one layout, "-<value> -<value> ...".
// A value begins after a "-" that begins the text or follows a blank and runs
// to the next such "-"; its outer blanks are dropped, so it may hold "-" and
// blanks inside ("db-1", "Иванов И.").
//
// A value that has to keep its outer blanks or a " -" inside (a password as
// the user typed it) is written between double quotes, a quote inside it
// doubled: -"пароль -с пробелами ". The login dialog writes its values so,
// and the core reads them back as the dialog checked them. A quote that is
// never closed is read as a plain character, as the command line gives it.
#pragma once

#include <QString>
#include <QStringList>

namespace appcore {

// The values in order; text before the first "-" is not a value.
QStringList LoginValues(const QString& text);
// A value as a login string carries it: quoted when it would not read back
// as it is.
QString LoginValue(const QString& value);

} // namespace appcore
