#pragma once
// A program group operation that failed; the message names the file or folder concerned.
#include <stdexcept>
#include <string>

namespace dde {

class ProgramGroupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace dde
