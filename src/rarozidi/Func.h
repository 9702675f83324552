#pragma once
// The shared calculation library: the life arithmetic of single components
// and the small services every window and frame takes from one place.
//
// Conventions of every routine below:
// - A dataset argument is read on its current row; positions are those of
//   the table's own "Select *" row (0 = ID).
// - Running times are "H:MM" texts (see RunningTime.h); a stored value that
//   is not of that form raises plan::ConversionError naming the value and
//   the column. Database errors (plan::DbError) go on to the caller.
// - "Today" is plan::Clock::today().
// docs/rarozidi.md records the rules these routines follow where the
// callers leave them open.
#include "rarozidi/Flying.h"
#include "rarozidi/Life.h"
#include "rarozidi/RunningTime.h"

#include "platform/TemplateRenderer.h"

#include <QDate>
#include <QString>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace rarozidi {

// ---------------------------------------------------------------- services

// The user's settings folder, ending with a separator (plan::Paths::userRoot()).
QString GetUserRoot();
// Opens the connection on the default target of the process. A failure
// raises plan::DbError naming the connection string.
void FunConnection(plan::Connection& c);
// Title of the active top-level window; "" when no window is active.
QString GetActiveWindowTitle();
// Full path of a fresh copy of the template (window key, report code),
// e.g. ("frmPlanPrognoz", "rep01"). The caller deletes the file once the
// report is shown; every call gives a new file. A missing template gives a
// path that does not exist (the report component shows an empty report).
QString FunGetReport(const QString& windowKey, const QString& code);
// Shows a warning naming the entry:
//   2, 6  an empty required choice:   "Не выбран " + text   ("Не выбран тип ВС")
//   7     a required date that is not a date: "Неверная дата: " + text
//   9     an optional date that is not a date:
//         "Неверная дата (поле можно оставить пустым): " + text
//   other kinds show the text as it is.
// Returns the text shown.
QString FunMsg(const QString& text, int kind);
// The message text of a kind, without showing it.
QString msgText(const QString& text, int kind);

// The values of a report's heading and signature block (docs/templates.md):
//   operator    the name (EXPLUATANTY.NAME) of the operator with that code,
//               or of every operator of OBSHIE, joined by ", ", when the code
//               is empty
//   signatures  the posts and names of the operator's OBSHIE row (the first
//               row when the code is empty): DOLGNOST_IAS / FIO_IAS, then
//               DOLGNOST_PDO / NACH_PDO; a line without a name is left out
plan::ReportValues FunReportValues(plan::Connection& c, const QString& operatorCode = QString());

// ---------------------------------------------------------------- ownership
// WHERE fragments over the SOBSTVENNOST column of the table queried (REESTR,
// DVIGATEL, REDUCTOR, DVIGENIE_V_EKSPLUATACII, ...); each starts with the
// connector as given ("And ") followed by one parenthesised condition with
// the owner codes written in. A leading blank is not added.
//
// Own: SOBSTVENNOST is one of the owner codes of the operators themselves
// (the non-empty VLADELETS of OBSHIE):
//   "And (SOBSTVENNOST='A' Or SOBSTVENNOST='B')"; none -> "And (SOBSTVENNOST='!')".
QString FunOnlyOwn(plan::Connection& c, const QString& connector);
// The chosen ownership: the owner chosen in the user's settings (MAIN /
// CBOSOBST, the index into "Select * From SOBSTVENNIKI Where HIDE=0 Order By
// ID_NAME, ID;"); without a valid choice every owner offered (HIDE=0):
//   "And (SOBSTVENNOST='X')" or "And (SOBSTVENNOST='X' Or ...)";
//   no owner at all -> "And (SOBSTVENNOST='!')".
QString FunSobst(plan::Connection& c, const QString& connector);
// Leased: an owner is set and it is not one of the own codes:
//   "And (SOBSTVENNOST<>'' And SOBSTVENNOST<>'A' And SOBSTVENNOST<>'B')"
//   (a null SOBSTVENNOST matches neither own nor leased).
QString FunArenda(plan::Connection& c, const QString& connector);
// Whose aircraft and components FunOnlyOwn (onlyOwn) or FunSobst select,
// in words for a report's heading: "собственные (ЮТЭЙР, АВИАСЕВЕР)",
// "собственные и арендованные (...)" or "собственник ГТЛК".
QString ownershipText(plan::Connection& c, bool onlyOwn);
// The pure builders behind them.
QString ownFragment(const QString& connector, const QStringList& ownCodes);
QString leasedFragment(const QString& connector, const QStringList& ownCodes);
QString ownerListFragment(const QString& connector, const QStringList& codes);

// ---------------------------------------------------------------- remainders

