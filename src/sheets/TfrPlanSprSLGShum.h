#pragma once
// TfrPlanSprSLGShum, "СЛГ и удостоверения по шуму" of frmPlanSpravka: two
// lists side by side, the aircraft by the expiry of their airworthiness
// certificate and by the expiry of their noise certificate, each with the
// date 40 days before expiry (when to apply for renewal).
//
// Reads:    SOBSTVENNIKI (cboSobst), TIPOVYE_DANNYE_VS (the visible types),
//           REESTR (certificates, their dates, the state), MAIN/CBOSOBST.
// Computes: the two lists, aircraft of state 11 after all others, each
//           expiry date less 40 days.
// Writes:   REPORT_DATE_SLG_I_SHUM, positions 1 to 13, shown with rep04;
//           MAIN/CBOSOBST.
#include "frames/Period.h"
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <vector>

class QPushButton;

namespace plan::frames {
class OwnerSelector;
}

namespace plan::sheets {

// Positions of REPORT_DATE_SLG_I_SHUM.
namespace slgshum {
// The airworthiness list.
constexpr int Type = 1;
constexpr int Board = 2;
constexpr int Certificate = 3; // REESTR SERTIFIKAT_LG
constexpr int Expiry = 4;      // DATA_UDOSNOVERENIE_DO, dd.mm.yyyy
constexpr int Apply = 5;       // expiry less 40 days
constexpr int State = 6;       // STATUS_TO
// The noise list: the same six, 6 positions on.
constexpr int NoiseOffset = 6;
constexpr int Heading = 13; // owner, two blanks, date of compiling
} // namespace slgshum

inline const char* const kSLGShumQuery = "Select * From REPORT_DATE_SLG_I_SHUM Order By ID;";
// Days before expiry the renewal date stands.
constexpr int kApplyDaysBefore = 40;

struct SLGShumOptions {
    QString ownerName; // text of cboSobst: printed only, the lists are not narrowed
    QString ownerCode = QStringLiteral("-1"); // its ID_NAME: who signs
    QDate date;        // date of compiling
};

// The rows: row i carries the i-th aircraft of each list (an empty half
// where one list is shorter).
std::vector<StagingRow> buildSLGShum(Connection* c, const SLGShumOptions& o);

class TfrPlanSprSLGShum : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprSLGShum();
    void FunStart() override;
    void FunReport() override;
    SLGShumOptions options() const;

private:
    frames::OwnerSelector* cboSobst = nullptr;
    frames::ReportDateControl m_date;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
