#include "applications/TfrPlanZaiavProdlDublicat.h"

#include "applications/ProdlCommon.h"
#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "rarozidi/Func.h"

#include <QHash>
#include <QSet>

namespace plan::applications {
namespace {
using frames::sqlText;

// Where a unit lies that is not on an aircraft: counted as stored.
bool inStore(const QString& where)
{
    static const QStringList words = {QStringLiteral("Склад"), QStringLiteral("Ремфонд"), QStringLiteral("Ремонт"),
                                      QStringLiteral("Рекламация")};
    return words.contains(where.trimmed());
}

// Columns of a component table that a duplicate row shows.
struct Columns {
    int model, serial, made, overhauls, date, plant, sinceNew, sinceOverhaul;
};

class DublicatWriter {
public:
    DublicatWriter(Connection* c, const SlgDocOptions& o) : m_c(c), m_o(o) {}

    ProdlDocument build()
    {
        ProdlDocument doc;
        const std::vector<SlgTunedLine> lines = readProdlList(m_c, m_o.type, QString::fromUtf8(kDublicatDocument));
        if (lines.empty()) return doc;
        doc.tuned = true;
        const int kod = readKodVS(m_c, m_o.type);
        m_units = readStandardNames(m_c, QStringLiteral("ETAAGREGAT"), m_o.type);
        m_hubs = readStandardNames(m_c, QStringLiteral("ETA_VTULKA_NV"), m_o.type);
        const ProdlOperator op = readProdlOperator(m_c, m_o.operatorCode);
        auto reg = openQuery(m_c, QStringLiteral("Select * From REESTR Where TIP_VS=") + sqlText(m_o.type) +
                                      QStringLiteral(" And BORTOVOI_NOMER=") + sqlText(m_o.board) + QStringLiteral(";"));
        m_base.set(dub::Reason, QStringLiteral("пришел в негодность")).set(dub::Prepared, op.prepared)
            .set(dub::OperatorName, op.name).set(dub::Phone, op.phone)
            .set(dub::Aircraft, m_o.type + QLatin1Char(' ') + m_o.board + QStringLiteral(" заводской № ") +
                                    (reg->eof() ? QString() : reg->str(pos::reestr::ZAVODSKOI_NOMER)))
            .set(dub::Bulletin, bulletinNote(m_o.type))
            .set(dub::AircraftWord, kod == 1 ? QStringLiteral(" вертолета ") : QStringLiteral(" самолета "));
        QSet<QString> done; // the component tables are read once whatever the number of their tuned lines
        for (const SlgTunedLine& line : lines) {
            const QString& k = line.kind;
            if (k == QLatin1String("Agregat") || k == QLatin1String("VtulkaNV")) {
                units(line, k == QLatin1String("VtulkaNV"));
                continue;
            }
            if (done.contains(k)) continue;
            done.insert(k);
            if (k == QLatin1String("Dvigatel")) motors(QStringLiteral("DVIGATEL"), QStringLiteral("Двигатель"), pos::dvigatel::NAZVANIE_DVIGATELYA);
            else if (k == QLatin1String("Reductor")) motors(QStringLiteral("REDUCTOR"), QStringLiteral("Главный редуктор"), pos::reductor::NAZVANIE_REDUCTORA);
            else if (k == QLatin1String("VSU")) apus();
            else if (k == QLatin1String("LopastNV")) blades(true);
            else if (k == QLatin1String("LopastHV")) blades(false);
            else if (k == QLatin1String("HvostovoyVint")) tailRotors();
        }
        doc.rows = std::move(m_rows);
        return doc;
    }

private:
    QString head(const QString& table, const QString& place) const
    {
        return QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE (((TIP_VS)=") + sqlText(m_o.type) +
               QStringLiteral(") AND ((") + place + QStringLiteral(")=") + sqlText(m_o.board) +
               QStringLiteral(") AND ((DUBLICAT)='1')");
    }

    // A row from the columns as stored; running times as given.
    StagingRow& row(const QString& name, const Dataset& ds, const Columns& c, const QString& sinceNew,
                    const QString& sinceOverhaul)
    {
        StagingRow r = m_base;
        const bool overhauled = ds.str(c.overhauls).trimmed().toInt() > 0;
        r.set(dub::Number, static_cast<int>(m_rows.size()) + 1).set(dub::Name, name).set(dub::Model, ds.str(c.model))
            .set(dub::Serial, ds.str(c.serial)).set(dub::Made, dateText(ds, c.made))
            .set(dub::Overhauls, overhauled ? ds.str(c.overhauls) : QStringLiteral("-"))
            .set(dub::OverhaulDate, overhauled ? dashIfEmpty(dateText(ds, c.date)) : QStringLiteral("-"))
            .set(dub::Plant, overhauled ? dashIfEmpty(ds.str(c.plant)) : QStringLiteral("-"))
            .set(dub::SinceNew, sinceNew).set(dub::SinceOverhaul, overhauled ? dashIfEmpty(sinceOverhaul) : QStringLiteral("-"));
        m_rows.push_back(r);
        return m_rows.back();
    }

    void storedRows(const QString& query, const QString& name, const Columns& c)
    {
        auto ds = openQuery(m_c, query);
        for (; !ds->eof(); ds->next()) row(name, *ds, c, ds->str(c.sinceNew), ds->str(c.sinceOverhaul));
    }

    void motors(const QString& table, const QString& name, int model)
    {
        namespace d = pos::dvigatel;
        storedRows(head(table, QStringLiteral("GDE_STOIT")) + QStringLiteral(");"), name,
                   {model, d::ZAVODSKOI_NOMER, d::IZGOTOVLEN_DATA, d::VSEGO_REMONTOV, d::REMONT_DATA, d::REMONT_ZAVOD,
                    d::NARABOTKA_SNE, d::NARABOTKA_PPR});
    }

    void apus()
    {
        namespace v = pos::vsu;
        auto ds = openQuery(m_c, head(QStringLiteral("VSU"), QStringLiteral("MESTO_USTANOVKI")) + QStringLiteral(");"));
        for (; !ds->eof(); ds->next()) {
            // The ТА-14-130 counts summed hours; the others their total.
            const bool ta14 = isTa14(ds->str(v::NAZVANIE));
            const Columns c{v::NAZVANIE, v::ZAVODSKOY_NOMER, v::IZGOTOVLEN_DATA, v::VSEGO_REMONTOV, v::REMONT_DATA,
                            v::REMONT_ZAVOD, ta14 ? v::SUMMA_SNE : v::OBSHAIA_SNE, ta14 ? v::SUMMA_PPR : v::OBSHAIA_PPR};
            row(QStringLiteral("ВСУ"), *ds, c, ds->str(c.sinceNew), ds->str(c.sinceOverhaul));
        }
    }

    void blades(bool main)
    {
        namespace l = pos::lopast;
        storedRows(head(QStringLiteral("LOPAST"), QStringLiteral("GDE_STOIT")) + QStringLiteral(" AND ((TIP_VINTA)=") +
                       (main ? QStringLiteral("'Несущий'") : QStringLiteral("'Хвостовой'")) +
                       QStringLiteral(")) ORDER BY TIP_VINTA, ID;"),
                   main ? QStringLiteral("Лопасть НВ") : QStringLiteral("Лопасти РВ"),
                   {l::NAZVANIE, l::ZAVODSKOY_NOMER, l::IZGOTOVLEN_DATA, l::VSEGO_REMONTOV, l::REMONT_DATA, l::REMONT_ZAVOD,
                    l::NARABOTKA_SNE, l::NARABOTKA_PPR});
    }

    void tailRotors()
    {
        namespace h = pos::hvostovoy_vint;
        storedRows(head(QStringLiteral("HVOSTOVOY_VINT"), QStringLiteral("GDE_STOIT")) + QStringLiteral(");"),
                   QStringLiteral("Винт рулевой"),
                   {h::NAZVANIE_VINT, h::ZAVODSKOY_NOMER, h::IZGOTOVLEN_DATA, h::VSEGO_REMONTOV, h::REMONT_DATA,
                    h::REMONT_ZAVOD, h::NARABOTKA_SNE, h::NARABOTKA_PPR});
    }

    void units(const SlgTunedLine& line, bool hub)
    {
        namespace a = pos::agregat;
        auto ds = openQuery(m_c, head(hub ? QStringLiteral("VTULKA_NV") : QStringLiteral("AGREGAT"), QStringLiteral("GDE_STOIT")) +
                                     QStringLiteral(" AND ((ID_NAME)=") + sqlText(line.etalonId) + QStringLiteral("));"));
        const auto standard = (hub ? m_hubs : m_units).value(line.etalonId, {line.caption, line.drawing});
        for (; !ds->eof(); ds->next()) {
            // Counted on from the installation only while on an aircraft.
            const bool continuous = !inStore(ds->str(a::GDE_STOIT)) && ds->str(a::NEPRERYVNO).trimmed() == QLatin1String("1");
            auto running = [&](int column) {
                return continuous ? countChecked(*m_c, *ds, column, rarozidi::FunNepNarAgr, m_o.board,
                                                 standard.first + QStringLiteral(" № ") + ds->str(a::ZAVODSKOY_NOMER))
                                  : ds->str(column);
            };
            const bool hours = ds->str(a::ED_IZMERENIA).trimmed().left(1) != QLatin1String("2");
            const UnitRunning years = hours ? UnitRunning{} : unitRunning(*m_c, *ds, false, m_o.board);
            row(standard.first, *ds,
                {a::CHERT_NOMER, a::ZAVODSKOY_NOMER, a::IZGOTOVLEN_DATA, a::VSEGO_REMONTOV, a::REMONT_DATA, a::REMONT_ZAVOD,
                 a::NARABOTKA_SNE, a::NARABOTKA_PPR},
                hours ? running(a::NARABOTKA_SNE) : years.sinceNew,
                hours ? (unitOverhauled(*ds) ? running(a::NARABOTKA_PPR) : QString()) : years.sinceOverhaul)
                .set(dub::Model, standard.second);
        }
    }

    Connection* m_c;
    const SlgDocOptions& m_o;
    StagingRow m_base;
    StandardNames m_units, m_hubs;
    std::vector<StagingRow> m_rows;
};
} // namespace

ProdlDocument buildProdlDublicat(Connection* c, const SlgDocOptions& o) { return DublicatWriter(c, o).build(); }

void TfrPlanZaiavProdlDublicat::FunDocument(const SlgDocOptions& o)
{
    const ProdlDocument doc = buildProdlDublicat(ADOConPdo, o);
    if (!doc.tuned) {
        showNoTunedList(o.type);
        return;
    }
    showRows(o, QStringLiteral("Перечень агрегатов с дубликатами паспортов"), QString::fromUtf8(kDublicatQuery),
             QStringLiteral("rep01"), doc.rows);
}

PLAN_REGISTER_FRAME(TfrPlanZaiavProdlDublicat)

} // namespace plan::applications
