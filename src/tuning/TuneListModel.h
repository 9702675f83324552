#pragma once
// What the two tuning editors share: the available list and the document
// lines as rows of grid cells (cell c is grid column c; column 0, the row
// header, and column 1, the check box, carry no text), the "changed" state,
// deleting the checked lines, moving lines by drag or by the arrow keys, and
// the whole-set rewrite of the stored rows in one transaction.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::tuning {

struct TuneRow {
    bool checked = false;
    QStringList cells; // by grid column; cells[0] and cells[1] stay empty

    QString cell(int column) const { return column >= 0 && column < cells.size() ? cells[column] : QString(); }
};

// "" for a null value, the value's text otherwise.
QString cellText(const QVariant& value);

class TuneListModel {
public:
    explicit TuneListModel(Connection* connection, int lineColumns, int availableColumns);
    virtual ~TuneListModel() = default;

    Connection* connection() const { return m_connection; }

    const std::vector<TuneRow>& available() const { return m_available; }
    const std::vector<TuneRow>& lines() const { return m_lines; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    QString lineCell(int line, int column) const;
    // Writes a text cell (column >= 2) of a line.
    void setLineCell(int line, int column, const QString& value);

    void setAvailableChecked(int row, bool checked);
    void setLineChecked(int line, bool checked);

    // Unsaved changes (the enabled state of the Save button).
    bool changed() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    // Removes every checked line; the count removed.
    int deleteChecked();
    // Drag: the line at `from` is taken out and put in at `to` (0-based).
    // False when either index is out of range.
    bool moveLine(int from, int to);
    // Release of the up (or down) arrow after the cursor moved to line
    // `selected`: the line the cursor left follows it. False when there is
    // no such line.
    bool arrowMove(int selected, bool up);

    // The first line whose cell in `column` equals the text; -1 when none.
    int findLine(int column, const QString& text) const;

protected:
    TuneRow newRow(int columns) const;
    // Deletes the rows matched by `deleteWhere` from `table` and inserts the
    // given rows (column name and value), all in one transaction: on any
    // failure nothing changes and DbError tells what failed.
    using StoredRow = std::vector<std::pair<QString, QVariant>>;
    void rewrite(const QString& table, const QString& deleteWhere, const std::vector<StoredRow>& rows);

    Connection* m_connection;
    int m_lineColumns;
    int m_availableColumns;
    std::vector<TuneRow> m_available;
    std::vector<TuneRow> m_lines;
    bool m_changed = false;
};

} // namespace plan::tuning
