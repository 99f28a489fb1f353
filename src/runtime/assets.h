#pragma once

// Files of assets/ embedded in the binaries at build time, by their path
// below assets/ ("layouts/NAME.layout", "pictures/NAME.svg").

#include <optional>
#include <string_view>
#include <vector>

namespace tarvik {

std::optional<std::string_view> find_asset(std::string_view path);
std::vector<std::string_view> asset_paths();

}  // namespace tarvik
