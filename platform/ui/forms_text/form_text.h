#pragma once
// The text form of a stored form description: objects with their class, name and properties in
// file order, nested objects, and the line of every object, property and value, so that whoever
// binds the tree to components can name the file and line of what it rejects.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ui {

struct TFormTextValue;
struct TFormTextProperty;

// An identifier value (True, clBtnFace, bsNone, alTop, FormCreate ...).
struct TFormTextIdent {
    std::string Name;
    friend bool operator==(const TFormTextIdent&, const TFormTextIdent&) = default;
};
// A set: [fsBold, fsItalic].
struct TFormTextSet {
    std::vector<std::string> Items;
    friend bool operator==(const TFormTextSet&, const TFormTextSet&) = default;
};
// Binary data: { 0A1B2C ... }.
struct TFormTextBinary {
    std::vector<uint8_t> Bytes;
    friend bool operator==(const TFormTextBinary&, const TFormTextBinary&) = default;
};
// A list: ( 'line 1' 'line 2' ) for string lists, or of other values.
struct TFormTextList {
    std::vector<TFormTextValue> Items;
};
// One item of a collection, with its own properties.
struct TFormTextCollectionItem {
    std::vector<TFormTextProperty> Properties;
    int Line = 0;
};
// A collection: < item ... end item ... end >.
struct TFormTextCollection {
    std::vector<TFormTextCollectionItem> Items;
};

struct TFormTextValue {
    // Integer, float (with its optional type suffix dropped), string (UTF-8, char codes decoded
    // and concatenations joined), identifier, set, list, binary, collection.
    std::variant<int64_t, double, std::string, TFormTextIdent, TFormTextSet, TFormTextList,
                 TFormTextBinary, TFormTextCollection>
        Value;
    int Line = 0;
};

struct TFormTextProperty {
    std::string Name; // dotted as written: "Font.Height"
    TFormTextValue Value;
    int Line = 0;
};

struct TFormTextObject {
    std::string Name;       // may be empty: "object TPanel"
    std::string ClassName;  // "TPanel"
    bool Inherited = false; // "inherited Name: TClass"
    bool Inline = false;    // "inline Name: TFrame"
    int Index = -1;         // "inherited Name: TClass [2]"
    int Line = 0;
    std::vector<TFormTextProperty> Properties;
    std::vector<TFormTextObject> Children;

    // The property of that name (without regard to case), or nullptr.
    const TFormTextProperty* FindProperty(const std::string& name) const;
};

// Parses a whole description (one root object). fileName is used in errors only: a malformed
// text raises sys::EParseError naming fileName and the line.
TFormTextObject ParseFormText(const std::string& text, const std::string& fileName);

} // namespace ui
