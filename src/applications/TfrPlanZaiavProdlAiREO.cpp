#include "applications/TfrPlanZaiavProdlAiREO.h"

#include "applications/ProdlCommon.h"
#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"

#include <climits>

namespace plan::applications {
namespace {
using frames::sqlText;

class AiREOWriter {
public:
    AiREOWriter(Connection* c, const SlgDocOptions& o) : m_c(c), m_o(o) {}

    ProdlDocument build()
    {
        ProdlDocument doc;
        const QString document = QString::fromUtf8(kAiREODocument);
        const std::vector<SlgTunedLine> lines = readProdlList(m_c, m_o.type, document);
        if (lines.empty()) return doc;
        doc.tuned = true;
        m_op = readProdlOperator(m_c, m_o.operatorCode);
        m_title = appendixTitle(m_o.type, true);
        m_names = readStandardNames(m_c, QStringLiteral("ETAAGREGAT"), m_o.type);
        QString system;
        int last = 0; // ID of the current system's last tuned line
        for (const SlgTunedLine& line : lines) {
            if (line.system.isEmpty()) continue;
            if (line.system != system || line.id > last) {
                system = line.system;
                last = queryScalar(m_c, QStringLiteral("Select Max(ID) From TUNE_REPORTS Where TIP_VS=") + sqlText(m_o.type) +
                                            QStringLiteral(" And Upper(TIP_REPORT) Like Upper('PRODLENIE') And ") +
                                            QStringLiteral("Upper(NAME_REPORT) Like Upper(") + sqlText(document) +
                                            QStringLiteral(") And SYSTEMA=") + sqlText(system) + QStringLiteral(";"))
                           .toInt();
                newRow(QStringLiteral("S")).set(reo::Name, system);
            }
            SlgTunedLine named = line;
            if (named.caption.trimmed().isEmpty()) named.caption = m_names.value(line.etalonId).first;
            if (line.combined.compare(QStringLiteral("Сводный"), Qt::CaseInsensitive) == 0) someAdd(named);
            else if (line.quantity <= 1) singleAdd(named);
            else manyAdd(named);
        }
        doc.rows = std::move(m_rows);
        return doc;
    }

private:
    StagingRow& newRow(const QString& role)
    {
        StagingRow r;
        if (role == QLatin1String("U")) ++m_number;
        r.set(reo::Number, m_number + (role == QLatin1String("U") ? 0 : 1)).set(reo::Appendix, m_title)
            .set(reo::Prepared, m_op.prepared).set(reo::OperatorName, m_op.name).set(reo::Phone, m_op.phone)
            .set(reo::Post, m_op.post).set(reo::Role, role).set(reo::Aircraft, m_o.type + QLatin1Char(' ') + m_o.board);
        m_rows.push_back(r);
        return m_rows.back();
    }

    QString unitQuery(const SlgTunedLine& line, const QString& place) const
    {
        return QStringLiteral("Select * From AGREGAT  Where (((TIP_VS)=") + sqlText(m_o.type) +
               QStringLiteral(") AND ((GDE_STOIT)=") + sqlText(m_o.board) +
               (place.isNull() ? QString() : QStringLiteral(")  AND ((MESTO_USTANOVKI)=") + sqlText(place)) +
               QStringLiteral(") AND ((ID_NAME)=") + sqlText(line.etalonId) + QStringLiteral("));");
    }

    // Writes a row per unit of the query (at most `limit`); false when none.
    bool addFound(const SlgTunedLine& line, const QString& place, const QString& name, int limit)
    {
        auto ds = openQuery(m_c, unitQuery(line, place));
        int n = 0;
        for (; !ds->eof() && n < limit; ds->next(), ++n) agrREOAdd(newRow(QStringLiteral("U")).set(reo::Name, name), *ds);
        return n > 0;
    }

    // FunSomeAdd: every unit of the combined passport, position by position.
    void someAdd(const SlgTunedLine& line)
    {
        const QString name = line.caption + QStringLiteral(" (сводный паспорт)");
        bool any = false;
        for (const QString& place : installPlaces(line.places)) any = addFound(line, place, name, INT_MAX) || any;
        if (!any) newRow(QStringLiteral("U")).set(reo::Name, name);
    }

    // FunSigleAdd: the one unit of the line.
    void singleAdd(const SlgTunedLine& line)
    {
        if (!addFound(line, QString(), line.caption, 1)) newRow(QStringLiteral("U")).set(reo::Name, line.caption);
    }

    // FunManyAdd: every unit of the line on the board.
    void manyAdd(const SlgTunedLine& line)
    {
        if (!addFound(line, QString(), line.caption, INT_MAX)) newRow(QStringLiteral("U")).set(reo::Name, line.caption);
    }

    // FunAgrREOAdd: the data of an installed unit.
    void agrREOAdd(StagingRow& row, const Dataset& ds)
    {
        namespace a = pos::agregat;
        const bool done = unitOverhauled(ds);
        const UnitRunning r = unitRunning(*m_c, ds, ds.str(a::NEPRERYVNO).trimmed() == QLatin1String("1"), m_o.board);
        row.set(reo::Serial, ds.str(a::ZAVODSKOY_NOMER)).set(reo::Made, dateText(ds, a::IZGOTOVLEN_DATA))
            .set(reo::OverhaulDate, done ? dashIfEmpty(dateText(ds, a::REMONT_DATA)) : QStringLiteral("-"))
            .set(reo::Overhauls, done ? ds.str(a::VSEGO_REMONTOV) : QStringLiteral("-"))
            .set(reo::Installed, dateText(ds, a::DATA_USTANOVKI)).set(reo::SinceNew, r.sinceNew)
            .set(reo::SinceOverhaul, r.sinceOverhaul).set(reo::Measure, r.measure);
    }

    Connection* m_c;
    const SlgDocOptions& m_o;
    ProdlOperator m_op;
    QString m_title;
    StandardNames m_names;
    int m_number = 0;
    std::vector<StagingRow> m_rows;
};
} // namespace

QStringList installPlaces(const QString& list)
{
    QStringList places;
    for (const QString& p : list.split(QLatin1Char(';')))
        if (!p.trimmed().isEmpty()) places << p.trimmed();
    return places;
}

ProdlDocument buildProdlAiREO(Connection* c, const SlgDocOptions& o) { return AiREOWriter(c, o).build(); }

void TfrPlanZaiavProdlAiREO::FunDocument(const SlgDocOptions& o)
{
    const ProdlDocument doc = buildProdlAiREO(ADOConPdo, o);
    if (!doc.tuned) {
        showNoTunedList(o.type);
        return;
    }
    showRows(o, QStringLiteral("Перечень пилотажно-навигационного оборудования и АиРЭО"), QString::fromUtf8(kAiREOQuery),
             QStringLiteral("rep02"), doc.rows);
}

PLAN_REGISTER_FRAME(TfrPlanZaiavProdlAiREO)

} // namespace plan::applications
