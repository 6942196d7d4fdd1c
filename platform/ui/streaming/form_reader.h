#pragma once
// The form reader: builds a component tree from a stored form description. The root object's
// properties go to the given root component; every nested object becomes a component of its
// registered class, owned by the root and placed on its enclosing control; properties are
// assigned in file order (dotted names reach into fonts, constraints, string lists), colour
// identifiers go through the registered converters, references to other components and event
// handlers (the root's published methods) are bound by name, published fields receive their
// components, and then every component read gets Loaded, the root first. Whatever the reader
// cannot place is an error (sys::EParseError) naming the file and line.
#include <string>

namespace ui {

class TComponent;
class TCustomForm;

void ReadComponentText(TComponent& root, const std::string& text, const std::string& fileName);
// Reads the stored descriptions of the form's class and of its registered ancestors that have
// one (ancestors first); raises EResourceError when the class has none.
void ReadStoredForm(TCustomForm& form);

} // namespace ui
