#pragma once
// The skin store's pictures in their declaration order: name, size and stored kind, and the
// painters that draw them, gathered by name from the picture families.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/graphics/canvas.h"

namespace skinart {

enum TStoredKind {
    skBitmap, // stored as a bitmap file
    skPng,    // stored as a PNG image with an alpha channel
    skNone    // the picture component holds nothing
};

struct TPictureSpec {
    std::string Name;
    int Width;
    int Height;
    TStoredKind Kind;
};

const std::vector<TPictureSpec>& SkinPictures();

// Draws a whole w x h picture, background included.
using TPainter = std::function<void(ui::TCanvas&, int w, int h)>;
using TPainters = std::map<std::string, TPainter>;

// Each family of pictures adds its painters.
void AddSignPainters(TPainters& p);
void AddArrowPainters(TPainters& p);
void AddOfficePainters(TPainters& p);
void AddBusinessPainters(TPainters& p);
void AddChoicePainters(TPainters& p);
void AddFacePainters(TPainters& p);
void AddMessagePainters(TPainters& p);
void AddPatternPainters(TPainters& p);
void AddLogoPainters(TPainters& p);

// Every family's painters.
TPainters AllPainters();

} // namespace skinart
