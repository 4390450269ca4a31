#include "AfxCrt.h"

#include "afx_tchar.h"

#include <QString>
#include <chrono>
#include <clocale>
#include <locale.h>
#include <thread>

namespace {

locale_t cLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

} // namespace

double AfxStrtod(const char* text, char** end)
{
    if (!text) {
        if (end)
            *end = nullptr;
        return 0;
    }
    return strtod_l(text, end, cLocale());
}

double AfxAtof(const char* text)
{
    return AfxStrtod(text, nullptr);
}

int AfxStrICmp(const char* a, const char* b)
{
    const int r = QString::compare(QString::fromUtf8(a ? a : ""), QString::fromUtf8(b ? b : ""), Qt::CaseInsensitive);
    return (r > 0) - (r < 0);
}

int AfxStrNICmp(const char* a, const char* b, size_t characters)
{
    const qsizetype n = qsizetype(characters);
    const int r = QString::compare(QString::fromUtf8(a ? a : "").left(n), QString::fromUtf8(b ? b : "").left(n),
                                   Qt::CaseInsensitive);
    return (r > 0) - (r < 0);
}

ULONGLONG GetTickCount64()
{
    using namespace std::chrono;
    return ULONGLONG(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DWORD GetTickCount()
{
    return DWORD(GetTickCount64());
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
