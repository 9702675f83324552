#pragma once
// A report of a frame whose rows are built without widgets (a StagedRows of
// the frame kit): the printed heading (operator, title, what the report
// covers, the data that needs checking) and the report cycle around it.
// Used by the register reports and the authority's register sheets.
#include "platform/ReportCycle.h"
#include "platform/TemplateRenderer.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::frames {
struct StagedRows;
}

namespace plan::shell {

class TPlanFrame;

// The heading of a printed form: the operator and the signatures of its
// OBSHIE row (rarozidi::FunReportValues), the title, the lines of what the
// form covers, and the data that needs checking when there is any.
ReportValues headingValues(Connection* c, const QString& operatorCode, const QString& title, const QStringList& covers,
                           const QStringList& doubts);

// The report of a frame through the host's report cycle: within one read
// transaction build() gives the rows, the heading values are set (with the
// rows' data to check) and the rows are written to the staging table of
// the query; then the template of the code is shown. An error out of
// build() ends the run before anything is shown.
// `asOf` is the date the report is made for (the heading prints it and the
// latest flight recorded by then); without it, the clock's today.
void runStagedReport(TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<frames::StagedRows()>& build);
void runStagedReport(TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QStringList& covers, const std::function<frames::StagedRows()>& build);


// The rows of a report made of several staging tables, one list per table
// in the order of their queries, and the data to check.
struct StagedTables {
    std::vector<std::vector<StagingRow>> tables;
    QStringList doubts;
};

// As runStagedReport, for a report of several staging tables: build() gives
// the rows of every table; the further tables are written through the
// host's report datasets 2 and 3 (queries[1], queries[2]) and the first
// through dataset 1, whose template names the others itself.
void runStagedTables(TPlanFrame& frame, const QStringList& queries, const QString& code, const QString& operatorCode,
                     const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<StagedTables()>& build);

} // namespace plan::shell
