#pragma once
// TfrPlanZaiavSLGActOtcenkiTS, "Акт оценки тех.состояния ВС" of
// frmPlanZaiavSLG: the act in which a commission records its assessment of
// one aircraft's technical state for the airworthiness certificate.
//
// Reads:    TIPOVYE_DANNYE_VS, REESTR and EXPLUATANTY (the lists), OBSHIE
//           (DOLGNOST_IAS, FIO_IAS), the register row, TUNE_REPORTS ("SLG" /
//           "Акт оценки тех.состояния ВС"), ETAAGREGAT, ETA_VTULKA_NV and the
//           component tables of the tuned kinds (by installation place),
//           SPRAVKA (the flights after the act date).
// Computes: the aircraft's and each component's running time since new and
//           since the last overhaul as of the act date, calendar ages and the
//           calendar life left on that date.
// Writes:   REPORT_ACT_OTSEN_TS_P1 (the header, one row) and
//           REPORT_ACT_OTSEN_TS_P2 (one row per component); template rep06
//           for the operators "DUZ" / "RevoRozuvaro", rep01 otherwise.
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace plan::frames {
class OperatorSelector;
}

namespace plan::applications {

namespace act {
// REPORT_ACT_OTSEN_TS_P1
constexpr int HeadName = 1, OrderAndDate = 2, OrderDate = 3, ChairName = 4, ChairPost = 5, Member1Name = 6,
              InspectionDate = 12, MaintenanceForm = 13, MaintenanceKind = 14, MaintenanceCard = 15,
              MaintenanceDate = 16, Type = 17, Board = 18, Serial = 19, Made = 20, HoursSinceNew = 21,
              LandingsSinceNew = 22, Age = 23, AssignedHours = 24, AssignedLandings = 25, AssignedLeft = 26,
              HoursSinceOverhaul = 27, LandingsSinceOverhaul = 28, AgeSinceOverhaul = 29, OverhaulHours = 30,
              OverhaulLandings = 31, OverhaulLeft = 32, Overhauls = 33, RepairDate = 34, Plant = 35, HeadPost = 36,
              OrderNumber = 37, ActDate = 38;
// REPORT_ACT_OTSEN_TS_P2
constexpr int Number = 1, Caption = 2, CMade = 3, CRepair = 4, CSinceNew = 5, CAge = 6, CSinceOverhaul = 7,
              CAgeSinceOverhaul = 8, CAssigned = 9, CAssignedLeft = 10, COverhaul = 11, COverhaulLeft = 12;
} // namespace act

inline const char* const kActDocument = "Акт оценки тех.состояния ВС";
inline const char* const kActP1Query = "Select * From REPORT_ACT_OTSEN_TS_P1 Order by ID;";
inline const char* const kActP2Query = "Select * From REPORT_ACT_OTSEN_TS_P2 Order by ID;";
// The empty text of the masked date fields.
inline const char* const kEmptyDate = "  .  .  ";

struct ActOptions {
    QString operatorCode, operatorName;
    QDate date; // the act date
    QString type, board;
    QString vidTO, formaTO, dataTO, numKN;
    QString raspNomer, raspData;
    QString predFIO, predDolgn;
    QString chlenFIO[3], chlenDolgn[3];
    QString dataOsmotra;
};

// A failed check of FunOK: the control to focus, the FunMsg text and kind.
struct ActProblem {
    QString control;
    QString text;
    int kind = 0;
};
// The checks of the act's options in their order; nothing when they pass.
std::optional<ActProblem> checkAct(const ActOptions& o);
// A masked date "dd.mm.yy": empty (no digit), or the date it stands for
// (invalid when it is not one).
bool isEmptyDate(const QString& text);
QDate parseMaskedDate(const QString& text);

struct ActDocument {
    StagingRow header;
    bool tuned = false;
    std::vector<StagingRow> components;
};
ActDocument buildSlgAct(Connection* c, const ActOptions& o);
// "rep06" for the operators "DUZ" / "RevoRozuvaro", "rep01" otherwise.
QString actTemplate(const QString& operatorName);

class TfrPlanZaiavSLGActOtcenkiTS : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanZaiavSLGActOtcenkiTS();
    void FunStart() override;
    void FunReport() override;
    // FunOK: shows the message of the first failed check and moves the focus
    // to its control (its text selected); false when a check failed.
    bool FunOK();
    ActOptions options() const;

private:
    void cboTipVSChange();
    QLineEdit* edit(const char* name, const QString& mask = QString());

    QDateEdit* picDateAct = nullptr;
    QComboBox* cboTipVS = nullptr;
    QComboBox* cboNumVS = nullptr;
    frames::OperatorSelector* cboExpl = nullptr;
    QComboBox* cboVidTO = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::applications
