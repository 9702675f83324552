#pragma once
// TfrPlanSprVesTcentr, "Справка в ЛО (вес и центровка)" of frmPlanSpravka:
// the balance figures of every aircraft of the register, with the chosen
// owner's details and who compiled the sheet.
//
// Reads:    SOBSTVENNIKI (cboSobst), OBSHIE (the owner's row), REESTR (type,
//           board number, balance columns 13 and 15), MAIN/CBOSOBST.
// Computes: the balance figure of column 15 times 1000 with its sign.
// Writes:   REPORT_VES_TCENTROVKA, positions 1 to 8, one row per aircraft,
//           shown with rep05; MAIN/CBOSOBST.
#include "frames/Period.h"
#include "platform/ReportCycle.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <vector>

class QPushButton;

namespace plan::frames {
class OwnerSelector;
}

namespace plan::sheets {

// Positions of REPORT_VES_TCENTROVKA.
namespace vestcentr {
constexpr int Type = 1;
constexpr int Board = 2;
constexpr int EmptyBalance = 3; // REESTR CENTROVKA_PUSTOGO as stored
constexpr int Balance = 4;      // CENTROVKA_MAX x 1000, "!" when empty
constexpr int Date = 5;         // date of compiling and "г."
constexpr int Owner = 6;        // text of cboSobst
constexpr int OwnerDetails = 7; // OBSHIE 25 "~" 11
constexpr int Preparer = 8;     // "Исп. " 11 "  тел." 14
} // namespace vestcentr

inline const char* const kVesTcentrQuery = "Select * From REPORT_VES_TCENTROVKA Order By ID;";

// A balance figure as printed: value x 1000 with one decimal, "+" before a
// value above 0 ("0.0" has no sign); "!" for an empty column.
QString balanceText(const QVariant& value);

struct VesTcentrOptions {
    QString ownerName;                        // text of cboSobst
    QString ownerCode = QStringLiteral("-1"); // its ID_NAME, "-1" when not in the list
    QDate date;                               // date of compiling
};

std::vector<StagingRow> buildVesTcentr(Connection* c, const VesTcentrOptions& o);

class TfrPlanSprVesTcentr : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanSprVesTcentr();
    void FunStart() override;
    void FunReport() override;
    VesTcentrOptions options() const;

private:
    frames::OwnerSelector* cboSobst = nullptr;
    frames::ReportDateControl m_date;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::sheets
