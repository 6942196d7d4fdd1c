#pragma once
// The platform's own classes in the class registry: the component and control bases, forms,
// fonts, size constraints, string lists, timers and the standard controls.

namespace ui {

void RegisterStandardClasses();

} // namespace ui
