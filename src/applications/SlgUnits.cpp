#include "applications/SlgUnits.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"

namespace plan::applications {
namespace {
using frames::sqlText;
using rarozidi::GroundKind;

// The unit words of the messages.
QString unitWord(const QString& what, const QString& serial) { return what + QStringLiteral(" № ") + serial; }

// Whole counts of a stored text ("" reads 0), named when not a number.
long long countOf(const QString& text, const QString& board, const QString& unit, const QString& column)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0;
    bool ok = false;
    const long long n = t.toLongLong(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("ВС %1, %2: значение \"%3\" в столбце %4 не является целым числом. "
                                             "Исправьте запись и повторите.")
                                  .arg(board, unit, text, column));
    return n;
}
} // namespace

SlgUnitReader::SlgUnitReader(Connection* c, const QString& type, const QString& board, const QDate& asOf,
                             const SlgGround& ground, SlgQueries queries)
    : m_c(c), m_type(type), m_board(board), m_asOf(asOf), m_ground(ground), m_q(queries), m_later(c, asOf),
      m_typeUnits(c, true)
{
}

rarozidi::GroundRule SlgUnitReader::continuousRule(GroundKind k)
{
    const int key = static_cast<int>(k);
    auto it = m_rules.find(key);
    if (it == m_rules.end()) it = m_rules.insert(key, rarozidi::readGroundRule(*m_c, m_type, k));
    return *it;
}

QString SlgUnitReader::standardName(bool hub, const QString& id)
{
    if (!m_standardsRead) {
        m_standardsRead = true;
        const bool ordered = m_q == SlgQueries::LimitedLife;
        for (int h = 0; h < 2; ++h) {
            const QString table = h ? QStringLiteral("ETA_VTULKA_NV") : QStringLiteral("ETAAGREGAT");
            const QString sql = ordered ? QStringLiteral("Select * From ") + table + QStringLiteral(" Where ((TIP_VS)=") +
                                              sqlText(m_type) + QStringLiteral(") Order By ID_NAME;")
                                        : QStringLiteral("Select * From ") + table + QStringLiteral(" Where TIP_VS=") +
                                              sqlText(m_type) + QStringLiteral(" Order By ID;");
            auto ds = openQuery(m_c, sql);
            for (; !ds->eof(); ds->next())
                (h ? m_hubNames : m_unitNames).insert(ds->str(pos::etaagregat::ID_NAME).trimmed(),
                                                      ds->str(pos::etaagregat::NAME));
        }
    }
    return (hub ? m_hubNames : m_unitNames).value(id.trimmed());
}

std::vector<SlgUnit> SlgUnitReader::units(const SlgTunedLine& line)
{
    const QString k = line.kind;
    if (k == QLatin1String("Dvigatel")) return engines(QStringLiteral("DVIGATEL"), false);
    if (k == QLatin1String("Reductor")) return engines(QStringLiteral("REDUCTOR"), true);
    if (k == QLatin1String("VSU")) return apus();
    if (k == QLatin1String("LopastNV")) return blades(true);
    if (k == QLatin1String("LopastHV")) return blades(false);
    if (k == QLatin1String("HvostovoyVint")) return tailRotors();
    if (k == QLatin1String("VtulkaNV")) return byStandard(line, true);
    if (k == QLatin1String("Agregat")) return byStandard(line, false);
    return {};
}

