#pragma once
// What a button kind gives a toolkit button: its default caption (with the accelerator "&"),
// its default modal result and its glyph strip from the skin store.
#include <string>

#include "platform/ui/graphics/bitmap.h"
#include "toolkit/forms/skin.h"

namespace tk {

constexpr int ButtonKindCount = mkAdvanced + 1;

// The kind's identifier as stored forms write it ("mkOK"); empty outside the table.
std::string KindName(int kind);
// The kind's default caption; empty for kinds outside the table.
std::string KindCaption(int kind);
// The kind's default modal result (0 none, 1 OK, 2 cancel, 3 abort, 4 retry, 5 ignore, 6 yes,
// 7 no, 12 all); 0 for kinds outside the table.
int KindModalResult(int kind);
// The flat button's glyph strip: its own skin picture, else the glyph button's one; never null.
ui::TBitmap* NiceButtonKindGlyph(int kind);

} // namespace tk
