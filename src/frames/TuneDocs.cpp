#include "frames/TuneDocs.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"

namespace plan::frames {

std::vector<TuneDocRow> readTuneDocs(Connection* c, const QString& reportName)
{
    namespace p = pos::tune_docs;
    Dataset ds(c);
    ds.setCommandText(QStringLiteral("Select * From TUNE_DOCS Where NAME_REPORT=") + sqlText(reportName) +
                      QStringLiteral(" Order By NUMBER_LINE, ID;"));
    ds.open();
    std::vector<TuneDocRow> rows;
    for (; !ds.eof(); ds.next())
        rows.push_back({ds.field(p::NUMBER_LINE).asInteger(), ds.str(p::NAZVANIE), ds.str(p::CHERT_NOMER),
                        ds.str(p::TIP_AGREGATA).trimmed(), ds.str(p::ID_ETALON)});
    return rows;
}

} // namespace plan::frames
