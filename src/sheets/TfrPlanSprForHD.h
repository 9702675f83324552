#pragma once
// TfrPlanSprForHD, "Справка для Ziri-Revad" of frmPlanSpravka: for the
// helicopter-services company, the flight-hour reports of one aircraft over
// a period, month by month, in one preview: the airframe, then each engine
// (by position), each gearbox and each APU installed on it now.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the tree); the aircraft's DVIGATEL,
//           REDUCTOR and VSU rows; through the calculation library's
//           flight-hour reports (rarozidi/Report.h) the register row, the
//           flights (SPRAVKA), the ground-running rules and the movement log
//           of each unit; the settings SPRAVKA_FOR_HD/DATE_FROM and DATE_TO
//           (picDateFrom, picDateTo, dd.mm.yyyy) and MAIN/SCALE.
// Computes: the library's monthly rows of each document (the counted hours
//           and landings, or the APU counters, per month and from the start
//           of the period, with the total row).
// Writes:   REPORT_NARABOTKA_PLANER (template rep18), REPORT_NARABOTKA_DVIGATEL
//           (rep19), REPORT_NARABOTKA_REDUCTOR (rep20) and REPORT_NARABOTKA_VSU
//           (rep21; rep22 for the APU model whose hours are summed), in the
//           library's layout, one document after another; the two dates when
//           the report is made.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"
#include "platform/TemplateRenderer.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QVariantList>
#include <vector>

class QDateEdit;

namespace plan {
class Connection;
}
namespace plan::frames {
class AircraftTree;
}

namespace plan::sheets {

// Template codes of the documents.
namespace ForHDCode {
inline const char* const Planer = "rep18";
inline const char* const Dvigatel = "rep19";
inline const char* const Reductor = "rep20";
inline const char* const VSU = "rep21";
inline const char* const VSU_TA14 = "rep22";
} // namespace ForHDCode

struct ForHDOptions {
    frames::AircraftRef aircraft;
    QDate from, to; // the period, both days included
};

// The period offered first: the twelve whole months before the month of today.
std::pair<QDate, QDate> forHDDefaultPeriod(const QDate& today);

// One document of the preview: its staging table and template, its rows in
// display order (the library's layout) and its heading.
struct ForHDDocument {
    StagedDocument staged;
    std::vector<QVariantList> rows;
    ReportValues values;
};

// Every document, worked out before anything is written, so that a refused
// period or unit shows nothing: a start after the end, an aircraft missing
// from the register, and a unit without a serial number (the library finds
// units by it) raise an error whose message names them.
std::vector<ForHDDocument> buildForHD(Connection* c, const ForHDOptions& o);

class TfrPlanSprForHD : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprForHD();

    void FunStart() override;
    void FunReport() override;

private:
    void fitHeight();

    QDateEdit* picDateFrom = nullptr;
    QDateEdit* picDateTo = nullptr;
    frames::AircraftTree* TreeView = nullptr;
    frames::AircraftRef m_aircraft;
};

} // namespace plan::sheets