// Limit (whole hours; a text "H:MM" is read as such) less the used running
// time ("H:MM"), as "H:MM" ("1500" - "1450:45" -> "49:15"; "100" -
// "105:30" -> "-5:30"). "" when the limit or the used value is empty.
QString FunOstatChas(const plan::Dataset& ds, int limitPos, int usedPos);
// The same with the used running time already worked out ("H:MM", e.g. the
// continuous running of a blade): the limit at limitPos less `used`; "" when
// the limit or `used` is empty. `usedWhat` names the value in an error.
QString FunOstatChas(const plan::Dataset& ds, int limitPos, const QString& used, const QString& usedWhat);
// Remaining calendar life: the limit at limitPos ("Y.MM", years, point,
// months) less the months from the date at datePos to asOf (month numbers
// only), as years + FunBookYear(remaining months) + months + "м."
// (25 months -> "2л. 1м.", 14 -> "1л. 2м."); "0" when below one month;
// "" when either field is empty. asOf not valid = today.
QString FunOstatLet(const plan::Dataset& ds, int limitPos, int datePos, const QDate& asOf = QDate());
// Limit less used, both whole numbers (starts, landings, bleeds), as the
// decimal text, negative when exceeded; "" when either is empty.
QString FunOstatInteger(const plan::Dataset& ds, int limitPos, int usedPos);
// Calendar time from the date at datePos to asOf (today when not valid):
// yearsMonthsText of the month difference ("4л. 11м.", "0" when not
// positive); "" when the date is empty.
QString FunNarabLet(const plan::Dataset& ds, int datePos, const QDate& asOf = QDate());
// bookYear(n): "г. " or "л. " after a number (see Life.h).
QString FunBookYear(int n);
// True when the text at pos is the board number of an aircraft in REESTR
// (looked up through the dataset's connection); false for an empty text and
// for the store words. Without a connection: any other non-empty text.
bool FunIsBN(const plan::Dataset& ds, int pos);

// ---------------------------------------------------------------- continuous running
// The running time of a component counted from the aircraft: the value at
// usedPos (the running time the component had when it was installed) plus
// the counted flying of the aircraft it is on (GDE_STOIT) from its
// installation date (DATA_USTANOVKI) up to today of the clock (flights dated
// later are not counted), each flight entry's ground running
// counted at the kind's share and rounded half up. Result "H:MM". When the
// component is not on an aircraft (a store word or empty) or has no
// installation date, the stored value itself ("H:MM", normalised).
// Ground rule by kind:
//   Agr       AGREGAT: column 28 = 1 -> AGR_DVIG, else AGREGATY;
//             VTULKA_NV -> LOPASTY; other tables -> AGREGATY
//   Lopast    LOPASTY        HvostVint  LOPASTY
//   Lebedka   AGREGATY       ZCU        ZCU
//   Shlang    SHLANG (hoses: the running time column of SHLANG)
QString FunNepNarAgr(plan::Connection& c, const plan::Dataset& ds, int usedPos);
QString FunNepNarLopast(plan::Connection& c, const plan::Dataset& ds, int usedPos);
QString FunNepNarHvostVint(plan::Connection& c, const plan::Dataset& ds, int usedPos);
QString FunNepNarLebedka(plan::Connection& c, const plan::Dataset& ds, int usedPos);
QString FunNepNarZCU(plan::Connection& c, const plan::Dataset& ds, int usedPos);
QString FunNepNarShlang(plan::Connection& c, const plan::Dataset& ds);
// The aircraft and the installation date from which the routines above count
// a row's flying; an empty board when they count none and return the stored
// value (a store word or no place, no installation date).
struct ContinuousSpan {
    QString board;
    QDate installed;
};
ContinuousSpan continuousSpan(const plan::Dataset& ds);
// The common routine, for a kind chosen by the caller.
QString continuousRunning(plan::Connection& c, const plan::Dataset& ds, int usedPos, GroundKind kind);
// Column of SHLANG holding a hose's running time (hours-counted hoses).
extern const char* const kHoseRunningColumn;

