// What a grid cell accepts as it is typed, by the kind of its column, and the
// text that a finished edit keeps. Amounts and numbers take a typed "," as the
// decimal point and keep ".", so every amount text reads back with atof.
// No cell ever keeps the separators of the serialized grid: a cell text is
// stored whole in a document, whatever was typed, pasted or set.
#pragma once
#include <QString>
#include <QValidator>

namespace gridbase {

class CellValidator : public QValidator {
public:
    CellValidator(int kind, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int m_kind;
};

// The text a finished edit keeps: a lone sign or point becomes "", a number
// loses a trailing point and gets a 0 before a leading one, a typed date
// becomes dd.mm.yyyy when it is one.
QString FinishedCellText(int kind, const QString& text);

// The text a cell keeps of any text given to it: the separators of the
// serialized grid become blanks.
QString CleanCellText(const QString& text);

} // namespace gridbase
