#pragma once
// Driving a frame without a user: setting its controls by object name,
// ticking and selecting rows of its grids by their visible text, pressing
// its buttons, as a user would (the same signals fire). Used by the
// command-line driver (`plan run`) and the tests.
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace plan {
class Connection;
}

namespace plan::shell {

class FrameDriver {
public:
    explicit FrameDriver(QWidget* root) : m_root(root) {}

    // Sets a control by its object name (errors are std::runtime_error):
    //   QComboBox     the item of that text, or "#N" for the item at index N
    //   QLineEdit     the text
    //   QCheckBox     "1" ticked, "0" clear (a change clicks it)
    //   QRadioButton  "1" chooses it
    //   QDateEdit     a date "dd.mm.yyyy"
    //   QSpinBox      a whole number
    void set(const QString& name, const QString& value);
    // Ticks the row of a tree or table whose visible text is `text` (the
    // first checkable column of that row). A row with children ticks them too.
    // ticked false clears the row (and its children) instead.
    void tick(const QString& text, bool ticked = true);
    // Makes the row of that text the current one, as a click on it does.
    void select(const QString& text);
    // Clicks a button by object name; a hidden or disabled button is an error.
    void press(const QString& name);
    // What the steps left aside: a value for a hidden or disabled control is
    // not set, and said so here.
    QStringList notices() const { return m_notices; }
    // The object names of the controls --set and --press can reach.
    QStringList controlNames() const;

private:
    QWidget* find(const QString& name) const;
    QWidget* m_root;
    QStringList m_notices;
};

// One `plan run`: a host window, a bar item, steps on its frame, outputs.
struct RunStep {
    enum Kind { Set, Tick, Untick, Select, Press } kind;
    QString name;  // Set/Press: object name; Tick/Untick/Select: the row's text
    QString value; // Set: the value
};

struct RunRequest {
    QString window; // window key ("frmPlanReport"; any case, or the class name)
    QString item;   // bar caption, or "#N" for the N-th item of the bar (from 1)
    QString user = QStringLiteral("planner");
    std::vector<RunStep> steps;
    QString pdf;         // --pdf FILE
    QString xlsx;        // --xlsx FILE: the printed tables as a spreadsheet
    QString csv;         // --csv FILE: the printed tables as CSV
    QString pngDir;      // --png-dir DIR
    QString staging;     // --staging FILE.csv
    QString stagingDir;  // --staging-dir DIR
    QString templateDir; // --template-dir DIR
    // The host's connection when the caller has one open (the tests read the
    // staging rows of the run through it afterwards); otherwise the run opens
    // its own on the process's default database and closes it at the end.
    Connection* connection = nullptr;
    bool strict = false; // --strict: doubtful data ends the run with status 3
};

// Reads "WINDOW ITEM [--set NAME=VALUE] [--tick TEXT] [--untick TEXT] [--select TEXT]
// [--press NAME] [--pdf FILE] [--xlsx FILE] [--csv FILE] [--png-dir DIR] [--staging FILE] [--staging-dir DIR]
// [--template-dir DIR]".
// Returns the error text, empty when the arguments are good.
QString parseRunArguments(const QStringList& args, RunRequest* out);

// A staging table as the run left it, read by the table's own query.
struct StagedTable {
    QString table;
    QString query;                  // the query the run opened it by
    QStringList columns;            // column names, ID first
    std::vector<QStringList> rows;  // every column as text, in the query's order
};

struct RunResult {
    int status = 0;       // 0 when the run went through and no message box came up
    QStringList errors;   // what went wrong, and the text of every message box
    QStringList messages; // the texts of the message boxes alone
    QStringList written;  // files written
    // Every staging table the run wrote (emptying counts), in the order first
    // written. The rows are private to the run's connection: after the run
    // this is the only place they can be read.
    std::vector<StagedTable> staging;
    const StagedTable* stagedTable(const QString& table) const;
    QStringList doubts;   // records of doubtful data the report met (platform/DataDoubts.h)
    QStringList templateProblems; // a template missing, in error or refused
    QStringList notices;  // values left aside (see FrameDriver::notices)
    QStringList html;     // the rendered documents of the report, in order
    int pages = -1;       // prepared pages (-1: no pages were asked for, none laid out)
    int rows = -1;        // rows of the report's main staging table (-1: it wrote none)
    // Seconds from the step that makes the report (the show button pressed,
    // or the row picked of a sheet made at once) to its rows written and its
    // documents rendered, as the preview would show them: what the user
    // waits for once the window and the item are open. Opening the window,
    // its connection and the item, and the run's own reading back of the
    // staging tables and writing of files, are not in it.
    double reportSeconds = 0;
};

// Opens the window on the process's default database, opens the item,
// applies the steps in order (pressing cmdReport at the end when no step
// presses a button) and writes the outputs asked for. A run that ends in a
// message box writes only the staging folder (the tables it emptied, with
// their header alone).
RunResult runItem(const RunRequest& request);

} // namespace plan::shell
