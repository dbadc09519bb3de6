#pragma once
// Strict conversion of a text to a 32-bit whole number, as used for every number the user types
// or the settings file holds.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quellar {

// Leading spaces are skipped, then an optional sign ("+" or "-"), then either decimal digits or
// hexadecimal digits (either letter case) after "$", "0x" or "0X". Nothing may follow the digits.
// The value, sign included, must lie in -2147483648..2147483647; a hexadecimal text is a
// magnitude like a decimal one, so "$80000000" is out of range and "-$80000000" is not.
// Returns no value for an empty text or any other text.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but a rejected text raises EConvertError("'<text>' is not a valid integer
// value") with the text exactly as given.
std::int32_t StrToInt(const std::string& text);

} // namespace quellar
