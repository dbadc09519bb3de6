#include "base/StrToInt.h"

#include "base/Exception.h"

namespace quellar {

namespace {

// The value of one digit in the given base, or -1 when c is not such a digit.
int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Skips a "$", "0x" or "0X" prefix at pos and returns the base of the digits that follow.
int TakeBasePrefix(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == '$') {
        ++pos;
        return 16;
    }
    if (pos + 1 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        pos += 2;
        return 16;
    }
    return 10;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const int base = TakeBasePrefix(text, pos);
    if (pos == text.size()) {
        return std::nullopt; // no digits at all
    }
    // The magnitude may reach 2^31 for a negative value; anything larger is rejected at once, so
    // the accumulator never overflows however many digits follow.
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t StrToInt(const std::string& text) {
    if (const auto value = TryStrToInt(text)) {
        return *value;
    }
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace quellar
