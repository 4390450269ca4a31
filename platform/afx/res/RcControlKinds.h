// The control statements of a dialog template (LTEXT, EDITTEXT, COMBOBOX...)
// with their window classes and the default styles a written style adds to.
#pragma once
#include <QString>

struct RcControlKind {
    const char* word;
    bool hasText;
    const char* className;
    long style;
};

// The kind of a control statement word, null when the word names none.
const RcControlKind* RcFindControlKind(const QString& word);
// What a written style is combined with (the defaults, less a combo box's kind).
long RcWrittenStyleBase(const RcControlKind& kind);
// The written style completed with the default kind where it names none.
long RcWithDefaultKind(const RcControlKind& kind, long style);
