#pragma once
// Staging rows as a CSV file, for checking a report's data outside the
// preview: UTF-8, a header line of the column names, the columns in table
// order, fields quoted as RFC 4180 asks (CRLF line ends).
#include <QString>

namespace plan {

class Dataset;

// Writes the rows the dataset holds (open it first). Throws std::runtime_error
// naming the file when it cannot be written.
void exportCsv(const Dataset& ds, const QString& path);

// One field as it appears in the file.
QString csvField(const QString& value);

} // namespace plan
