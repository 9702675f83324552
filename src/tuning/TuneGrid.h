#pragma once
// The grids of the tuning editors: a header row of trunc(34 x SCALE), column
// 0 a narrow row header with centred text, column 1 the check box, data
// cells in alternating colours (even rows RGB F4 FA FF, odd rows E1 F1 FF,
// counting the header as row 0), and the text of a non-empty cell from the
// second data row on as its hint. Rows are dragged by the row header.
#include "tuning/TuneListModel.h"

#include <QColor>
#include <functional>
#include <QStringList>
#include <vector>

class QTableWidget;

namespace plan::tuning {

struct TuneGridColumn {
    QString title;
    int width;
    bool hidden;
};

// Colour of a data cell of grid row `row` (the header being row 0).
QColor tuneCellColor(int row);

void setupTuneGrid(QTableWidget* grid, const std::vector<TuneGridColumn>& columns, double scale);
// Fills the grid with the rows; `editable(row, column)` says which cells
// of columns >= 2 can be edited (the check box always can).
void fillTuneGrid(QTableWidget* grid, const std::vector<TuneRow>& rows, const std::function<bool(int, int)>& editable = {});
// The check box of a grid row.
bool tuneGridChecked(const QTableWidget* grid, int row);

// Watches the up and down arrows of a lines grid: on the key's release, when
// the cursor did move, `moved(up)` runs (the line the cursor left follows it).
void watchArrowMoves(QTableWidget* grid, std::function<void(bool up)> moved);

// The close question of an editor: with unsaved changes, "Перечень был
// изменен. Сохранить изменения?"; `save` runs on yes.
void askToSaveOnClose(QWidget* window, bool changed, const std::function<void()>& save);

} // namespace plan::tuning
