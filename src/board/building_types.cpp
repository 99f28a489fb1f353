#include "board/building_types.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "runtime/form.h"
#include "state/city_state.h"

namespace tarvik {

namespace {

using enum CityValue;

// Thresholds are one below the cost, except the factory's and the block of
// flats', which equal it: 200 refuses the factory, 250 the block of flats.
// clang-format off
const std::vector<BuildingType> kBuildingTypes = {
    {"house", "d", TestOrder::MoneyFirst, 99, {{Population, +9}, {Mood, -10}, {Money, -100}}},
    {"factory", "t", TestOrder::PictureFirst, 200, {{Mood, -50}, {Money, -200}, {Income, +10}}},
    {"hospital", "n", TestOrder::PictureFirst, 149, {{Mood, +20}, {Money, -150}, {PoliceCount, +1}}},
    {"police station", "p", TestOrder::PictureFirst, 149, {{Mood, +25}, {Money, -150}, {PoliceCount, +1}}},
    {"fire station", "h", TestOrder::PictureFirst, 149, {{Mood, +25}, {Money, -150}, {FireStationCount, +1}}},
    {"metro", "m", TestOrder::PictureFirst, 299, {{Mood, +10}, {Money, -300}, {Income, +15}}},
    {"airport", "l", TestOrder::PictureFirst, 449, {{Mood, +20}, {Money, -450}, {Income, +20}, {AirportCount, +1}}},
    {"park", "pa", TestOrder::PictureFirst, 199, {{Mood, +15}, {Money, -200}, {Income, +5}}},
    {"supermarket", "s", TestOrder::PictureFirst, 299, {{Mood, +15}, {Money, -300}, {Income, +25}}},
    {"car park", "par", TestOrder::PictureFirst, 199, {{Mood, -25}, {Money, -200}, {Income, +10}}},
    {"power plant", "e", TestOrder::PictureFirst, 599, {{Mood, -65}, {Money, -600}, {Income, +50}}},
    {"block of flats", "pan", TestOrder::PictureFirst, 250, {{Mood, -15}, {Money, -250}, {Population, +25}, {Income, +10}}},
};
// clang-format on

const BuildingType kRailwayStation = {
    "railway station", "nad", TestOrder::MoneyFirst, 299, {{Income, +20}, {Mood, +20}, {Money, -300}}};

const BuildingType kDemolition = {
    "demolition", "nic", TestOrder::PictureFirst, 49, {{Mood, +15}, {Money, -50}, {Income, -10}}};

const Control& control_of(const Form& form, std::string_view name) {
    const Control* control = form.find(name);
    if (control == nullptr) throw std::logic_error(form.name() + " has no control " + std::string(name));
    return *control;
}

}  // namespace

std::string_view label_of(CityValue value) {
    switch (value) {
    case Money: return "many";
    case Population: return "lid";
    case Mood: return "nalada";
    case Income: return "pen";
    case PoliceCount: return "pol";
    case FireStationCount: return "has";
    case AirportCount: return "letiste";
    }
    return {};
}

int BuildingType::cost() const { return -change_of(Money); }

int BuildingType::change_of(CityValue value) const {
    auto update = std::find_if(updates.begin(), updates.end(), [&](const ValueUpdate& u) { return u.value == value; });
    return update == updates.end() ? 0 : update->change;
}

std::span<const BuildingType> building_types() { return kBuildingTypes; }

const BuildingType& railway_station() { return kRailwayStation; }
const BuildingType& demolition() { return kDemolition; }

bool row_passes(const Form& main_screen, const BuildingType& row, const Control& selection) {
    auto money_test = [&] { return value_above(control_of(main_screen, "many"), row.money_above); };
    auto picture_match = [&] {
        return same_picture(selection.picture(), control_of(main_screen, row.template_name).picture());
    };
    if (row.test_order == TestOrder::MoneyFirst) return money_test() && picture_match();
    return picture_match() && money_test();
}

void apply_updates(Form& main_screen, const BuildingType& row) {
    for (const ValueUpdate& update : row.updates) value_update(main_screen[label_of(update.value)], update.change);
}

}  // namespace tarvik
