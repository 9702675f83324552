#include "frames/DataChecks.h"

#include "data/FleetCheck.h"
#include "data/FleetRules.h"
#include "platform/DataDoubts.h"
#include "platform/Dataset.h"

namespace plan::frames {
namespace {
void note(const Dataset& row, int pos, const QString& key, const QString& why)
{
    if (why.isEmpty()) return;
    DataDoubts::add({row.tableName(), key, row.fieldName(pos).toUpper(), row.str(pos), why});
}
} // namespace

QString rowKey(const Dataset& row, int numberPos)
{
    return QStringLiteral("ID %1 (№ %2)").arg(row.str(0), row.str(numberPos));
}

void noteRunningTime(const Dataset& row, int pos, const QString& key)
{
    note(row, pos, key, data::runningTimeFault(row.str(pos)));
}

void noteCount(const Dataset& row, int pos, const QString& key) { note(row, pos, key, data::countFault(row.field(pos).value())); }

void noteLimit(const Dataset& row, int pos, const QString& key) { note(row, pos, key, data::limitFault(row.field(pos).value())); }

void noteShare(const QString& type, const QString& column, const QVariant& value)
{
    const QString why = data::shareFault(value);
    if (!why.isEmpty())
        DataDoubts::add({QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("тип ") + type, column, value.toString(), why});
}

void noteTypeRows(const QString& type, int rows)
{
    if (rows == 1) return;
    DataDoubts::add({QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("тип ") + type, QString(), QString(),
                     rows == 0 ? QStringLiteral("нет строки типа: наземная наработка не учитывается")
                               : QStringLiteral("тип записан %1 раза: взята первая строка").arg(rows)});
}

void noteFlightTime(const Dataset& spravka, int pos)
{
    if (!spravka.field(pos).isNull()) return;
    const int datePos = spravka.fieldIndex(QStringLiteral("DATA_POLETA"));
    const int boardPos = spravka.fieldIndex(QStringLiteral("BORTOVOI_NOMER"));
    const QDate d = datePos >= 0 ? spravka.field(datePos).asDate() : QDate();
    DataDoubts::add({QStringLiteral("SPRAVKA"),
                     QStringLiteral("ID %1, ВС %2%3")
                         .arg(spravka.str(0), boardPos >= 0 ? spravka.str(boardPos) : QString(),
                              d.isValid() ? d.toString(QStringLiteral(", dd.MM.yyyy")) : QString()),
                     spravka.fieldName(pos).toUpper(), QString(), QStringLiteral("время не заполнено: считается нулем")});
}

void noteFleetReach(Connection& c, const QString& table)
{
    for (const Doubt& d : data::checkTypes(c)) DataDoubts::add(d);
    for (const Doubt& d : data::checkPlaces(c, table)) DataDoubts::add(d);
}

} // namespace plan::frames
