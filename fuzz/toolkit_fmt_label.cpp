// The formatted label's markup reader on any bytes: every caption gives at least one line of
// segments, and the segments' text is never longer than the caption.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "toolkit/controls/fmt_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string caption(reinterpret_cast<const char*>(data), size);
    ui::TFont base;
    std::vector<tk::TFmtLine> lines = tk::ParseFmtMarkup(caption, base);
    size_t text = 0;
    for (const tk::TFmtLine& line : lines) {
        if (line.empty())
            std::abort();
        for (const tk::TFmtSegment& segment : line)
            text += segment.Text.size();
    }
    if (lines.empty() || text > caption.size())
        std::abort();
    return 0;
}
