#include "resources/skin_art/form_layout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace skinart {

std::vector<ui::TRect> PlaceOnShelves(const std::vector<ui::TSize>& sizes, int width, int height,
                                      int gap) {
    std::vector<size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return sizes[a].cy > sizes[b].cy; });
    std::vector<ui::TRect> placed(sizes.size());
    int x = gap, y = gap, shelfHeight = 0;
    for (size_t i : order) {
        const ui::TSize& s = sizes[i];
        if (x + s.cx + gap > width && x > gap) {
            y += shelfHeight + gap;
            x = gap;
            shelfHeight = 0;
        }
        if (x + s.cx + gap > width || y + s.cy + gap > height)
            throw std::runtime_error("the skin store's components do not fit into its form");
        placed[i] = ui::Bounds(x, y, s.cx, s.cy);
        x += s.cx + gap;
        shelfHeight = std::max(shelfHeight, s.cy);
    }
    return placed;
}

} // namespace skinart
