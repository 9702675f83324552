#pragma once
// Report templates of the installation: <home>/templates/<window key>/<code>.html.
// The report cycle deletes the file it was given once the report is shown,
// so every request gets a fresh copy of its own.
#include <QString>

namespace plan {

// Where the template of a report lives in the installation folder.
QString templateSourcePath(const QString& windowKey, const QString& code);

// Copies the template to a new unique file in the temp folder and returns
// that file's path. When the installation has no such template (or it cannot
// be copied) the returned path names a file that does not exist, which the
// report component loads as an empty report.
// `problem`, when given, receives why there is no copy ("" when there is).
QString freshTemplateCopy(const QString& windowKey, const QString& code, QString* problem = nullptr);

} // namespace plan
