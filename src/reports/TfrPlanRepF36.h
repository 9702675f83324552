#pragma once
// TfrPlanRepF36, "Форма 36-ГА (СВ)" of frmPlanReport: the airframe register
// form, one line per aircraft ticked in its grid, as of the chosen date.
// TfrPlanRepGosNIIPr1 prints the same rows as the research institute's
// annex 1 (template rep21 instead of rep05).
//
// Reads:    EXPLUATANTY (cboExpl), REESTR (the grid; the ticked aircraft),
//           OBSHIE (the operator's header data), TIPOVYE_DANNYE_VS (the
//           airframe's ground-running rule of each type), SPRAVKA (each
//           aircraft's flights after the date, once), MAIN/CBOEXPL.
// Computes: per aircraft its hours and landings since new and since the
//           last overhaul on the date (the register's totals less the later
//           flights), the hours and landings left to the overhaul limit, the
//           type split into head and suffix, the calendar life.
// Writes:   REPORT_FORMA_36_GA, one row per aircraft in the order of the
//           register (type, board); MAIN/CBOEXPL.
#include "frames/AircraftGrid.h"
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <vector>

class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_FORMA_36_GA. Position 0 is a written column of this
// table; its key ID stands at 6, which the form does not write (nor 21); the
// query sorts on the type head (9) and the board number (10).
namespace f36 {
constexpr int ImiaUga = 0;         // OBSHIE.IMIA_UGA (the addressee authority)
constexpr int Operator = 1;        // the operator's code (EXPLUATANTY position 1)
constexpr int AdresPredpr = 2;     // OBSHIE.ADRES_PREDPR
constexpr int TypeSuffix = 3;      // "АМТ", "Т"; not written for a type without "Ми-8"
constexpr int ReportDate = 4;      // dd.mm.yyyy
constexpr int HoursLeft = 5;       // overhaul interval less hours since overhaul, "0" when negative
constexpr int AssignedHours = 7;   // REESTR position 16, "-" when empty
constexpr int FioIas = 8;          // OBSHIE.FIO_IAS
constexpr int TypeHead = 9;        // "Ми-8", or a type without "Ми-8" whole
constexpr int Board = 10;          // without "RA-"
constexpr int Serial = 11;         // REESTR position 4
constexpr int Made = 12;           // REESTR position 6, dd.mm.yy
constexpr int OverhaulDate = 13;   // REESTR position 8, dd.mm.yy; "-" without overhaul
constexpr int HoursNew = 14;
constexpr int HoursOverhaul = 15;  // "-" without overhaul
constexpr int LandingsNew = 16;
constexpr int LandingsOverhaul = 17; // "-" without overhaul
constexpr int Variant = 18;        // "ГРУ" / "ПРО"
constexpr int Overhauls = 19;      // REESTR position 9
constexpr int OverhaulPlant = 20;  // REESTR position 7
constexpr int Email36 = 22;        // OBSHIE.EMAIL_36GA
constexpr int EmailCompany = 23;   // OBSHIE.EMAIL_PREDPRIATIE
constexpr int AtPlant = 24;        // "АРЗ" when the state code is 4
constexpr int Number = 25;         // 1, 2, ... in register order
constexpr int Imia36 = 26;         // OBSHIE.IMIA_36 (the addressee of the form)
constexpr int Adres36 = 27;        // OBSHIE.ADRES_36
constexpr int CalendarLife = 28;   // REESTR position 17 as years and months, "-" when empty
constexpr int Preparer = 29;       // NACH_PDO " тел." PHONE_PDO
constexpr int AssignedLandings = 30; // REESTR position 60, "-" when empty
constexpr int LandingsLeft = 31;   // REESTR position 61 less landings since overhaul, at least 0; "-" when empty
constexpr int DolgnostIas = 32;    // OBSHIE.DOLGNOST_IAS
} // namespace f36

struct F36Options {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QDate date;
    std::vector<frames::AircraftRef> aircraft;   // the ticked rows, in grid order
};

// The rows of REPORT_FORMA_36_GA (no widgets). A register row whose running
// time is not whole minutes raises ConversionError naming the aircraft.
StagedRows buildF36(Connection* c, const F36Options& o);

class TfrPlanRepF36 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepF36();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();

    F36Options options() const;
    // "rep05"; the research institute's annex "rep21".
    QString templateCode() const { return m_code; }

protected:
    TfrPlanRepF36(const QString& code, const QString& title);

private:
    QString m_code;
    QString m_title;
    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;            // picDate
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
