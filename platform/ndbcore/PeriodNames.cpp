#include "PeriodNames.h"

namespace {

CString Pick(const char* const* names, long count, long index)
{
    return index >= 0 && index < count ? CString(names[index]) : CString();
}

}  // namespace

CString GetMonthName(long month)
{
    static const char* const names[] = {"январь", "февраль", "март",     "апрель",  "май",    "июнь",
                                        "июль",   "август",  "сентябрь", "октябрь", "ноябрь", "декабрь"};
    return Pick(names, 12, month - 1);
}

CString GetMonthName0(long month)
{
    static const char* const names[] = {"января", "февраля", "марта",     "апреля",  "мая",    "июня",
                                        "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    return Pick(names, 12, month - 1);
}

CString GetOtpName(long otpId)
{
    static const char* const names[] = {
        "январь",   "февраль",   "март",      "I квартал",   "апрель",   "май",     "июнь",
        "II квартал", "I полугодие", "июль",    "август",      "сентябрь", "III квартал", "9 месяцев",
        "октябрь",  "ноябрь",    "декабрь",   "IV квартал",  "за год"};
    return Pick(names, 19, otpId);
}

CString GetDayOfWeekName(long day)
{
    static const char* const names[] = {"воскресенье", "понедельник", "вторник", "среда",
                                        "четверг",     "пятница",     "суббота"};
    return Pick(names, 7, day - 1);
}
