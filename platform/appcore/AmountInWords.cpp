#include "AmountInWords.h"

#include "MoneyText.h"

#include <cmath>
#include <cstdlib>

namespace appcore {

namespace {

const char* const kUnits[] = {"", "один", "два", "три", "четыре", "пять", "шесть", "семь", "восемь", "девять",
                              "десять", "одиннадцать", "двенадцать", "тринадцать", "четырнадцать", "пятнадцать",
                              "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
const char* const kTens[] = {"", "", "двадцать", "тридцать", "сорок", "пятьдесят", "шестьдесят", "семьдесят",
                             "восемьдесят", "девяносто"};
const char* const kHundreds[] = {"", "сто", "двести", "триста", "четыреста", "пятьсот", "шестьсот", "семьсот",
                                 "восемьсот", "девятьсот"};

// The scales above units, each with its gender and the three forms of its noun.
struct Scale {
    long long size;
    WordGender gender;
    const char* one;
    const char* few;
    const char* many;
};
const Scale kScales[] = {
    {1000000000000LL, WordGender::Masculine, "триллион", "триллиона", "триллионов"},
    {1000000000LL, WordGender::Masculine, "миллиард", "миллиарда", "миллиардов"},
    {1000000LL, WordGender::Masculine, "миллион", "миллиона", "миллионов"},
    {1000LL, WordGender::Feminine, "тысяча", "тысячи", "тысяч"},
};

void Append(QString& out, const char* word)
{
    if (!*word)
        return;
    if (!out.isEmpty())
        out += u' ';
    out += QString::fromUtf8(word);
}

// 1..999 in words.
void AppendTriple(QString& out, int n, WordGender gender)
{
    Append(out, kHundreds[n / 100]);
    n %= 100;
    if (n >= 20) {
        Append(out, kTens[n / 10]);
        n %= 10;
    }
    if (gender == WordGender::Feminine && (n == 1 || n == 2))
        Append(out, n == 1 ? "одна" : "две");
    else
        Append(out, kUnits[n]);
}

} // namespace

const char* CountedForm(long long number, const char* one, const char* few, const char* many)
{
    long long n = std::llabs(number) % 100;
    if (n >= 11 && n <= 19)
        return many;
    switch (n % 10) {
    case 1:
        return one;
    case 2:
    case 3:
    case 4:
        return few;
    default:
        return many;
    }
}

CString NumberInWords(long long number, WordGender gender)
{
    if (number == 0)
        return CString("ноль");
    QString out;
    if (number < 0)
        Append(out, "минус");
    unsigned long long rest = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                         : static_cast<unsigned long long>(number);
    for (const Scale& scale : kScales) {
        int part = int(rest / static_cast<unsigned long long>(scale.size));
        rest %= static_cast<unsigned long long>(scale.size);
        if (part == 0)
            continue;
        if (part >= 1000) {
            // Beyond the largest scale: the leading part is a number of its own.
            Append(out, NumberInWords(part, scale.gender).ToStdString().c_str());
        } else {
            AppendTriple(out, part, scale.gender);
        }
        Append(out, CountedForm(part, scale.one, scale.few, scale.many));
    }
    if (rest > 0)
        AppendTriple(out, int(rest), gender);
    return CString(out);
}

CString RublesInWords(double amount)
{
    double rounded = RoundKopecks(amount);
    long long kopecks = std::llround(std::fabs(rounded) * 100.0);
    long long rubles = kopecks / 100;
    kopecks %= 100;
    QString text = NumberInWords(rubles).ToQString();
    if (rounded < 0 && (rubles != 0 || kopecks != 0))
        text = QStringLiteral("минус ") + text;
    text += u' ';
    text += QString::fromUtf8(CountedForm(rubles, "рубль", "рубля", "рублей"));
    text += QStringLiteral(" %1 ").arg(kopecks, 2, 10, QLatin1Char('0'));
    text += QString::fromUtf8(CountedForm(kopecks, "копейка", "копейки", "копеек"));
    text[0] = text[0].toUpper();
    return CString(text);
}

} // namespace appcore
