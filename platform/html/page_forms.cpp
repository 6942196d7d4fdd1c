#include "platform/html/page_forms.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace html {

namespace {

const std::string kSubmitScheme = "kx-form-submit:";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

std::string DecodeEntities(const std::string& text) {
    static const std::pair<const char*, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [name, c] : entities) {
            size_t n = std::char_traits<char>::length(name);
            if (text.compare(i, n, name) == 0) {
                out += c;
                i += n;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

std::string EscapeText(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

struct TTag {
    std::string Name;                              // lower case, "/form" for a closing tag
    std::map<std::string, std::string> Attributes; // names in lower case
    size_t Begin = 0;
    size_t End = 0; // after the '>'
};

// The tag starting at page[at] == '<'; nullopt for text that is no tag.
std::optional<TTag> ReadTag(const std::string& page, size_t at) {
    TTag tag;
    tag.Begin = at;
    size_t i = at + 1;
    size_t nameStart = i;
    if (i < page.size() && page[i] == '/')
        ++i;
    while (i < page.size() && std::isalnum(static_cast<unsigned char>(page[i])))
        ++i;
    if (i == nameStart || (i == nameStart + 1 && page[nameStart] == '/'))
        return std::nullopt;
    tag.Name = Lower(page.substr(nameStart, i - nameStart));
    while (i < page.size()) {
        while (i < page.size() && (IsSpace(page[i]) || page[i] == '/'))
            ++i;
        if (i >= page.size())
            return std::nullopt;
        if (page[i] == '>') {
            tag.End = i + 1;
            return tag;
        }
        size_t attrStart = i;
        while (i < page.size() && !IsSpace(page[i]) && page[i] != '=' && page[i] != '>')
            ++i;
        std::string name = Lower(page.substr(attrStart, i - attrStart));
        while (i < page.size() && IsSpace(page[i]))
            ++i;
        std::string value;
        if (i < page.size() && page[i] == '=') {
            ++i;
            while (i < page.size() && IsSpace(page[i]))
                ++i;
            if (i < page.size() && (page[i] == '"' || page[i] == '\'')) {
                char quote = page[i];
                size_t close = page.find(quote, i + 1);
                if (close == std::string::npos)
                    return std::nullopt;
                value = page.substr(i + 1, close - i - 1);
                i = close + 1;
            } else {
                size_t valueStart = i;
                while (i < page.size() && !IsSpace(page[i]) && page[i] != '>')
                    ++i;
                value = page.substr(valueStart, i - valueStart);
            }
        }
        if (!name.empty())
            tag.Attributes.emplace(name, DecodeEntities(value));
    }
    return std::nullopt;
}

std::string Attribute(const TTag& tag, const std::string& name) {
    auto found = tag.Attributes.find(name);
    return found == tag.Attributes.end() ? std::string() : found->second;
}

} // namespace

std::vector<TPageForm> PrepareForms(std::string& page) {
    std::vector<TPageForm> forms;
    bool inForm = false;
    size_t at = 0;
    while ((at = page.find('<', at)) != std::string::npos) {
        if (page.compare(at, 4, "<!--") == 0) {
            size_t end = page.find("-->", at + 4);
            if (end == std::string::npos)
                break;
            at = end + 3;
            continue;
        }
        auto tag = ReadTag(page, at);
        if (!tag) {
            ++at;
            continue;
        }
        at = tag->End;
        if (tag->Name == "form") {
            forms.push_back({Attribute(*tag, "action"),
                             Attribute(*tag, "target"),
                             Attribute(*tag, "enctype"),
                             Lower(Attribute(*tag, "method")),
                             {}});
            if (forms.back().Method.empty())
                forms.back().Method = "get";
            inForm = true;
        } else if (tag->Name == "/form") {
            inForm = false;
        } else if (tag->Name == "input" && inForm) {
            TPageForm& form = forms.back();
            std::string type = Lower(Attribute(*tag, "type"));
            std::string name = Attribute(*tag, "name");
            std::string value = Attribute(*tag, "value");
            bool checked = tag->Attributes.count("checked") > 0;
            if (type == "submit" || type == "image") {
                std::string caption = value.empty() ? "Submit" : value;
                std::string link = "<a href=\"" + kSubmitScheme + std::to_string(forms.size() - 1) +
                                   "\">[" + EscapeText(caption) + "]</a>";
                page.replace(tag->Begin, tag->End - tag->Begin, link);
                at = tag->Begin + link.size();
            } else if (name.empty() || type == "button" || type == "reset" || type == "file") {
                // Nothing to send.
            } else if ((type == "checkbox" || type == "radio") && !checked) {
                // An unchecked box sends nothing.
            } else {
                if ((type == "checkbox" || type == "radio") && value.empty())
                    value = "on";
                form.Fields.push_back(name + "=" + value);
            }
        }
    }
    return forms;
}

std::optional<size_t> SubmitLinkForm(const std::string& href) {
    if (Lower(href.substr(0, kSubmitScheme.size())) != kSubmitScheme)
        return std::nullopt;
    std::string digits = href.substr(kSubmitScheme.size());
    if (digits.empty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return size_t(std::stoul(digits));
}

} // namespace html
