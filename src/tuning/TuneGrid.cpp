#include "tuning/TuneGrid.h"
#include "platform/MessageService.h"
#include <QKeyEvent>

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>
#include <cmath>
#include <functional>

namespace plan::tuning {

QColor tuneCellColor(int row) { return row % 2 == 0 ? QColor(0xF4, 0xFA, 0xFF) : QColor(0xE1, 0xF1, 0xFF); }

void setupTuneGrid(QTableWidget* grid, const std::vector<TuneGridColumn>& columns, double scale)
{
    grid->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const TuneGridColumn& c : columns) titles << c.title;
    grid->setHorizontalHeaderLabels(titles);
    grid->horizontalHeader()->setFixedHeight(static_cast<int>(std::trunc(34 * scale)));
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        grid->setColumnWidth(i, columns[i].width);
        grid->setColumnHidden(i, columns[i].hidden);
    }
    grid->verticalHeader()->setSectionsMovable(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setMouseTracking(true);
}

void fillTuneGrid(QTableWidget* grid, const std::vector<TuneRow>& rows, const std::function<bool(int, int)>& editable)
{
    const QSignalBlocker block(grid);
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    const int columns = grid->columnCount();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const int gridRow = r + 1;
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(c >= 2 ? rows[r].cell(c) : QString());
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (c == 0) {
                item->setTextAlignment(Qt::AlignCenter);
            } else {
                item->setBackground(tuneCellColor(gridRow));
                if (gridRow >= 2 && !item->text().isEmpty()) item->setToolTip(item->text());
            }
            if (c == 1) {
                flags |= Qt::ItemIsUserCheckable;
                item->setCheckState(rows[r].checked ? Qt::Checked : Qt::Unchecked);
            } else if (c >= 2 && editable && editable(r, c)) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            grid->setItem(r, c, item);
        }
    }
}

bool tuneGridChecked(const QTableWidget* grid, int row)
{
    const QTableWidgetItem* item = grid->item(row, 1);
    return item && item->checkState() == Qt::Checked;
}

namespace {
class ArrowMoves : public QObject {
public:
    ArrowMoves(QTableWidget* grid, std::function<void(bool)> moved) : QObject(grid), m_grid(grid), m_moved(std::move(moved))
    {
        grid->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_grid || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
            return false;
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() != Qt::Key_Up && k->key() != Qt::Key_Down) return false;
        if (event->type() == QEvent::KeyPress)
            m_rowAtKeyPress = m_grid->currentRow();
        else if (!k->isAutoRepeat() && m_rowAtKeyPress != m_grid->currentRow())
            m_moved(k->key() == Qt::Key_Up);
        return false;
    }

private:
    QTableWidget* m_grid;
    std::function<void(bool)> m_moved;
    int m_rowAtKeyPress = -1;
};
} // namespace

void watchArrowMoves(QTableWidget* grid, std::function<void(bool up)> moved) { new ArrowMoves(grid, std::move(moved)); }

void askToSaveOnClose(QWidget* window, bool changed, const std::function<void()>& save)
{
    if (changed && MessageService::show(QStringLiteral("Перечень был изменен. Сохранить изменения?"),
                                        MessageService::Kind::Question, window, QStringLiteral("Внимание!")))
        save();
}

} // namespace plan::tuning
