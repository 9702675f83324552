#pragma once
// The aircraft grid (GridSpravka) of the report and sheet frames: a tree of
// three visible columns (tree node, tick box, text) whose top-level rows are
// grey group rows (an aircraft type, or "Выбрать все ВС") and whose children
// are the rows a report is run for (an aircraft "type board", or a type with
// its ownership). Every tick box starts clear; only the tick column is
// edited; ticking a group row expands it and gives its state to every row of
// the group. Group rows are grey with white bold text; column 0 of every other
// row is grey.
//
//     grid->fillTypesWithAircraft(conn, kVisibleTypes);   // type nodes, "Ми-8АМТ RA-22000" children
//     for (const auto& a : grid->tickedAircraft()) ...     // {type, board}, split at the last blank
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <functional>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::frames {

// An aircraft shown as "type board", split back at the last blank.
struct AircraftRef {
    QString type;
    QString board;
    bool operator==(const AircraftRef&) const = default;
};
AircraftRef splitAircraft(const QString& text);
QString aircraftText(const QString& type, const QString& board);

class AircraftGrid : public QTreeWidget {
    Q_OBJECT
public:
    // withKeyColumns: two more hidden columns hold each aircraft row's type
    // (3) and board number (4), as the complex forecast's grid has them.
    explicit AircraftGrid(QWidget* parent = nullptr, bool withKeyColumns = false);

    // One group row per type of the query (its first column), each with one
    // row per aircraft of "Select TIP_VS, BORTOVOI_NOMER From REESTR Where
    // TIP_VS='<type>' Order By BORTOVOI_NOMER;" (or of aircraftQuery(type)
    // where given). A type without aircraft keeps its group row unless
    // skipEmptyTypes.
    using AircraftQuery = std::function<QString(const QString& type)>;
    void fillTypesWithAircraft(Connection* c, const QString& typesQuery, bool skipEmptyTypes = false,
                               const AircraftQuery& aircraftQuery = {});
    // One group row "Выбрать все ВС", then two rows per type of the query:
    // "<type> (свои)" and "<type> (арендованные)".
    void fillTypesOwnLeased(Connection* c, const QString& typesQuery);
    // Any layout: a group row and its rows.
    QTreeWidgetItem* addGroup(const QString& text);
    QTreeWidgetItem* addRow(QTreeWidgetItem* group, const QString& text);

    // Column widths 15, 20, 165 at scale 1 (or the given widths) times S.
    void setScale(double s, int w0 = 15, int w1 = 20, int w2 = 165);
    // Height of all rows at the scale, for frames that fit their height.
    int contentHeight() const;

    bool isGroup(const QTreeWidgetItem* item) const;
    // Texts of the ticked non-group rows, in grid order.
    QStringList tickedTexts() const;
    // The ticked aircraft rows, split at the last blank.
    std::vector<AircraftRef> tickedAircraft() const;
    // The groups in order, each with the texts of its ticked rows (empty when
    // none is ticked).
    struct Group {
        QString text;
        QStringList ticked;
    };
    std::vector<Group> groups() const;
    int tickedCount() const { return static_cast<int>(tickedTexts().size()); }
    void setAllTicked(bool ticked);

protected:
    // Space ticks or clears the current row (a group row: all its rows).
    void keyPressEvent(QKeyEvent* e) override;

private:
    void GridSpravkaCheckBoxChange(QTreeWidgetItem* item, int column);
    void paintRow(QTreeWidgetItem* item, bool group);
    bool m_keyColumns = false;
    double m_scale = 1.0;
    bool m_propagating = false;
};

} // namespace plan::frames
