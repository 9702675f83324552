#pragma once
// Running time as the component tables keep it: whole hours, ":" and two
// digits of minutes ("1450:05"). All arithmetic is done in whole minutes and
// turned back into text only at the end, so minutes carry past 60 and
// negative remainders keep their sign ("-5:30").
#include <QString>

namespace rarozidi {

// Minutes of an "H:MM" text. Accepted: optional blanks around, an optional
// leading "-", one or more digits of hours, ":" and exactly two digits of
// minutes below 60; a bare whole number is read as whole hours ("1500" =
// 1500:00). Anything else ("12:7x", "abc", "", "1:75") raises
// plan::ConversionError naming the text and `what` (the column or value).
int parseRunningTime(const QString& text, const QString& what);

// Same, but an empty text (after trimming) gives 0 minutes.
int parseRunningTimeOrZero(const QString& text, const QString& what);

// "H:MM" of a number of minutes: hours without padding, minutes always two
// digits, "-" in front when negative (-330 -> "-5:30", 0 -> "0:00").
QString formatRunningTime(long long minutes);

// The whole-hours part the reports show: the text less its last three
// characters ("1450:05" -> "1450", "-5:30" -> "-5"); a text of three
// characters or fewer gives "0".
QString wholeHoursText(const QString& runningTime);

// Minutes of a time of day (flight records): hours * 60 + minutes.
int minutesOfTimeOfDay(int hours, int minutes);

} // namespace rarozidi
