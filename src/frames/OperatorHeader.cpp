#include "frames/OperatorHeader.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"

namespace plan::frames {

OperatorHeader OperatorHeader::read(Connection* c, const QString& query)
{
    OperatorHeader h;
    Dataset ds(c);
    ds.setCommandText(query);
    ds.open();
    if (ds.eof()) return h;
    for (int i = 0; i < ds.fieldCount(); ++i) h.m_values << ds.str(i);
    return h;
}

OperatorHeader OperatorHeader::ofOperator(Connection* c, const QString& operatorCode)
{
    return read(c, QStringLiteral("Select * From OBSHIE Where EXPLUATANT=") + sqlText(operatorCode) +
                       QStringLiteral(" Order By ID;"));
}

OperatorHeader OperatorHeader::ofOwner(Connection* c, const QString& ownerCode)
{
    return read(c, QStringLiteral("Select * From OBSHIE Where VLADELETS=") + sqlText(ownerCode) +
                       QStringLiteral(" Order By ID;"));
}

} // namespace plan::frames
