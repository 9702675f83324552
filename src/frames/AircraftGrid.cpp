#include "frames/AircraftGrid.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>
#include <cmath>

namespace plan::frames {
namespace {
constexpr int kGroupRole = Qt::UserRole + 1;
constexpr int kTextColumn = 2;
constexpr int kTickColumn = 1;
} // namespace

AircraftRef splitAircraft(const QString& text)
{
    const int blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank < 0) return {QString(), text.trimmed()};
    return {text.left(blank).trimmed(), text.mid(blank + 1)};
}

QString aircraftText(const QString& type, const QString& board) { return type + QLatin1Char(' ') + board; }

AircraftGrid::AircraftGrid(QWidget* parent, bool withKeyColumns) : QTreeWidget(parent), m_keyColumns(withKeyColumns)
{
    setObjectName(QStringLiteral("GridSpravka"));
    setColumnCount(withKeyColumns ? 5 : 3);
    if (withKeyColumns) {
        setColumnHidden(3, true);
        setColumnHidden(4, true);
    }
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIndentation(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item, int column) { GridSpravkaCheckBoxChange(item, column); });
    setScale(1.0);
}

void AircraftGrid::keyPressEvent(QKeyEvent* e)
{
    QTreeWidgetItem* item = currentItem();
    if ((e->key() == Qt::Key_Space || e->key() == Qt::Key_Select) && item &&
        (item->flags() & Qt::ItemIsUserCheckable)) {
        item->setCheckState(kTickColumn, item->checkState(kTickColumn) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

void AircraftGrid::paintRow(QTreeWidgetItem* item, bool group)
{
    const QColor grey(0x80, 0x80, 0x80);
    item->setBackground(0, grey);
    if (!group) return;
    QFont bold = item->font(kTextColumn);
    bold.setBold(true);
    for (int c = 1; c < columnCount(); ++c) {
        item->setBackground(c, grey);
        item->setForeground(c, Qt::white);
        item->setFont(c, bold);
    }
}

QTreeWidgetItem* AircraftGrid::addGroup(const QString& text)
{
    const QSignalBlocker block(this);
    auto* group = new QTreeWidgetItem(this, {QString(), QString(), text});
    group->setData(0, kGroupRole, true);
    group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    group->setCheckState(kTickColumn, Qt::Unchecked);
    paintRow(group, true);
    group->setExpanded(true);
    return group;
}

QTreeWidgetItem* AircraftGrid::addRow(QTreeWidgetItem* group, const QString& text)
{
    const QSignalBlocker block(this);
    auto* row = new QTreeWidgetItem(group, {QString(), QString(), text});
    if (m_keyColumns) {
        const AircraftRef a = splitAircraft(text);
        row->setText(3, a.type);
        row->setText(4, a.board);
    }
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    row->setCheckState(kTickColumn, Qt::Unchecked);
    paintRow(row, false);
    return row;
}

void AircraftGrid::fillTypesWithAircraft(Connection* c, const QString& typesQuery, bool skipEmptyTypes,
                                         const AircraftQuery& aircraftQuery)
{
    setUpdatesEnabled(false);
    clear();
    Dataset types(c);
    types.setCommandText(typesQuery);
    types.open();
    Dataset boards(c);
    for (; !types.eof(); types.next()) {
        const QString type = types.str(0);
        boards.setCommandText(aircraftQuery ? aircraftQuery(type)
                                            : QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where TIP_VS=") +
                                                  sqlText(type) + QStringLiteral(" Order By BORTOVOI_NOMER;"));
        boards.open();
        if (boards.eof() && skipEmptyTypes) continue;
        QTreeWidgetItem* group = addGroup(type);
        for (; !boards.eof(); boards.next()) addRow(group, aircraftText(boards.str(0), boards.str(1)));
        group->setExpanded(true);
    }
    setUpdatesEnabled(true);
}

void AircraftGrid::fillTypesOwnLeased(Connection* c, const QString& typesQuery)
{
    setUpdatesEnabled(false);
    clear();
    QTreeWidgetItem* all = addGroup(QStringLiteral("Выбрать все ВС"));
    Dataset types(c);
    types.setCommandText(typesQuery);
    types.open();
    for (; !types.eof(); types.next()) {
        addRow(all, types.str(0) + QStringLiteral(" (свои)"));
        addRow(all, types.str(0) + QStringLiteral(" (арендованные)"));
    }
    all->setExpanded(true);
    setUpdatesEnabled(true);
}

void AircraftGrid::setScale(double s, int w0, int w1, int w2)
{
    m_scale = s;
    setColumnWidth(0, qRound(w0 * s));
    setColumnWidth(1, qRound(w1 * s));
    setColumnWidth(2, qRound(w2 * s));
}

int AircraftGrid::contentHeight() const
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(const_cast<AircraftGrid*>(this)); *it; ++it) ++rows;
    return static_cast<int>(std::trunc((rows * 20 + 8 * m_scale) * m_scale));
}

bool AircraftGrid::isGroup(const QTreeWidgetItem* item) const { return item && item->data(0, kGroupRole).toBool(); }

void AircraftGrid::GridSpravkaCheckBoxChange(QTreeWidgetItem* item, int column)
{
    if (column != kTickColumn || m_propagating || !isGroup(item)) return;
    m_propagating = true;
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i) item->child(i)->setCheckState(kTickColumn, item->checkState(kTickColumn));
    m_propagating = false;
}

QStringList AircraftGrid::tickedTexts() const
{
    QStringList out;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        if (!isGroup(group)) {
            if (group->checkState(kTickColumn) == Qt::Checked) out << group->text(kTextColumn);
            continue;
        }
        for (int i = 0; i < group->childCount(); ++i)
            if (group->child(i)->checkState(kTickColumn) == Qt::Checked) out << group->child(i)->text(kTextColumn);
    }
    return out;
}

std::vector<AircraftRef> AircraftGrid::tickedAircraft() const
{
    std::vector<AircraftRef> out;
    for (const QString& t : tickedTexts()) out.push_back(splitAircraft(t));
    return out;
}

std::vector<AircraftGrid::Group> AircraftGrid::groups() const
{
    std::vector<Group> out;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        Group entry{group->text(kTextColumn), {}};
        for (int i = 0; i < group->childCount(); ++i)
            if (group->child(i)->checkState(kTickColumn) == Qt::Checked) entry.ticked << group->child(i)->text(kTextColumn);
        out.push_back(std::move(entry));
    }
    return out;
}

void AircraftGrid::setAllTicked(bool ticked)
{
    for (int g = 0; g < topLevelItemCount(); ++g)
        topLevelItem(g)->setCheckState(kTickColumn, ticked ? Qt::Checked : Qt::Unchecked);
}

} // namespace plan::frames
