#pragma once
// TfrPlanRepSostParkVS, "Состояние парка ВС" of frmPlanReport: the chosen
// operator's aircraft of each type on a date, in total and by maintenance
// state (STATUS_TO of the register), with the leased ones.
//
// Reads:    EXPLUATANTY (cboExpl), TIPOVYE_DANNYE_VS (the types not hidden),
//           REESTR (the counts), OBSHIE (the operator's owner codes and
//           header), MAIN/CBOEXPL of the user settings.
// Computes: per type the number of aircraft in service on the date, of them
//           in each state 0 to 6, own in state 12, leased, in other states.
// Writes:   REPORT_SOST_PARKA_VS, one row per type with aircraft, shown with
//           rep07; MAIN/CBOEXPL.
#include "shell/PlanFrame.h"

#include "platform/ReportCycle.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

class QDateEdit;
class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Staging positions of REPORT_SOST_PARKA_VS.
namespace sostpark {
constexpr int Type = 1;
constexpr int Total = 2;
constexpr int State0 = 3;     // states 1 to 6 follow at 4 to 9
constexpr int OwnState12 = 10;
constexpr int Leased = 11;
constexpr int OtherStates = 12;
constexpr int PreparerPost = 13; // OBSHIE DOLGNOST_PDO
constexpr int PreparerName = 14; // OBSHIE NACH_PDO
constexpr int ObshieOperator = 15;
constexpr int OperatorCode = 16; // EXPLUATANTY position 1
constexpr int Email = 17;        // OBSHIE EMAIL_PREDPRIATIE
constexpr int HeadPost = 18;     // OBSHIE DOLGNOST_IAS
constexpr int Contacts = 19;     // name " тел." phone
constexpr int Date = 20;
} // namespace sostpark

struct SostParkOptions {
    QString operatorId = QStringLiteral("-1"); // "-1" when the operator is not in the list
    QDate date;
};

struct SostParkResult {
    std::vector<StagingRow> rows;
    // Aircraft of the operator in service on the date whose type has no
    // per-type data (TIPOVYE_DANNYE_VS), and so no row: "Ми-8МТВ (RA-1, RA-2)".
    QStringList typesWithoutData;
};

SostParkResult buildSostParkVS(Connection* c, const SostParkOptions& o);

class TfrPlanRepSostParkVS : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepSostParkVS();

    void FunStart() override;
    void FunReport() override;
    SostParkOptions options() const;

private:
    void picDateChange();

    frames::OperatorSelector* cboExpl = nullptr;
    QDateEdit* picDate = nullptr;
    QPushButton* cmdReport = nullptr;
    QString m_dateText; // the short-date text of picDate
};

} // namespace plan::reports
