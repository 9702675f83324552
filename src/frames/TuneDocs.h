#pragma once
// The saved lists of the tuned sheets and reports (TUNE_DOCS), as the frames
// that follow them read them: "Select * From TUNE_DOCS Where
// NAME_REPORT='<name>' Order By NUMBER_LINE, ID;".
#include <QString>
#include <vector>

namespace plan {
class Connection;
}

namespace plan::frames {

struct TuneDocRow {
    int line = 0;      // NUMBER_LINE
    QString unitName;  // position 3
    QString drawing;   // position 4
    QString key;       // position 5, the kind code ("Dvigatel", "Agregat", ...), trimmed
    QString etalonId;  // position 6
};

std::vector<TuneDocRow> readTuneDocs(Connection* c, const QString& reportName);

} // namespace plan::frames
