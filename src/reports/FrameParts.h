#pragma once
// What the frames of the register reports (the airframe form, the research
// institute's annex, the regional authority's form, the search-and-rescue
// annex) share around their rows, under the names they use: the column of
// option controls (frames/OptionsLayout.h), the rows (frames/AirframeRegister.h),
// the printed heading and the report cycle (shell/StagedReport.h).
#include "frames/OptionsLayout.h"
#include "reports/AirframeRegister.h"
#include "shell/StagedReport.h"

namespace plan::reports {

using frames::layOutOptions;
using shell::headingValues;
using shell::runStagedReport;
using shell::runStagedTables;
using shell::StagedTables;

} // namespace plan::reports
