#include "platform/data/dataset.h"

#include <algorithm>

namespace data {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

TDataSet::~TDataSet() {
    for (auto& field : fields_)
        field->dataSet_ = nullptr;
}

void TDataSet::CheckInactive(const std::string& what) const {
    if (active_)
        throw EDatabaseError("Cannot " + what + " on an open dataset");
}

void TDataSet::CheckNewName(const std::string& name) const {
    if (name.empty())
        throw EDatabaseError("A field needs a name");
    for (const auto& def : fieldDefs_)
        if (SameName(def.Name, name))
            throw EDatabaseError("Duplicate field name '" + name + "'");
    if (FindField(name))
        throw EDatabaseError("Duplicate field name '" + name + "'");
}

void TDataSet::AddFieldDef(const std::string& name, TFieldType type, int size) {
    CheckInactive("change the field definitions");
    CheckNewName(name);
    fieldDefs_.push_back({name, type, size});
}

TField& TDataSet::Adopt(std::shared_ptr<TField> field) {
    field->dataSet_ = this;
    fields_.push_back(std::move(field));
    return *fields_.back();
}

TField& TDataSet::AddField(const std::string& name, TFieldType type, int size) {
    CheckInactive("add a field");
    for (const auto& field : fields_)
        if (SameName(field->FieldName(), name))
            throw EDatabaseError("Duplicate field name '" + name + "'");
    if (name.empty())
        throw EDatabaseError("A field needs a name");
    defaultFields_ = false;
    return Adopt(TField::Create(name, type, size));
}

void TDataSet::RemoveField(TField& field) {
    CheckInactive("remove a field");
    int index = IndexOf(field);
    if (index < 0)
        return;
    fields_[size_t(index)]->dataSet_ = nullptr;
    fields_.erase(fields_.begin() + index);
    if (fields_.empty())
        defaultFields_ = true;
}

TField& TDataSet::Fields(int index) const {
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError("Field index " + std::to_string(index) + " out of range");
    return *fields_[size_t(index)];
}

TField* TDataSet::FindField(const std::string& name) const {
    for (const auto& field : fields_)
        if (SameName(field->FieldName(), name))
            return field.get();
    return nullptr;
}

TField& TDataSet::FieldByName(const std::string& name) const {
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError("Field '" + name + "' not found");
    return *field;
}

void TDataSet::SetActive(bool value) {
    if (value == active_)
        return;
    if (value && defaultFields_) {
        fields_.clear();
        for (const auto& def : fieldDefs_)
            Adopt(TField::Create(def.Name, def.DataType, def.Size));
    }
    if (!value && defaultFields_) {
        for (auto& field : fields_)
            field->dataSet_ = nullptr;
        fields_.clear();
    }
    active_ = value;
}

int TDataSet::IndexOf(const TField& field) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].get() == &field)
            return int(i);
    return -1;
}

void TDataSet::MoveField(TField& field, int index) {
    int from = IndexOf(field);
    if (from < 0 || fields_.empty())
        return;
    int to = std::clamp(index, 0, FieldCount() - 1);
    auto moving = fields_[size_t(from)];
    fields_.erase(fields_.begin() + from);
    fields_.insert(fields_.begin() + to, std::move(moving));
}

} // namespace data
