#pragma once
// The frame layout the certificate documents made for one aircraft of the
// tree share: "Эксплуатант:" (cboExpl, index kept in MAIN/CBOEXPL),
// "Дата составления:" (picDate, today at start; the extension and noise
// documents have none: their values are taken as they stand), the aircraft tree
// (TreeView, type and board per node) and the show button (cmdReport)
// that builds the document of the current node.
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <vector>

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
    QDate date;           // the document date (today where the frame has no date)
    QString type;         // the aircraft: type and board number
    QString board;
};

class SlgTreeFrame : public shell::TPlanFrame {
    Q_OBJECT
public:
    explicit SlgTreeFrame(const QString& windowKey = QStringLiteral("frmPlanZaiavSLG"), bool withDate = true);
    void FunStart() override;
    void FunReport() override;

protected:
    // Builds and shows the document; options hold a picked aircraft.
    virtual void FunDocument(const SlgDocOptions& o) = 0;
    // Empties the staging table of `query`, writes the rows, prints them
    // with the template `code` under the title, the operator's heading and
    // the aircraft, and shows the preview.
    void showRows(const SlgDocOptions& o, const QString& title, const QString& query, const QString& code,
                  const std::vector<StagingRow>& rows);

    frames::OperatorSelector* cboExpl = nullptr;
    QDateEdit* picDate = nullptr;
    frames::AircraftTree* TreeView = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::applications
