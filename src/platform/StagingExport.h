#pragma once
// Staging rows as a CSV file, for checking a report's data outside the
// preview: UTF-8, a header line of the column names, the columns in table
// order, fields quoted as RFC 4180 asks (CRLF line ends).
#include <QString>
#include <QStringList>
#include <vector>

namespace plan {

class Dataset;

// Writes the rows the dataset holds (open it first). Throws std::runtime_error
// naming the file when it cannot be written.
void exportCsv(const Dataset& ds, const QString& path);
// The same of rows already taken as text (column names first).
void exportCsv(const QStringList& columns, const std::vector<QStringList>& rows, const QString& path);

// The rows the dataset holds, every column as text (as the file shows it).
std::vector<QStringList> rowsAsText(const Dataset& ds);

// One field as it appears in the file.
QString csvField(const QString& value);

} // namespace plan
