#pragma once
// TfrPlanRepPMTU, "Форма-отчет в ПМТУ" of frmPlanReport: the regional
// aviation authority's form, one line per aircraft of the chosen operator
// whose certificate is valid after the chosen date and which is still in
// the register on that date.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE (the operator's header data),
//           TIPOVYE_DANNYE_VS (the visible types; the airframe's
//           ground-running rule of each type), REESTR, SPRAVKA (each
//           aircraft's flights after the date, once), MAIN/CBOEXPL.
// Computes: per aircraft its hours and landings since new and since the
//           last overhaul on the date, its passenger/cargo category, the
//           type split into head and suffix (every type), calendar lives.
// Writes:   REPORT_FORMA_OTCHET_PMTU, one row per aircraft in the order of
//           type and board, shown with rep03; MAIN/CBOEXPL.
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>

class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_FORMA_OTCHET_PMTU.
namespace pmtu {
constexpr int OperatorCode = 1;   // OBSHIE position 1
constexpr int ImiaPmtu = 2;       // OBSHIE position 18 (the addressee)
constexpr int AdresPmtu = 3;      // OBSHIE position 17
constexpr int Operator = 4;       // the operator's code (EXPLUATANTY position 1)
constexpr int FioIas = 5;         // OBSHIE position 3
constexpr int PhoneIas = 6;       // OBSHIE position 15
constexpr int ReportDate = 7;     // dd.mm.yyyy
constexpr int TypeHead = 8;       // up to the last digit of the first run of digits
constexpr int TypeSuffix = 9;     // the rest, "Т" when empty
constexpr int Board = 10;         // without "RA-"
constexpr int Serial = 11;        // REESTR position 4
constexpr int Category = 12;      // "пас", "пас-салон", "груз-пас"
constexpr int Made = 13;          // REESTR position 6, dd.mm.yy
constexpr int OverhaulDate = 14;  // REESTR position 8, dd.mm.yy; "-" without overhaul
constexpr int OverhaulPlant = 15; // REESTR position 7
constexpr int Overhauls = 16;     // REESTR position 9
constexpr int HoursNew = 17;
constexpr int LandingsNew = 18;
constexpr int HoursOverhaul = 19;    // "-" without overhaul
constexpr int LandingsOverhaul = 20; // "-" without overhaul
constexpr int AssignedHours = 21;    // REESTR position 16
constexpr int AssignedYears = 22;    // REESTR position 17 as years and months
constexpr int OverhaulHours = 23;    // REESTR position 18
constexpr int OverhaulYears = 24;    // REESTR position 19 as years and months
constexpr int DolgnostIas = 25;      // OBSHIE position 4
constexpr int Preparer = 26;         // OBSHIE positions 11, " тел.", 14
constexpr int Email = 27;            // OBSHIE position 19
} // namespace pmtu

struct PmtuOptions {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QDate date;
};

// The rows of REPORT_FORMA_OTCHET_PMTU (no widgets).
StagedRows buildPmtu(Connection* c, const PmtuOptions& o);

class TfrPlanRepPMTU : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepPMTU();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    PmtuOptions options() const;

private:
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;            // picDate
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
