#pragma once
// The reading helpers that tell a report when its own data is doubtful.
// A frame reads its rows as its rules say and calls these on the values it
// uses; each doubtful value is noted in the run's collector
// (platform/DataDoubts.h), which the report's page, the status bar and
// `plan run` then show. Nothing here changes what the frame computes.
//
//     frames::noteRunningTime(row, pos::dvigatel::NARABOTKA_PPR, frames::rowKey(row, pos::dvigatel::ZAVODSKOI_NOMER));
//     frames::noteLimit(row, limitPos, key);
#include <QString>
#include <QVariant>

namespace plan {
class Connection;
class Dataset;
} // namespace plan

namespace plan::frames {

// "ID 17 (№ 4512)": the key of the current row by its ID (position 0) and
// the number at numberPos.
QString rowKey(const Dataset& row, int numberPos);

// The value at pos of the current row of a table read whole: a running time
// negative or not "H:MM"; a count negative or not whole; a limit in hours of
// 0, negative or beyond any real life.
void noteRunningTime(const Dataset& row, int pos, const QString& key);
void noteCount(const Dataset& row, int pos, const QString& key);
void noteLimit(const Dataset& row, int pos, const QString& key);
// A value of a type's row in TIPOVYE_DANNYE_VS: a ground-running share
// outside 0..1.
void noteShare(const QString& type, const QString& column, const QVariant& value);
// The rows a type has in TIPOVYE_DANNYE_VS: none (its aircraft count no
// ground running and vanish from the forecasts by kind), or more than one.
void noteTypeRows(const QString& type, int rows);
// A flight record (SPRAVKA row) whose time at pos is empty: counted as 0.
void noteFlightTime(const Dataset& spravka, int pos);
// Records that a fleet-wide report by kind cannot reach: aircraft whose
// type is missing from TIPOVYE_DANNYE_VS, types written twice, and the
// components of `table` placed neither on an aircraft nor in a store.
void noteFleetReach(Connection& c, const QString& table);

} // namespace plan::frames
