#pragma once
// TfrPlanRepF34GAType1, "Форма 34-ГА (СВ) Тип 1" of frmPlanReport: the
// quarterly form 34-GA of the chosen operator, one group per aircraft type
// and ownership ("<type> (свои)", "<type> (арендованные)"), each a row of
// day counts and a row of percentages.
//
// Reads:    EXPLUATANTY (cboExpl), SPRAVKA (the first year of cboYear), REESTR
//           (the types of the grid); for the report what buildForm34GA reads;
//           MAIN/CBOEXPL of the user settings.
// Computes: see reports/Form34GA.h.
// Writes:   REPORT_FORMA_34_GA, shown with rep01 (rep02 for the 4th quarter);
//           MAIN/CBOEXPL.
//
// TfrPlanRepF34GAType2 is this frame with another grid, a check box and
// other templates.
#include "reports/Form34GA.h"
#include "shell/PlanFrame.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace plan::frames {
class AircraftGrid;
class OperatorSelector;
class PeriodControls;
} // namespace plan::frames

namespace plan::reports {

class TfrPlanRepF34GAType1 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepF34GAType1();
    ~TfrPlanRepF34GAType1() override;

    void FunStart() override;
    void FunReport() override;
    // The options of the report as the controls give them.
    virtual Form34Options options() const;

    frames::AircraftGrid* grid() const { return GridSpravka; }

protected:
    // Fills the grid (FunStart).
    virtual void fillGrid();
    // The progress bar's maximum.
    virtual int progressCount() const;
    virtual QString reportTitle() const;

    QVBoxLayout* m_panel = nullptr;
    QLabel* lblExpl = nullptr;
    frames::OperatorSelector* cboExpl = nullptr;
    std::unique_ptr<frames::PeriodControls> m_period;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
