#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnbrook {

// Byte-string helpers. Characters are bytes, classified by the C library in the default locale.

// Converts the argument itself and returns the converted text.
std::string ToUpper(std::string& text);
std::string ToLower(std::string& text);
// For constant or temporary texts: returns a converted copy.
std::string ToUpper(const std::string& text);
std::string ToLower(const std::string& text);

std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
std::string Trim(const std::string& text);

// Adds ch on the left (right) until the text is at least width long; never shortens.
std::string PadLeft(const std::string& text, char ch, size_t width);
std::string PadRight(const std::string& text, char ch, size_t width);

// Replaces every occurrence of what, left to right; text inserted by a replacement is not
// searched again, so a with that contains what cannot loop. An empty what changes nothing.
std::string ReplaceAll(std::string text, const std::string& what, const std::string& with);
std::string ReplaceChar(std::string text, char from, char to);

// Pieces between the separators, empty ones included, except that a trailing empty piece is
// dropped. An empty text or separator gives no pieces.
std::vector<std::string> Split(const std::string& text, const std::string& separator);

// Decimal text left-padded with fill to width (0: no padding). Zero padding of a negative value
// goes after the minus sign. A wider number is never cut.
std::string IntToString(std::int64_t value, char fill = '0', int width = 0);
// The low byte as two upper-case hexadecimal digits.
std::string ByteToHex(int value);
// Two decimals with a point, whatever the decimal convention.
std::string FloatToString(double value);

// Decimal text with the thousands separator between groups of three digits; the minus sign
// of a negative value stays in front of the first group.
std::string GroupThousands(std::int64_t value);
// Two decimals (rounded), the integer part grouped, the current decimal separator.
std::string FormatAmount(double value);
// Reads a number written in the current convention: thousands separators are ignored.
double ParseFloat(const std::string& text);

// Letters, digits and "-._~" stay; every other byte becomes %XX.
std::string UrlEncode(const std::string& text);
// Every "%" followed by two hexadecimal digits becomes that byte; anything else, a lone or
// final "%" included, passes through unchanged.
std::string UrlDecode(const std::string& text);

// Decimal convention, process-wide; Italian ("," decimal, "." thousands) until changed.
char DecimalSeparator();
char ThousandsSeparator();
void SetItalianNumberConvention(bool on);

}  // namespace tarnbrook
