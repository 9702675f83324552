#pragma once
// TfrPlanZaiavSLGOgrResurs, "Агрегаты с ограниченным ресурсом" of
// frmPlanZaiavSLG: the list of an aircraft's units with limited service life
// filed with the application for the airworthiness certificate.
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS and REESTR (the options), the
//           type's ground-running settings, TUNE_REPORTS (the tuned list
//           "SLG" / "Агрегаты с ограниченным ресурсом"), ETAAGREGAT,
//           ETA_VTULKA_NV, OBSHIE, REESTR, the component tables of the tuned
//           kinds and SHLANG, SPRAVKA (the flights after the document date).
// Computes: per unit its running time since new and since the last overhaul
//           as of the document date, its limits with the calendar life left
//           on that date.
// Writes:   REPORT_SLG_OGR_RES, one row per unit (positions below); template
//           rep07 for the operators "DUZ" / "RevoRozuvaro", rep03 otherwise.
#include "applications/SlgTreeFrame.h"
#include "platform/ReportCycle.h"

#include <vector>

namespace plan::applications {

// Positions of REPORT_SLG_OGR_RES.
namespace ogr {
constexpr int NomerPP = 1;          // running line number (sort column)
constexpr int Caption = 2;          // "Двигатель ТВ3-117ВМ", "Лопасть НВ 8АТ-2710-00", a heading
constexpr int Serial = 3;
constexpr int LimitSinceNew = 4;    // assigned: hours "/" calendar left; "-" once overhauled
constexpr int LimitOverhaul = 5;    // between overhauls: hours "/" calendar left; "-" until overhauled
constexpr int RunningSinceNew = 6;  // "H ч. M м." (or a count) as of the date
constexpr int Maker = 7;            // maker until overhauled, then the repair plant
constexpr int CalendarFrom = 8;     // date the calendar counts from, "dd.mm.yyyy"
constexpr int RunningSinceOverhaul = 9;
constexpr int HeadPost = 10;        // OBSHIE column 4
constexpr int Aircraft = 11;        // the aircraft heading
constexpr int DocDate = 12;
constexpr int Preparer = 13;        // OBSHIE 11 " тел." 14
constexpr int Email = 14;           // OBSHIE 19
constexpr int Role = 15;            // "Unit", "Head" (a heading), "Sub" (a system of hoses)
constexpr int Number = 16;          // printed number of a unit row
} // namespace ogr

inline const char* const kOgrResursDocument = "Агрегаты с ограниченным ресурсом";
inline const char* const kOgrResursQuery = "SELECT * From REPORT_SLG_OGR_RES ORDER BY NOMER_PP;";

// The rows of the document; empty when the type has no tuned list.
std::vector<StagingRow> buildSlgOgrResurs(Connection* c, const SlgDocOptions& o);
// "rep07" for the operators "DUZ" / "RevoRozuvaro", "rep03" otherwise.
QString ogrResursTemplate(const QString& operatorName);

class TfrPlanZaiavSLGOgrResurs : public SlgTreeFrame {
    Q_OBJECT
protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
