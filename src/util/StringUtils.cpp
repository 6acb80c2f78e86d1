#include "util/StringUtils.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace tarnbrook {

namespace {

bool italianConvention = true;

bool IsSpace(char ch)
{
    return std::isspace(static_cast<unsigned char>(ch)) != 0;
}

template <typename Convert>
void ConvertBytes(std::string& text, Convert convert)
{
    for (char& ch : text) {
        ch = static_cast<char>(convert(static_cast<unsigned char>(ch)));
    }
}

// Inserts the separator between groups of three digits of a text of digits only.
std::string GroupDigits(const std::string& digits, char separator)
{
    std::string grouped;
    const size_t length = digits.size();
    for (size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[i];
    }
    return grouped;
}

// Groups the digits of a decimal integer text, keeping a leading minus sign in front.
std::string GroupSigned(const std::string& number)
{
    if (!number.empty() && number[0] == '-') {
        return "-" + GroupDigits(number.substr(1), ThousandsSeparator());
    }
    return GroupDigits(number, ThousandsSeparator());
}

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    return std::toupper(static_cast<unsigned char>(ch)) - 'A' + 10;
}

bool IsHexDigit(char ch)
{
    return std::isxdigit(static_cast<unsigned char>(ch)) != 0;
}

}  // namespace

std::string ToUpper(std::string& text)
{
    ConvertBytes(text, [](int ch) { return std::toupper(ch); });
    return text;
}

std::string ToLower(std::string& text)
{
    ConvertBytes(text, [](int ch) { return std::tolower(ch); });
    return text;
}

std::string ToUpper(const std::string& text)
{
    std::string copy = text;
    return ToUpper(copy);
}

std::string ToLower(const std::string& text)
{
    std::string copy = text;
    return ToLower(copy);
}

std::string TrimLeft(const std::string& text)
{
    size_t first = 0;
    while (first < text.size() && IsSpace(text[first])) {
        ++first;
    }
    return text.substr(first);
}

std::string TrimRight(const std::string& text)
{
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1])) {
        --end;
    }
    return text.substr(0, end);
}

std::string Trim(const std::string& text)
{
    return TrimLeft(TrimRight(text));
}

std::string PadLeft(const std::string& text, char ch, size_t width)
{
    if (text.size() >= width) {
        return text;
    }
    return std::string(width - text.size(), ch) + text;
}

std::string PadRight(const std::string& text, char ch, size_t width)
{
    if (text.size() >= width) {
        return text;
    }
    return text + std::string(width - text.size(), ch);
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with)
{
    if (what.empty()) {
        return text;
    }
    size_t position = text.find(what);
    while (position != std::string::npos) {
        text.replace(position, what.size(), with);
        position = text.find(what, position + with.size());
    }
    return text;
}

std::string ReplaceChar(std::string text, char from, char to)
{
    for (char& ch : text) {
        if (ch == from) {
            ch = to;
        }
    }
    return text;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces;
    if (text.empty() || separator.empty()) {
        return pieces;
    }
    size_t start = 0;
    size_t found = text.find(separator);
    while (found != std::string::npos) {
        pieces.push_back(text.substr(start, found - start));
        start = found + separator.size();
        found = text.find(separator, start);
    }
    if (start < text.size()) {
        pieces.push_back(text.substr(start));
    }
    return pieces;
}

std::string IntToString(std::int64_t value, char fill, int width)
{
    const std::string text = std::to_string(value);
    if (width <= 0) {
        return text;
    }
    if (fill == '0' && value < 0) {
        return "-" + PadLeft(text.substr(1), fill, static_cast<size_t>(width) - 1);
    }
    return PadLeft(text, fill, static_cast<size_t>(width));
}

std::string ByteToHex(int value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(value) & 0xFFu);
    return text;
}

std::string FloatToString(double value)
{
    const int length = std::snprintf(nullptr, 0, "%.2f", value);
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.2f", value);
    return text;
}

std::string GroupThousands(std::int64_t value)
{
    return GroupSigned(std::to_string(value));
}

std::string FormatAmount(double value)
{
    std::string text = FloatToString(value);
    if (text.find('.') == std::string::npos) {
        return text;  // inf or nan
    }
    if (text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);  // a tiny negative value rounds to plain zero
    }
    const size_t point = text.find('.');
    return GroupSigned(text.substr(0, point)) + DecimalSeparator() + text.substr(point + 1);
}

double ParseFloat(const std::string& text)
{
    std::string plain;
    for (char ch : text) {
        if (ch == ThousandsSeparator()) {
            continue;
        }
        plain += ch == DecimalSeparator() ? '.' : ch;
    }
    return std::strtod(plain.c_str(), nullptr);
}

std::string UrlEncode(const std::string& text)
{
    std::string encoded;
    for (char ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '.' || ch == '_' ||
            ch == '~') {
            encoded += ch;
        } else {
            encoded += '%' + ByteToHex(static_cast<unsigned char>(ch));
        }
    }
    return encoded;
}

std::string UrlDecode(const std::string& text)
{
    std::string decoded;
    size_t i = 0;
    while (i < text.size()) {
        const bool escape = text[i] == '%' && i + 2 < text.size() && IsHexDigit(text[i + 1]) &&
                            IsHexDigit(text[i + 2]);
        if (escape) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 3;
        } else {
            decoded += text[i];
            ++i;
        }
    }
    return decoded;
}

char DecimalSeparator()
{
    return italianConvention ? ',' : '.';
}

char ThousandsSeparator()
{
    return italianConvention ? '.' : ',';
}

void SetItalianNumberConvention(bool on)
{
    italianConvention = on;
}

}  // namespace tarnbrook
