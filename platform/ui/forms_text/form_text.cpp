// Parsing a form description's text into its tree.
#include "platform/ui/forms_text/form_text.h"

#include "platform/ui/forms_text/form_text_lexer.h"

namespace ui {
namespace {

using form_text::Lexer;
using form_text::Token;
using form_text::TokenKind;

// Nesting deeper than this is no form anyone wrote; it is refused before the stack runs out.
constexpr int kMaxDepth = 200;

bool SameText(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return i == a.size() && b[i] == 0;
}

class Parser {
public:
    Parser(const std::string& text, const std::string& fileName) : lexer_(text, fileName) {}

    TFormTextObject ParseRoot() {
        const Token& first = lexer_.Peek();
        if (first.Kind == TokenKind::Identifier && first.Text == "TPF0")
            lexer_.Fail(first.Line, "Binary form descriptions are not read");
        if (!IsObjectStart(first))
            lexer_.Fail(first.Line, "'object' expected");
        TFormTextObject root = ParseObject(0);
        const Token& rest = lexer_.Peek();
        if (rest.Kind != TokenKind::End)
            lexer_.Fail(rest.Line, "Text after the end of the form");
        return root;
    }

private:
    static bool IsKeyword(const Token& t, const char* word) {
        return t.Kind == TokenKind::Identifier && SameText(t.Text, word);
    }
    static bool IsObjectStart(const Token& t) {
        return IsKeyword(t, "object") || IsKeyword(t, "inherited") || IsKeyword(t, "inline");
    }
    static bool IsSymbol(const Token& t, char c) {
        return t.Kind == TokenKind::Symbol && t.Text.size() == 1 && t.Text[0] == c;
    }

    void CheckDepth(int depth, int line) {
        if (depth > kMaxDepth)
            lexer_.Fail(line, "Nesting too deep");
    }

    Token Expect(char symbol, const std::string& what) {
        const Token& t = lexer_.Peek();
        if (!IsSymbol(t, symbol))
            Unexpected(t, what);
        return lexer_.Next();
    }

    Token ExpectIdentifier(const char* what) {
        const Token& t = lexer_.Peek();
        if (t.Kind != TokenKind::Identifier)
            Unexpected(t, what);
        return lexer_.Next();
    }

    [[noreturn]] void Unexpected(const Token& t, const std::string& what) {
        if (t.Kind == TokenKind::End)
            lexer_.Fail(t.Line, "Unexpected end of file: " + what);
        lexer_.Fail(t.Line, what);
    }

    TFormTextObject ParseObject(int depth) {
        Token keyword = lexer_.Next();
        CheckDepth(depth, keyword.Line);
        TFormTextObject object;
        object.Line = keyword.Line;
        object.Inherited = IsKeyword(keyword, "inherited");
        object.Inline = IsKeyword(keyword, "inline");
        Token first = ExpectIdentifier("Component name or class name expected");
        if (IsSymbol(lexer_.Peek(), ':')) {
            lexer_.Next();
            object.Name = first.Text;
            object.ClassName = ExpectIdentifier("Class name expected").Text;
        } else {
            object.ClassName = first.Text;
        }
        if (IsSymbol(lexer_.Peek(), '[')) {
            lexer_.Next();
            const Token& index = lexer_.Peek();
            if (index.Kind != TokenKind::Integer || index.Integer < 0 || index.Integer > 1 << 30)
                Unexpected(index, "Creation order index expected");
            object.Index = int(lexer_.Next().Integer);
            Expect(']', "']' expected");
        }
        while (!IsKeyword(lexer_.Peek(), "end") && !IsObjectStart(lexer_.Peek()))
            object.Properties.push_back(ParseProperty(depth));
        while (!IsKeyword(lexer_.Peek(), "end")) {
            if (!IsObjectStart(lexer_.Peek()))
                Unexpected(lexer_.Peek(), "'object' or 'end' expected (" + object.ClassName +
                                              " begins on line " + std::to_string(object.Line) +
                                              ")");
            object.Children.push_back(ParseObject(depth + 1));
        }
        lexer_.Next(); // end
        return object;
    }

