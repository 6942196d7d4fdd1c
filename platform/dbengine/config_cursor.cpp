#include "platform/dbengine/config_cursor.h"

#include <cstring>

namespace dbe {

namespace {

template <size_t N> void CopyText(char (&field)[N], const std::string& text) {
    const size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

} // namespace

ConfigCursor::ConfigCursor(std::string path, DBIOpenMode openMode, CFGMode configMode,
                           std::vector<ConfigNodeRecord> records)
    : NodePath(std::move(path)), OpenMode(openMode), Mode(configMode), Records(std::move(records)) {
}

void ConfigCursor::SetToBegin() {
    Position = 0;
    Locked = false;
}

const ConfigNodeRecord* ConfigCursor::Next(DBILockType lock) {
    Locked = false;
    if (Position <= Records.size())
        ++Position;
    if (Position > Records.size())
        return nullptr;
    Locked = lock != dbiNOLOCK;
    return &Records[Position - 1];
}

ConfigNodeRecord* ConfigCursor::Current() {
    if (Position == 0 || Position > Records.size())
        return nullptr;
    return &Records[Position - 1];
}

void ConfigCursor::Fill(const ConfigNodeRecord& record, CFGDesc& desc) {
    std::memset(&desc, 0, sizeof desc);
    CopyText(desc.szNodeName, record.Name);
    CopyText(desc.szDescription, record.Description);
    desc.iDataType = record.DataType;
    CopyText(desc.szValue, record.Value);
    desc.bHasSubnodes = record.HasSubnodes;
}

} // namespace dbe
