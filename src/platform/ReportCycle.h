#pragma once
// The road of every report from a frame to the preview: empty the staging
// table, write the report's rows one by one, find a fresh copy of the
// template, load, prepare and show it in the host's report component, delete
// the template copy, close the dataset. The host's cursor, progress bar and
// bar are restored also when a step fails; the error goes on to the caller.
//
//     plan::runSingleReport(*host, *ds, "Select * From REPORT_PROGNOZ ORDER BY ID;", "rep01",
//                           [&](plan::StagingWriter& w) {
//                               for (const Line& l : lines) w.addRow({l.name, l.left, l.date});
//                           });
#include "platform/ReportHost.h"

#include <QString>
#include <QVariant>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <initializer_list>
#include <vector>

namespace plan {

class Dataset;

// One row of a staging table as a frame builds it: values by position
// (1 = the first column after the key), in any order, positions not set
// left null. Sparse layouts read as their tables do:
//
//     StagingRow r;
//     r.set(F34::GroupName, type).set(F34::Ownership, 0).set(F34::RegisterDays, days);
//     writer.addRow(r);
//
// Position 0 is the key the database fills in most staging tables and is
// then left unset. The tables of forms 36-GA and 37-GA hold a written text
// column at 0 (their key stands elsewhere, docs/schema.md): their frames set
// it like any other position, r.set(0, imiaUga).
class StagingRow {
public:
    // Sets position pos (>= 0); a later set of the same position wins.
    StagingRow& set(int pos, const QVariant& value);
    // The value at pos; an invalid QVariant when it is not set.
    QVariant at(int pos) const;
    bool has(int pos) const;
    // The highest position set (0 for an empty row).
    int size() const { return static_cast<int>(m_values.size()) - 1; }
    // Text of every position from 1 to size(), "" where not set (position 0,
    // written only by forms 36-GA and 37-GA, is read with at(0)).
    QStringList texts() const;

private:
    std::vector<QVariant> m_values{QVariant()};
    std::vector<bool> m_set{false};
};

// Finds the template of a report: (window key, report code) -> path of a
// file the cycle may delete.
using TemplateResolver = std::function<QString(const QString& windowKey, const QString& code)>;

// Opens a staging table by its query ("Select * From REPORT_X ORDER BY
// TIP_VS, NOMER_VS;"): the same rows in the same order. The rows are wide
// (forty texts of 300 characters), and the engine sorts whole rows: a
// thousand of them cost it hundreds of milliseconds. So when the query is
// a whole table ordered by plain columns, the rows are read unordered and
// put in order here, comparing as the engine does (texts by character code
// with blanks at the end not counting, nulls first, numbers by value). Rows
// whose sort columns are all equal leave their order to the engine: then,
// and for any other query, the query itself is sent. A query ordered by the
// table's generated key alone is sent as it is (the engine walks the key).
void openStagingTable(Dataset& ds, const QString& query);

// Writes the rows of one staging table through a report dataset.
class StagingWriter {
public:
    // Points the dataset at the staging table's query (sent as given), opens
    // it and deletes every row of the table.
    StagingWriter(Dataset& ds, const QString& query);
    StagingWriter(const StagingWriter&) = delete;
    StagingWriter& operator=(const StagingWriter&) = delete;

    // The rows are committed together when the writer goes (also when the
    // report ends in an error: the rows written before it stay).
    ~StagingWriter();
    // Commits the rows written; a failure raises DbError.
    void finish();

    // Appends a row: the values go to columns 1, 2, ... (column 0 is the key
    // the database fills); the row is posted and the batch updated at once.
    void addRow(std::initializer_list<QVariant> values);
    void addRow(const QVariantList& values);
    // Appends a row of the positions set in it, position 0 included when set.
    void addRow(const StagingRow& row);
    int rowsWritten() const { return m_rows; }
    Dataset& dataset() { return m_ds; }

private:
    Dataset& m_ds;
    int m_rows = 0;
};

// Marks the host busy for its lifetime: beginBusy() at construction;
// progressReset() and endBusy() at finish() or, at the latest, on leaving
// the scope (also by an exception).
class BusyScope {
public:
    explicit BusyScope(ReportHost& host);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    void finish();

private:
    ReportHost& m_host;
    bool m_done = false;
};

// One document: the host is made busy, the table emptied, fill() writes the
// rows, then the template (window key of the host, code) is loaded, prepared
// as a new document and shown. fill() runs the frame's queries and
// calculations too; the frame does not make the host busy itself. An empty
// resolver means freshTemplateCopy().
void runSingleReport(ReportHost& host, Dataset& ds, const QString& query, const QString& code,
                     const std::function<void(StagingWriter&)>& fill, const TemplateResolver& resolver = {});

// Several documents in one preview, one per item (for example per chosen
// aircraft): the progress bar runs from 0 to count; for each item the table
// is emptied and fill(index, writer) writes its rows, and the template's
// pages are appended to those prepared. When no page was prepared (no items,
// or no template) an empty report is prepared and shown instead.
void runSeveralReports(ReportHost& host, Dataset& ds, const QString& query, const QString& code, int count,
                       const std::function<void(int index, StagingWriter&)>& fill,
                       const TemplateResolver& resolver = {});

// Several documents of different staging tables and templates in one
// preview, in the order given (for example an aircraft's airframe, engines
// and APU): the same cycle, each document with its own table query and
// template code (each template copy fetched once and deleted at the end).
struct StagedDocument {
    QString query;
    QString code;
};
void runSeveralReports(ReportHost& host, Dataset& ds, const std::vector<StagedDocument>& documents,
                       const std::function<void(int index, StagingWriter&)>& fill,
                       const TemplateResolver& resolver = {});

// The steps after the rows, for a frame that wrote its staging tables in its
// own way (inside its own BusyScope): progress bar to 0, template loaded,
// prepared as a new document and shown, template copy deleted, dataset closed.
void showStagedReport(ReportHost& host, Dataset& ds, const QString& code, const TemplateResolver& resolver = {});

} // namespace plan
