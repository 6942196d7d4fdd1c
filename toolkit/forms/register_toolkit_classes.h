#pragma once

namespace tk {

// Makes the toolkit's classes known to the stored-form reader; StartToolkit calls it once.
void RegisterToolkitClasses();

} // namespace tk
