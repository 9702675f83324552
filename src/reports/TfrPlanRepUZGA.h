#pragma once
// TfrPlanRepUZGA, "Сведения о наработке двигателей и редукторов для АО
// «УЗГА»" of frmPlanReport: for one owner, every installed engine or main
// gearbox of one model with its hours since new and since overhaul on the
// report's date, for the overhaul plant.
//
// Reads:    SOBSTVENNIKI (cboSobst), OBSHIE (the owner's row: post, preparer,
//           telephone, e-mail), DVIGATEL or REDUCTOR (the installed units of
//           the model and owner), TIPOVYE_DANNYE_VS (the engine's or
//           gearbox's ground-running rule of the first unit's type), SPRAVKA
//           (each aircraft's flights after the date, once), MAIN/CBOSOBST.
// Computes: the effective date (the later of the chosen date and the first
//           unit's DATA_KALENDAR) and each unit's times on it
//           (FunCorrectNarAll: the stored totals less the later flights).
// Writes:   REPORT_TV2_117_UZGA, one row per unit in the query's order,
//           shown with rep11; MAIN/CBOSOBST.
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <QStringList>
#include <functional>

class QComboBox;
class QPushButton;

namespace plan::frames {
class OwnerSelector;
}

namespace plan::reports {

// Positions of REPORT_TV2_117_UZGA.
namespace uzga {
constexpr int Addressee = 1;     // the plant's addressee, three lines
constexpr int Owner = 2;         // SOBSTVENNIKI position 1 of the chosen owner
constexpr int Date = 3;          // the effective date, dd.mm.yyyy
constexpr int Model = 4;         // unit position 2
constexpr int Serial = 5;        // unit position 3
constexpr int HoursNew = 6;      // whole hours since new on the date
constexpr int HoursOverhaul = 7; // whole hours since overhaul on the date
constexpr int Board = 8;         // unit position 13, where installed
constexpr int Post = 9;          // OBSHIE position 4
constexpr int Preparer = 10;     // OBSHIE position 11, " тел.", position 14
constexpr int Email = 11;        // OBSHIE position 19
} // namespace uzga

// The models of cboTipDvig, in order.
QStringList uzgaModels();
// The plant's addressee of position 1.
QString uzgaAddressee();

struct UzgaOptions {
    QString ownerCode = QStringLiteral("-1"); // "-1" when the owner is not in the list
    QString model;                            // cboTipDvig's text
    QDate date;                               // picDate
};

// The rows of REPORT_TV2_117_UZGA (no widgets); `effectiveDate` (when
// given) receives the date the hours are counted to. A running time that is
// not "H:MM" raises ConversionError naming the unit, its serial number, the
// column and the value.
// `progress` (when given) is told the number of units once, then called
// with -1 after each unit.
StagedRows buildUzga(Connection* c, const UzgaOptions& o, QDate* effectiveDate = nullptr,
                     const std::function<void(int)>& progress = {});

class TfrPlanRepUZGA : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepUZGA();

    void FunStart() override;
    void FunReport() override;
    void FunCboSobst();
    UzgaOptions options() const;

private:
    frames::OwnerSelector* cboSobst = nullptr; // made in FunStart, once the settings file is known
    QComboBox* cboTipDvig = nullptr;
    frames::ReportDateControl m_date; // picDate
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
