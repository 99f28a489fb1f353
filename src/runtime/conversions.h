#pragma once

// The conversions between the city's numbers and the text that holds them.
// Every city state value lives in a caption, so every reader parses text and
// every writer formats a double back into text.

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// The strict parse: the whole text, apart from blanks around it, must be a
// number: an optional minus sign, digits and an optional decimal part.
// Anything else gives no value; a condition that reads it is simply false.
std::optional<double> strict_parse(std::string_view text);

// The lenient parse: the number that the text begins with (blanks skipped, an
// optional sign, digits, at most one decimal point); 0 when there is none.
double lenient_parse(std::string_view text);

// The text form of a value: whole number, leading "-" when negative, no "+",
// no separators, no decimal point. Zero (also minus zero) is "0".
std::string text_form(double value);

// A whole number written as decimal text ("0", "1", "20000").
std::string whole_number_text(int value);

// The time of day as long-time text in the user's locale (LC_TIME), e.g.
// "14:05:09" or "02:05:09 PM".
std::string long_time_text(int hours, int minutes, int seconds);

}  // namespace tarvik
