#pragma once
// TfrPlanRepGosNIIPr2a, "Отчет в ГосНИИ ГА (Приложение 2а)" of frmPlanReport:
// the research institute's annex 2a, the engines and main gearboxes
// installed on the operator's aircraft with their hours since new and since
// overhaul as they stood on the chosen date, the life limit to the next
// overhaul and the hours left to it. Grouped by aircraft (type, board),
// engines before the gearbox.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE (the header rows of form 37-GA and
//           of the annexes: the institute's name and address), the rest as
//           form 37-GA reads it for its installed section: TIPOVYE_DANNYE_VS,
//           REESTR (the operator's aircraft), DVIGATEL, REDUCTOR, SPRAVKA
//           (each aircraft's flights after the date, once per kind),
//           MAIN/CBOEXPL.
// Computes: the rows of form 37-GA's installed section for engines and for
//           gearboxes (any owner), merged per aircraft and numbered again;
//           the hours left: the limit less the hours since overhaul (since
//           new for a unit never overhauled), negative past the limit.
// Writes:   REPORT_FORMA_37_GA, shown with rep22; MAIN/CBOEXPL.
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>

class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_FORMA_37_GA the annex writes besides those of form
// 37-GA (f37::...); 22 and 23 hold the institute's name and address here.
namespace pr2a {
constexpr int Kind = 13;     // "Двигатель" or "Главный редуктор"
constexpr int Left = 17;     // the limit less the hours run against it; "" without a limit or hours
constexpr int Aircraft = 20; // "type board" of the aircraft the unit is installed on
} // namespace pr2a

struct Pr2aOptions {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QDate date;
};

// The rows of REPORT_FORMA_37_GA for the annex (no widgets). A running time
// that is not "H:MM" raises ConversionError naming the unit, its serial
// number, the column and the value.
StagedRows buildGosNIIPr2a(Connection* c, const Pr2aOptions& o);

class TfrPlanRepGosNIIPr2a : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepGosNIIPr2a();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    Pr2aOptions options() const;

private:
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;            // picDate
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
