#pragma once
// The error the zip reader raises: the message names the archive and, when one is concerned, the
// entry, so that the application's error report tells the user which file is damaged.
#include <stdexcept>
#include <string>

namespace zip {

class EZipException : public std::runtime_error {
public:
    EZipException(std::string archive, std::string entry, const std::string& what);
    std::string Archive; // the archive as it was opened
    std::string Entry;   // the entry's stored name; empty for a fault of the archive as a whole
    std::string Reason;  // the fault alone, without archive and entry
};

} // namespace zip
