#include "state/city_state.h"

#include "runtime/conversions.h"

namespace tarvik {

bool value_above(const Control& label, double threshold) {
    auto value = strict_parse(label.caption());
    return value && *value > threshold;
}

bool value_below(const Control& label, double threshold) {
    auto value = strict_parse(label.caption());
    return value && *value < threshold;
}

bool flag_equals(const Control& label, int value) {
    auto parsed = strict_parse(label.caption());
    return parsed && *parsed == value;
}

void value_update(Control& label, double change) {
    label.set_caption(text_form(lenient_parse(label.caption()) + change));
}

void value_update_strict(Control& label, double change) {
    if (auto value = strict_parse(label.caption())) label.set_caption(text_form(*value + change));
}

void write_flag(Control& label, int value) { label.set_caption(whole_number_text(value)); }

}  // namespace tarvik
