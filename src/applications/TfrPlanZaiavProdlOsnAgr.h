#pragma once
// TfrPlanZaiavProdlOsnAgr, "Основные агрегаты" of frmPlanZaiavProdl: the
// aircraft and its main units as they stand, for an application to extend
// its service life; one row per unit of the tuned list "PRODLENIE".
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS (KOD_VS), TUNE_REPORTS, ETAAGREGAT,
//           ETA_VTULKA_NV, OBSHIE, REESTR, DVIGATEL, VSU, REDUCTOR, LOPAST,
//           HVOSTOVOY_VINT, SHLANG, AGREGAT, VTULKA_NV of the aircraft;
//           SPRAVKA for the units counted on from their installation.
// Computes: running time of blades, tail rotors, hoses and continuously
//           counted units up to today; calendar age of units counted in years.
// Writes:   REPORT_PRODLENIE_OSN_AGREGATY (positions below); template rep03.
#include "applications/SlgTreeFrame.h"
#include "platform/ReportCycle.h"

#include <vector>

namespace plan::applications {

namespace osn {
constexpr int Number = 1;        // running line number (NOMER_PP)
constexpr int Caption = 2;       // kind caption on every row of the kind; a hose's system; a unit's standard name
constexpr int Model = 3;         // type, engine model and place, component name, unit drawing number
constexpr int Serial = 4;
constexpr int Made = 5;          // dd.mm.yyyy
constexpr int Overhauls = 6;     // "-" when none
constexpr int OverhaulDate = 7;  // "-" when none
constexpr int Plant = 8;         // "-" when none
constexpr int SinceNew = 9;
constexpr int SinceOverhaul = 10; // "-" when none
constexpr int Measure = 11;      // the aircraft line: the program-appendix title
constexpr int Heading = 12;      // "о вертолёте ... комплектующих изделиях."
constexpr int Prepared = 13;     // DOLGNOST_PDO "~" NACH_PDO
constexpr int Name = 14;         // NACH_PDO
constexpr int Phone = 15;        // " тел." PHONE_PDO
} // namespace osn

inline const char* const kOsnAgrDocument = "Основные агрегаты";
inline const char* const kOsnAgrQuery = "SELECT * From REPORT_PRODLENIE_OSN_AGREGATY ORDER BY ID, NOMER_PP;";

struct ProdlDocument {
    std::vector<StagingRow> rows;
    bool tuned = false; // the type has a tuned list
};
ProdlDocument buildProdlOsnAgr(Connection* c, const SlgDocOptions& o);
// The heading of the main-units list (position 12).
QString osnAgrHeading(int kodVS, const QString& type, const QString& board, const QString& variant);

class TfrPlanZaiavProdlOsnAgr : public SlgTreeFrame {
    Q_OBJECT
public:
    TfrPlanZaiavProdlOsnAgr() : SlgTreeFrame(QStringLiteral("frmPlanZaiavProdl"), false) {}

protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
