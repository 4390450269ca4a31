#include "CalcEngine.h"
#include <QString>
#include <cmath>
#include <cstdlib>

namespace dlgkit {

namespace {

// Digits of a typed number (the point and the sign not counted).
const int kMaxDigits = 15;

int digitCount(const CString& text)
{
    int n = 0;
    for (QChar c : text.ToQString())
        n += c.isDigit() ? 1 : 0;
    return n;
}

} // namespace

CalcEngine::CalcEngine(const CString& start)
{
    char* end = nullptr;
    QByteArray bytes = start.ToQString().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toUtf8();
    double value = std::strtod(bytes.constData(), &end);
    if (!bytes.isEmpty() && end && *end == 0 && std::isfinite(value))
        Show(value);
}

void CalcEngine::Press(char key)
{
    if (key == 'C') {
        Clear();
        return;
    }
    if (HasError())
        Clear();
    if ((key >= '0' && key <= '9') || key == '.' || key == '\b')
        Digit(key);
    else if (key == '+' || key == '-' || key == '*' || key == '/')
        Operator(key);
    else if (key == '=')
        Equals();
}

void CalcEngine::Digit(char key)
{
    if (key == '\b') {
        if (m_fresh)
            return;
        m_entry = m_entry.Left(m_entry.GetLength() - 1);
        if (m_entry.IsEmpty() || m_entry == "-")
            m_entry = "0";
        return;
    }
    if (m_fresh) {
        m_entry = "0";
        m_fresh = false;
    }
    if (key == '.') {
        if (m_entry.Find('.') < 0)
            m_entry += ".";
        return;
    }
    if (digitCount(m_entry) >= kMaxDigits)
        return;
    if (m_entry == "0")
        m_entry = CString(key);
    else
        m_entry += key;
}

void CalcEngine::Operator(char op)
{
    // A second operator in a row only replaces the first.
    if (m_op && !m_fresh)
        Equals();
    else if (!m_op)
        m_acc = Entry();
    if (HasError())
        return;
    m_op = op;
    m_fresh = true;
}

void CalcEngine::Equals()
{
    if (!m_op)
        return;
    double rhs = Entry();
    double value = m_acc;
    switch (m_op) {
    case '+': value += rhs; break;
    case '-': value -= rhs; break;
    case '*': value *= rhs; break;
    case '/':
        if (rhs == 0) {
            m_error = "Деление на ноль";
            m_op = 0;
            return;
        }
        value /= rhs;
        break;
    }
    m_op = 0;
    Show(value);
    m_acc = Entry();
}

void CalcEngine::Clear()
{
    m_entry = "0";
    m_acc = 0;
    m_op = 0;
    m_fresh = true;
    m_error.Empty();
}

void CalcEngine::Show(double value)
{
    if (!std::isfinite(value)) {
        m_error = "Переполнение";
        return;
    }
    // Ten decimals at most, so 0.1 + 0.2 shows 0.3; no trailing zeros.
    QString text = std::fabs(value) < 1e15 ? QString::number(value, 'f', 10) : QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    m_entry = CString(text);
    m_fresh = true;
}

double CalcEngine::Entry() const { return std::atof(m_entry); }

CString CalcEngine::Display() const { return HasError() ? m_error : m_entry; }

CString CalcEngine::Result()
{
    Equals();
    return HasError() ? CString() : m_entry;
}

} // namespace dlgkit
