#pragma once
// TfrPlanRepF37, "Форма 37-ГА (СВ) - Двигатели", "- ВСУ", "- Редукторы" of
// frmPlanReport (the caption chooses the kind): the register of the engines,
// APUs or main gearboxes of the operator's types and of the chosen owner;
// first those installed on the operator's aircraft, with their hours since
// new and since overhaul as they stood on the date, then those in store, in
// the repair fund, in repair or under a claim.
//
// Reads:    EXPLUATANTY (cboExpl), OBSHIE and SOBSTVENNIKI (cboSobst; the
//           owner codes; the header row), TIPOVYE_DANNYE_VS (the visible
//           types; each type's ground-running rule, once per type), REESTR
//           (the operator's aircraft), DVIGATEL / VSU / REDUCTOR (the
//           installed and the stored units), SPRAVKA (each aircraft's flights
//           after the date, once per report), MAIN/SOBST_F37, MAIN/EXPL_F37.
// Computes: the hours since new and since overhaul on the date (the flights
//           after it backed out, engines by their position, gearboxes by the
//           gearbox columns, APUs by the APU time), the life limit by the
//           number of overhauls, the store codes, the running numbers.
// Writes:   REPORT_FORMA_37_GA, shown with rep04 (engines, APUs) or rep08
//           (gearboxes); MAIN/SOBST_F37, MAIN/EXPL_F37.
#include "frames/Period.h"
#include "reports/AirframeRegister.h"
#include "shell/PlanFrame.h"

#include <QDate>

class QPushButton;

namespace plan::frames {
class CodeSelector;
class LaterFlights;
class OperatorSelector;
} // namespace plan::frames

namespace plan::reports {

// Positions of REPORT_FORMA_37_GA.
namespace f37 {
constexpr int Authority = 0;    // Imia_UGA
constexpr int OperatorCode = 1; // EXPLUATANTY position 1
constexpr int Address = 2;      // Adres_Predpr
constexpr int Row = 3;          // rows already written plus 1
constexpr int ReportDate = 4;   // the date text dd.mm.yyyy
constexpr int Name = 5;
constexpr int Serial = 6;
constexpr int Made = 7;         // dd.mm.yy
constexpr int Arrived = 8;      // dd.mm.yy
constexpr int RepairDate = 9;   // dd.mm.yy, when overhauled
constexpr int RepairPlant = 10;
constexpr int Repairs = 11;
constexpr int HoursNew = 12;
constexpr int HoursOverhaul = 14; // when overhauled
constexpr int Limit = 16;       // to the first overhaul, or between overhauls
constexpr int Place = 18;       // board number, or "3" store, "4" repair fund, "5" repair or claim
constexpr int HeadName = 19;    // FIO_IAS
constexpr int Number = 21;      // running number after all rows
constexpr int Addressee = 22;   // IMIA_DVIGATEL_37 (engines, APUs) or IMIA_REDUCTOR_37
constexpr int AddresseeAddress = 23; // Adres_37
constexpr int Certificate = 24; // NOMER_SVIDELSTVA
constexpr int Preparer = 25;    // NACH_PDO " тел." PHONE_PDO
constexpr int Type = 26;        // TIP_VS
constexpr int HeadPost = 27;    // DOLGNOST_IAS
} // namespace f37

enum class F37Kind { Engine, Apu, Gearbox };

// The kind of a bar caption ("Форма 37-ГА (СВ) - ВСУ" -> Apu); engines for
// any other caption.
F37Kind f37KindOf(const QString& caption);
// "rep04" (engines, APUs) or "rep08" (gearboxes).
QString f37Template(F37Kind kind);
// The store code of a place: "3" Склад, "4" Ремфонд, "5" Ремонт or
// Рекламация; "" for any other place.
QString f37StoreCode(const QString& place);

// The text that stands for any owner in cboSobst.
QString anyOwnerText();

struct F37Options {
    F37Kind kind = F37Kind::Engine;
    QString operatorCode = QStringLiteral("-1"); // "-1" when the name is not in the list
    QString ownerName;                           // the text of cboSobst
    QDate date;
    // Only the units installed on the operator's aircraft, whoever owns them
    // (no owner condition, no store section): the research institute's annex.
    bool installedOnly = false;
};

// The rows of REPORT_FORMA_37_GA (no widgets), numbered. A running time of a
// unit that is not "H:MM" raises ConversionError naming the unit, its serial
// number, the column and the value. `later`: the flights after the date,
// shared by builds of one report for the same date (read once).
StagedRows buildForm37(Connection* c, const F37Options& o, frames::LaterFlights* later = nullptr);

class TfrPlanRepF37 : public shell::TPlanFrame {
    Q_OBJECT
public:
    TfrPlanRepF37();
    ~TfrPlanRepF37() override;

    using TPlanFrame::FunStart;
    void FunStart(const QString& caption) override;
    void FunReport() override;
    void FunCboSobst();
    void FunCboExpl();
    F37Options options() const;

private:
    QString m_caption;
    frames::CodeSelector* cboSobst = nullptr; // made in FunStart, once the settings file is known
    frames::OperatorSelector* cboExpl = nullptr;
    frames::ReportDateControl m_date; // picDate
    QPushButton* cmdReport = nullptr;
};

} // namespace plan::reports
