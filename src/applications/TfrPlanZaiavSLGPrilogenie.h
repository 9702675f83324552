#pragma once
// TfrPlanZaiavSLGPrilogenie, "Приложение к заявке на сертификацию" of
// frmPlanZaiavSLG: the appendix to the application, one aircraft's data.
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS and REESTR (the options, the ground
//           settings), the register row, SPRAVKA (the flights after the
//           document date).
// Computes: running time and landings since new and since the last overhaul
//           as of the document date, age and years since the overhaul, the
//           calendar years left.
// Writes:   REPORT_SLG_PRIL_ZAIAVKA, one row (positions below); template rep04.
#include "applications/SlgTreeFrame.h"
#include "platform/ReportCycle.h"

#include <vector>

namespace plan::applications {

namespace pril {
constexpr int Type = 1, Board = 2, Mass = 3, HoursSinceNew = 4, LandingsSinceNew = 5, Age = 6, AssignedHours = 7,
              AssignedLandings = 8, AssignedYearsLeft = 9, HoursSinceOverhaul = 10, LandingsSinceOverhaul = 11,
              YearsSinceOverhaul = 12, OverhaulHours = 13, OverhaulLandings = 14, OverhaulYearsLeft = 15, Plant = 16,
              RepairDate = 17, Dash = 18, Unlimited = 19;
} // namespace pril

inline const char* const kPrilogenieQuery = "SELECT * From REPORT_SLG_PRIL_ZAIAVKA ORDER BY ID";

// The row of the appendix; empty when the aircraft is not in the register.
std::vector<StagingRow> buildSlgPrilogenie(Connection* c, const SlgDocOptions& o);

class TfrPlanZaiavSLGPrilogenie : public SlgTreeFrame {
    Q_OBJECT
protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
