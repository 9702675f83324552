#pragma once
// The aircraft tree (TreeView) of the sheets and documents made for one
// aircraft: read-only, one root-level node per aircraft, labelled type, one
// blank, board number. Clicking a node, right-clicking it, or releasing
// Enter, Up or Down on it picks that aircraft (picked() is emitted).
#include "frames/AircraftGrid.h"

#include <QTreeWidget>

namespace plan {
class Connection;
}

namespace plan::frames {

// The visible types of the per-type data, in the order every tree and grid
// lists them.
inline const char* const kVisibleTypesQuery =
    "Select TIP_VS From TIPOVYE_DANNYE_VS Where Not Upper(TIP_VS) Like Upper('%Hide%') Order By TIP_VS, ID;";
// The visible types that have aircraft in the register.
inline const char* const kRegisterTypesQuery =
    "Select Distinct TIP_VS From REESTR Where Not Upper(TIP_VS) Like Upper('%Hide%') Order By TIP_VS, ID;";

class AircraftTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit AircraftTree(QWidget* parent = nullptr);
    // One node per aircraft of each type of the query, aircraft by board number.
    void fill(Connection* c, const QString& typesQuery = QString::fromUtf8(kVisibleTypesQuery));
    // The aircraft of the current node; empty when none is current.
    AircraftRef current() const;
    bool hasPick() const { return m_picked; }

signals:
    void picked(const plan::frames::AircraftRef& aircraft);

protected:
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void pick(QTreeWidgetItem* item);
    bool m_picked = false;
};

} // namespace plan::frames
