#pragma once
// TfrPlanSprSvedVSforZAdAv, "Сведения о ВС для VU z Uz" of frmPlanSpravka:
// the information sheet of one aircraft in the layout the foreign operator
// VU z Uz files: the same rows as "Сведения о ВС", with every column and row
// named in Russian and English, limits and remainders in columns of their
// own, and the aircraft type also in Latin letters. Produced as soon as the
// aircraft is picked in the tree.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the tree), everything the
//           information sheet shows (SvedVSSheet.h), the TUNE_DOCS lines of
//           "Сведения о ВС для VU z Uz" for the tuned sheet, and the settings
//           TUNE_PLAN_SPRAVKA/SVEDENIA_O_VS_VU_Z_UZ (chkTune, default on),
//           PARER_SIZE/A4_VU_Z_UZ (rbtA4, rbtA5, default A4) and MAIN/SCALE.
// Computes: the information sheet (buildSvedVS) and its English row names.
// Writes:   REPORT_OSN_AGR_FOR_GD, positions 1 to 17 (SvedVSZ below), shown
//           with the template rep12 (A4) or rep13 (A5); the two settings as
//           the controls change.
#include "frames/AircraftGrid.h"
#include "platform/ReportCycle.h"
#include "platform/TemplateRenderer.h"
#include "sheets/TunedSheetFrame.h"

#include <QDate>
#include <vector>

class QCheckBox;
class QRadioButton;

namespace plan {
class Connection;
}
namespace plan::frames {
class AircraftTree;
}

namespace plan::sheets {

// Positions of REPORT_OSN_AGR_FOR_GD.
namespace SvedVSZ {
constexpr int NomerPP = 1;     // running row number from 1
constexpr int RowName = 2;     // the row name of the information sheet
constexpr int RowNameEn = 3;   // the same in English ("Engine No. 1"); a unit's row: "Component"
constexpr int Model = 4;       // model or designation
constexpr int Serial = 5;      // serial number
constexpr int Made = 6;        // date of manufacture, dd.mm.yy
constexpr int Repairs = 7;     // number of repairs or "-"
constexpr int RepairDate = 8;  // date of the last repair or "-"
constexpr int RepairPlace = 9; // plant of the last repair or "-"
constexpr int SinceNew = 10;   // running time since new, whole hours (a unit counted by the calendar: years and months)
constexpr int SinceRepair = 11; // since the last repair, or "-"
constexpr int Limits = 12;     // "assigned / between overhauls (or to the first)", "-" for a missing one
constexpr int Remainders = 13; // what is left of each, the same form
constexpr int Title = 14;      // "Сведения о ВС <type> <board>, его основных агрегатах и комплектующих изделиях"
constexpr int TitleEn = 15;    // "Aircraft <type in Latin letters> <board>: main components and equipment"
constexpr int MonthFlying = 16; // the aircraft's flying of the previous month, "H:MM"
constexpr int LastFlight = 17; // date of the last flight, dd.mm.yyyy, "-" when not recorded
} // namespace SvedVSZ

inline const char* const kSvedVSZQuery = "SELECT * FROM REPORT_OSN_AGR_FOR_GD ORDER BY ID;";
inline const char* const kSvedVSZTuneName = "Сведения о ВС для VU z Uz";

struct SvedVSZOptions {
    frames::AircraftRef aircraft;
    bool tuned = true; // chkTune: the sections of the TUNE_DOCS lines of "Сведения о ВС для VU z Uz"
    bool a4 = true;    // rbtA4: "rep12", else (rbtA5) "rep13"
};

QString svedVSZTemplate(const SvedVSZOptions& o);

// An aircraft type in Latin letters ("Ми-8МТВ" -> "Mi-8MTV").
QString latinType(const QString& text);
// The English name of a sheet row from its section key and Russian name.
QString englishRowName(const QString& section, const QString& rowName);

struct SvedVSZSheet {
    QString operatorCode;
    QString title, titleEn;
    QStringList covers; // the heading lines: the aircraft, the previous month's flying, the last flight
    std::vector<StagingRow> rows;
};

// The sheet as of `today`. A tuned sheet whose list has no lines stops with
// a message (an empty list is a setting not made, not an aircraft without
// components); the information sheet's own errors go on (DbError).
SvedVSZSheet buildSvedVSforZAdAv(Connection* c, const SvedVSZOptions& o, const QDate& today);

class TfrPlanSprSvedVSforZAdAv : public TunedSheetFrame {
    Q_OBJECT
public:
    TfrPlanSprSvedVSforZAdAv();

    void FunReport() override;
};

} // namespace plan::sheets
