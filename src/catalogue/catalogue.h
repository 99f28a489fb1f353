#pragma once

// The catalogue's item table: which slot each item fills from which template,
// and whether it clears the other slot. The target slot is set first.

#include <span>
#include <string_view>

namespace tarvik {

class Program;

// The lot selection `post` and the river selection `post2` of form1.
enum class Slot { Lot, River };

struct CatalogueItem {
    std::string_view control;
    std::string_view caption;
    Slot target;
    std::string_view source;
    bool clears_other;
};

std::span<const CatalogueItem> catalogue_items();

// One item's Click: the selection step.
void select_item(Program& program, const CatalogueItem& item);

}  // namespace tarvik
