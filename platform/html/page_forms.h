#pragma once
// Forms of a page. The page browser does not draw form fields, so each submit button becomes a
// link of the viewer's own kind that reports its form; the form's fields are read from the
// page as written (hidden fields, values, checked boxes). Submitting has no effect beyond the
// viewer's event.
#include <optional>
#include <string>
#include <vector>

namespace html {

struct TPageForm {
    std::string Action;
    std::string Target;
    std::string EncType;
    std::string Method;
    std::vector<std::string> Fields; // "name=value", in page order
};

// Rewrites the submit buttons of the page's forms into submit links and returns the forms in
// page order; a submit link names its form by index.
std::vector<TPageForm> PrepareForms(std::string& page);

// The form index of a submit link, nullopt for any other link.
std::optional<size_t> SubmitLinkForm(const std::string& href);

} // namespace html
