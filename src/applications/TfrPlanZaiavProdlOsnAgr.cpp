#include "applications/TfrPlanZaiavProdlOsnAgr.h"

#include "applications/ProdlCommon.h"
#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "rarozidi/Func.h"

#include <QHash>

namespace plan::applications {
namespace {
using frames::sqlText;

// Column positions of the overhaul data of a component record.
struct Overhaul {
    int count, date, plant;
};

class OsnAgrWriter {
public:
    OsnAgrWriter(Connection* c, const SlgDocOptions& o) : m_c(c), m_o(o) {}

    ProdlDocument build()
    {
        ProdlDocument doc;
        const std::vector<SlgTunedLine> lines = readProdlList(m_c, m_o.type, QString::fromUtf8(kOsnAgrDocument));
        if (lines.empty()) return doc;
        doc.tuned = true;
        m_kod = readKodVS(m_c, m_o.type);
        m_units = readStandardNames(m_c, QStringLiteral("ETAAGREGAT"), m_o.type);
        m_hubs = readStandardNames(m_c, QStringLiteral("ETA_VTULKA_NV"), m_o.type);
        m_op = readProdlOperator(m_c, m_o.operatorCode);
        m_reg = openQuery(m_c, QStringLiteral("Select * From REESTR Where TIP_VS=") + sqlText(m_o.type) +
                                   QStringLiteral(" And BORTOVOI_NOMER=") + sqlText(m_o.board) + QStringLiteral(";"));
        if (!m_reg->eof())
            m_heading = osnAgrHeading(m_kod, m_o.type, m_o.board, m_reg->str(pos::reestr::VARIANT_VS).trimmed());
        for (const SlgTunedLine& line : lines) add(line);
        doc.rows = std::move(m_rows);
        return doc;
    }

private:
    QString where(const QString& table, const QString& place) const
    {
        return QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE (((Tip_VS)=") + sqlText(m_o.type) + QStringLiteral(") AND ((") + place + QStringLiteral(")=") +
               sqlText(m_o.board) + QStringLiteral(")");
    }

    StagingRow& newRow()
    {
        StagingRow r;
        r.set(osn::Number, static_cast<int>(m_rows.size()) + 1).set(osn::Heading, m_heading)
            .set(osn::Prepared, m_op.prepared).set(osn::Name, m_op.name).set(osn::Phone, m_op.phone);
        m_rows.push_back(r);
        return m_rows.back();
    }

    // Positions 6 to 8: the overhauls, "-" each when there was none.
    static bool putOverhaul(StagingRow& r, const Dataset& ds, const Overhaul& cols)
    {
        const bool done = ds.str(cols.count).trimmed().toInt() > 0;
        r.set(osn::Overhauls, done ? ds.str(cols.count) : QStringLiteral("-"))
            .set(osn::OverhaulDate, done ? dashIfEmpty(dateText(ds, cols.date)) : QStringLiteral("-"))
            .set(osn::Plant, done ? dashIfEmpty(ds.str(cols.plant)) : QStringLiteral("-"));
        return done;
    }

    void add(const SlgTunedLine& line)
    {
        const QString& k = line.kind;
        if (k == QLatin1String("Plane")) plane();
        else if (k == QLatin1String("Dvigatel")) engines();
        else if (k == QLatin1String("VSU")) apus();
        else if (k == QLatin1String("Reductor")) gearboxes();
        else if (k == QLatin1String("LopastNV")) blades(true);
        else if (k == QLatin1String("LopastHV")) blades(false);
        else if (k == QLatin1String("HvostovoyVint")) tailRotors();
        else if (k == QLatin1String("Shlang")) hoses();
        else if (k == QLatin1String("Agregat")) units(line, false);
        else if (k == QLatin1String("VtulkaNV")) units(line, true);
    }

    void plane()
    {
        namespace r = pos::reestr;
        const auto& ds = m_reg;
        if (ds->eof()) return;
        StagingRow& row = newRow();
        row.set(osn::Caption, m_kod == 1 ? QStringLiteral("Вертолёт") : QStringLiteral("Самолет"))
            .set(osn::Model, ds->str(r::TIP_VS)).set(osn::Serial, ds->str(r::ZAVODSKOI_NOMER))
            .set(osn::Made, dateText(*ds, r::DATA_IGOTOVLEN));
        const bool done = putOverhaul(row, *ds, {r::VSEGO_REMONTOV, r::REMONT_DATA, r::REMONT_ZAVOD});
        row.set(osn::SinceNew, ds->str(r::NARABOTKA_SNE))
            .set(osn::SinceOverhaul, done ? dashIfEmpty(ds->str(r::NARABOTKA_PPR)) : QStringLiteral("-"))
            .set(osn::Measure, appendixTitle(m_o.type, false));
    }

    // Engines and gearboxes keep the same columns.
    void motorRow(const Dataset& ds, const QString& caption, const QString& model)
    {
        namespace d = pos::dvigatel;
        static_assert(d::NARABOTKA_SNE == pos::reductor::NARABOTKA_SNE && d::REMONT_ZAVOD == pos::reductor::REMONT_ZAVOD &&
                      d::IZGOTOVLEN_DATA == pos::reductor::IZGOTOVLEN_DATA);
        StagingRow& row = newRow();
        row.set(osn::Caption, caption).set(osn::Model, model).set(osn::Serial, ds.str(d::ZAVODSKOI_NOMER))
            .set(osn::Made, dateText(ds, d::IZGOTOVLEN_DATA));
        const bool done = putOverhaul(row, ds, {d::VSEGO_REMONTOV, d::REMONT_DATA, d::REMONT_ZAVOD});
        row.set(osn::SinceNew, ds.str(d::NARABOTKA_SNE))
            .set(osn::SinceOverhaul, done ? dashIfEmpty(ds.str(d::NARABOTKA_PPR)) : QStringLiteral("-"))
            .set(osn::Measure, QStringLiteral("в часах"));
    }

    void engines()
    {
        namespace d = pos::dvigatel;
        auto ds = openQuery(m_c, where(QStringLiteral("Dvigatel"), QStringLiteral("Gde_stoit")) +
                                     QStringLiteral(") ORDER BY ODIN_DVA;"));
        const int count = ds->recordCount();
        for (; !ds->eof(); ds->next())
            motorRow(*ds, QStringLiteral("Двигатели"), ds->str(d::NAZVANIE_DVIGATELYA) + enginePlace(ds->str(d::ODIN_DVA), count));
    }

    void gearboxes()
    {
        auto ds = openQuery(m_c, where(QStringLiteral("Reductor"), QStringLiteral("Gde_stoit")) +
                                     QStringLiteral(") ORDER BY ID;"));
        for (; !ds->eof(); ds->next())
            motorRow(*ds, QStringLiteral("Главный редуктор"), ds->str(pos::reductor::NAZVANIE_REDUCTORA));
    }

    void apus()
    {
        namespace v = pos::vsu;
        auto ds = openQuery(m_c, QStringLiteral("SELECT * FROM VSU WHERE (((TIP_VS)=") + sqlText(m_o.type) +
                                     QStringLiteral(") AND ((MESTO_USTANOVKI)=") + sqlText(m_o.board) +
                                     QStringLiteral(")) ORDER BY ID;"));
        for (; !ds->eof(); ds->next()) {
            const QString model = ds->str(v::NAZVANIE);
            // Two rows: running hours (summed for the ТА-14-130, total for
            // the others) and starts.
            const bool ta14 = isTa14(model);
            const int rows[2][3] = {{ta14 ? v::SUMMA_SNE : v::OBSHAIA_SNE, ta14 ? v::SUMMA_PPR : v::OBSHAIA_PPR, 0},
                                    {v::ZAPUSKI_SNE, v::ZAPUSKI_PPR, 1}};
            for (const auto& m : rows) {
                StagingRow& row = newRow();
                row.set(osn::Caption, QStringLiteral("ВСУ")).set(osn::Model, model)
                    .set(osn::Serial, ds->str(v::ZAVODSKOY_NOMER)).set(osn::Made, dateText(*ds, v::IZGOTOVLEN_DATA));
                const bool done = putOverhaul(row, *ds, {v::VSEGO_REMONTOV, v::REMONT_DATA, v::REMONT_ZAVOD});
                row.set(osn::SinceNew, dashIfEmpty(ds->str(m[0])))
                    .set(osn::SinceOverhaul, done ? dashIfEmpty(ds->str(m[1])) : QStringLiteral("-"))
                    .set(osn::Measure, m[2] ? QStringLiteral("запуски") : QStringLiteral("в часах"));
            }
        }
    }

    void blades(bool main)
    {
        namespace l = pos::lopast;
        auto ds = openQuery(m_c, where(QStringLiteral("LOPAST"), QStringLiteral("Gde_stoit")) +
                                     QStringLiteral(" AND ((TIP_VINTA)=") +
                                     (main ? QStringLiteral("'Несущий'") : QStringLiteral("'Хвостовой'")) +
                                     QStringLiteral(")) ORDER BY ID;"));
        for (; !ds->eof(); ds->next()) {
            StagingRow& row = newRow();
            row.set(osn::Caption, main ? QStringLiteral("Лопасти НВ") : QStringLiteral("Лопасти рулевого винта"))
                .set(osn::Model, ds->str(l::NAZVANIE))
                .set(osn::Serial, ds->str(l::ZAVODSKOY_NOMER).replace(QLatin1Char('_'), QLatin1Char(' ')))
                .set(osn::Made, dateText(*ds, l::IZGOTOVLEN_DATA));
            const bool done = putOverhaul(row, *ds, {l::VSEGO_REMONTOV, l::REMONT_DATA, l::REMONT_ZAVOD});
            const QString unit = QStringLiteral("лопасть № ") + ds->str(l::ZAVODSKOY_NOMER);
            row.set(osn::SinceNew, countChecked(*m_c, *ds, l::NARABOTKA_SNE, rarozidi::FunNepNarLopast, m_o.board, unit))
                .set(osn::SinceOverhaul, done ? countChecked(*m_c, *ds, l::NARABOTKA_PPR, rarozidi::FunNepNarLopast,
                                                             m_o.board, unit)
                                              : QStringLiteral("-"))
                .set(osn::Measure, QStringLiteral("в часах"));
        }
    }

    void tailRotors()
    {
        namespace h = pos::hvostovoy_vint;
        auto ds = openQuery(m_c, where(QStringLiteral("HVOSTOVOY_VINT"), QStringLiteral("Gde_stoit")) +
                                     QStringLiteral(") ORDER BY ID;"));
        for (; !ds->eof(); ds->next()) {
            StagingRow& row = newRow();
            row.set(osn::Caption, QStringLiteral("Винт рулевой")).set(osn::Model, ds->str(h::NAZVANIE_VINT))
                .set(osn::Serial, ds->str(h::ZAVODSKOY_NOMER)).set(osn::Made, dateText(*ds, h::IZGOTOVLEN_DATA));
            const bool done = putOverhaul(row, *ds, {h::VSEGO_REMONTOV, h::REMONT_DATA, h::REMONT_ZAVOD});
            const QString unit = QStringLiteral("рулевой винт № ") + ds->str(h::ZAVODSKOY_NOMER);
            row.set(osn::SinceNew, countChecked(*m_c, *ds, h::NARABOTKA_SNE, rarozidi::FunNepNarHvostVint, m_o.board, unit))
                .set(osn::SinceOverhaul, done ? countChecked(*m_c, *ds, h::NARABOTKA_PPR, rarozidi::FunNepNarHvostVint,
                                                             m_o.board, unit)
                                              : QStringLiteral("-"))
                .set(osn::Measure, QStringLiteral("в часах"));
        }
    }

    void hoses()
    {
        namespace s = pos::shlang;
        newRow().set(osn::Caption, QStringLiteral("Шланги систем:"));
        auto systems = openQuery(m_c, QStringLiteral("SELECT DISTINCT SYSTEMA FROM SHLANG WHERE SYSTEMA<>'' And TIP_VS=") +
                                          sqlText(m_o.type) + QStringLiteral(" ORDER BY SYSTEMA;"));
        static const char* const tails[] = {
            "And (VID_UCHETA=0 Or VID_UCHETA=2) And UCHET_OT_DATY_UST=0 Order By DATA_VYPUSKA_RUKAVA;",
            "And (VID_UCHETA=0 Or VID_UCHETA=2) And UCHET_OT_DATY_UST=1 Order By DATA_USTANOVKI;",
            "And (VID_UCHETA=1 Or VID_UCHETA=2) Order By DATA_VYPUSKA_RUKAVA;"};
        for (; !systems->eof(); systems->next()) {
            const QString system = systems->str(0);
            for (int g = 0; g < 3; ++g) {
                auto ds = openQuery(m_c, QStringLiteral("SELECT * FROM SHLANG WHERE SYSTEMA=") + sqlText(system) +
                                             QStringLiteral(" And TIP_VS=") + sqlText(m_o.type) +
                                             QStringLiteral(" And GDE_STOIT=") + sqlText(m_o.board) + QStringLiteral(" ") +
                                             QString::fromLatin1(tails[g]));
                for (; !ds->eof(); ds->next()) {
                    StagingRow& row = newRow();
                    row.set(osn::Caption, system).set(osn::Model, ds->str(s::NAZVANIE) + QLatin1Char(' ') + ds->str(s::CHERT_NOMER))
                        .set(osn::Serial, ds->str(s::ZAVODSKOY_NOMER)).set(osn::Made, monthYear(*ds, s::DATA_VYPUSKA_RUKAVA))
                        .set(osn::Overhauls, QStringLiteral("-")).set(osn::OverhaulDate, QStringLiteral("-"))
                        .set(osn::Plant, QStringLiteral("-")).set(osn::SinceOverhaul, QStringLiteral("-"));
                    if (g < 2) {
                        // Calendar life from the month of manufacture or of installation.
                        const int from = g == 0 ? s::DATA_VYPUSKA_RUKAVA : s::DATA_USTANOVKI;
                        const QDate d = ds->field(from).isNull() ? QDate() : ds->field(from).asDate();
                        row.set(osn::SinceNew, calendarAge(d.isValid() ? QDate(d.year(), d.month(), 1) : d, Clock::today()))
                            .set(osn::Measure, QStringLiteral("в годах"));
                    } else {
                        const QString stored = ds->str(s::NARABOTKA_SNE).trimmed();
                        if (!stored.isEmpty())
                            runningMinutes(stored, m_o.board, QStringLiteral("шланг № ") + ds->str(s::ZAVODSKOY_NOMER),
                                           QStringLiteral("NARABOTKA_SNE"));
                        row.set(osn::SinceNew, rarozidi::FunNepNarShlang(*m_c, *ds)).set(osn::Measure, QStringLiteral("в часах"));
                    }
                }
            }
        }
    }

    // "mm.yy" of a date column, "" for NULL.
    static QString monthYear(const Dataset& ds, int column)
    {
        return ds.field(column).isNull() ? QString() : ds.field(column).asDate().toString(QStringLiteral("MM.yy"));
    }

    void units(const SlgTunedLine& line, bool hub)
    {
        namespace a = pos::agregat;
        static_assert(a::SYSTEMA == pos::vtulka_nv::SYSTEMA && a::ZAVODSKOY_NOMER == pos::vtulka_nv::ZAVODSKOY_NOMER &&
                      a::REMONT_ZAVOD == pos::vtulka_nv::REMONT_ZAVOD);
        const QString table = hub ? QStringLiteral("VTULKA_NV") : QStringLiteral("AGREGAT");
        auto ds = openQuery(m_c, QStringLiteral("Select * From ") + table + QStringLiteral("  Where (((TIP_VS)=") +
                                     sqlText(m_o.type) + QStringLiteral(") AND ((GDE_STOIT)=") + sqlText(m_o.board) +
                                     QStringLiteral(") AND ((ID_NAME)=") + sqlText(line.etalonId) + QStringLiteral("));"));
        const auto standard = (hub ? m_hubs : m_units).value(line.etalonId, {line.caption, line.drawing});
        if (ds->eof()) {
            // Not installed: the standard name alone when the aircraft should carry one.
            if (line.quantity >= 1) newRow().set(osn::Caption, standard.first);
            return;
        }
        for (; !ds->eof(); ds->next()) {
            StagingRow& row = newRow();
            QString drawing = standard.second;
            const QString note = ds->str(a::SYSTEMA).trimmed();
            if (!note.isEmpty() && note.toUpper() != QStringLiteral("НЕТ"))
                drawing += QStringLiteral(" (") + note.toLower() + QLatin1Char(')');
            row.set(osn::Caption, standard.first).set(osn::Model, drawing);
            addUnit(row, *ds);
        }
    }

    // FunOsnAgrAdd: the data of an installed unit.
    void addUnit(StagingRow& row, const Dataset& ds)
    {
        namespace a = pos::agregat;
        row.set(osn::Serial, ds.str(a::ZAVODSKOY_NOMER)).set(osn::Made, dateText(ds, a::IZGOTOVLEN_DATA));
        putOverhaul(row, ds, {a::VSEGO_REMONTOV, a::REMONT_DATA, a::REMONT_ZAVOD});
        const UnitRunning r = unitRunning(*m_c, ds, ds.str(a::NEPRERYVNO).trimmed() == QLatin1String("1"), m_o.board);
        row.set(osn::SinceNew, r.sinceNew).set(osn::SinceOverhaul, r.sinceOverhaul).set(osn::Measure, r.measure);
    }

    Connection* m_c;
    const SlgDocOptions& m_o;
    int m_kod = 1;
    QString m_heading;
    std::unique_ptr<Dataset> m_reg; // the register row
    ProdlOperator m_op;
    StandardNames m_units, m_hubs;
    std::vector<StagingRow> m_rows;
};
} // namespace

QString osnAgrHeading(int kodVS, const QString& type, const QString& board, const QString& variant)
{
    if (kodVS == 0)
        return QStringLiteral("о самолете ") + type + QStringLiteral(" -") + board +
               QStringLiteral(", его основных агрегатах и комплектующих изделиях.");
    return QStringLiteral("о вертолёте ") + type + (type == QStringLiteral("Ми-8") ? variant : QString()) +
           QLatin1Char(' ') + board + QStringLiteral(", его основных агрегатах и комплектующих изделиях.");
}

ProdlDocument buildProdlOsnAgr(Connection* c, const SlgDocOptions& o) { return OsnAgrWriter(c, o).build(); }

void TfrPlanZaiavProdlOsnAgr::FunDocument(const SlgDocOptions& o)
{
    const ProdlDocument doc = buildProdlOsnAgr(ADOConPdo, o);
    if (!doc.tuned) {
        showNoTunedList(o.type);
        return;
    }
    showRows(o, QStringLiteral("Сведения об основных агрегатах"), QString::fromUtf8(kOsnAgrQuery), QStringLiteral("rep03"),
             doc.rows);
}

PLAN_REGISTER_FRAME(TfrPlanZaiavProdlOsnAgr)

} // namespace plan::applications
