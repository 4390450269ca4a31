// Amounts as text and their rounding to kopecks: half away from zero on the
// amount as it is written (2.675 gives 2.68, not the 2.67 of its binary
// neighbour), "." as the decimal point, no grouping, "0.00" rather than "-0.00".
#pragma once
#include "afx.h"

// A number written with any count of decimals ("-12.345", "7") rounded to the
// given places; empty when the text is no plain number.
QString RoundDecimalText(const QString& number, int places);
double RoundKopecks(double amount);
// The text of an amount in reports and forms: "1234.50".
CString ftoa0(double amount);
CString ftoa2(double amount);
// Nets a balance pair: the larger side keeps the difference, the other becomes 0.
void NormalizeOst(double& debit, double& credit);
// The shortest text that reads back as the same double, without exponent.
QString ShortestNumberText(double value);
