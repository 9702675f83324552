#pragma once
// TfrPlanSprPlanZamen, "План замены агрегатов" of frmPlanSpravka: for the
// aircraft ticked in the grid, one row each, which components come up for
// replacement and how soon: columns are bands of 150 hours of remaining
// running time (0-150 to 4351-4500) and one column of calendar limits that
// fall within six months.
//
// Reads:    SOBSTVENNIKI (cboSobst), TIPOVYE_DANNYE_VS and REESTR (the grid),
//           per aircraft its REESTR row, VSU, DVIGATEL, REDUCTOR,
//           VOZDUSHNY_VINT, LEBEDKA, SHLANG, LOPAST, HVOSTOVOY_VINT, AGREGAT,
//           VTULKA_NV rows, and per type ETAAGREGAT and ETA_VTULKA_NV (names
//           of units and hubs); the flights of continuously counted
//           components through the calculation library; MAIN/CBOSOBST.
// Computes: per component the hours left to its overhaul limit (or to its
//           assigned life where the kind keeps no overhaul limit) and the
//           date of its calendar limit; the APU's remaining starts and bleeds.
// Writes:   REPORT_PLAN_ZAMEN, positions 2 to 34 and 38, shown with rep08;
//           MAIN/CBOSOBST.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPushButton;

namespace plan::frames {
class OwnerSelector;
}

namespace plan::sheets {

// Positions of REPORT_PLAN_ZAMEN.
namespace planzamen {
constexpr int Aircraft = 2;  // type, a blank, board number
constexpr int Overhaul = 3;  // the aircraft's running time since overhaul, whole hours
constexpr int Apu = 4;       // "<starts> зап <bleeds> отб", "-" without an APU
constexpr int FirstBand = 5; // 0 to 150 hours left
constexpr int LastBand = 34; // 4351 to 4500 hours left
constexpr int Calendar = 38; // calendar limits within six months
constexpr int BandHours = 150;
constexpr int MaxHours = 4500;
constexpr int CalendarMonths = 6;
} // namespace planzamen

inline const char* const kPlanZamenQuery = "SELECT * FROM REPORT_PLAN_ZAMEN ORDER BY ID;";

// The band position of whole hours left: 5 for 0 to 150, 6 for 151 to 300,
// ..., 34 for 4351 to 4500; -1 below 0 or above 4500 (not listed).
int bandPosition(long long hours);
// The short name of a unit: a name with a blank gives the first four
// letters of its first word (three when the fourth is a vowel), ".", the
// first four letters of the word after the blank (three when the fourth is
// a vowel; a shorter word whole), "."; a name without a blank its first four letters (five when the fourth
// is a vowel) and "." ("Генератор постоянного тока" -> "Ген.пост.",
// "Насос" -> "Насос.").
QString unitAbbreviation(const QString& name);
// The kind written for a unit or hub: its drawing number, or the short name
// when the drawing number begins with "2", "8" or "15".
QString unitKind(const QString& drawing, const QString& name);
// FunNormalADD: appends "kind-text" to the cell at pos, two blanks before it
// when the cell already holds text.
void FunNormalADD(StagingRow& row, int pos, const QString& text, const QString& kind);

struct PlanZamenOptions {
    std::vector<frames::AircraftRef> aircraft; // the ticked rows, in grid order
};

struct PlanZamenResult {
    std::vector<StagingRow> rows;
    QStringList doubts; // components past their limit (in no band), calendar limits already past
};

// The rows as of today. A running time that is not "H:MM" or a calendar
// limit that is not "Y.MM" raises plan::ConversionError with a message in
// Russian naming the aircraft, the component, the column and the value.
// step() is called once per aircraft done (the host's progress bar).
PlanZamenResult buildPlanZamen(Connection* c, const PlanZamenOptions& o, const QDate& today,
                               const std::function<void()>& step = {});

class TfrPlanSprPlanZamen : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprPlanZamen();
    void FunStart() override;
    void FunReport() override;
    PlanZamenOptions options() const;

private:
    frames::OwnerSelector* cboSobst = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
