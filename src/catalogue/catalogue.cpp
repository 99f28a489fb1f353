// The building catalogue Form3: each item puts the picture that one template
// of the main screen holds at that instant into a selection slot, and some
// items then clear the other slot with the blank `vyb`. The picture object is
// shared, never copied, so a slot matches its template only while the template
// holds that same object. No item closes the catalogue or tests anything.

#include "catalogue/catalogue.h"
#include "catalogue/bindings.h"
#include "runtime/program.h"

namespace tarvik {

namespace {

constexpr CatalogueItem kItems[] = {
    // control, caption, target slot, source template, clears the other slot
    {"Label3", "domy", Slot::Lot, "d", true},           {"Label13", "panelak", Slot::Lot, "pan", false},
    {"Label5", "policie", Slot::Lot, "p", true},        {"Label6", "hasici", Slot::Lot, "h", true},
    {"Label7", "nemocnice", Slot::Lot, "n", true},      {"Label4", "tovarny", Slot::Lot, "t", true},
    {"Label10", "letiste", Slot::Lot, "l", false},      {"Label8", "elektrarny", Slot::Lot, "e", true},
    {"Label2", "metro", Slot::Lot, "m", false},         {"Label11", "supermarket", Slot::Lot, "s", false},
    {"Label1", "ostatni", Slot::Lot, "n", false},  // the group heading selects the hospital
    {"Label9", "parky", Slot::Lot, "pa", true},         {"Label18", "mosty", Slot::River, "most", false},
    {"Label12", "parkoviste", Slot::Lot, "par", false}, {"nad", "nadrazi", Slot::River, "nad", true},
    {"Label14", "bourani", Slot::Lot, "nic", false},
};

std::string_view slot_name(Slot slot) { return slot == Slot::Lot ? "post" : "post2"; }

void Form3_Image1_Click(Program& program) { program.hide("Form3"); }

}  // namespace

std::span<const CatalogueItem> catalogue_items() { return kItems; }

void select_item(Program& program, const CatalogueItem& item) {
    Form& main_screen = program.ensure_form("form1");
    main_screen[slot_name(item.target)].set_picture(main_screen[item.source].picture());
    if (item.clears_other) {
        Slot other = item.target == Slot::Lot ? Slot::River : Slot::Lot;
        main_screen[slot_name(other)].set_picture(main_screen["vyb"].picture());
    }
}

void bind_catalogue(HandlerTable& table) {
    for (const CatalogueItem& item : kItems)
        table.bind("Form3", std::string(item.control), Event::Click,
                   [&item](Program& program) { select_item(program, item); });
    table.bind("Form3", "Image1", Event::Click, Form3_Image1_Click);
}

}  // namespace tarvik