// ---------------------------------------------------------------- planned removal
// Running time since overhaul as it will stand on a date: the stored value
// plus the aircraft's counted flying per day over the last 30 days (total
// minutes / 30) times the days from today to the date, rounded half up to
// a minute; for a past date the stored value back-dated to the end of that
// day; "H:MM". "" when the stored value is empty. The board is the one
// given (the aircraft the component is planned to be removed from).
//   FunPPRPlanDliaSniat           DVIGATEL / REDUCTOR, column 12, rule DVIGATEL / REDUCTOR
//   FunPPRPlanDliaSniatVint       VOZDUSHNY_VINT, column 30, rule VOZDUSHNY_VINT
//   FunPPRPlanDliaSniatHvostVint  HVOSTOVOY_VINT, column 30, rule LOPASTY
//   FunPPRPlanDliaSniatLopast     LOPAST, column 26, rule LOPASTY
//   FunPPRPlanDliaSniatVtNV       VTULKA_NV, column 18, rule LOPASTY
//   FunPPRPlanDliaSniatLebedka    LEBEDKA, column 28, rule AGREGATY
//   FunPPRPlanDliaSniatShlang     SHLANG, kHoseRunningColumn, rule SHLANG
QString FunPPRPlanDliaSniat(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date);
QString FunPPRPlanDliaSniatVint(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date);
QString FunPPRPlanDliaSniatHvostVint(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                     const QDate& date);
QString FunPPRPlanDliaSniatLopast(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                  const QDate& date);
QString FunPPRPlanDliaSniatVtNV(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date);
QString FunPPRPlanDliaSniatLebedka(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                   const QDate& date);
QString FunPPRPlanDliaSniatShlang(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                  const QDate& date);
// Pure part: stored minutes projected by `days` at the 30-day total.
long long projectedMinutes(long long storedMinutes, long long last30DaysMinutes, int days);

// Running time left to the planned removal of an engine: the overhaul limit
// at limitPos (whole hours) less its running time since overhaul at usedPos,
// "H:MM" as FunOstatChas. The aircraft's running time is accepted as the
// callers pass it and plays no part (the engine's counter stands at the same
// last flight). "" when the limit or the used value is empty.
QString FunNarPlanSniatDvig(const plan::Dataset& ds, int usedPos, int limitPos, const QString& aircraftRunning);

// Running time of a unit of the APU (AGR_VSU row) in a measure: the value at
// usedPos (as at installation) plus the APU work of the board's flight
// entries from DATA_USTANOVKI on. Measures: "OBSHAIA" (VSU_POLNOE_VREMYA),
// "GENERATOR" (VSU_V_GENERATORNOM), "SUMMA" (both added), as "H:MM";
// "ZAPUSKI" (VSU_KOL_VO_ZAPUSKOV), "OTBORY" (VSU_KOL_VO_OTBOROV), as whole
// numbers. Another measure raises plan::ConversionError.
QString FunPerNarAgrVSU(plan::Connection& c, const plan::Dataset& ds, int usedPos, const QString& measure);

// Calendar date of planned removal, "dd.mm.yyyy": the earlier of the date of
// manufacture + the assigned calendar life and (the last repair when the
// repair count is above 0, else the manufacture) + the overhaul calendar
// limit; calendar values "Y.MM". "" when neither can be formed.
QString FunDataSniatia(const plan::Dataset& ds, int repairDatePos, int repairCountPos, int assignedCalPos,
                       int overhaulCalPos, int manufacturedPos);

// ---------------------------------------------------------------- periodic forms
// Running time left to the next periodic form (GetOstatTO) or form F1
// (GetOstatF1) from the running time since overhaul at runningPos and the
// index of the last form at lastFormPos, with the intervals VREMIA_FORMA and
// VREMIA_F1 of the type's PTO_FORMY row (type = the row's TIP_VS):
//   next periodic form at (index + step) * VREMIA_FORMA hours,
//   next F1 at index * VREMIA_FORMA + step * VREMIA_F1 hours
//   (index below 0 counts as 0; callers pass step 1).
// Text "H:MM", or "+H:MM" (the overrun) when overdue. "0:00" when the type
// has no PTO_FORMY row or its interval is not above 0.
QString GetOstatTO(plan::Connection& c, const plan::Dataset& ds, int runningPos, int step, int lastFormPos);
QString GetOstatF1(plan::Connection& c, const plan::Dataset& ds, int runningPos, int step, int lastFormPos);

// ---------------------------------------------------------------- names without a reference row
// The name a frame shows for a unit (AGREGAT), ZCU or main-rotor hub
// (VTULKA_NV) row whose reference row was not found, built from the row
// itself; nothing is written to the database:
//   Agregat  NAIMENOVANIE (or NAZVANIE) + " " + CHERT_NOMER
//   AgrZCU   "Агрегат ЗЧУ " + ID_NAME
//   VtNV     NAZVANIE (or NAIMENOVANIE) + " " + CHERT_NOMER
// Missing parts are left out; a row without any gives "Не найден в справочнике".
QString FunAddIDNameAgregat(const plan::Dataset& ds);
QString FunAddIDNameAgrZCU(const plan::Dataset& ds);
QString FunAddIDNameVtNV(const plan::Dataset& ds);

} // namespace rarozidi
