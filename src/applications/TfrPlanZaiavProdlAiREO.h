#pragma once
// TfrPlanZaiavProdlAiREO, "Пилотажно-навигационные и АиРЭО" of
// frmPlanZaiavProdl: the flight-navigation and radio-electronic equipment of
// an aircraft as it stands, by system, for an application to extend its
// service life; one row per unit of the tuned list "PRODLENIE" found on the
// board (each unit of a combined passport on its own row), a name-only row
// for a tuned unit the board does not carry.
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS, TUNE_REPORTS (the list and each
//           system's last line), ETAAGREGAT, OBSHIE, AGREGAT of the aircraft;
//           SPRAVKA for units counted on from their installation.
// Computes: running time of continuously counted units up to today, the
//           calendar age of units counted in years.
// Writes:   REPORT_PRODLENIE_AIREO (positions below); template rep02.
#include "applications/SlgTreeFrame.h"
#include "applications/TfrPlanZaiavProdlOsnAgr.h"

namespace plan::applications {

namespace reo {
constexpr int Number = 1;        // running number of the unit rows (system rows: the next one)
constexpr int Name = 2;          // tuned name, " (сводный паспорт)" for a combined passport; a system row: the system
constexpr int Serial = 3;        // AGREGAT column 4
constexpr int Made = 4;          // column 6, dd.mm.yyyy
constexpr int OverhaulDate = 5;  // column 9, "-" when the number of overhauls (column 10) is 0
constexpr int Overhauls = 6;     // column 10, "-" when 0
constexpr int Installed = 7;     // column 26, dd.mm.yyyy
constexpr int SinceNew = 8;
constexpr int SinceOverhaul = 9; // "-" when not overhauled
constexpr int Appendix = 10;     // the program-appendix title
constexpr int Prepared = 11;     // DOLGNOST_PDO "~" NACH_PDO
constexpr int OperatorName = 12; // NACH_PDO
constexpr int Phone = 13;        // " тел." PHONE_PDO
constexpr int Post = 14;         // DOLGNOST_PDO
constexpr int Role = 15;         // "S" a system row, "U" a unit row
constexpr int Aircraft = 16;     // type and board number
constexpr int Measure = 17;      // "в часах", "посадки", "в годах"
} // namespace reo

inline const char* const kAiREODocument = "Пилотажно-навигационные и АиРЭО";
inline const char* const kAiREOQuery = "SELECT * From REPORT_PRODLENIE_AIREO ORDER BY ID, NOMER_PP;";

ProdlDocument buildProdlAiREO(Connection* c, const SlgDocOptions& o);
// The installation positions of a combined passport: the ";"-separated
// list, blanks trimmed, empty items left out ("Первый;Второй;" -> two).
QStringList installPlaces(const QString& list);

class TfrPlanZaiavProdlAiREO : public SlgTreeFrame {
    Q_OBJECT
public:
    TfrPlanZaiavProdlAiREO() : SlgTreeFrame(QStringLiteral("frmPlanZaiavProdl"), false) {}

protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
