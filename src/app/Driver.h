#pragma once
// The command-line driver `plan`: global options, then one command.
//   plan [--db CS] [--db-user USER] [--db-password PASSWORD] [--home DIR] [--user NAME] [--today YYYY-MM-DD] [--now ISO] COMMAND ...
#include <QString>
#include <QStringList>

namespace plan {

struct DriverContext {
    QString db;   // connection string (--db, PLAN_DB)
    QString user; // user name handed to the windows (--user, PLAN_USER)
};

int runDriver(const QStringList& args);

// Commands; each takes the arguments after its name and returns the exit status.
int cmdDemoDb(const DriverContext& ctx, const QStringList& args);
int cmdInfo(const DriverContext& ctx, const QStringList& args);
int cmdWindows(const DriverContext& ctx, const QStringList& args);
int cmdItems(const DriverContext& ctx, const QStringList& args);
int cmdRun(const DriverContext& ctx, const QStringList& args);
int cmdBatch(const DriverContext& ctx, const QStringList& args);
int cmdNalet(const DriverContext& ctx, const QStringList& args);
int cmdTuneReports(const DriverContext& ctx, const QStringList& args);
int cmdTuneSheets(const DriverContext& ctx, const QStringList& args);
int cmdCheck(const DriverContext& ctx, const QStringList& args);

// Reads the value after option args[*i] into *value and moves *i past it;
// says "OPTION needs a value" and returns false when there is none.
bool optionValue(const QStringList& args, int* i, QString* value);

// The usage of a command ("run", "nalet"), or of the driver as a whole.
QString commandUsage(const QString& command);

// Writes a line to stdout / stderr (UTF-8).
void out(const QString& line);
void err(const QString& line);

} // namespace plan
