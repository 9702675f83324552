#pragma once
// The plans of withdrawal of aircraft for periodic maintenance, without
// widgets: the plan of the next form, the annual plan and the two forecasts
// by planned flying (monthly for a year, weekly for a quarter).
//
// Reads:    OBSHIE (the operator's heading), REESTR, DVIGATEL, PTO_FORMY,
//           PTO_FORMY_DVIG, TIPOVYE_DANNYE_VS and SPRAVKA (through
//           FormReckoning.h), each aircraft's flight records once.
// Computes: per aircraft (and per engine with forms of its own) the last and
//           next form and the expected date of withdrawal; the annual plan and
//           the forecasts step on form by form to about a year ahead.
// Writes:   nothing itself; the frames write the rows to
//           REPORT_PLAN_OTVOD_TO (the plan) and REPORT_PLAN_OTVOD_TO_GOD
//           (the annual plan and the forecasts), positions below.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::sheets {

// Positions of REPORT_PLAN_OTVOD_TO and REPORT_PLAN_OTVOD_TO_GOD.
namespace Otvod {
constexpr int Type = 1;
constexpr int Board = 2;
constexpr int OperatorName = 3;  // text of cboExpl
constexpr int PreparerPost = 4;  // OBSHIE DOLGNOST_PDO
constexpr int PreparerName = 5;  // OBSHIE NACH_PDO
constexpr int LastForm = 6;      // plan: name or "-"; annual: name <b><i>dd.mm.yy</b></i>, or "-"
constexpr int NextForm = 7;      // plan: name; annual: one line per form to come, name <b><i>dd.mm.yy</b></i>
constexpr int ExpectedDate = 8;  // plan only: dd.mm.yyyy
constexpr int LastFormDate = 9;  // plan only: dd.mm.yyyy or "-"
constexpr int Item = 10;         // plan only: "Планер" or "<model> №<serial>"
constexpr int Overdue = 11;      // "1" when a remainder is overdue (the form is due at once), else "0"
} // namespace Otvod

inline const char* const kOtvodQuery = "SELECT * FROM REPORT_PLAN_OTVOD_TO ORDER BY ID;";
inline const char* const kOtvodGodQuery = "SELECT * FROM REPORT_PLAN_OTVOD_TO_GOD ORDER BY ID;";

// The operator as the frames name it: the text of cboExpl and its code ("-1" when not a row).
struct OtvodOperator {
    QString name;
    QString code = QStringLiteral("-1");
};

// Called once per aircraft done (the host's progress bar).
using Progress = std::function<void()>;

// TfrPlanSprPlanOtvodTO: the ticked aircraft.
struct PlanOtvodOptions {
    OtvodOperator op;
    std::vector<frames::AircraftRef> aircraft;
};
struct PlanOtvod {
    std::vector<StagingRow> rows;
    bool engineRows = false;
    // "rep15" when an engine row was written, "rep10" otherwise.
    QString templateCode() const { return engineRows ? QStringLiteral("rep15") : QStringLiteral("rep10"); }
};
PlanOtvod buildPlanOtvod(Connection& c, const PlanOtvodOptions& o, const QDate& today, const Progress& progress = {});

// TfrPlanSprPlanOtvodTOGodovoy: the ticked aircraft, the average over `days` (cboSrNalet).
struct AnnualPlanOptions {
    OtvodOperator op;
    std::vector<frames::AircraftRef> aircraft;
    int days = 30;
};
std::vector<StagingRow> buildAnnualPlan(Connection& c, const AnnualPlanOptions& o, const QDate& today,
                                        const Progress& progress = {});

// The two forecasts: twelve periods of planned flying.
enum class PlanGrain { Month, Week };
struct PlanPeriod {
    QDate first, last;
    double perDay = 0; // planned minutes per day, three decimals
};
// The captions of lbl1..lbl12: months "Июнь 2026 г." from today's month on,
// or weeks "Июнь 2026 неделя 1" .. "неделя 4" of three months.
QStringList periodCaptions(PlanGrain grain, const QDate& today);
// The twelve periods with the hours typed in txt1..txt12. A text that is not
// a number raises plan::ConversionError naming the box and its period.
std::vector<PlanPeriod> plannedPeriods(PlanGrain grain, const QDate& today, const QStringList& hours);
// FunNextDate: the first day from `start` on which the planned flying since
// `start` (its whole minutes) reaches `minutes`; when the periods do not reach
// it, today less a month plus a year (months) or start + (days of its month
// - 21) days (weeks).
QDate FunNextDate(const std::vector<PlanPeriod>& periods, PlanGrain grain, const QDate& today, const QDate& start,
                  long long minutes);

struct ForecastPlanOptions {
    OtvodOperator op;
    frames::AircraftRef aircraft;
    PlanGrain grain = PlanGrain::Month;
    QStringList hours; // txt1..txt12 as typed
};
std::vector<StagingRow> buildForecastPlan(Connection& c, const ForecastPlanOptions& o, const QDate& today);

// One form with its date as the annual texts carry it: "Ф-2 <b><i>15.06.26</b></i>".
QString taggedForm(const QString& name, const QDate& date);

} // namespace plan::sheets
