#pragma once
// TfrPlanRepPASRPr3, "Приложение 3. Сведения о ВС, выполняющих дежурство
// ПАСР" of frmPlanReport: the search-and-rescue annex 3, one line per
// helicopter ticked in the grid (the types with KOD_VS=1 of the chosen
// operator), with its base, how long its airworthiness certificate holds,
// its state on the date and the hours left to overhaul, addressed to the
// regional authority or to the rescue centre as annex 1 is
// (TfrPlanRepPASRPr1: the same controls and saved key).
//
// Reads:    as annex 1 (EXPLUATANTY, OBSHIE, TIPOVYE_DANNYE_VS, REESTR,
//           SPRAVKA), and RASPOLOGENIA (the bases' names, once) and
//           SOSTOIANIE_PARKA (each aircraft's last state entry on or before
//           the date).
// Computes: the base's name, whether the certificate has run out by the
//           date, the state on the date, the hours left to overhaul (not
//           clamped).
// Writes:   REPORT_PASR_PRIL_3, one row per ticked aircraft in grid order,
//           shown with rep10; MAIN/CBOEXPL.
#include "reports/TfrPlanRepPASRPr1.h"

namespace plan::reports {

// Positions of REPORT_PASR_PRIL_3; 1 to 4 as annex 1 (pasr1::Recipient ...).
namespace pasr3 {
constexpr int Type = 5;          // REESTR position 1
constexpr int Board = 6;         // REESTR position 3
constexpr int Serial = 7;        // REESTR position 4
constexpr int Base = 8;          // name of the location (REESTR position 42); its code without a name; "-" when empty
constexpr int Certificate = 9;   // REESTR position 12 as dd.mm.yy; "-" when empty
constexpr int Expired = 10;      // "1" when the certificate ends before the date (or has no date), else "0"
constexpr int State = 11;        // "исправен" (codes 0, 11), else "неисправен"
constexpr int StateCode = 12;    // the state code on the date (0 without an entry)
constexpr int StateNote = 13;    // "с dd.mm.yy" and the entry's note, when the aircraft is not serviceable
constexpr int HoursLeft = 14;    // as annex 1, not clamped
constexpr int DolgnostIas = 15;  // OBSHIE.DOLGNOST_IAS
constexpr int FioIas = 16;       // OBSHIE.FIO_IAS
constexpr int Preparer = 17;     // NACH_PDO " тел." PHONE_PDO
constexpr int Email = 18;        // OBSHIE.EMAIL_PREDPRIATIE
} // namespace pasr3

// The rows of REPORT_PASR_PRIL_3 (no widgets).
StagedRows buildPasr3(Connection* c, const PasrOptions& o);

class TfrPlanRepPASRPr3 : public TfrPlanRepPASRPr1 {
    Q_OBJECT
public:
    TfrPlanRepPASRPr3();
};

} // namespace plan::reports
