#pragma once
// What makes a stored value one the reports cannot trust. One set of rules
// for the fleet data check (FleetCheck.h) and for the reading helpers of the
// frames (frames/DataChecks.h). Each rule returns the reason in Russian, or
// "" when the value is fine. An empty value is not doubtful here: where a
// report needs it, its own rules say what an empty value means.
#include <QString>
#include <QStringList>
#include <QVariant>

namespace plan::data {

// The longest life in hours any component or airframe can be given; a limit
// above it is a slip of the keyboard, not a life.
constexpr int kMaxLifeHours = 100000;

// "Склад", "Ремфонд", "Ремонт", "Рекламация": where a component is when it
// is not installed.
const QStringList& storeWords();
bool isStoreWord(const QString& place);

// A running time "H:MM": not of that form, or negative.
QString runningTimeFault(const QString& text);
// A count (landings, starts, repairs): not a whole number, or negative.
QString countFault(const QVariant& value);
// A limit in hours: not a whole number, 0 or negative, or above kMaxLifeHours.
QString limitFault(const QVariant& value);
// A ground-running share: outside 0..1.
QString shareFault(const QVariant& value);

} // namespace plan::data
