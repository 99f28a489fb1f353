#include "runtime/conversions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <ctime>

namespace tarvik {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads digits with at most one decimal point from the start of text into
// value; returns how many characters it used and whether it saw a digit.
struct NumberPart {
    std::size_t used = 0;
    bool any_digit = false;
    double value = 0.0;
};

NumberPart read_unsigned(std::string_view text) {
    NumberPart part;
    bool seen_point = false;
    double scale = 0.1;
    for (char c : text) {
        if (is_digit(c)) {
            part.any_digit = true;
            if (!seen_point) {
                part.value = part.value * 10.0 + (c - '0');
            } else {
                part.value += (c - '0') * scale;
                scale /= 10.0;
            }
        } else if (c == '.' && !seen_point) {
            seen_point = true;
        } else {
            break;
        }
        ++part.used;
    }
    return part;
}

}  // namespace

std::optional<double> strict_parse(std::string_view text) {
    text = trim_blanks(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    NumberPart part = read_unsigned(text);
    if (!part.any_digit || part.used != text.size()) return std::nullopt;
    return negative ? -part.value : part.value;
}

double lenient_parse(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    NumberPart part = read_unsigned(text);
    if (!part.any_digit) return 0.0;
    return negative ? -part.value : part.value;
}

std::string text_form(double value) {
    if (value == 0.0 || std::isnan(value)) return "0";
    double whole = std::round(value);
    // Values stay whole and far below 2^53, so they print exactly as integers.
    if (std::fabs(whole) < 9.0e15 && whole == value) {
        char buffer[32];
        auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(whole));
        return std::string(buffer, result.ptr);
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string whole_number_text(int value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string long_time_text(int hours, int minutes, int seconds) {
    std::tm moment{};
    moment.tm_hour = hours;
    moment.tm_min = minutes;
    moment.tm_sec = seconds;
    moment.tm_mday = 1;
    moment.tm_year = 100;
    char buffer[64];
    std::size_t length = std::strftime(buffer, sizeof buffer, "%X", &moment);
    return std::string(buffer, length);
}

}  // namespace tarvik
