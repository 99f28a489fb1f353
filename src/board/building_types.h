#pragma once

// What a lot can take and what it costs. A building type has no record of its
// own on the main screen: it is its template picture there, and its tests,
// costs and effects live in the one table below, in the fixed order in which a
// lot click tries them. The railway station and demolition are priced changes
// of the same shape, kept beside the table because only their own steps of
// the lot procedure use them.

#include <span>
#include <string_view>
#include <vector>

namespace tarvik {

class Control;
class Form;

// The city state values that the board changes, by their labels on form1.
enum class CityValue { Money, Population, Mood, Income, PoliceCount, FireStationCount, AirportCount };

std::string_view label_of(CityValue value);

struct ValueUpdate {
    CityValue value;
    int change;
};

// Which of a row's two tests comes first. Neither changes anything, so the
// order decides no outcome; the house alone tests money first.
enum class TestOrder { MoneyFirst, PictureFirst };

struct BuildingType {
    std::string_view name;
    // The hidden template Image on form1 whose picture stands for the type.
    std::string_view template_name;
    TestOrder test_order;
    // The money test passes when money is strictly above this.
    int money_above;
    // Value updates after the picture copy, in the game's order.
    std::vector<ValueUpdate> updates;

    // What the type takes from money (the size of its money update).
    int cost() const;
    // The change of one value, 0 when the row leaves it alone.
    int change_of(CityValue value) const;
};

// The twelve building types in the order in which a lot click tries them.
std::span<const BuildingType> building_types();

// Lot 56's station, chosen in the river selection.
const BuildingType& railway_station();
// Demolition of a built lot, chosen as the empty-lot picture `nic`.
const BuildingType& demolition();

// The two tests of a row, in the row's order, against the given selection
// slot; nothing is written.
bool row_passes(const Form& main_screen, const BuildingType& row, const Control& selection);

// A row's value updates, each read leniently and written back in text form.
void apply_updates(Form& main_screen, const BuildingType& row);

}  // namespace tarvik
