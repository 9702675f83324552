#pragma once
// The frame layout the certificate documents made for one aircraft of the
// tree share: "Эксплуатант:" (cboExpl, index kept in MAIN/CBOEXPL),
// "Дата составления:" (picDate, today at start), the aircraft tree
// (TreeView, type and board per node) and the show button (cmdReport)
// that builds the document of the current node.
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>

class QDateEdit;
class QPushButton;

namespace plan::frames {
class AircraftTree;
class OperatorSelector;
} // namespace plan::frames

namespace plan::applications {

// The options every such document is built from.
struct SlgDocOptions {
    QString operatorCode; // ID_NAME of the chosen operator, "-1" when none
    QString operatorName; // its NAME
    QDate date;           // the document date
    QString type;         // the aircraft: type and board number
    QString board;
};

class SlgTreeFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    SlgTreeFrame();
    void FunStart() override;
    void FunReport() override;

protected:
    // Builds and shows the document; options hold a picked aircraft.
    virtual void FunDocument(const SlgDocOptions& o) = 0;

    frames::OperatorSelector* cboExpl = nullptr;
    QDateEdit* picDate = nullptr;
    frames::AircraftTree* TreeView = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::applications
