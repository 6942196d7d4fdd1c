#pragma once
// TMColumnsGrid: what the database grid is to its column model. The grid control derives from
// it and supplies the values the columns take their defaults from (colours, fonts, widths,
// options, its data source) and reacts to the columns' notifications; this class owns the two
// collections (the shown Columns and the DeletedColumns the user removed) and runs the
// operations on them: the layout bracket, moving columns out and back with the anchor rule,
// removing a column by field name, storing the columns as "Coloanele" and writing the table
// skeleton.
#include <memory>
#include <string>

#include "platform/data/dataset.h"
#include "platform/ui/forms_text/form_text.h"
#include "platform/ui/graphics/canvas.h"
#include "platform/ui/graphics/font.h"
#include "platform/ui/graphics/types.h"
#include "toolkit/grids/grid_columns.h"

namespace ui {
class TReadContext;
}

namespace Colgrid {

class TMColumnsGrid {
public:
    TMColumnsGrid();
    virtual ~TMColumnsGrid();
    TMColumnsGrid(const TMColumnsGrid&) = delete;
    TMColumnsGrid& operator=(const TMColumnsGrid&) = delete;

    TMDBGridColumns& Columns() const { return *columns_; }
    TMDBGridColumns& DeletedColumns() const { return *deletedColumns_; }

    // What the columns read of the grid.
    virtual ui::TColor Color() const = 0;
    virtual const ui::TFont& Font() const = 0;
    virtual const ui::TFont& TitleFont() const = 0;
    virtual ui::TColor FixedColor() const = 0;
    virtual int DefaultColWidth() const = 0;
    virtual bool ShowsTitles() const = 0; // the dgTitles option
    virtual bool LayoutFromDataset() const = 0;
    virtual bool UpdateFields() const = 0;
    virtual bool IsLoading() const = 0; // while the form description is being read
    virtual bool HasWindow() const = 0;
    // The grid's canvas while it has a window; nullptr makes the columns measure on a screen
    // canvas.
    virtual ui::TCanvas* Canvas() = 0;
    virtual data::TDataSource* DataSource() const = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int value) = 0;

    // The data link: the data source's dataset, active while that dataset is open.
    data::TDataSet* DataSet() const;
    bool DataLinkActive() const;
    // The field the data link shows in grid column index (that column's field); nullptr when
    // there is none.
    virtual data::TField* DataLinkField(int index) const;

    // The columns' notifications: one column changed (repaint it and take its width), or the
    // whole layout must be computed again.
    virtual void ColumnChanged(TMColumn& column) = 0;
    virtual void LayoutChanged() = 0;

    // Nested; the first opens the columns' update bracket, the last computes the layout once
    // and closes it.
    void BeginLayout();
    void EndLayout();
    int LayoutLock() const { return layoutLock_; }

    // Moves a column of Columns to DeletedColumns, remembering its left neighbour; column
    // becomes nullptr. A column of another collection raises std::invalid_argument.
    void MoveToDeletedColumns(TMColumn*& column);
    // Brings a column of DeletedColumns back to Columns at the place the anchor rule gives;
    // column becomes nullptr.
    void MoveFromDeletedColumns(TMColumn*& column);
    // Where a column whose left neighbour was the named one comes back: after the nearest
    // neighbour still shown, following the removed neighbours' own anchors; 0 for "#" or none.
    int AnchorIndex(const std::string& leftFieldName) const;
    // Frees the column of that field and takes its width off the grid and off parentWidth.
    void DeleteColumnByFieldName(const std::string& name, int& parentWidth);

    // Writes the constants and table-structure skeleton of the columns (a Windows path; errors
    // raise sys::EInOutError naming the file).
    void SaveColumnsToFile(const std::string& fileName) const;
    void LoadColumnsFromFile(const std::string& fileName);

    // The columns as the form description stores them, and reading them back (the value of the
    // "Coloanele" property; errors name the file and line through the context).
    ui::TFormTextProperty StoredColumns() const;
    void ReadStoredColumns(const ui::TFormTextValue& value, ui::TReadContext& context);

    // From the collections.
    void ColumnsUpdated(TMDBGridColumns& columns, TMColumn* column);

private:
    std::unique_ptr<TMDBGridColumns> columns_;
    std::unique_ptr<TMDBGridColumns> deletedColumns_;
    int layoutLock_ = 0;
};

// Holds a grid's layout bracket for a scope (none without a grid).
class TMLayoutBracket {
public:
    explicit TMLayoutBracket(TMColumnsGrid* grid) : grid_(grid) {
        if (grid_)
            grid_->BeginLayout();
    }
    ~TMLayoutBracket() {
        if (grid_)
            grid_->EndLayout();
    }
    TMLayoutBracket(const TMLayoutBracket&) = delete;
    TMLayoutBracket& operator=(const TMLayoutBracket&) = delete;

private:
    TMColumnsGrid* grid_;
};

} // namespace Colgrid