std::vector<SlgUnit> SlgUnitReader::engines(const QString& table, bool gearbox)
{
    namespace d = pos::dvigatel; // REDUCTOR has the same positions
    QString sql;
    const QString b = sqlText(m_board), t = sqlText(m_type);
    if (m_q == SlgQueries::LimitedLife)
        sql = QStringLiteral("SELECT * FROM ") + (gearbox ? QStringLiteral("REDUCTOR") : QStringLiteral("Dvigatel")) +
              QStringLiteral(" WHERE (((Tip_VS)=") + t + QStringLiteral(") AND ((Gde_stoit)=") + b +
              (gearbox ? QStringLiteral(")) ORDER BY ID;") : QStringLiteral(")) ORDER BY ODIN_DVA;"));
    else if (m_q == SlgQueries::CheckFlight)
        sql = QStringLiteral("Select * From ") + table + QStringLiteral(" Where TIP_VS=") + t +
              QStringLiteral(" And GDE_STOIT=") + b +
              (gearbox ? QStringLiteral(" Order By ID;") : QStringLiteral(" Order By ODIN_DVA, ID;"));
    else
        sql = QStringLiteral("Select * From ") + (gearbox ? QStringLiteral("REDUCTOR") : QStringLiteral("Dvigatel")) +
              QStringLiteral(" Where GDE_STOIT=") + b +
              (gearbox ? QStringLiteral(" Order By ID;") : QStringLiteral(" Order By ODIN_DVA, ID;"));
    auto ds = openQuery(m_c, sql);
    std::vector<SlgUnit> out;
    const int count = ds->recordCount();
    for (int i = 0; !ds->eof(); ds->next(), ++i) {
        SlgUnit u;
        u.kind = gearbox ? QStringLiteral("Reductor") : QStringLiteral("Dvigatel");
        u.model = ds->str(d::NAZVANIE_DVIGATELYA);
        u.serial = ds->str(d::ZAVODSKOI_NOMER);
        u.made = ds->field(d::IZGOTOVLEN_DATA).asDate();
        u.calendarFrom = ds->field(d::DATA_KALENDAR).asDate();
        u.maker = ds->str(d::IZGOTOVITEL);
        u.plant = ds->str(d::REMONT_ZAVOD);
        u.repairDate = ds->field(d::REMONT_DATA).asDate();
        u.repairs = ds->field(d::VSEGO_REMONTOV).asInteger();
        u.engineIndex = i;
        u.engineCount = count;
        u.assigned = ds->str(d::NAZNACHENNYI_CHASOV);
        u.assignedCal = ds->str(d::NAZNACHENNYI_LET);
        u.overhaul = ds->str(d::MEZHREMONTNYI_CHASOV);
        u.overhaulCal = ds->str(d::MEZHREMONTNYI_LET);
        const QString unit = unitWord(gearbox ? QStringLiteral("главный редуктор") : QStringLiteral("двигатель"), u.serial);
        const long long sne = runningMinutes(ds->str(d::NARABOTKA_SNE), m_board, unit, QStringLiteral("NARABOTKA_SNE"));
        const QString pprText = ds->str(d::NARABOTKA_PPR).trimmed();
        const long long ppr = pprText.isEmpty() ? 0 : runningMinutes(pprText, m_board, unit, QStringLiteral("NARABOTKA_PPR"));
        const rarozidi::FlightColumns cols =
            gearbox ? rarozidi::FlightColumns::Gearbox : rarozidi::engineColumns(ds->str(d::ODIN_DVA).trimmed());
        const long long after =
            m_later.of(m_board).empty() ? 0 : m_later.minutesAfter(m_board, cols, gearbox ? m_ground.reductor : m_ground.dvigatel);
        u.sinceNew = sne - after;
        u.hasSinceNew = true;
        u.sinceOverhaul = ppr - after;
        u.hasSinceOverhaul = !pprText.isEmpty() && u.repaired();
        out.push_back(u);
    }
    return out;
}

std::vector<SlgUnit> SlgUnitReader::apus()
{
    namespace v = pos::vsu;
    const QString b = sqlText(m_board);
    const QString sql =
        m_q == SlgQueries::Act
            ? QStringLiteral("Select * From VSU Where MESTO_USTANOVKI=") + b + QStringLiteral(" Order By ID;")
            : QStringLiteral("SELECT * FROM VSU WHERE (((TIP_VS)=") + sqlText(m_type) +
                  QStringLiteral(") AND ((MESTO_USTANOVKI)=") + b + QStringLiteral(")) ORDER BY ID;");
    auto ds = openQuery(m_c, sql);
    std::vector<SlgUnit> out;
    for (; !ds->eof(); ds->next()) {
        SlgUnit base;
        base.kind = QStringLiteral("VSU");
        base.model = ds->str(v::NAZVANIE);
        base.serial = ds->str(v::ZAVODSKOY_NOMER);
        base.made = ds->field(v::IZGOTOVLEN_DATA).asDate();
        base.plant = ds->str(v::REMONT_ZAVOD);
        base.repairDate = ds->field(v::REMONT_DATA).asDate();
        base.repairs = ds->field(v::VSEGO_REMONTOV).asInteger();
        const QString unit = unitWord(QStringLiteral("ВСУ ") + base.model, base.serial);
        for (const ApuMeasureLine& m : apuMeasures(base.model)) {
            SlgUnit u = base;
            u.apuWord = QString::fromUtf8(m.word);
            u.counts = !m.hours;
            const QString column = ds->fieldName(m.sinceNew) + QStringLiteral(", ") + ds->fieldName(m.sinceOverhaul);
            try {
                const auto [sne, ppr] = m_later.correctApu(m_board, ds->str(m.sinceNew), ds->str(m.sinceOverhaul),
                                                           m.measure, column);
                u.sinceNew = sne;
                u.sinceOverhaul = ppr;
            } catch (const ConversionError&) {
                throw ConversionError(QStringLiteral("ВС %1, %2: значения \"%3\" / \"%4\" в столбцах %5 записаны не в "
                                                     "своем виде (часы:минуты или целое число). Исправьте запись и "
                                                     "повторите.")
                                          .arg(m_board, unit, ds->str(m.sinceNew), ds->str(m.sinceOverhaul), column));
            }
            u.hasSinceNew = true;
            u.hasSinceOverhaul = u.repaired();
            u.assigned = ds->str(m.assigned);
            u.overhaul = ds->str(m.betweenOverhauls);
            out.push_back(u);
        }
    }
    return out;
}

