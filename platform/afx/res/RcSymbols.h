// Names known to every resource script (styles and standard ids).
#pragma once
#include <QHash>
#include <QString>

const QHash<QString, long>& RcBuiltinSymbols();
