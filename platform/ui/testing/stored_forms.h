#pragma once
// Loads every stored form description of the program: each must name a registered form class
// whose stored description it is, and must make a form without error. A test program calls it
// after registering the classes of the modules it links.
#include <string>
#include <vector>

namespace ui::testing {

struct TStoredFormsReport {
    std::vector<std::string> Loaded;   // resource names that made a form
    std::vector<std::string> Skipped;  // resource names whose class this program does not know
    std::vector<std::string> Failures; // what went wrong, with the file and line
};

// requireRegistered: a description whose class is unknown is a failure rather than skipped.
TStoredFormsReport LoadEveryStoredForm(bool requireRegistered);

} // namespace ui::testing
