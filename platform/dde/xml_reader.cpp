#include "platform/dde/xml_reader.h"
#include "platform/sys/utf16.h"

#include <cstdint>
#include <stdexcept>

namespace dde {

namespace {

constexpr int MaxDepth = 200;

struct XmlSyntaxError : std::runtime_error {
    XmlSyntaxError(size_t at, const std::string& what) : std::runtime_error(what), Offset(at) {}
    size_t Offset;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

class Reader {
public:
    explicit Reader(std::string_view text) : Text(text) {}

    XmlElement Document() {
        if (Text.substr(0, 3) == "\xEF\xBB\xBF")
            Pos = 3;
        SkipMisc(true);
        if (AtEnd() || Text[Pos] != '<')
            Fail("no root element");
        XmlElement root = Element(0);
        SkipMisc(false);
        if (!AtEnd())
            Fail("text after the root element");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const { throw XmlSyntaxError(Pos, what); }
    bool AtEnd() const { return Pos >= Text.size(); }
    bool LookingAt(std::string_view token) const { return Text.substr(Pos, token.size()) == token; }
    void SkipSpaces() {
        while (!AtEnd() && IsSpace(Text[Pos]))
            ++Pos;
    }
    void SkipPast(std::string_view terminator, const char* what) {
        const size_t end = Text.find(terminator, Pos);
        if (end == std::string_view::npos)
            Fail(std::string("unterminated ") + what);
        Pos = end + terminator.size();
    }

    void SkipDoctype() {
        Pos += 9; // <!DOCTYPE
        int brackets = 0;
        while (!AtEnd()) {
            const char c = Text[Pos];
            if (c == '"' || c == '\'') {
                const size_t close = Text.find(c, Pos + 1);
                if (close == std::string_view::npos)
                    Fail("unterminated literal in the DOCTYPE");
                Pos = close + 1;
                continue;
            }
            ++Pos;
            if (c == '[')
                ++brackets;
            else if (c == ']')
                --brackets;
            else if (c == '>' && brackets <= 0)
                return;
        }
        Fail("unterminated DOCTYPE");
    }

    // Blanks, comments, processing instructions and (before the root) the DOCTYPE.
    void SkipMisc(bool prolog) {
        for (;;) {
            SkipSpaces();
            if (LookingAt("<?"))
                SkipPast("?>", "processing instruction");
            else if (LookingAt("<!--"))
                SkipPast("-->", "comment");
            else if (prolog && LookingAt("<!DOCTYPE"))
                SkipDoctype();
            else
                return;
        }
    }

    std::string Name() {
        if (AtEnd() || !IsNameStart(Text[Pos]))
            Fail("expected a name");
        const size_t start = Pos;
        while (!AtEnd() && IsNameChar(Text[Pos]))
            ++Pos;
        return std::string(Text.substr(start, Pos - start));
    }

    void Entity(std::string& out) {
        const size_t semicolon = Text.find(';', Pos);
        if (semicolon == std::string_view::npos || semicolon - Pos > 12)
            Fail("unterminated entity");
        const std::string_view name = Text.substr(Pos + 1, semicolon - Pos - 1);
        if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "amp")
            out += '&';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            uint32_t code = 0;
            if (digits.empty())
                Fail("empty character reference");
            for (char c : digits) {
                int digit = -1;
                if (c >= '0' && c <= '9')
                    digit = c - '0';
                else if (hex && c >= 'a' && c <= 'f')
                    digit = c - 'a' + 10;
                else if (hex && c >= 'A' && c <= 'F')
                    digit = c - 'A' + 10;
                if (digit < 0)
                    Fail("bad character reference");
                code = code * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
                if (code > 0x10FFFF)
                    Fail("character reference out of range");
            }
            if (code == 0 || (code >= 0xD800 && code <= 0xDFFF))
                Fail("character reference out of range");
            sys::AppendUtf8(out, code);
        } else {
            Fail("unknown entity &" + std::string(name) + ";");
        }
        Pos = semicolon + 1;
    }

    std::string AttributeValue() {
        if (AtEnd() || (Text[Pos] != '"' && Text[Pos] != '\''))
            Fail("expected a quoted attribute value");
        const char quote = Text[Pos++];
        std::string value;
        while (!AtEnd() && Text[Pos] != quote) {
            if (Text[Pos] == '<')
                Fail("< inside an attribute value");
            if (Text[Pos] == '&')
                Entity(value);
            else
                value += Text[Pos++];
        }
        if (AtEnd())
            Fail("unterminated attribute value");
        ++Pos;
        return value;
    }

    XmlElement Element(int depth) {
        if (depth > MaxDepth)
            Fail("elements nested too deeply");
        ++Pos; // <
        XmlElement element;
        element.Name = Name();
        for (;;) {
            const bool spaced = !AtEnd() && IsSpace(Text[Pos]);
            SkipSpaces();
            if (LookingAt("/>")) {
                Pos += 2;
                return element;
            }
            if (LookingAt(">")) {
                ++Pos;
                break;
            }
            if (!spaced)
                Fail("expected a blank before an attribute");
            std::string name = Name();
            for (const auto& attribute : element.Attributes)
                if (attribute.first == name)
                    Fail("attribute " + name + " appears twice");
            SkipSpaces();
            if (!LookingAt("="))
                Fail("expected = after the attribute " + name);
            ++Pos;
            SkipSpaces();
            element.Attributes.emplace_back(std::move(name), AttributeValue());
        }
        Content(element, depth);
        return element;
    }

    void Content(XmlElement& element, int depth) {
        for (;;) {
            if (AtEnd())
                Fail("element <" + element.Name + "> is not closed");
            if (LookingAt("</")) {
                Pos += 2;
                if (Name() != element.Name)
                    Fail("closing tag does not match <" + element.Name + ">");
                SkipSpaces();
                if (!LookingAt(">"))
                    Fail("expected > in the closing tag");
                ++Pos;
                return;
            }
            if (LookingAt("<!--")) {
                SkipPast("-->", "comment");
            } else if (LookingAt("<![CDATA[")) {
                Pos += 9;
                const size_t end = Text.find("]]>", Pos);
                if (end == std::string_view::npos)
                    Fail("unterminated CDATA section");
                element.Text += Text.substr(Pos, end - Pos);
                Pos = end + 3;
            } else if (LookingAt("<?")) {
                SkipPast("?>", "processing instruction");
            } else if (LookingAt("<")) {
                element.Children.push_back(Element(depth + 1));
            } else if (Text[Pos] == '&') {
                Entity(element.Text);
            } else {
                element.Text += Text[Pos++];
            }
        }
    }

    std::string_view Text;
    size_t Pos = 0;
};

} // namespace

const XmlElement* XmlElement::Child(std::string_view name) const {
    for (const XmlElement& child : Children)
        if (child.Name == name)
            return &child;
    return nullptr;
}

bool ParseXml(std::string_view text, XmlElement& root, std::string& problem) {
    try {
        root = Reader(text).Document();
        return true;
    } catch (const XmlSyntaxError& error) {
        const size_t end = error.Offset < text.size() ? error.Offset : text.size();
        int line = 1;
        for (size_t i = 0; i < end; ++i)
            line += text[i] == '\n';
        problem = "line " + std::to_string(line) + ": " + error.what();
        return false;
    }
}

std::string XmlEscape(std::string_view text) {
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

} // namespace dde
