#pragma once
// The fleet state sheets, without widgets: for each aircraft its identity,
// location, running time at the end of yesterday and as stored, the last
// periodic form with its date and the running time at it, the expected date
// of the next form, a warning code and the notes of battery and seasonal
// maintenance, each row stamped with the moment of printing (Moscow time).
// The whole fleet grouped by operator and type (REPORT_SOST_PARK_VS), or the
// ticked aircraft with their engines' running times (REPORT_SOST_PARK_VST2).
//
// Reads:    RASPOLOGENIA, EXPLUATANTY, REESTR, PTO_FORMY, TIPOVYE_DANNYE_VS,
//           SPRAVKA (each aircraft's flights of the last 30 days and those
//           after the earlier of yesterday and its last form, once each),
//           TO_AKB and SEZONNOE_TO (each read once), DVIGATEL (the ticked
//           aircraft's engines). From 20 aircraft on (frames::BoardSets) the
//           register, engines and flight records are read for all aircraft
//           at once and each aircraft's rows taken from memory.
// Computes: the forms through FormReckoning.h (the reckoning of the
//           withdrawal plans), FunCorrectNarVS, the warning codes.
// Writes:   nothing itself: the rows the frames write, positions below.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::sheets {

// Positions of REPORT_SOST_PARK_VS (the whole fleet).
namespace SostPark {
constexpr int OperatorHead = 1; // "!" and the operator's column 1 (operator rows)
constexpr int TypeHead = 2;     // "|" and the type (type rows)
constexpr int Board = 3;
constexpr int Made = 4;         // dd.mm.yyyy, CR and "(certificate valid until)" when set
constexpr int BoardSerial = 5;  // "<b>board</b>", CR, serial number
constexpr int Location = 6;
constexpr int RunningYesterday = 7; // since overhaul at the end of yesterday
constexpr int RunningStored = 8;    // since overhaul as stored
constexpr int Notes = 9;            // battery and seasonal maintenance, one a line
constexpr int LastForm = 10;        // name, CR, "(date, running time at it)"; "---" when none
constexpr int NextDate = 11;        // expected date of the next form, dd.mm.yyyy
constexpr int PrintDate = 12;       // moment of printing: date dd.mm.yyyy
constexpr int PrintTime = 13;       // and time hh:mm:ss
constexpr int Warning = 14;         // 0, 1 (10 h or less to the next form), 2 (state code not 0)
constexpr int OperatorName = 15;    // operator rows: the operator's name (EXPLUATANTY NAME)
} // namespace SostPark

// Positions of REPORT_SOST_PARK_VST2 (the ticked aircraft): 2 to 11 and 14
// as in REPORT_SOST_PARK_VS (9 holds the seasonal note only), then:
namespace SostParkT2 {
constexpr int EnginesSinceNew = 12;      // "СНЭ: H:MM", one line per engine
constexpr int EnginesSinceOverhaul = 13; // "ППР: H:MM", one line per engine
constexpr int PrintDate = 15;
constexpr int PrintTime = 16;
constexpr int Fault = 17;       // "устранение неисправности" when the state code is neither 0 nor 2
constexpr int Replacement = 18; // "замена агрегатов" when the state code is 2 (engine downtime)
} // namespace SostParkT2

inline const char* const kSostParkQuery = "Select * From REPORT_SOST_PARK_VS Order By ID;";
inline const char* const kSostParkT2Query = "Select * From REPORT_SOST_PARK_VST2 Order By ID;";

// The moment of printing: the clock's UTC time plus three hours (Moscow).
QDateTime printingMoment();
QString printingDateText(const QDateTime& moment); // dd.mm.yyyy
QString printingTimeText(const QDateTime& moment); // hh:mm:ss
// "dd.mm.yyyy hh:mm:ss" (txtDate).
QString momentText(const QDateTime& moment);
// The legend of the expected date and the warning codes.
QStringList fleetStateLegend();

// The warning code: 2 when the state code (REESTR column 27) is not 0;
// otherwise 1 when the forms are reckoned and at most 600 minutes are left
// to the next form, else 0.
int warningCode(int stateCode, bool reckoned, long long minutesLeft);

using Progress = std::function<void()>;

// The length of the progress bar of the whole-fleet sheet: the rows of
// "Select ID From REESTR Where Upper(TIP_VS) Not Like Upper('%HIDE%') Order By ID;".
int fleetProgressCount(Connection& c);
// TfrPlanSprSostParkVST1: every aircraft of every operator (EXPLUATANTY
// HIDE=0), grouped by operator and type. `fleetSize`: fleetProgressCount
// when the caller has it (read here otherwise); from frames::BoardSets::wanted
// of it on, each operator's register rows and the flight records of all
// aircraft are read at once.
std::vector<StagingRow> buildSostParkT1(Connection& c, const QDate& today, const Progress& progress = {},
                                        int fleetSize = -1);
// TfrPlanSprSostParkVST2: the ticked aircraft, a type row before each type.
std::vector<StagingRow> buildSostParkT2(Connection& c, const std::vector<frames::AircraftRef>& aircraft,
                                        const QDate& today, const Progress& progress = {});

} // namespace plan::sheets
