#pragma once
// How this process uses the Firebird client library, set up once before the
// first call into it:
//
// - The embedded engine runs in the mode that lets several processes open
//   one database file at once (the host window and a `plan` batch on the same
//   desktop): the client is pointed at a firebird.conf of the module with
//   ServerMode = SuperClassic, unless FIREBIRD already names a configuration
//   of the operator's own.
// - SIGTERM and SIGINT end the process. The client's own handler would close
//   the attachments and leave the process running without them; instead the
//   signal wakes a thread that has the client shut down (fb_shutdown: every
//   attachment closed, its transactions rolled back), and the shutdown
//   callback registered here ends the process with 128 + the signal number
//   (143, 130). A signal the program was started with ignored stays ignored.
#include <QString>
#include <QStringList>

namespace plan::firebird {

// Points the client at the module's engine configuration and registers the
// shutdown callback. Idempotent; Connection calls it before every attach.
void prepareClient();

// Puts the module's SIGTERM and SIGINT handlers in place (prepareClient does
// it before the first attach, so that the client keeps out of them; after an
// attach this checks they are still there).
void watchSignals();

// The folder of the module's engine configuration (firebird.conf).
QString configFolder();
// The text of that firebird.conf.
QString configText();

// The processes (program name and id) other than this one that hold the file
// open, read from /proc; empty when none can be seen.
QStringList processesHolding(const QString& path);

// The message for an embedded database file another process holds in a mode
// that excludes this one; empty when the engine's text is about something else.
QString lockConflictMessage(const QString& path, const QString& engineText);

} // namespace plan::firebird
