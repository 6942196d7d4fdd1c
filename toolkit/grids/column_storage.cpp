#include "toolkit/grids/column_storage.h"

#include "platform/ui/streaming/class_builder.h"
#include "platform/ui/streaming/read_context.h"
#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

namespace {

const ui::TEnumNames kAlignmentNames = {{"taLeftJustify", ui::taLeftJustify},
                                        {"taRightJustify", ui::taRightJustify},
                                        {"taCenter", ui::taCenter}};
const ui::TEnumNames kButtonStyleNames = {{"cbsNone", cbsNone},
                                          {"cbsComboOnly", cbsComboOnly},
                                          {"cbsComboEdit", cbsComboEdit},
                                          {"cbsLookupOnly", cbsLookupOnly},
                                          {"cbsLookupEdit", cbsLookupEdit}};
const ui::TEnumNames kFontStyleBits = {{"fsBold", ui::fsBold},
                                       {"fsItalic", ui::fsItalic},
                                       {"fsUnderline", ui::fsUnderline},
                                       {"fsStrikeOut", ui::fsStrikeOut}};
const ui::TEnumNames kFontPitchNames = {
    {"fpDefault", ui::fpDefault}, {"fpVariable", ui::fpVariable}, {"fpFixed", ui::fpFixed}};
const ui::TEnumNames kCharsetNames = {{"ANSI_CHARSET", ui::ANSI_CHARSET},
                                      {"DEFAULT_CHARSET", ui::DEFAULT_CHARSET},
                                      {"SYMBOL_CHARSET", ui::SYMBOL_CHARSET},
                                      {"EASTEUROPE_CHARSET", ui::EASTEUROPE_CHARSET},
                                      {"OEM_CHARSET", ui::OEM_CHARSET}};

// The column classes as the form reader knows them; their fonts and pick lists are read by the
// platform's own font and string list classes.
const ui::TClassInfo& ColumnClassInfo() {
    static const ui::TClassInfo* info = [] {
        ui::RegisterValueClass<TMColumnTitle>("TMColumnTitle")
            .Enum("Alignment", kAlignmentNames, "TAlignment",
                  [](TMColumnTitle& t, int v) { t.SetAlignment(ui::TAlignment(v)); })
            .String("Caption", [](TMColumnTitle& t, const std::string& v) { t.SetCaption(v); })
            .Color("Color", [](TMColumnTitle& t, ui::TColor v) { t.SetColor(v); })
            .Object<ui::TFont>("Font", [](TMColumnTitle& t) -> ui::TFont& { return t.Font(); });
        return &ui::RegisterValueClass<TMColumn>("TMColumn")
                    .Enum("Alignment", kAlignmentNames, "TAlignment",
                          [](TMColumn& c, int v) { c.SetAlignment(ui::TAlignment(v)); })
                    .Enum("ButtonStyle", kButtonStyleNames, "TMColumnButtonStyle",
                          [](TMColumn& c, int v) { c.SetButtonStyle(TMColumnButtonStyle(v)); })
                    .Color("Color", [](TMColumn& c, ui::TColor v) { c.SetColor(v); })
                    .Int("DropDownRows", [](TMColumn& c, int v) { c.SetDropDownRows(v); })
                    .String("FieldName",
                            [](TMColumn& c, const std::string& v) { c.SetFieldName(v); })
                    .Object<ui::TFont>("Font", [](TMColumn& c) -> ui::TFont& { return c.Font(); })
                    .Object<ui::TStrings>("PickList",
                                          [](TMColumn& c) -> ui::TStrings& { return c.PickList(); })
                    .Bool("ReadOnly", [](TMColumn& c, bool v) { c.SetReadOnly(v); })
                    .Bool("TranslateValue", [](TMColumn& c, bool v) { c.SetTranslateValue(v); })
                    .Object<TMColumnTitle>("Title",
                                           [](TMColumn& c) -> TMColumnTitle& { return c.Title(); })
                    .Int("Width", [](TMColumn& c, int v) { c.SetWidth(v); })
                    .Int("Tag", [](TMColumn& c, int v) { c.SetTag(v); })
                    .Bool("AllCaps", [](TMColumn& c, bool v) { c.SetAllCaps(v); })
                    .Info();
    }();
    return *info;
}

ui::TFormTextValue Ident(const std::string& name) {
    return {ui::TFormTextIdent{name}, 0};
}

ui::TFormTextValue Number(int64_t value) {
    return {value, 0};
}

ui::TFormTextValue Text(const std::string& value) {
    return {value, 0};
}

ui::TFormTextValue Boolean(bool value) {
    return Ident(value ? "True" : "False");
}

ui::TFormTextValue NameOf(int value, const ui::TEnumNames& names) {
    for (const auto& [name, number] : names)
        if (number == value)
            return Ident(name);
    return Number(value);
}

ui::TFormTextValue ColorValue(ui::TColor color) {
    std::string ident;
    if (ui::ColorToIdent(color, ident))
        return Ident(ident);
    return Number(color);
}

class ItemWriter {
public:
    void Add(const std::string& name, ui::TFormTextValue value) {
        item.Properties.push_back({name, std::move(value), 0});
    }
    void AddFont(const std::string& prefix, const ui::TFont& font) {
        Add(prefix + ".Charset", NameOf(font.Charset(), kCharsetNames));
        Add(prefix + ".Color", ColorValue(font.Color()));
        Add(prefix + ".Height", Number(font.Height()));
        Add(prefix + ".Name", Text(font.Name()));
        if (font.Pitch() != ui::fpDefault)
            Add(prefix + ".Pitch", NameOf(font.Pitch(), kFontPitchNames));
        ui::TFormTextSet styles;
        for (const auto& [name, bit] : kFontStyleBits)
            if (font.Style() & unsigned(bit))
                styles.Items.push_back(name);
        Add(prefix + ".Style", {styles, 0});
    }
    ui::TFormTextCollectionItem item;
};

ui::TFormTextCollectionItem StoreColumn(TMColumn& column) {
    ItemWriter out;
    if (column.IsAlignmentStored())
        out.Add("Alignment", NameOf(column.Alignment(), kAlignmentNames));
    if (column.ButtonStyle() != cbsNone)
        out.Add("ButtonStyle", NameOf(column.ButtonStyle(), kButtonStyleNames));
    if (column.IsColorStored())
        out.Add("Color", ColorValue(column.Color()));
    if (column.DropDownRows() != 7)
        out.Add("DropDownRows", Number(column.DropDownRows()));
    if (column.IsStored() && !column.FieldName().empty())
        out.Add("FieldName", Text(column.FieldName()));
    if (column.IsFontStored())
        out.AddFont("Font", column.Font());
    if (column.HasPickList() && column.PickList().Count() > 0) {
        ui::TFormTextList lines;
        for (const auto& line : column.PickList().Items())
            lines.Items.push_back(Text(line));
        out.Add("PickList.Strings", {lines, 0});
    }
    if (column.IsReadOnlyStored())
        out.Add("ReadOnly", Boolean(column.ReadOnly()));
    if (column.IsTranslateValueStored())
        out.Add("TranslateValue", Boolean(column.TranslateValue()));
    TMColumnTitle& title = column.Title();
    if (title.IsAlignmentStored())
        out.Add("Title.Alignment", NameOf(title.Alignment(), kAlignmentNames));
    if (title.IsCaptionStored())
        out.Add("Title.Caption", Text(title.Caption()));
    if (title.IsColorStored())
        out.Add("Title.Color", ColorValue(title.Color()));
    if (title.IsFontStored())
        out.AddFont("Title.Font", title.Font());
    if (column.IsWidthStored())
        out.Add("Width", Number(column.Width()));
    if (column.IsTagStored())
        out.Add("Tag", Number(column.Tag()));
    if (column.IsAllCapsStored())
        out.Add("AllCaps", Boolean(column.AllCaps()));
    return out.item;
}

// Follows a dotted name ("Title.Font.Height") from the column to the object that holds the
// last part, and assigns the value there.
void ReadColumnProperty(TMColumn& column, const ui::TFormTextProperty& property,
                        ui::TReadContext& context) {
    context.SetLine(property.Line);
    const ui::TClassInfo* cls = &ColumnClassInfo();
    void* target = &column;
    std::string rest = property.Name;
    while (true) {
        const size_t dot = rest.find('.');
        const std::string part = rest.substr(0, dot);
        const ui::TPropertyInfo* info = cls ? cls->FindProperty(part) : nullptr;
        if (dot == std::string::npos) {
            if (!info || !info->Set)
                context.Fail("Column property " + property.Name + " does not exist");
            info->Set(target, property.Value, context);
            return;
        }
        if (!info || !info->SubObject)
            context.Fail("Column property " + property.Name + " does not exist");
        target = info->SubObject(target);
        cls = info->SubObjectClass;
        rest = rest.substr(dot + 1);
    }
}

} // namespace

