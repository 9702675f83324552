#pragma once
// TfrPlanZaiavProdlDublicat, "Агрегаты с дубликатами паспортов" of
// frmPlanZaiavProdl: the units of an aircraft whose passports are
// duplicates (DUBLICAT '1'), for an application to extend its service life;
// one row per such unit of the kinds of the tuned list "PRODLENIE", each with
// the reason the original was replaced.
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS (KOD_VS), TUNE_REPORTS, ETAAGREGAT,
//           ETA_VTULKA_NV, OBSHIE, REESTR, AGREGAT, VTULKA_NV, DVIGATEL,
//           REDUCTOR, VSU, LOPAST, HVOSTOVOY_VINT of the aircraft; SPRAVKA for
//           units counted on from their installation.
// Computes: running time of continuously counted units up to today.
// Writes:   REPORT_PRODLENIE_DUBLICAT (positions below); template rep01.
#include "applications/SlgTreeFrame.h"
#include "applications/TfrPlanZaiavProdlOsnAgr.h"

namespace plan::applications {

namespace dub {
constexpr int Number = 1;
constexpr int Name = 2;           // "Двигатель", ..., a unit's standard name
constexpr int Serial = 3;
constexpr int Made = 4;           // dd.mm.yyyy
constexpr int Overhauls = 5;      // "-" when none
constexpr int OverhaulDate = 6;   // "-" when none
constexpr int Plant = 7;          // "-" when none
constexpr int SinceNew = 8;
constexpr int SinceOverhaul = 9;  // "-" when none
constexpr int Reason = 10;        // "пришел в негодность"
constexpr int Prepared = 11;      // DOLGNOST_PDO "~" NACH_PDO
constexpr int OperatorName = 12;  // NACH_PDO
constexpr int Phone = 13;         // " тел." PHONE_PDO
constexpr int Aircraft = 14;      // type " " board " заводской № " serial
constexpr int Bulletin = 15;      // the bulletin note of the type
constexpr int AircraftWord = 16;  // " вертолета " or " самолета "
constexpr int Model = 17;         // model or drawing number of the unit
} // namespace dub

inline const char* const kDublicatDocument = "Агрегаты с дубликатами паспортов";
inline const char* const kDublicatQuery = "SELECT * From REPORT_PRODLENIE_DUBLICAT ORDER BY NOMER_PP;";

ProdlDocument buildProdlDublicat(Connection* c, const SlgDocOptions& o);

class TfrPlanZaiavProdlDublicat : public SlgTreeFrame {
    Q_OBJECT
public:
    TfrPlanZaiavProdlDublicat() : SlgTreeFrame(QStringLiteral("frmPlanZaiavProdl"), false) {}

protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
