#pragma once
// The component library's exceptions. An exception that leaves an event handler reaches the
// application's standard error report (a message box with its text) and the loop goes on;
// EAbort ends the handler silently.
#include <stdexcept>
#include <string>

namespace ui {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// The silent exception: ends the running handler without a report.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};
[[noreturn]] void Abort();

// An operation the object's state does not allow ("Cannot focus a disabled or invisible
// window", "Cannot make a visible window modal").
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A component name that is not an identifier or is taken.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A class name that the class registry does not know.
class EClassNotFound : public Exception {
public:
    using Exception::Exception;
};

} // namespace ui
