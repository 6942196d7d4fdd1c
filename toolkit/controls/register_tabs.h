#pragma once

namespace tk {

// Makes TKesvTabCtrl322 and TKesvTabSheet2 known to the stored-form reader with their
// published properties.
void RegisterTabsClasses();

} // namespace tk
