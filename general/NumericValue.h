#pragma once

#include <QString>

namespace STD {

// The numeric value of a text: blanks, tabs and line feeds are skipped
// anywhere; then the longest leading number is read (sign, digits with one
// ".", exponent with e/E/d/D), or an "&H"/"&O" integer. No number gives 0.
double NumericValue(const QString& text);
// What NumericValue leaves unread, without the skipped blanks, tabs and line
// feeds: "" when the whole text is the number, the whole text when none.
QString TextAfterNumber(QStringView text);

// To the nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven into the member's range; beyond it raises error 6.
qint16 RoundToInt16(double value);
qint32 RoundToInt32(double value);

} // namespace STD
