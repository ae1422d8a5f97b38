#pragma once
// A data grid bound to a record set: one column per field, keyed by the
// field's name, each with a caption, width, data type, alignment, display
// format and a hidden switch; rows can be grouped by dragging column headings
// into the group-by area; the whole grid can be exported to a spreadsheet.
#include <QString>
#include <memory>
#include <vector>

namespace tvx::ado {
class Recordset;
}

namespace tvx::ui {

// Column data types and alignments, in the grid's own codes.
enum GridDataType : int { GridTypeNotSet = 0, GridTypeInteger = 3, GridTypeText = 8 };
enum GridAlignment : int { GridAlignNotSet = 0, GridAlignLeft = 4, GridAlignRight = 6 };

struct GridColumn {
    QString key;
    QString caption;
    int width = 0;  // twips
    int dataType = GridTypeNotSet;
    int alignment = GridAlignNotSet;
    QString format;  // display format, "" for none
    bool hidden = false;
};

// How a row stands out: rows that call for the reader's attention are marked
// (colour and icon); a Note only has an icon, for rows that merely differ
// from the others. Error, Warning, Note, in that order, wherever order matters.
enum class GridRowMark { None, Note, Warning, Error };

// Rows whose cell in a column holds `value` (letter case aside) get `mark`.
struct GridRowMarkRule {
    QString value;
    GridRowMark mark = GridRowMark::None;
};

// A named style ("Normal" for the cells, "Heading" for the headings).
struct GridStyle {
    QString fontName;
    double fontSize = 0;
    int alignment = GridAlignNotSet;
};

class DataGrid {
public:
    virtual ~DataGrid() = default;

    virtual void SetGroupByBoxText(const QString& text) = 0;
    virtual void SetEnterKeyBehavior(int behaviour) = 0;
    virtual void SetTabKeyBehavior(int behaviour) = 0;
    virtual void SetStyle(const QString& name, const GridStyle& style) = 0;

    // Binds the grid to `rs` (nullptr leaves it empty). The columns are
    // rebuilt: one per field, in field order, key and caption the field name,
    // nothing else set.
    virtual void SetDataSource(std::shared_ptr<ado::Recordset> rs) = 0;
    virtual int ColumnCount() const = 0;
    virtual GridColumn Column(int index) const = 0;  // 0-based
    virtual void SetColumn(int index, const GridColumn& column) = 0;

    // Marks the rows by the value of the column keyed `key` (see
    // GridRowMarkRule); grouped on that column, marked groups come first. A
    // grid that cannot mark rows ignores it.
    virtual void SetRowMarks(const QString& key, const std::vector<GridRowMarkRule>& rules) {
        (void)key;
        (void)rules;
    }

    // Writes the grid's visible columns (captions as headings) and rows to a
    // spreadsheet file. `format` and `options` are the grid's export codes.
    virtual void Export(const QString& fileName, int format, int options) = 0;
};

}  // namespace tvx::ui
