#pragma once

// The city's state lives in captions of labels on the main screen: values
// (money, population, mood, income and the counters) and flags ("0"/"1").
// These are the few operations every handler uses on them.

#include "runtime/control.h"

namespace tarvik {

// Value condition: strict parse compared strictly. Text that is not a number
// makes every condition false.
bool value_above(const Control& label, double threshold);
bool value_below(const Control& label, double threshold);

// Flag test: strict parse compared for equality.
bool flag_equals(const Control& label, int value);

// Value update: lenient parse, plus the change, written back in text form.
void value_update(Control& label, double change);
// The same with the strict parse (the payments of the incidents and the rail
// offer read money so); text that is not a number leaves the label alone.
void value_update_strict(Control& label, double change);

// Flag write: "0" or "1" (any whole number as decimal text).
void write_flag(Control& label, int value);

}  // namespace tarvik
