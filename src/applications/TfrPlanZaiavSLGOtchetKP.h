#pragma once
// TfrPlanZaiavSLGOtchetKP, "Отчет о контрольном полете ВС" of
// frmPlanZaiavSLG: the report on an aircraft's check flight, one row per
// component of the tuned list with the aircraft's data repeated.
//
// Reads:    EXPLUATANTY, TIPOVYE_DANNYE_VS and REESTR (the options, the ground
//           settings, KOD_VS), OBSHIE (FIO_IAS), TUNE_REPORTS ("SLG" /
//           "Отчет о контрольном полете ВС"), the register row, DVIGATEL,
//           REDUCTOR, AGREGAT, VTULKA_NV, HVOSTOVOY_VINT, LOPAST, SPRAVKA (the
//           flights after the document date).
// Computes: the aircraft's and each component's running time (and the
//           aircraft's landings) as of the document date.
// Writes:   REPORT_SLG_KIP (positions below); template rep02 for helicopters
//           (KOD_VS 1), rep05 for aeroplanes (KOD_VS 0).
#include "applications/SlgTreeFrame.h"
#include "platform/ReportCycle.h"

#include <vector>

namespace plan::applications {

namespace kip {
constexpr int HeadAndDate = 1;   // FIO_IAS "!" date
constexpr int Register1 = 2;     // register columns 1 to 4 at 2 to 5
constexpr int Made = 6;          // "dd.mm.yyyyг."
constexpr int HeadName = 7;      // FIO_IAS alone (printed)
constexpr int DocDate = 8;       // the document date, "dd.mm.yyyy" (printed)
constexpr int AircraftHours = 9; // "N час.  /  M час."
constexpr int AircraftLandings = 10; // "N пос.  /  M пос."
constexpr int Caption = 11;
constexpr int Serial = 12;
constexpr int ComponentMade = 13;    // "dd.mm.yy"
constexpr int ComponentRepair = 14;  // "dd.mm.yy" or "-"
constexpr int SinceNew = 15;
constexpr int SinceOverhaul = 16;    // or "-"
} // namespace kip

inline const char* const kOtchetKPDocument = "Отчет о контрольном полете ВС";
inline const char* const kOtchetKPQuery = "Select * From REPORT_SLG_KIP Order By ID;";

struct KipDocument {
    std::vector<StagingRow> rows;
    bool tuned = false;        // the type has a tuned list
    int kodVS = 1;             // KOD_VS of the type
};
KipDocument buildSlgOtchetKP(Connection* c, const SlgDocOptions& o);
// "rep05" for aeroplanes (KOD_VS 0), "rep02" otherwise.
QString otchetKPTemplate(int kodVS);

class TfrPlanZaiavSLGOtchetKP : public SlgTreeFrame {
    Q_OBJECT
protected:
    void FunDocument(const SlgDocOptions& o) override;
};

} // namespace plan::applications
