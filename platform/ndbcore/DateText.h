// Date texts of the layer. Accepted: dd.mm.yyyy and d.m.yyyy, yyyy-m-d (as
// the code builds "%d-%d-1"), each optionally followed by hh:mm or hh:mm:ss
// (after a blank, or "T" for the ISO form). Years have four digits. The text
// form given back is dd.mm.yyyy.
#pragma once
#include "afx.h"
#include "OleDate.h"

using vornal::ado::DateParts;

// False for an empty text, another form or an impossible date (31.02.2024).
bool ParseDateText(const QString& text, DateParts& parts, bool* hasTime = nullptr);
QString DateText(const DateParts& parts);
QString DateText(int year, int month, int day);
// The date of a COleDateTime as parts (a valid one only).
bool DatePartsOf(const COleDateTime& date, DateParts& parts);
DateParts Today();
DateParts Now();
