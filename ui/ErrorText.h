#pragma once
// The text of the application's default error box.
#include <string>

namespace quellar {

// Appends a full stop when the last character sorts after '.' in character order (bytes taken
// as unsigned): "abc" gets one; "abc.", "abc!", "abc " and the empty text do not.
inline std::string WithFullStop(std::string text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text += '.';
    }
    return text;
}

} // namespace quellar
