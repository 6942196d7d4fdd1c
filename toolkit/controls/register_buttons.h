#pragma once

namespace tk {

// Makes TMButton and TNiceButton known to the stored-form reader with their published
// properties.
void RegisterButtonsClasses();

} // namespace tk