std::vector<SlgUnit> SlgUnitReader::blades(bool main)
{
    namespace l = pos::lopast;
    const QString rotor = main ? QStringLiteral("Несущий") : QStringLiteral("Хвостовой");
    const QString sql =
        m_q == SlgQueries::Act
            ? QStringLiteral("Select * From LOPAST Where GDE_STOIT=") + sqlText(m_board) +
                  QStringLiteral(" AND TIP_VINTA=") + sqlText(rotor) + QStringLiteral(" Order By ID;")
            : QStringLiteral("SELECT * FROM LOPAST WHERE (((Tip_VS)=") + sqlText(m_type) +
                  QStringLiteral(") AND ((TIP_VINTA)=") + sqlText(rotor) + QStringLiteral(")) ORDER BY ID;");
    auto ds = openQuery(m_c, sql);
    std::vector<SlgUnit> out;
    const rarozidi::GroundRule rule = continuousRule(GroundKind::Lopasty);
    for (; !ds->eof(); ds->next()) {
        if (ds->str(l::GDE_STOIT).trimmed() != m_board) continue; // the blades of this aircraft only
        SlgUnit u;
        u.kind = main ? QStringLiteral("LopastNV") : QStringLiteral("LopastHV");
        u.model = ds->str(l::NAZVANIE);
        u.serial = ds->str(l::ZAVODSKOY_NOMER);
        u.made = ds->field(l::IZGOTOVLEN_DATA).asDate();
        u.plant = ds->str(l::REMONT_ZAVOD);
        u.repairDate = ds->field(l::REMONT_DATA).asDate();
        u.repairs = ds->field(l::VSEGO_REMONTOV).asInteger();
        u.assigned = ds->str(l::RESURS_CHASOV);
        u.overhaul = ds->str(l::MEZHREMONTNYI_CHASOV);
        const QString unit = unitWord(QStringLiteral("лопасть"), u.serial);
        runningMinutes(ds->str(l::NARABOTKA_SNE).trimmed().isEmpty() ? QStringLiteral("0:00") : ds->str(l::NARABOTKA_SNE),
                       m_board, unit, QStringLiteral("NARABOTKA_SNE"));
        const long long now = runningMinutes(rarozidi::FunNepNarLopast(*m_c, *ds, l::NARABOTKA_SNE), m_board, unit,
                                             QStringLiteral("NARABOTKA_SNE"));
        backDateRotorPart(u, now, ds->field(l::DATA_USTANOVKI).asDate(), ds->str(l::NARABOTKA_PPR), unit, rule);
        out.push_back(u);
    }
    return out;
}

void SlgUnitReader::backDateRotorPart(SlgUnit& u, long long now, const QDate& installed, const QString& sinceOverhaulText,
                                      const QString& unit, const rarozidi::GroundRule& rule)
{
    // Since new: the running time now less the aircraft's flying after the
    // date, when the part was on the aircraft by then; since overhaul the
    // same flying at the blades' ground share.
    const long long after =
        installed.isValid() && installed <= m_asOf ? m_later.minutesAfter(m_board, rarozidi::FlightColumns::Aircraft, rule) : 0;
    u.sinceNew = now - after;
    u.hasSinceNew = true;
    const QString ppr = sinceOverhaulText.trimmed();
    if (u.repaired() && !ppr.isEmpty()) {
        u.sinceOverhaul = runningMinutes(ppr, m_board, unit, QStringLiteral("NARABOTKA_PPR")) -
                          m_later.minutesAfter(m_board, rarozidi::FlightColumns::Aircraft, m_ground.lopasty);
        u.hasSinceOverhaul = true;
    }
}

