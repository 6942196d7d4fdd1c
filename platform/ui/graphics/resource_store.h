#pragma once
// The program's embedded resources (stored forms, pictures, fonts, raw data), read by name:
// "forms/sample.dfm", "pictures/check.png". Names are matched exactly first, then without regard
// to case, as the platform's resource lookup does.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

// A resource that is missing or cannot be used: names it.
class EResourceError : public std::runtime_error {
public:
    EResourceError(const std::string& name, const std::string& what)
        : std::runtime_error(what), Name(name) {}
    std::string Name;
};

namespace Resources {

bool Exists(const std::string& name);
// The bytes of a resource; raises EResourceError "Resource not found: <name>" when missing.
std::vector<uint8_t> Read(const std::string& name);
std::string ReadText(const std::string& name);
// The names below a folder ("forms/"), sorted; "" lists every resource.
std::vector<std::string> List(const std::string& prefix);

} // namespace Resources
} // namespace ui
