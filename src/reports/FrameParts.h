#pragma once
// What the frames of the register reports (the airframe form, the research
// institute's annex, the regional authority's form, the search-and-rescue
// annex) share around their rows: the column of option controls and the
// values of the printed heading.
#include "platform/TemplateRenderer.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <vector>

class QComboBox;
class QPushButton;
class QWidget;

namespace plan {
class Connection;
class StagingRow;
}

namespace plan::frames {
class ReportDateControl;
}

namespace plan::shell {
class TPlanFrame;
}

namespace plan::reports {

struct StagedRows;

// The rows of a report made of several staging tables, one list per table
// in the order of their queries, and the data to check.
struct StagedTables {
    std::vector<std::vector<StagingRow>> tables;
    QStringList doubts;
};

// Lays the frame's controls out top down: "Эксплуатант:" with cboExpl,
// "Дата составления:" with picDate, the further controls (the last one takes
// the height left), the show button.
void layOutOptions(QWidget* frame, QComboBox* cboExpl, const frames::ReportDateControl& date,
                   std::initializer_list<QWidget*> more, QPushButton* cmdReport);

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
void runStagedReport(shell::TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<StagedRows()>& build);
void runStagedReport(shell::TPlanFrame& frame, const QString& query, const QString& code, const QString& operatorCode,
                     const QString& title, const QStringList& covers, const std::function<StagedRows()>& build);

// As runStagedReport, for a report of several staging tables: build() gives
// the rows of every table; the further tables are written through the
// host's report datasets 2 and 3 (queries[1], queries[2]) and the first
// through dataset 1, whose template names the others itself.
void runStagedTables(shell::TPlanFrame& frame, const QStringList& queries, const QString& code,
                     const QString& operatorCode, const QString& title, const QDate& asOf, const QStringList& covers,
                     const std::function<StagedTables()>& build);

} // namespace plan::reports
