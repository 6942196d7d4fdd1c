#pragma once

namespace tk {

// Makes the title bar, the move panel, the transparent image and the formatted label known to
// the stored-form reader.
void RegisterTitlesClasses();

} // namespace tk
