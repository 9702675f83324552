#pragma once
// The fleet data check: every record of the maintenance database that the
// reports cannot trust, with its table, key, column and value:
//   - aircraft types missing from TIPOVYE_DANNYE_VS, or written there twice;
//   - aircraft without a board number or a type;
//   - components whose place (GDE_STOIT) is neither a board number of the
//     register nor one of the four store words;
//   - running times that are negative or not "H:MM", counts that are
//     negative or not whole, limits of 0, negative or beyond any real life;
//   - ground-running shares outside 0..1;
//   - flight records without a date, an airborne time or a ground time;
//   - serial numbers written twice within a kind of component.
// Rows of hidden types ("HIDE") are not checked: no report reads them.
// Reads only; a whole fleet of 1,000 aircraft takes a few seconds.
#include "platform/DataDoubts.h"

#include <vector>

namespace plan {
class Connection;
}

namespace plan::data {

std::vector<Doubt> checkFleet(Connection& c);

// Parts of the check, for the reports that meet such records: the types
// (missing or written twice) and aircraft without board number or type, and the components of one table whose place
// is neither an aircraft nor a store.
std::vector<Doubt> checkTypes(Connection& c);
std::vector<Doubt> checkPlaces(Connection& c, const QString& table);

} // namespace plan::data
