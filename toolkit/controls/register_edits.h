#pragma once

namespace tk {

// Makes the labels, edits, combo, check box, radio button and radio group known to the
// stored-form reader.
void RegisterEditsClasses();

} // namespace tk