ui::TFormTextProperty StoreColumnsProperty(const TMDBGridColumns& columns,
                                           const std::string& name) {
    ui::TFormTextCollection collection;
    for (int i = 0; i < columns.Count(); ++i)
        collection.Items.push_back(StoreColumn(columns[i]));
    return {name, {collection, 0}, 0};
}

void ReadColumnsValue(TMDBGridColumns& columns, const ui::TFormTextValue& value,
                      ui::TReadContext& context) {
    context.SetLine(value.Line);
    const auto* collection = std::get_if<ui::TFormTextCollection>(&value.Value);
    if (!collection)
        context.Fail("A collection of columns (< item ... end >) is expected");
    if (collection->Items.empty())
        return;
    // Read aside first: a description that fails halfway leaves the columns as they were.
    TMDBGridColumns read(columns.Grid(), columns.ColumnClass());
    for (const auto& item : collection->Items) {
        context.SetLine(item.Line);
        TMColumn& column = read.Add();
        for (const auto& property : item.Properties)
            ReadColumnProperty(column, property, context);
    }
    TMColumnsUpdate update(columns);
    columns.Clear();
    for (int i = 0; i < read.Count(); ++i)
        columns.Add().Assign(read[i]);
}

ui::TFormTextProperty TMColumnsGrid::StoredColumns() const {
    return StoreColumnsProperty(Columns(), "Coloanele");
}

void TMColumnsGrid::ReadStoredColumns(const ui::TFormTextValue& value, ui::TReadContext& context) {
    ReadColumnsValue(Columns(), value, context);
}

} // namespace Colgrid
