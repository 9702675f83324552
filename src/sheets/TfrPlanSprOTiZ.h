#pragma once
// TfrPlanSprOTiZ, "Справка для отдела ТиЗ" of frmPlanSpravka: the flight
// records of one aircraft over a period, day by day, with running totals
// and a totals row; made as soon as the aircraft is picked in the tree.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the tree, the aircraft's operator),
//           SPRAVKA: the aircraft's records of the period, in one query.
// Computes: per record the largest of its ground-running times (columns 3,
//           21, 27), its airborne time (6), their sum, and the running
//           totals of the three in whole minutes; a day without records
//           gives a row of "00:00".
// Writes:   REPORT_SPRAVKA_OTIZ, positions 1 to 9, shown with rep03.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <vector>

class QDateEdit;

namespace plan::frames {
class AircraftTree;
}

namespace plan::sheets {

// Positions of REPORT_SPRAVKA_OTIZ.
namespace otiz {
constexpr int Type = 1;
constexpr int Board = 2;
constexpr int Date = 3;         // dd.mm.yyyy, "Итого:" in the totals row
constexpr int Largest = 4;      // largest of the record's columns 3, 21, 27
constexpr int LargestTotal = 5; // running total of 4
constexpr int Airborne = 6;     // the record's column 6
constexpr int AirborneTotal = 7;
constexpr int Sum = 8; // 4 + 6
constexpr int SumTotal = 9;
} // namespace otiz

inline const char* const kOTiZQuery = "Select * From REPORT_SPRAVKA_OTIZ Order By ID;";
inline const char* const kOTiZTotals = "Итого:";

// Whole minutes as the statement shows them: hours with at least two
// digits, ":" and two digits of minutes (303 -> "05:03", 0 -> "00:00",
// 6005 -> "100:05").
QString otizTime(long long minutes);

struct OTiZOptions {
    frames::AircraftRef aircraft;
    QDate start, stop; // the period, both days included
};

// The rows of the statement; a stop date before the start gives the totals
// row only.
std::vector<StagingRow> buildOTiZ(Connection* c, const OTiZOptions& o);

class TfrPlanSprOTiZ : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprOTiZ();
    void FunStart() override;
    void FunReport() override;
    OTiZOptions options() const;

private:
    void fitHeight();

    frames::AircraftTree* TreeView = nullptr;
    QDateEdit* picDateStart = nullptr;
    QDateEdit* picDateStop = nullptr;
    frames::AircraftRef m_aircraft;
};

} // namespace plan::sheets
