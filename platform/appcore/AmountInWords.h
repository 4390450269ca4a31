// Numbers and amounts written in Russian words, as printed forms show them
// ("Одна тысяча двести рублей 05 копеек").
#pragma once

#include "afx.h"

namespace appcore {

// Grammatical gender of the counted word: рубль, миллион are masculine,
// тысяча, копейка, книга feminine.
enum class WordGender { Masculine, Feminine };

// A whole number in words, small letters: 0 "ноль", 2 "два" / "две", 1000
// "одна тысяча", -5 "минус пять".
CString NumberInWords(long long number, WordGender gender = WordGender::Masculine);

// The form of a counted noun after a number: 1 рубль, 2 рубля, 5 рублей,
// 11 рублей, 21 рубль.
const char* CountedForm(long long number, const char* one, const char* few, const char* many);

// An amount of money: rubles in words, kopecks in two figures, the first
// letter capital ("Двадцать один рубль 50 копеек"); rounded to kopecks.
CString RublesInWords(double amount);

} // namespace appcore