std::vector<SlgUnit> SlgUnitReader::tailRotors()
{
    namespace h = pos::hvostovoy_vint;
    const QString sql = m_q == SlgQueries::Act
                            ? QStringLiteral("Select * From HVOSTOVOY_VINT Where GDE_STOIT=") + sqlText(m_board) +
                                  QStringLiteral(" Order By ID;")
                            : QStringLiteral("SELECT * FROM HVOSTOVOY_VINT WHERE (((Tip_VS)=") + sqlText(m_type) +
                                  QStringLiteral(") AND ((Gde_stoit)=") + sqlText(m_board) + QStringLiteral(")) ORDER BY ID;");
    auto ds = openQuery(m_c, sql);
    std::vector<SlgUnit> out;
    const rarozidi::GroundRule rule = continuousRule(GroundKind::Lopasty);
    for (; !ds->eof(); ds->next()) {
        SlgUnit u;
        u.kind = QStringLiteral("HvostovoyVint");
        u.model = ds->str(h::NAZVANIE_VINT);
        u.serial = ds->str(h::ZAVODSKOY_NOMER);
        u.made = ds->field(h::IZGOTOVLEN_DATA).asDate();
        u.plant = ds->str(h::REMONT_ZAVOD);
        u.repairDate = ds->field(h::REMONT_DATA).asDate();
        u.repairs = ds->field(h::VSEGO_REMONTOV).asInteger();
        u.assigned = ds->str(h::NAZNACHENNYI_CHASOV);
        u.overhaul = ds->str(h::MEZHREMONTNYI_CHASOV);
        const QString unit = unitWord(QStringLiteral("рулевой винт"), u.serial);
        const long long now = runningMinutes(rarozidi::FunNepNarHvostVint(*m_c, *ds, h::NARABOTKA_SNE), m_board, unit,
                                             QStringLiteral("NARABOTKA_SNE"));
        backDateRotorPart(u, now, ds->field(h::DATA_USTANOVKI).asDate(), ds->str(h::NARABOTKA_PPR), unit, rule);
        out.push_back(u);
    }
    return out;
}

