#pragma once
// What a property setter of the form reader works with: the file and line being read (every
// error names them), the root component (the form) whose components references name and whose
// published methods handlers name, and the fixups that run once every component exists.
#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/forms_text/form_text.h"
#include "platform/ui/graphics/types.h"

namespace ui {

class TComponent;
class TObject;

// Names and values of an enumeration (or the bits of a set) as the form text writes them.
using TEnumNames = std::vector<std::pair<std::string, int>>;

class TReadContext {
public:
    TReadContext(std::string file, TComponent* root) : file_(std::move(file)), root_(root) {}

    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    void SetLine(int line) { line_ = line; }
    TComponent* Root() const { return root_; }

    // Raises sys::EParseError naming the file and the current line.
    [[noreturn]] void Fail(const std::string& message) const;

    // Runs after every component of the description exists (references to later components).
    void AddFixup(std::function<void()> fixup);
    void RunFixups();

    // The root itself or one of its components, by name (without regard to case); fails when
    // there is none.
    TComponent* ResolveReference(const std::string& name);
    // The handler value of the root's published method of that name; fails when there is none.
    std::any BindHandler(const std::string& name);

    // Reads the properties of an item of a collection (an object of a registered class).
    std::function<void(TObject* object, const std::vector<TFormTextProperty>& properties)>
        ReadObjectProperties;

    // Value conversions; each fails (naming the file and line) on a value of another kind.
    int64_t Integer(const TFormTextValue& value);
    int Int(const TFormTextValue& value);
    bool Bool(const TFormTextValue& value);
    std::string String(const TFormTextValue& value);
    double Float(const TFormTextValue& value);
    std::string Ident(const TFormTextValue& value);
    // A number or a colour identifier of the platform or of a registered converter.
    TColor Color(const TFormTextValue& value);
    int Enum(const TFormTextValue& value, const TEnumNames& names, const std::string& typeName);
    unsigned Set(const TFormTextValue& value, const TEnumNames& bits, const std::string& typeName);
    std::vector<std::string> StringList(const TFormTextValue& value);
    const std::vector<uint8_t>& Binary(const TFormTextValue& value);

private:
    std::string file_;
    int line_ = 0;
    TComponent* root_;
    std::vector<std::pair<int, std::function<void()>>> fixups_;
};

} // namespace ui
