#pragma once
// TfrPlanSprSvedVS, "Сведения о ВС" of frmPlanSpravka: the information sheet
// of one aircraft, produced as soon as the aircraft is picked in the tree.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the tree), everything the sheet
//           shows (SvedVSSheet.h), TUNE_DOCS for the tuned sheet, and the
//           settings TUNE_PLAN_SPRAVKA/SVEDENIA_O_VS (chkTune), PARER_SIZE/A4
//           (rbtA4, rbtA5) and MAIN/SCALE.
// Computes: the sheet (buildSvedVS). Sheets picked one after another without
//           the event loop running between them (every aircraft in turn in
//           one go) are one batch (SvedVSBatch): what does not change between
//           them is read once; the batch ends when control returns to the
//           event loop, so a sheet picked by hand reads everything afresh.
// Writes:   REPORT_PRODLENIE_OSN_AGREGATY, positions 1 to 12, shown with the
//           template rep01 (A4) or rep11 (A5); the three settings as the
//           controls change.
#include "frames/AircraftGrid.h"
#include "sheets/TunedSheetFrame.h"

#include <memory>

namespace plan {
class QueryMemo;
}

namespace plan::sheets {

class SvedVSBatch;

class TfrPlanSprSvedVS : public TunedSheetFrame {
    Q_OBJECT
public:
    TfrPlanSprSvedVS();
    ~TfrPlanSprSvedVS() override;

    // The sheet of the aircraft picked: tuned when chkTune is ticked.
    void FunReport() override;
    void FunSvedVert() { runSheet(false); }
    void FunSvedVertTune() { runSheet(true); }

private:
    void runSheet(bool tunedSheet);

    std::unique_ptr<SvedVSBatch> m_batch;
    // The latest flight that every page heading of the batch names, read once
    // on the report dataset's connection.
    std::unique_ptr<QueryMemo> m_headingMemo;
};

} // namespace plan::sheets