std::vector<SlgUnit> SlgUnitReader::byStandard(const SlgTunedLine& line, bool hub)
{
    namespace a = pos::agregat; // VTULKA_NV has the same positions for what is read here
    const QString id = sqlText(line.etalonId), b = sqlText(m_board), t = sqlText(m_type);
    const QString table = hub ? QStringLiteral("VTULKA_NV") : QStringLiteral("AGREGAT");
    QString sql;
    if (m_q == SlgQueries::Act)
        sql = QStringLiteral("Select * From ") + table + QStringLiteral(" Where GDE_STOIT=") + b +
              QStringLiteral(" AND (ID_NAME=") + id +
              (hub ? QStringLiteral(") Order By ID_NAME, ID;") : QStringLiteral(") Order By ID;"));
    else if (m_q == SlgQueries::CheckFlight && !hub)
        sql = QStringLiteral("Select * From AGREGAT Where (TIP_VS=") + t + QStringLiteral(") And ") +
              QStringLiteral("(ID_NAME=") + id + QStringLiteral(") Order By ID;");
    else if (hub)
        sql = QStringLiteral("SELECT * FROM VTULKA_NV WHERE (((TIP_VS)=") + t + QStringLiteral(") AND ((GDE_STOIT)=") + b +
              QStringLiteral(") AND ((ID_NAME)=") + id + QStringLiteral(")) ORDER BY ID;");
    else
        sql = QStringLiteral("Select * From AGREGAT Where (((TIP_VS)=") + t + QStringLiteral(") AND ((GDE_STOIT)=") + b +
              QStringLiteral(") AND ((ID_NAME)=") + id + QStringLiteral("));");
    static_assert(pos::agregat::NARABOTKA_SNE == pos::vtulka_nv::NARABOTKA_SNE &&
                  pos::agregat::ZAVODSKOY_NOMER == pos::vtulka_nv::ZAVODSKOY_NOMER &&
                  pos::agregat::GDE_STOIT == pos::vtulka_nv::GDE_STOIT &&
                  pos::agregat::DATA_USTANOVKI == pos::vtulka_nv::DATA_USTANOVKI &&
                  pos::agregat::MEZHREMONTNYI_CHASOV == pos::vtulka_nv::MEZHREMONTNYI_CHASOV);
    const QString standard = standardName(hub, line.etalonId);
    const QString name = standard.isEmpty() ? line.caption : standard;
    std::unique_ptr<Dataset> ds;
    if (m_q == SlgQueries::CheckFlight && !hub) {
        ds = std::make_unique<Dataset>(m_c);
        m_typeUnits.open(*ds, sql, QStringLiteral("Select * From AGREGAT Where (TIP_VS=") + t + QStringLiteral(") Order By ID;"),
                         {{QStringLiteral("ID_NAME"), line.etalonId}});
    } else {
        ds = openQuery(m_c, sql);
    }
    std::vector<SlgUnit> out;
    for (; !ds->eof(); ds->next()) {
        if (ds->str(a::GDE_STOIT).trimmed() != m_board) continue; // the units of this aircraft only
        SlgUnit u;
        u.kind = hub ? QStringLiteral("VtulkaNV") : QStringLiteral("Agregat");
        u.name = name;
        u.model = ds->str(a::CHERT_NOMER);
        u.serial = ds->str(a::ZAVODSKOY_NOMER);
        u.made = ds->field(a::IZGOTOVLEN_DATA).asDate();
        u.plant = ds->str(a::REMONT_ZAVOD);
        u.repairDate = ds->field(a::REMONT_DATA).asDate();
        u.repairs = ds->field(a::VSEGO_REMONTOV).asInteger();
        u.overhaul = ds->str(a::MEZHREMONTNYI_CHASOV);
        const QString unit = unitWord(name, u.serial);
        u.counts = !hub && ds->str(a::ED_IZMERENIA).trimmed() == QLatin1String("1");
        u.hasSinceNew = true;
        if (u.counts) {
            // Counted in landings: the landings after the date are taken off.
            u.sinceNew = countOf(ds->str(a::NARABOTKA_SNE), m_board, unit, QStringLiteral("NARABOTKA_SNE")) -
                         m_later.landingsAfter(m_board);
            const QString ppr = ds->str(a::NARABOTKA_PPR).trimmed();
            if (u.repaired() && !ppr.isEmpty()) {
                u.sinceOverhaul = countOf(ppr, m_board, unit, QStringLiteral("NARABOTKA_PPR")) - m_later.landingsAfter(m_board);
                u.hasSinceOverhaul = true;
            }
        } else {
            const GroundKind kind = hub ? GroundKind::Lopasty
                                        : (ds->str(a::AGR_DVIGATELIA).trimmed() == QLatin1String("1") ? GroundKind::AgrDvig
                                                                                                      : GroundKind::Agregaty);
            const rarozidi::GroundRule rule = continuousRule(kind);
            const long long now = runningMinutes(rarozidi::FunNepNarAgr(*m_c, *ds, a::NARABOTKA_SNE), m_board, unit,
                                                 QStringLiteral("NARABOTKA_SNE"));
            const QDate installed = ds->field(a::DATA_USTANOVKI).asDate();
            const long long after = installed.isValid() && installed <= m_asOf
                                        ? m_later.minutesAfter(m_board, rarozidi::FlightColumns::Aircraft, rule)
                                        : 0;
            u.sinceNew = now - after;
            const QString ppr = ds->str(a::NARABOTKA_PPR).trimmed();
            if (u.repaired() && !ppr.isEmpty()) {
                u.sinceOverhaul = runningMinutes(ppr, m_board, unit, QStringLiteral("NARABOTKA_PPR")) - after;
                u.hasSinceOverhaul = true;
            }
        }
        out.push_back(u);
    }
    if (out.empty()) {
        SlgUnit u;
        u.kind = hub ? QStringLiteral("VtulkaNV") : QStringLiteral("Agregat");
        u.name = name;
        u.model = line.drawing;
        u.installed = false;
        out.push_back(u);
    }
    return out;
}

} // namespace plan::applications
