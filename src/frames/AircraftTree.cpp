#include "frames/AircraftTree.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"

#include <QKeyEvent>

namespace plan::frames {

AircraftTree::AircraftTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true); // hot-track
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) { pick(item); });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QTreeWidgetItem* item = itemAt(at)) {
            setCurrentItem(item);
            pick(item);
        }
    });
}

void AircraftTree::fill(Connection* c, const QString& typesQuery)
{
    clear();
    m_picked = false;
    Dataset types(c);
    types.setCommandText(typesQuery);
    types.open();
    Dataset boards(c);
    for (; !types.eof(); types.next()) {
        boards.setCommandText(QStringLiteral("Select TIP_VS, BORTOVOI_NOMER From REESTR Where TIP_VS=") +
                              sqlText(types.str(0)) + QStringLiteral(" Order By BORTOVOI_NOMER;"));
        boards.open();
        for (; !boards.eof(); boards.next())
            new QTreeWidgetItem(this, {aircraftText(boards.str(0), boards.str(1))});
    }
}

AircraftRef AircraftTree::current() const
{
    const QTreeWidgetItem* item = currentItem();
    return item ? splitAircraft(item->text(0)) : AircraftRef{};
}

void AircraftTree::keyReleaseEvent(QKeyEvent* e)
{
    QTreeWidget::keyReleaseEvent(e);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)
        if (currentItem()) pick(currentItem());
}

void AircraftTree::pick(QTreeWidgetItem* item)
{
    if (!item) return;
    m_picked = true;
    emit picked(splitAircraft(item->text(0)));
}

} // namespace plan::frames
