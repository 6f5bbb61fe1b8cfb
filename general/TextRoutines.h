#pragma once

#include <QString>

namespace STD {

// CR LF: the line break inside texts and at the end of every written line.
QString LineBreak();

// Brings text to exactly `length` characters: cuts the front off a longer
// text, or adds characters of `fill`, walked backwards from its last one.
// A negative length raises error 5, an empty fill with characters to add 11.
QString PadText(const QString& text, const QString& fill, qint16 length, bool padLeft);

// Decimal text: digits without leading zeros, "-" in front when negative.
QString NumberText(double value);

// Removes blanks (spaces only) from the end, then from the start.
QString TrimText(const QString& text);

// `text` written `count` times; count is a whole number in decimal digits.
QString RepeatText(const QString& text, const QString& count);

// Every `before` in text replaced by `after`, left to right and not
// overlapping, in one pass: the time grows with the text's length alone.
QString ReplaceText(QStringView text, QStringView before, QStringView after);

} // namespace STD
