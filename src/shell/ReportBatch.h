#pragma once
// A list of reports filed in one go (`plan batch FILE`): each line names a
// window, a bar item, the options of `plan run` and an output name; every
// report is run as `plan run` runs it and written into one folder. A report
// that fails leaves no output of its own but does not stop the others.
//
// A line:   WINDOW ITEM [--set NAME=VALUE] [--tick TEXT] ... NAME
// Words are separated by blanks; a word with blanks is put in double quotes.
// Blank lines and lines starting with "#" are skipped. NAME with the
// extension .pdf, .xlsx or .csv is that one file; without one, a file per
// format of the batch (NAME.pdf by default). Relative paths given to the
// line's own output options are taken inside the folder.
#include "shell/FrameDriver.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plan::shell {

struct BatchEntry {
    int line = 0;         // line number in the file, from 1
    QString name;         // the output name as written
    QStringList outputs;  // the files the batch writes for it
    RunRequest request;
};

struct BatchOutcome {
    const BatchEntry* entry = nullptr;
    int status = 0;
    QStringList errors;
    int pages = -1; // -1: the run wrote no pages
    int rows = -1;
    double seconds = 0;
};

// The formats a batch writes where an output name has no extension.
QStringList batchFormats();

// Reads the batch text. `folder` is where the outputs go, `formats` the
// formats for names without extension ("pdf", "xlsx", "csv"). Returns the
// error text naming the line ("" when every line is good): a batch with a
// bad line runs nothing.
QString parseBatch(const QString& text, const QString& folder, const QStringList& formats,
                   std::vector<BatchEntry>* out);

// Runs the entries in order; `progress` gets one line per report as it
// ends. Returns the outcomes, one per entry.
std::vector<BatchOutcome> runBatch(const std::vector<BatchEntry>& entries,
                                   const std::function<void(const QString&)>& progress);

// The closing line: how many reports were filed and which failed.
QString batchSummary(const std::vector<BatchOutcome>& outcomes, const QString& folder);

} // namespace plan::shell
