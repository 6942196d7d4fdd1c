#pragma once
// The page control and its tab sheets in the class registry.

namespace ui {

void RegisterPageControlClasses();

} // namespace ui
