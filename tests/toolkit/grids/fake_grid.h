#pragma once
// A grid for the column model's tests: values set by the test, notifications recorded.
#include <string>
#include <vector>

#include "platform/data/dataset.h"
#include "toolkit/grids/columns_grid.h"

namespace gridtest {

class FakeGrid : public Colgrid::TMColumnsGrid {
public:
    FakeGrid() {
        font.SetName("Arial");
        font.SetHeight(-13);
        titleFont.SetName("Arial");
        titleFont.SetHeight(-13);
        titleFont.SetStyle(ui::fsBold);
    }

    ui::TColor Color() const override { return color; }
    const ui::TFont& Font() const override { return font; }
    const ui::TFont& TitleFont() const override { return titleFont; }
    ui::TColor FixedColor() const override { return fixedColor; }
    int DefaultColWidth() const override { return defaultColWidth; }
    bool ShowsTitles() const override { return titles; }
    bool LayoutFromDataset() const override { return layoutFromDataset; }
    bool UpdateFields() const override { return updateFields; }
    bool IsLoading() const override { return loading; }
    bool HasWindow() const override { return window; }
    ui::TCanvas* Canvas() override { return window ? &canvas : nullptr; }
    data::TDataSource* DataSource() const override { return source; }
    int Width() const override { return width; }
    void SetWidth(int value) override { width = value; }

    void ColumnChanged(Colgrid::TMColumn& column) override {
        changed.push_back(column.FieldName());
    }
    void LayoutChanged() override { ++layouts; }

    // Field names of the shown (or removed) columns, in order.
    std::vector<std::string> Shown() const { return Names(Columns()); }
    std::vector<std::string> Removed() const { return Names(DeletedColumns()); }
    static std::vector<std::string> Names(const Colgrid::TMDBGridColumns& columns) {
        std::vector<std::string> names;
        for (int i = 0; i < columns.Count(); ++i)
            names.push_back(columns[i].FieldName());
        return names;
    }
    void AddColumns(const std::vector<std::string>& names) {
        for (const auto& name : names)
            Columns().Add().SetFieldName(name);
    }

    ui::TColor color = 0x00E0F0F0;
    ui::TColor fixedColor = 0x00C8D0D4;
    ui::TFont font;
    ui::TFont titleFont;
    int defaultColWidth = 70;
    bool titles = true;
    bool layoutFromDataset = false;
    bool updateFields = true;
    bool loading = false;
    bool window = false;
    ui::TCanvas canvas;
    data::TDataSource* source = nullptr;
    int width = 600;

    std::vector<std::string> changed;
    int layouts = 0;
};

// A grid bound to an open dataset of the given fields.
struct GridWithData {
    explicit GridWithData(const std::vector<data::TFieldDef>& defs,
                          const std::string& name = "dsArticole") {
        for (const auto& def : defs)
            dataSet.AddFieldDef(def.Name, def.DataType, def.Size);
        dataSet.Open();
        source.SetName(name);
        source.SetDataSet(&dataSet);
        grid.source = &source;
    }
    data::TDataSet dataSet;
    data::TDataSource source;
    FakeGrid grid;
};

} // namespace gridtest
