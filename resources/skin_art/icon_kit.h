#pragma once
// The objects the button glyphs show, each drawn into a square box: the accent ink colours the
// object's main part, the other parts keep their own colours.
#include "resources/skin_art/art_kit.h"

namespace skinart {

// A thick ring from one angle to another (degrees, counter-clockwise from three o'clock), as a
// fraction of the box's radius thick, with an arrow head at its end when asked.
void RingArrow(TCanvas& c, const TRect& box, double from, double to, double thickness, bool head,
               const TInk& ink);
void Gear(TCanvas& c, const TRect& box, const TInk& ink);
void Floppy(TCanvas& c, const TRect& box, const TInk& ink);
void Pencil(TCanvas& c, const TRect& box, const TInk& ink);
void Magnifier(TCanvas& c, const TRect& box, const TInk& ink);
void Printer(TCanvas& c, const TRect& box, const TInk& ink);
void Book(TCanvas& c, const TRect& box, const TInk& ink);
void Eye(TCanvas& c, const TRect& box, const TInk& ink);
void Envelope(TCanvas& c, const TRect& box, const TInk& ink);
void Door(TCanvas& c, const TRect& box, const TInk& ink);
void BarChart(TCanvas& c, const TRect& box, const TInk& ink);
void Wrench(TCanvas& c, const TRect& box, const TInk& ink);
void Hammer(TCanvas& c, const TRect& box, const TInk& ink);
void Grid(TCanvas& c, const TRect& box, const TInk& ink);
void Bubble(TCanvas& c, const TRect& box, const TInk& ink);
void Coins(TCanvas& c, const TRect& box, const TInk& ink);
void Banknote(TCanvas& c, const TRect& box, const TInk& ink);
void Crates(TCanvas& c, const TRect& box, const TInk& ink);
void Building(TCanvas& c, const TRect& box, const TInk& ink);
void Tray(TCanvas& c, const TRect& box, const TInk& ink);
void Scales(TCanvas& c, const TRect& box, const TInk& ink);
// A small sign in a corner of a box (the plus of "add", the cross of "delete").
TRect CornerBox(const TRect& box, double fraction);

} // namespace skinart
