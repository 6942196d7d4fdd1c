#pragma once
// Where a link inside a page leads, in Windows path terms: the viewer follows links to local
// files only (a relative name is taken against the shown page's folder), never the network.
#include <optional>
#include <string>

namespace html {

struct TLinkTarget {
    std::string File;     // Windows path of the page; the current page for "#name"
    std::string Fragment; // anchor name without "#", empty when none
};

// nullopt for links the viewer does not follow: other schemes (http:, mailto:, ...) and empty
// links.
std::optional<TLinkTarget> ResolveLink(const std::string& currentFile, const std::string& href);

} // namespace html
