#pragma once
// The pure life arithmetic: no database, no clock. Everything here works on
// whole minutes, whole months and plain dates, so that each rule can be
// checked by hand.
#include <QDate>
#include <QString>

namespace rarozidi {

// Years abbreviation put after a number n: "л. " when the decimal text of n
// is "11", "12", "13" or "14"; otherwise "г. " when its last digit is 1, 2, 3
// or 4; otherwise "л. ". (111 -> "г. ", 25 -> "л. ".)
QString bookYear(int n);

// Component kinds that have a ground-running rule of their own in
// TIPOVYE_DANNYE_VS; the airframe has a share only.
enum class GroundKind { Planer, Dvigatel, Reductor, Lopasty, Agregaty, Shlang, Zcu, AgrDvig, VozdushnyVint };
// The suffix of the kind's ZEMLIA_... / KOL_VO_ZEMLIA_... columns.
QString groundKindSuffix(GroundKind k);

// Whether ground running counts and at which share.
struct GroundRule {
    bool counts = false;
    double share = 0.0;
};

// Ground minutes times the share, rounded half up to whole minutes
// (25 * 0.5 = 12.5 -> 13; 125 * 0.5 = 62.5 -> 63; 3 * 0.5 = 1.5 -> 2).
int countedGroundMinutes(int groundMinutes, double share);
// One flight entry as counted for component life: airborne minutes plus,
// when the rule counts ground running, the rounded share of ground minutes.
int countedFlightMinutes(int airborneMinutes, int groundMinutes, const GroundRule& rule);

// Months of a calendar value written as years, a point and months ("5.06" ->
// 66, "12" -> 144, "0.11" -> 11). A text that is not of that form raises
// plan::ConversionError naming the text and `what`.
int calendarMonths(const QString& yearsPointMonths, const QString& what);

// Calendar months from one date to another counted by month numbers only
// (the day of the month plays no part): 15.12.2023 -> 01.01.2024 is 1.
int monthsBetween(const QDate& from, const QDate& to);

// A number of months as years and months: whole years, bookYear(months),
// the remaining months and "м." (59 -> "4л. 11м.", 14 -> "1л. 2м.",
// 12 -> "1л. 0м."); "0" when months is below 1.
QString yearsMonthsText(int months);

// Remaining calendar life as of a date: limit months less the months from
// the stored date to that date, as yearsMonthsText.
QString remainingCalendarText(int limitMonths, const QDate& stored, const QDate& asOf);

// Periodic forms. The forms of a type's cycle are evenly spaced in running
// time since overhaul: periodic forms at multiples m of formInterval hours,
// and the F1 that follows the form at multiple m at m * formInterval +
// f1Interval hours. Result: minutes from the used running time to the form
// `step` intervals after the last one; negative when overdue.
// The index of the last form: without a cycle (formsInCycle <= 0), or when it
// lies outside 0..formsInCycle-1, it counts forms since the overhaul (below 0,
// none performed, counts as 0). Within a cycle it is the form's place in the
// cycle (the form at multiple m has index m mod formsInCycle), and the
// round of the cycle is the one the running time has reached: an index one place ahead of that is a form done
// early (cycles of 3 or more), any other place lags and the form is overdue.
long long minutesToNextForm(long long usedMinutes, int formIntervalHours, int lastIndex, int step, int formsInCycle = 0);
long long minutesToNextF1(long long usedMinutes, int formIntervalHours, int f1IntervalHours, int lastF1Index, int step,
                          int formsInCycle = 0);
// The text of a form remainder: "H:MM" when not overdue, "+" and the
// overrun "H:MM" when overdue (-330 -> "+5:30").
QString formRemainderText(long long minutes);

// Planned removal by the calendar: the earlier of manufacture + assigned
// calendar life and (last repair when repaired, else manufacture) + the
// overhaul calendar limit. Limits of 0 months or less, and missing dates,
// drop out; an invalid date when nothing is left.
QDate plannedRemovalDate(const QDate& manufactured, const QDate& lastRepair, int repairs,
                         int assignedMonths, int overhaulMonths);

} // namespace rarozidi
