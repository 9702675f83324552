#pragma once
// Shared fixtures of the test suites: a scratch folder per test binary and a
// fresh maintenance database built from the schema.
#include "platform/Connection.h"

#include <QString>
#include <memory>

namespace plantest {

// A folder under the system temp folder, removed at exit.
QString scratchDir();
// A new empty database file with the full schema, at a unique path.
QString createSchemaDatabase(const QString& name = QString());
// Opens a connection on a database file.
std::unique_ptr<plan::Connection> connect(const QString& path);
// Writes a text file (UTF-8), creating its folder.
void writeFile(const QString& path, const QString& text);
// Copies the shipped templates (shared parts and every window's folder) under
// home/templates, as an installation has them.
void installTemplates(const QString& home);

} // namespace plantest
