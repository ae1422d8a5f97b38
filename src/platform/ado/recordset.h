#pragma once
// The platform's record set: rows of named, typed fields with a current row,
// built in memory, read from a rowset XML file or handed over by a database
// adapter, and saved back to rowset XML. Client-side and static: every row is
// in memory, RecordCount and AbsolutePosition are exact.
#include "platform/ado/ado_enums.h"
#include "platform/ado/criteria.h"
#include "platform/ado/fields.h"
#include "platform/ado/row_store.h"
#include "platform/ado/sort_order.h"
#include "platform/automation/variant.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace tvx::ado {

class Recordset : public AutomationObject {
public:
    Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    ado::Fields& Fields() { return fields_; }
    const ado::Fields& Fields() const { return fields_; }
    // Values of the current row by field name or 0-based position (3265 for
    // an unknown field, 3021 without a current row). Assigning converts to the
    // field's type and starts an edit when none is in progress.
    Variant value(const QString& name) const;
    Variant value(int index) const;
    void setValue(const QString& name, const Variant& v);
    void setValue(int index, const Variant& v);

    // With no source: a record set of the appended fields (3709 without any).
    // With a file path and "Provider=MSPersist;" (or the adCmdFile option): the
    // rowset XML file; a file that cannot be read leaves it closed, without fields.
    void Open(const QString& source = {}, const QString& activeConnection = {}, int cursorType = adOpenUnspecified,
              int lockType = adLockUnspecified, int options = adCmdUnspecified);
    // Opens over rows a database adapter has read: `cells` row after row, one
    // value per field, taken as they are and with no pending changes.
    void openRows(std::vector<FieldInfo> fields, std::vector<Variant> cells, const QString& source = {});
    void Close();
    int State() const { return open_ ? adStateOpen : adStateClosed; }
    // Empty for a record set built in memory; the path of the file it was opened from.
    const QString& Source() const { return source_; }
    void setSource(const QString& source);
    int CursorType() const { return cursorType_; }
    int LockType() const { return lockType_; }

    bool Bof() const;
    bool Eof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    // Rows visible under the Filter, counting a row being added.
    int RecordCount() const;
    // 1..RecordCount, or adPosUnknown (empty), adPosBOF, adPosEOF.
    int AbsolutePosition() const;
    void setAbsolutePosition(int position);

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    int EditMode() const { return editMode_; }

    // A criteria text, or adFilterNone (0) when there is none.
    Variant Filter() const;
    // A criteria text; "" or 0 shows every row. Moves to the first visible row.
    void setFilter(const Variant& filter);
    const QString& Sort() const { return sortText_; }
    // "Field [ASC|DESC], ..."; "" restores the original order. Moves to the first row.
    void setSort(const QString& sort);
    // From the current row (after skipping `skipRows`) to the first row meeting
    // the one-clause criterion; none: EOF searching forward, BOF backward.
    void Find(const QString& criteria, int skipRows = 0, int searchDirection = adSearchForward);
    // Writes the rows visible under the Filter to a new file (error 58 when it
    // exists) in the rowset XML format; then the first row is current.
    void Save(const QString& path, int persistFormat = adPersistXML);

    // Writing changes back to a database.
    struct PendingChange {
        RowStatus status;  // Added, Modified or Deleted
        RowId row;
        std::vector<Variant> values;        // as they are now (a deleted row: as opened)
        std::span<const Variant> original;  // as opened or last accepted; empty for an added row
        // What finds the row in the database: the original values, else the values.
        std::span<const Variant> lookup() const {
            return original.empty() ? std::span<const Variant>(values) : original;
        }
    };
    // Every pending change (an edit in progress is updated first). The
    // originals stay valid until the record set changes.
    std::vector<PendingChange> pendingChanges();
    // Stores a value the database gave a written row (an identity), without marking a change.
    void setStoredValue(RowId row, int column, const Variant& v);
    // The changes are in the database: nothing is pending any more.
    void acceptChanges();

private:
    friend class Field;

    void requireOpen() const;
    bool hasCurrent() const;
    RowId currentRow() const;
    int columnIndex(const QString& name) const;
    void checkColumn(int index) const;
    void finishEdit();
    void rebuildView();
    void openFile(const QString& path);
    void install(std::vector<FieldInfo> fields, RowStore rows, const QString& source);

    ado::Fields fields_;
    RowStore store_;
    std::vector<RowId> view_;      // visible rows in Filter/Sort order
    int cursor_ = 0;               // index into view_: -1 is BOF, view_.size() is EOF
    bool currentDeleted_ = false;  // the current row was deleted; view_[cursor_] is the next one
    bool open_ = false;
    QString source_;
    int cursorType_ = adOpenUnspecified;
    int lockType_ = adLockUnspecified;
    QString filterText_;
    std::optional<Criteria> filter_;
    QString sortText_;
    std::vector<SortKey> sortKeys_;
    int editMode_ = adEditNone;
    std::vector<Variant> editBefore_;  // the row's values when its edit began
    int cursorBeforeAdd_ = 0;
};

}  // namespace tvx::ado
