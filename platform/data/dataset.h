#pragma once
// TDataSet: a set of fields by name and an open/closed state. Fields added with AddField are
// persistent: they stay when the dataset closes. A dataset without persistent fields makes
// default fields from its field definitions when it opens and frees them when it closes.
// TDataSource: the named link through which a grid reaches a dataset (borrowed, not owned).
#include <memory>
#include <string>
#include <vector>

#include "platform/data/field.h"

namespace data {

struct TFieldDef {
    std::string Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
};

class TDataSet {
public:
    TDataSet() = default;
    ~TDataSet();
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    // Definitions and persistent fields can change only while the dataset is closed; a name
    // that is empty or already taken (without regard to case) raises EDatabaseError.
    void AddFieldDef(const std::string& name, TFieldType type, int size = 0);
    const std::vector<TFieldDef>& FieldDefs() const { return fieldDefs_; }
    TField& AddField(const std::string& name, TFieldType type, int size = 0);
    void RemoveField(TField& field);

    int FieldCount() const { return int(fields_.size()); }
    TField& Fields(int index) const; // raises EDatabaseError outside the range
    // Without regard to case (ASCII); nullptr when absent.
    TField* FindField(const std::string& name) const;
    // As FindField, but raises EDatabaseError naming the field when absent.
    TField& FieldByName(const std::string& name) const;

    bool Active() const { return active_; }
    void SetActive(bool value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    // True while the fields are the ones made from the definitions.
    bool DefaultFields() const { return defaultFields_; }

private:
    friend class TField;
    void CheckInactive(const std::string& what) const;
    void CheckNewName(const std::string& name) const;
    TField& Adopt(std::shared_ptr<TField> field);
    int IndexOf(const TField& field) const;
    void MoveField(TField& field, int index);

    std::vector<TFieldDef> fieldDefs_;
    std::vector<std::shared_ptr<TField>> fields_;
    bool active_ = false;
    bool defaultFields_ = true;
};

class TDataSource {
public:
    explicit TDataSource(std::string name = "", TDataSet* dataSet = nullptr)
        : name_(std::move(name)), dataSet_(dataSet) {}
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* value) { dataSet_ = value; }

private:
    std::string name_;
    TDataSet* dataSet_;
};

} // namespace data
