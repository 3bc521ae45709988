#pragma once

#include <QString>

#include <optional>

/** Small text rules shared by every subsystem. */
namespace TextUtil {
/** Removes leading and trailing blanks (U+0020) only; tabs and line breaks stay. */
QString Trim(QStringView s);
/** Removes leading blanks only. */
QString LTrim(QStringView s);
/** Removes trailing blanks only. */
QString RTrim(QStringView s);
/**
 * True for optional blanks, an optional sign, digits with at most one decimal point (at
 * least one digit), optional blanks; nothing else.
 */
bool IsNumeric(QStringView s);
/** The value of a numeric text, or nothing when the text is not numeric. */
std::optional<double> NumericValue(QStringView s);
/**
 * A numeric text converted to a 32-bit whole number (halves round to even), or nothing
 * when the text is not numeric or out of range.
 */
std::optional<int> ToInt32(QStringView s);
} // namespace TextUtil
