#pragma once
// TfrPlanRepPASRPr1, "Приложение 1. Сведения о наработке ВС на ПАСР" of
// frmPlanReport: the search-and-rescue annex 1, one line per aircraft ticked
// in its grid, with the certificate date, the planned date of withdrawal and
// the hours left to overhaul on the chosen date, addressed to the regional
// authority or to the rescue centre.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE (the recipients' names, the
//           operator's header data), TIPOVYE_DANNYE_VS (the helicopter types
//           of the grid, KOD_VS=1; the airframe's ground-running rule),
//           REESTR (the grid: the operator's aircraft; each ticked
//           aircraft's row), SPRAVKA (each aircraft's flights after the
//           date, once), MAIN/CBOEXPL.
// Computes: per aircraft the running time since overhaul on the date
//           (FunCorrectNarAll), the hours left to overhaul (not clamped) and
//           the planned withdrawal date (FunDataSniatia).
// Writes:   REPORT_PASR_PRIL_1, one row per ticked aircraft in grid order,
//           shown with rep09; MAIN/CBOEXPL.
#include "frames/AircraftGrid.h"
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>
#include <functional>
#include <utility>
#include <vector>

class QPushButton;
class QRadioButton;

namespace plan {
class Dataset;
}

namespace plan::frames {
class OperatorHeader;
class OperatorSelector;
}

namespace plan::reports {

// Positions of REPORT_PASR_PRIL_1.
namespace pasr1 {
constexpr int Recipient = 1;   // caption of the chosen recipient button
constexpr int Operator = 2;    // OBSHIE position 3, a blank, the operator's code
constexpr int ReportDate = 3;  // dd.mm.yyyy
constexpr int Order = 4;       // OBSHIE position 23
constexpr int Type = 5;        // REESTR position 1
constexpr int Board = 6;       // REESTR position 3
constexpr int Certificate = 7; // REESTR position 12 as dd.mm.yy, when filled
constexpr int Withdrawal = 8;  // "до " and the planned withdrawal date; "-" when none can be formed
constexpr int HoursLeft = 9;   // REESTR position 18 less hours since overhaul on the date, not clamped
constexpr int Dash = 10;       // "-"
constexpr int DolgnostIas = 11; // OBSHIE position 4
constexpr int Preparer = 12;   // OBSHIE positions 11, " тел.", 14
constexpr int Email = 13;      // OBSHIE position 19
} // namespace pasr1

// The recipients' captions of an operator: NAME_UGA_PASR or "Региональное МТУ
// ГА", NAME_APSC or "Региональный АПСЦ" (operator "0" when not in the list).
std::pair<QString, QString> pasrRecipients(Connection* c, const QString& operatorCode);

struct PasrOptions {
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QString recipient;                           // the caption of the chosen button
    QDate date;
    std::vector<frames::AircraftRef> aircraft;   // the ticked rows, in grid order
};

// The rows of REPORT_PASR_PRIL_1 (no widgets). A running time of the
// register that is not "H:MM" raises ConversionError naming the aircraft,
// the column and the value.
StagedRows buildPasr1(Connection* c, const PasrOptions& o);

// What the search-and-rescue annexes share. pasrHead: a row with the
// recipient, the operator, the date and the order (positions 1 to 4 of
// both annexes). walkPasrAircraft: for every ticked aircraft in grid order
// its register row ("SELECT * FROM REESTR WHERE (((REESTR.TIP_VS)='<type>')
// AND ((REESTR.BORTOVOI_NOMER)='<board>')) ORDER BY ...") and its minutes
// since overhaul on the date (FunCorrectNarAll over the airframe's flights
// after it); an aircraft not in the register is left out with a line of
// data to check. A running time of the register that is not "H:MM" raises
// ConversionError naming the aircraft, the column and the value.
StagingRow pasrHead(const frames::OperatorHeader& h, const PasrOptions& o);
// The hours left to overhaul: REESTR position 18 less the whole hours since
// overhaul on the date; negative past the limit (not clamped).
long long pasrHoursLeft(const Dataset& r, long long minutesOverhaul);
void walkPasrAircraft(Connection* c, const PasrOptions& o, StagedRows& out,
                      const std::function<void(const Dataset& r, long long minutesOverhaul)>& each);

class TfrPlanRepPASRPr1 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepPASRPr1();

    void FunStart() override;
    void FunReport() override;
    void FunCboExpl();
    // The grid of the chosen operator's helicopters.
    void FunGrid();
    PasrOptions options() const;

protected:
    using Build = std::function<StagedRows(Connection*, const PasrOptions&)>;
    // Another annex on the same controls: its staging query, template, title and rows.
    TfrPlanRepPASRPr1(const QString& query, const QString& code, const QString& title, Build build);

private:
    void cboExplChange();

    QString m_query, m_code, m_title;
    Build m_build;

    frames::OperatorSelector* cboExpl = nullptr; // made in FunStart, once the settings file is known
    frames::ReportDateControl m_date;            // picDate
    QWidget* m_more = nullptr; // the recipient buttons' panel
    QRadioButton* cmdUGA = nullptr;
    QRadioButton* cmdFKU = nullptr;
    frames::AircraftGrid* GridSpravka = nullptr;
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
