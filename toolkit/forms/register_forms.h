#pragma once

namespace tk {

// Makes the titled form family known to the stored-form reader.
void RegisterFormsClasses();

} // namespace tk
