#pragma once
// Places the skin store's components within the form's client area: shelves of components,
// tallest first, left to right and top to bottom.
#include <vector>

#include "platform/ui/graphics/types.h"

namespace skinart {

// One rectangle for each size, in the order given; raises std::runtime_error when they do not
// fit into width x height.
std::vector<ui::TRect> PlaceOnShelves(const std::vector<ui::TSize>& sizes, int width, int height,
                                      int gap);

} // namespace skinart
