#pragma once
// The airframe register routines (frames/AirframeRegister.h) under the names
// the report frames use.
#include "frames/AirframeRegister.h"

namespace plan::reports {

using frames::AirframeAsOf;
using frames::airframeAsOf;
using frames::AirframeRules;
using frames::aircraftName;
using frames::asOfDoubts;
using frames::boardWithoutRA;
using frames::calendarAgeText;
using frames::dateText;
using frames::headerDoubts;
using frames::kReadAllFlightsFrom;
using frames::repairDateDoubts;
using frames::shortDate;
using frames::StagedRows;
using frames::wholeOr;

} // namespace plan::reports