    TFormTextProperty ParseProperty(int depth) {
        const Token& start = lexer_.Peek();
        if (start.Kind != TokenKind::Identifier)
            Unexpected(start, "Property name expected");
        TFormTextProperty property;
        property.Line = start.Line;
        property.Name = lexer_.Next().Text;
        while (IsSymbol(lexer_.Peek(), '.')) {
            lexer_.Next();
            property.Name += "." + ExpectIdentifier("Property name expected after '.'").Text;
        }
        Expect('=', "'=' expected after " + property.Name);
        property.Value = ParseValue(depth + 1);
        return property;
    }

    TFormTextValue ParseValue(int depth) {
        const Token& t = lexer_.Peek();
        CheckDepth(depth, t.Line);
        TFormTextValue value;
        value.Line = t.Line;
        switch (t.Kind) {
        case TokenKind::Integer:
            value.Value = lexer_.Next().Integer;
            return value;
        case TokenKind::Float:
            value.Value = lexer_.Next().Float;
            return value;
        case TokenKind::String:
            value.Value = ParseStringExpression();
            return value;
        case TokenKind::Identifier: {
            if (IsKeyword(t, "end") || IsObjectStart(t))
                Unexpected(t, "Property value expected");
            std::string name = lexer_.Next().Text;
            // Values such as references to components of other forms are dotted.
            while (IsSymbol(lexer_.Peek(), '.')) {
                lexer_.Next();
                name += "." + ExpectIdentifier("Identifier expected after '.'").Text;
            }
            value.Value = TFormTextIdent{name};
            return value;
        }
        case TokenKind::Symbol:
            break;
        case TokenKind::End:
            Unexpected(t, "Value expected");
        }
        if (IsSymbol(t, '[')) {
            value.Value = ParseSet();
        } else if (IsSymbol(t, '(')) {
            value.Value = ParseList(depth);
        } else if (IsSymbol(t, '{')) {
            value.Value = TFormTextBinary{lexer_.ReadBinary()};
        } else if (IsSymbol(t, '<')) {
            value.Value = ParseCollection(depth);
        } else {
            Unexpected(t, "Invalid property value '" + t.Text + "'");
        }
        return value;
    }

    // 'a' + 'b' + #13: parts joined with "+", across lines.
    std::string ParseStringExpression() {
        std::string text = lexer_.Next().Text;
        while (IsSymbol(lexer_.Peek(), '+')) {
            lexer_.Next();
            const Token& part = lexer_.Peek();
            if (part.Kind != TokenKind::String)
                Unexpected(part, "String expected after '+'");
            text += lexer_.Next().Text;
        }
        return text;
    }

    TFormTextSet ParseSet() {
        lexer_.Next(); // [
        TFormTextSet set;
        if (IsSymbol(lexer_.Peek(), ']')) {
            lexer_.Next();
            return set;
        }
        while (true) {
            set.Items.push_back(ExpectIdentifier("Set element expected").Text);
            if (IsSymbol(lexer_.Peek(), ']')) {
                lexer_.Next();
                return set;
            }
            Expect(',', "',' or ']' expected");
        }
    }

    TFormTextList ParseList(int depth) {
        lexer_.Next(); // (
        TFormTextList list;
        while (!IsSymbol(lexer_.Peek(), ')'))
            list.Items.push_back(ParseValue(depth + 1));
        lexer_.Next();
        return list;
    }

    TFormTextCollection ParseCollection(int depth) {
        lexer_.Next(); // <
        TFormTextCollection collection;
        while (!IsSymbol(lexer_.Peek(), '>')) {
            const Token& item = lexer_.Peek();
            if (!IsKeyword(item, "item"))
                Unexpected(item, "'item' or '>' expected");
            TFormTextCollectionItem entry;
            entry.Line = lexer_.Next().Line;
            while (!IsKeyword(lexer_.Peek(), "end"))
                entry.Properties.push_back(ParseProperty(depth + 1));
            lexer_.Next(); // end
            collection.Items.push_back(std::move(entry));
        }
        lexer_.Next();
        return collection;
    }

    Lexer lexer_;
};

} // namespace

const TFormTextProperty* TFormTextObject::FindProperty(const std::string& name) const {
    for (const auto& property : Properties)
        if (SameText(property.Name, name.c_str()))
            return &property;
    return nullptr;
}

TFormTextObject ParseFormText(const std::string& text, const std::string& fileName) {
    return Parser(text, fileName).ParseRoot();
}

} // namespace ui
