#pragma once
// TfrPlanPrognVS, "Комплексный прогноз для выбранных ВС" of frmPlanPrognoz:
// the complex forecast of the aircraft ticked in its grid.
//
// Reads:    TIPOVYE_DANNYE_VS and REESTR (the grid; the ground-running
//           pairs of each type), SPRAVKA (the flying of the last 30 days),
//           the component tables of the twelve members and their reference
//           lists, TUNE_DOCS (the tuned sections), MAIN/RESURS, MAIN/CALENDAR
//           and TUNE_PLAN_SPRAVKA/COMPLEXNY_PROGNOZ of the user settings.
// Computes: per aircraft its daily flying rate and monthly flying, and per
//           component its running time, remaining hours and forecast date.
// Writes:   REPORT_PROGNOZ — per aircraft a title row ("!" type board, its
//           running time, monthly flying, basis) and the component sections
//           ("|" section name, then one line per component) — shown with
//           the template rep01; TUNE_PLAN_SPRAVKA/COMPLEXNY_PROGNOZ.
#include "forecast/ForecastMember.h"
#include "frames/AircraftGrid.h"
#include "shell/PlanFrame.h"

#include <memory>

class QCheckBox;
class QGridLayout;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace plan {
class StagingWriter;
}

namespace plan::forecast {

class BasisControls;
class FlyingBasis;

class TfrPlanPrognVS : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanPrognVS();
    ~TfrPlanPrognVS() override;

    void FunStart() override;
    // FunTuneReport when chkTune is ticked, FunReport otherwise.
    void cmdReportClick() override;
    void FunReport() override;
    void FunTuneReport();
    // The daily flying rate of a board from its flight records of the last
    // 30 days.
    double FunLastMonth(const QString& board, int countGround, double groundShare);

    // The members: each writes its section for one aircraft (nothing when the
    // aircraft has no component of its kind). They run inside a report.
    void FunAddPlaner(Dataset& R, const QString& board, int countGround, double groundShare);
    void FunAddDvigatel(const QString& board, int countGround, double groundShare);
    void FunAddReductor(const QString& board, int countGround, double groundShare);
    void FunAddLNV(const QString& board, int countGround, double groundShare);
    void FunAddLHV(const QString& board, int countGround, double groundShare);
    void FunAddLVV(const QString& board, int countGround, double groundShare);
    void FunAddVtHV(const QString& board, int countGround, double groundShare);
    void FunAddVtVV(const QString& board, int countGround, double groundShare);
    void FunAddLebedka(const QString& board, int countGround, double groundShare);
    void FunAddVtNV(Dataset& R, const QString& board, int countGround, double groundShare);
    void FunAddZCU(Dataset& R, const QString& board, int countGround, double groundShare);
    void FunAddAgregat(Dataset& R, const QString& board, const QString& unitName, const QString& drawing,
                       int countGround, int filterByDrawing, double groundShare);

    // The condition of FunAddAgregat on the reference rows of a unit name and
    // drawing number: "(ID_NAME=1 Or ID_NAME=4)", "ID_NAME=0" when none.
    static QString drawingCondition(const QStringList& idNames);

    QTreeWidget* grid() const { return GridSpravka; }
    // Ticked aircraft rows.
    int tickedCount() const;

private:
    struct Run;
    void buildGrid();
    void fitHeight();
    void chkTuneClick();
    void runReport(bool tuned);
    void writeAircraft(const QString& board);
    void writeSection(const ForecastMember& m, Dataset& rows, Dataset* reference, const QString& board,
                      int countGround, double groundShare);
    // The section of the rows of `query`, the aircraft's own query; with a
    // large selection they come from one read of `setQuery` (the same rows
    // of every aircraft, see frames::BoardSets) by the keys.
    void writeSection(MemberKind kind, const QString& query, const QString& setQuery,
                      const std::vector<std::pair<QString, QString>>& keys, const QString& board, int countGround,
                      double groundShare);
    Run& run() const;

    QCheckBox* chkTune = nullptr;
    BasisControls* m_basis = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
    QGridLayout* m_panel = nullptr;
    std::unique_ptr<Run> m_run;
};

} // namespace plan::forecast
