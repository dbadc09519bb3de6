#pragma once
// The current local date and time in the user's formats.
#include <string>

namespace quellar {

// Today's date in the user's short date format.
std::string ShortDateText();
// The time now in the user's long time format.
std::string LongTimeText();

} // namespace quellar
