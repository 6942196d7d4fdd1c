#include "toolkit/grids/column_skeleton.h"

#include <algorithm>

#include "platform/sys/text_file.h"
#include "toolkit/grids/columns_grid.h"

namespace Colgrid {

namespace {

// Characters, not bytes: the file is meant to line up as a table.
size_t CharacterCount(const std::string& text) {
    return size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PadRight(const std::string& text, size_t width) {
    size_t length = CharacterCount(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

std::string PadLeft(const std::string& text, size_t width) {
    size_t length = CharacterCount(text);
    return length >= width ? text : std::string(width - length, ' ') + text;
}

} // namespace

std::vector<std::string> ColumnSkeletonLines(const std::string& sourceName,
                                             const std::vector<std::string>& fieldNames) {
    const std::string& n = sourceName;
    size_t longest = 0;
    for (const auto& name : fieldNames)
        longest = std::max(longest, CharacterCount(name));
    const std::string table = "  TMTable(" + n + ".DataSet)";

    std::vector<std::string> lines;
    lines.push_back("// Constante " + n);
    lines.push_back("const");
    for (size_t i = 0; i < fieldNames.size(); ++i)
        lines.push_back("  fl" + n + "_" + PadRight(fieldNames[i], longest + 1) + " = " +
                        PadLeft(std::to_string(i), 3) + ";");
    lines.push_back(" ");
    lines.push_back("// Creez structura " + n);
    lines.push_back(table + " := TMTable.Create(nil);");
    lines.push_back("  with TMTable(" + n + ".DataSet) do begin");
    for (const auto& name : fieldNames)
        lines.push_back("    Add('" + PadRight(name + "'", longest + 2) +
                        ", ftFloat   ,  0, False);");
    lines.push_back("  end;");
    lines.push_back(table + ".CheckNames;");
    lines.push_back(table + ".CreateTable;");
    lines.push_back(table + ".Active := True;");
    lines.push_back("  //TMTable(" + n +
                    ".DataSet).FieldByName('CampFloat').DisplayFormat:= '#,##0.##';");
    lines.push_back("  //TMTable(" + n +
                    ".DataSet).FieldByName('CampDateTime').EditMask:= '99.99.9999';");
    return lines;
}

void TMColumnsGrid::SaveColumnsToFile(const std::string& fileName) const {
    data::TDataSource* source = DataSource();
    std::vector<std::string> names;
    for (int i = 0; i < Columns().Count(); ++i)
        names.push_back(Columns()[i].FieldName());
    // Everything is composed before the file is opened, so a failure while composing never
    // leaves an emptied file behind.
    const std::vector<std::string> lines =
        ColumnSkeletonLines(source ? source->Name() : "TEMP", names);
    sys::TextFile file(fileName);
    file.Rewrite();
    for (const auto& line : lines)
        file.WriteLn(line);
    file.Close();
}

} // namespace Colgrid
