#pragma once
// TfrPlanRep8OASU, "Форма 8-ОАСУ" of frmPlanReport: the monthly report of the
// movements of engines, main gearboxes and APUs of the chosen operator's
// owner, each movement named as an event ("Установлен на ВС", "Направлен в
// ремонт", ...) by where the unit came from and where it went.
//
// Reads:    EXPLUATANTY (cboExpl), SPRAVKA (the first year of cboYear),
//           OBSHIE (the operator's owner code and header data),
//           DVIGENIE_V_EKSPLUATACII (the month's movements of the owner),
//           REESTR (the board numbers, once: whether a place is an aircraft),
//           MAIN/CBOEXPL.
// Computes: per movement the aircraft involved, the event and the "На
//           склад" mark; drops the movements that name no aircraft and no
//           event; numbers the rest.
// Writes:   REPORT_FORMA_8_OASU (one header-only row when nothing is left),
//           shown with rep06; MAIN/CBOEXPL.
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <functional>
#include <memory>

class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_FORMA_8_OASU.
namespace f8 {
constexpr int Date = 1;        // movement DATA_PEREVODA
constexpr int Board = 2;       // the aircraft involved
constexpr int Model = 3;       // movement positions 3, 4, 5
constexpr int Serial = 4;
constexpr int Reason = 5;
constexpr int ToStore = 6;     // "На склад" or empty
constexpr int Event = 7;
constexpr int OperatorCode = 8; // OBSHIE EXPLUATANT
constexpr int Authority = 9;   // OBSHIE IMIA_UGA
constexpr int Head = 10;       // OBSHIE FIO_IAS [+ " " + operator code when the owner is set]
constexpr int Address = 11;    // OBSHIE ADRES_PREDPR
constexpr int ReportDate = 12;
constexpr int HeadPost = 13;   // OBSHIE DOLGNOST_IAS
constexpr int Number = 14;     // 1, 2, ... after the clean-up
constexpr int ReportDate2 = 15;
constexpr int Preparer = 16;   // NACH_PDO " тел." PHONE_PDO
constexpr int Email = 17;      // OBSHIE EMAIL_PREDPRIATIE
} // namespace f8

// The event of one movement: the aircraft involved (position 2), "На склад"
// (6) and the event text (7), by the rules in their order, each later rule
// overwriting an earlier one; fromBoard / toBoard tell whether the place is
// a board number of the register (FunIsBN).
struct MovementEvent {
    QString board;
    QString toStore;
    QString event;
    // A movement that names no aircraft and no event is dropped.
    bool dropped() const { return board.isEmpty() && toStore.isEmpty() && event.isEmpty(); }
};
MovementEvent movementEvent(const QString& from, const QString& to, bool fromBoard, bool toBoard);

struct Form8Options {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    frames::Period month;
    QDate today;
};

// The rows of REPORT_FORMA_8_OASU (no widgets), numbered; one header-only
// row when no movement is left.
StagedRows buildForm8Oasu(Connection* c, const Form8Options& o);

class TfrPlanRep8OASU : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRep8OASU();
    ~TfrPlanRep8OASU() override;

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    void FunCalendar();
    Form8Options options() const;

private:
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    std::unique_ptr<frames::PeriodControls> m_period;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
