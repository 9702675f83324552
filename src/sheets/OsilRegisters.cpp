#include "sheets/OsilRegisters.h"

#include "data/Positions.h"
#include "frames/LaterFlights.h"
#include "frames/SqlText.h"
#include "frames/UnitAsOf.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "sheets/SheetParts.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace plan::sheets {

namespace R = pos::reestr;

QString osilAircraftQuery(const QString& operatorCode)
{
    return QStringLiteral("Select * From REESTR Where EXPLUATANT=") + frames::sqlText(operatorCode) +
           QStringLiteral(" And Not Upper(TIP_VS) Like Upper('%HIDE%') Order By TIP_VS, BORTOVOI_NOMER, ID;");
}

bool onRegister(const QDate& entered, const QDate& removed, const QDate& date)
{
    if (entered.isValid() && entered > date) return false;
    return !removed.isValid() || removed > date;
}

QString leftOf(const QString& limit, long long used)
{
    const QString l = limit.trimmed();
    if (l.isEmpty() || l == QLatin1String("0")) return QStringLiteral("-");
    return QString::number(std::max(0LL, l.toLongLong() - used));
}

namespace {

QString dash(const QString& v) { return v.trimmed().isEmpty() ? QStringLiteral("-") : v.trimmed(); }
// A limit column as printed: "-" when empty or 0.
QString limitText(const Field& f)
{
    const QString v = f.isNull() ? QString() : f.asString().trimmed();
    return v.isEmpty() || v == QLatin1String("0") ? QStringLiteral("-") : v;
}

// The names of the codes of a list table (ID_NAME -> NAME), read once.
QHash<QString, QString> namesOf(Connection* c, const QString& table)
{
    QHash<QString, QString> out;
    auto ds = openQuery(c, QStringLiteral("Select * From ") + table + QStringLiteral(" Order By ID;"));
    for (; !ds->eof(); ds->next()) {
        const QString code = ds->str(pos::sobstvenniki::ID_NAME).trimmed();
        if (!out.contains(code)) out.insert(code, ds->str(pos::sobstvenniki::NAME).trimmed());
    }
    return out;
}
static_assert(pos::sobstvenniki::ID_NAME == pos::expluatanty::ID_NAME && pos::sobstvenniki::NAME == pos::expluatanty::NAME);

// The aircraft of the form: the register rows on the register on the date.
struct Fleet {
    std::unique_ptr<Dataset> rows;
    std::vector<int> onDate; // record numbers in query order
};

Fleet fleetOn(Connection* c, const OsilOptions& o)
{
    Fleet f{openQuery(c, osilAircraftQuery(o.operatorCode)), {}};
    for (; !f.rows->eof(); f.rows->next())
        if (onRegister(f.rows->field(R::DATE_REESTR_VVOD).asDate(), f.rows->field(R::DATE_REESTR_VYVOD).asDate(), o.date))
            f.onDate.push_back(f.rows->recNo());
    return f;
}

} // namespace

// ---------------------------------------------------------------- form Г3

frames::StagedRows buildFormaG3(Connection* c, const OsilOptions& o)
{
    frames::StagedRows out;
    Fleet fleet = fleetOn(c, o);
    Dataset& a = *fleet.rows;
    const QHash<QString, QString> owners = namesOf(c, QStringLiteral("SOBSTVENNIKI"));
    const QHash<QString, QString> operators = namesOf(c, QStringLiteral("EXPLUATANTY"));
    frames::AirframeRules rules(c);
    frames::LaterFlights later(c, o.date);
    if (static_cast<int>(fleet.onDate.size()) >= frames::kReadAllFlightsFrom) later.readAll();
    const QString formDate = o.date.toString(QStringLiteral("dd.MM.yyyy"));
    const QString total = QString::number(fleet.onDate.size());

    // The aircraft of each type, in the order of the register query.
    std::vector<std::pair<QString, std::vector<int>>> types;
    for (int rec : fleet.onDate) {
        a.setRecNo(rec);
        const QString type = a.str(R::TIP_VS).trimmed();
        if (types.empty() || types.back().first != type) types.push_back({type, {}});
        types.back().second.push_back(rec);
    }

    int number = 0;
    for (const auto& [type, recs] : types) {
        StagingRow section;
        section.set(G3::Number, QStringLiteral("|%1 (%2 ВС)").arg(type).arg(recs.size()));
        out.rows.push_back(section);
        for (int rec : recs) {
            a.setRecNo(rec);
            const QString name = frames::aircraftName(a);
            const frames::AirframeAsOf t = frames::airframeAsOf(a, later, rules.of(a.str(R::TIP_VS)));
            out.doubts << frames::repairDateDoubts(a) << frames::asOfDoubts(a, t.minutesOverhaul, t.landingsOverhaul);

            QStringList notes;
            if (a.field(R::STATUS_TO).asInteger() == 4) notes << QStringLiteral("на АРЗ");
            const QDate certTo = a.field(R::DATA_UDOSNOVERENIE_DO).asDate();
            if (certTo.isValid() && certTo < o.date) notes << QStringLiteral("СЛГ истек");
            const QDate noiseTo = a.field(R::DATA_DO_UDO_SHUM).asDate();
            if (noiseTo.isValid() && noiseTo < o.date) notes << QStringLiteral("удостоверение по шуму истекло");

            const QString ownerCode = a.str(R::SOBSTVENNOST).trimmed(), operatorCode = a.str(R::EXPLUATANT).trimmed();
            StagingRow r;
            r.set(G3::Number, QString::number(++number))
                .set(G3::Type, a.str(R::TIP_VS).trimmed())
                .set(G3::Variant, a.str(R::VARIANT_VS).trimmed())
                .set(G3::Board, a.str(R::BORTOVOI_NOMER).trimmed())
                .set(G3::Serial, a.str(R::ZAVODSKOI_NOMER).trimmed())
                .set(G3::Made, dash(dateText(a.field(R::DATA_IGOTOVLEN).asDate())))
                .set(G3::Owner, owners.value(ownerCode, ownerCode))
                .set(G3::Operator, operators.value(operatorCode, operatorCode))
                .set(G3::Certificate, dash(a.str(R::SERTIFIKAT_LG)))
                .set(G3::CertificateTo, dash(dateText(a.field(R::DATA_UDOSNOVERENIE_DO).asDate())))
                .set(G3::Noise, dash(a.str(R::UDOST_SHUM)))
                .set(G3::NoiseTo, dash(dateText(a.field(R::DATA_DO_UDO_SHUM).asDate())))
                .set(G3::HoursNew, QString::number(t.hoursNew()))
                .set(G3::LandingsNew, QString::number(t.landingsNew))
                .set(G3::Repairs, QString::number(std::max(0, a.field(R::VSEGO_REMONTOV).asInteger())))
                .set(G3::RepairDate, t.overhauled ? dash(dateText(a.field(R::REMONT_DATA).asDate())) : QStringLiteral("-"))
                .set(G3::RepairPlant, t.overhauled ? dash(a.str(R::REMONT_ZAVOD)) : QStringLiteral("-"))
                .set(G3::HoursOverhaul, t.overhauled ? QString::number(t.hoursOverhaul()) : QStringLiteral("-"))
                .set(G3::LandingsOverhaul, t.overhauled ? QString::number(t.landingsOverhaul) : QStringLiteral("-"))
                .set(G3::AssignedHours, limitText(a.field(R::RESURS_NAZN_CHASOV)))
                .set(G3::AssignedLandings, limitText(a.field(R::RESURS_NAZN_POSADOK)))
                .set(G3::AssignedYears,
                     dash(frames::calendarAgeText(a.str(R::RESURS_NAZN_LET), name + QStringLiteral(", RESURS_NAZN_LET"))))
                .set(G3::BetweenHours, limitText(a.field(R::MEZHREM_CHASOV)))
                .set(G3::BetweenLandings, limitText(a.field(R::MEZHREM_POSADOK)))
                .set(G3::BetweenYears, dash(frames::calendarAgeText(a.str(R::MEZHREM_LET), name + QStringLiteral(", MEZHREM_LET"))))
                .set(G3::LeftAssigned, leftOf(a.str(R::RESURS_NAZN_CHASOV), t.hoursNew()))
                .set(G3::LeftHours, leftOf(a.str(R::MEZHREM_CHASOV), t.overhauled ? t.hoursOverhaul() : t.hoursNew()))
                .set(G3::LeftLandings, leftOf(a.str(R::MEZHREM_POSADOK), t.overhauled ? t.landingsOverhaul : t.landingsNew))
                .set(G3::Base, dash(a.str(R::ID_MESTO)))
                .set(G3::Note, notes.join(QStringLiteral(", ")))
                .set(G3::FormDate, formDate)
                .set(G3::Total, total);
            out.rows.push_back(r);
        }
    }
    out.doubts << rules.doubts();
    return out;
}

// ---------------------------------------------------------------- form Г4

namespace {

// Where a kind keeps what its row shows.
struct UnitLayout {
    frames::UnitKind kind;
    int model, serial, made, repairs, repairDate, repairPlant, sinceNew, sinceOverhaul, assigned, first, between;
    int type, place, selector; // selector -1: none
};

constexpr UnitLayout kEngine{frames::UnitKind::Engine, pos::dvigatel::NAZVANIE_DVIGATELYA, pos::dvigatel::ZAVODSKOI_NOMER,
                             pos::dvigatel::IZGOTOVLEN_DATA, pos::dvigatel::VSEGO_REMONTOV, pos::dvigatel::REMONT_DATA,
                             pos::dvigatel::REMONT_ZAVOD, pos::dvigatel::NARABOTKA_SNE, pos::dvigatel::NARABOTKA_PPR,
                             pos::dvigatel::NAZNACHENNYI_CHASOV, pos::dvigatel::DO_PERVOGO_CHASOV,
                             pos::dvigatel::MEZHREMONTNYI_CHASOV, pos::dvigatel::TIP_VS, pos::dvigatel::GDE_STOIT,
                             pos::dvigatel::ODIN_DVA};
constexpr UnitLayout kGearbox{frames::UnitKind::Gearbox, pos::reductor::NAZVANIE_REDUCTORA, pos::reductor::ZAVODSKOI_NOMER,
                              pos::reductor::IZGOTOVLEN_DATA, pos::reductor::VSEGO_REMONTOV, pos::reductor::REMONT_DATA,
                              pos::reductor::REMONT_ZAVOD, pos::reductor::NARABOTKA_SNE, pos::reductor::NARABOTKA_PPR,
                              pos::reductor::NAZNACHENNYI_CHASOV, pos::reductor::DO_PERVOGO_CHASOV,
                              pos::reductor::MEZHREMONTNYI_CHASOV, pos::reductor::TIP_VS, pos::reductor::GDE_STOIT, -1};
constexpr UnitLayout kApu{frames::UnitKind::Apu, pos::vsu::NAZVANIE, pos::vsu::ZAVODSKOY_NOMER, pos::vsu::IZGOTOVLEN_DATA,
                          pos::vsu::VSEGO_REMONTOV, pos::vsu::REMONT_DATA, pos::vsu::REMONT_ZAVOD, pos::vsu::OBSHAIA_SNE,
                          pos::vsu::OBSHAIA_PPR, pos::vsu::OBSHAIA_NAZN, pos::vsu::OBSHAIA_DO_PERVOGO,
                          pos::vsu::OBSHAIA_MEGREMONTNY, pos::vsu::TIP_VS, pos::vsu::MESTO_USTANOVKI, -1};
// The APU whose life is kept in summed hours.
constexpr UnitLayout kSummedApu{frames::UnitKind::Apu, pos::vsu::NAZVANIE, pos::vsu::ZAVODSKOY_NOMER,
                                pos::vsu::IZGOTOVLEN_DATA, pos::vsu::VSEGO_REMONTOV, pos::vsu::REMONT_DATA,
                                pos::vsu::REMONT_ZAVOD, pos::vsu::SUMMA_SNE, pos::vsu::SUMMA_PPR, pos::vsu::SUMMA_NAZN,
                                pos::vsu::SUMMA_DO_PERVOGO, pos::vsu::SUMMA_MEGREM, pos::vsu::TIP_VS,
                                pos::vsu::MESTO_USTANOVKI, -1};

// The installed units of one kind, read once and kept by aircraft (type and
// board, as the information sheet of an aircraft finds them).
class InstalledUnits {
public:
    InstalledUnits(Connection* c, const QString& sql, const UnitLayout& l) : m_rows(openQuery(c, sql))
    {
        for (; !m_rows->eof(); m_rows->next())
            m_by[key(m_rows->str(l.type), m_rows->str(l.place))].push_back(m_rows->recNo());
    }
    // The record numbers of an aircraft's units, in query order.
    std::vector<int> of(const QString& type, const QString& board) const
    {
        return m_by.value(key(type, board));
    }
    Dataset& rows() { return *m_rows; }

private:
    static QString key(const QString& type, const QString& board) { return type.trimmed() + QChar(0x1f) + board.trimmed(); }
    std::unique_ptr<Dataset> m_rows;
    QHash<QString, std::vector<int>> m_by;
};

QString engineName(const QString& selector)
{
    const QString s = selector.trimmed();
    if (s == QLatin1String("0")) return QStringLiteral("Двигатель № 1");
    if (s == QLatin1String("1")) return QStringLiteral("Двигатель № 2");
    if (s == QLatin1String("2")) return QStringLiteral("Двигатель № 3");
    return QStringLiteral("Двигатель");
}

const QString kNotStored = QStringLiteral(" Not (GDE_STOIT='Склад' Or GDE_STOIT='Ремфонд' Or GDE_STOIT='Ремонт' Or "
                                          "GDE_STOIT='Рекламация') ");

class G4Builder {
public:
    G4Builder(Connection* c, const OsilOptions& o) : m_c(c), m_o(o), m_later(c, o.date) {}

    frames::StagedRows build()
    {
        frames::StagedRows out;
        Fleet fleet = fleetOn(m_c, m_o);
        Dataset& a = *fleet.rows;
        if (static_cast<int>(fleet.onDate.size()) >= frames::kReadAllFlightsFrom) m_later.readAll();
        InstalledUnits engines(m_c,
                               QStringLiteral("Select * From DVIGATEL Where") + kNotStored +
                                   QStringLiteral("And Not Upper(TIP_VS) Like Upper('%HIDE%') Order By TIP_VS, GDE_STOIT, "
                                                  "ODIN_DVA, ID;"),
                               kEngine);
        InstalledUnits gearboxes(m_c,
                                 QStringLiteral("Select * From REDUCTOR Where") + kNotStored +
                                     QStringLiteral("And Not Upper(TIP_VS) Like Upper('%HIDE%') Order By TIP_VS, GDE_STOIT, ID;"),
                                 kGearbox);
        InstalledUnits apus(m_c,
                            QStringLiteral("Select * From VSU Where Not (MESTO_USTANOVKI='Склад' Or MESTO_USTANOVKI='Ремфонд' "
                                           "Or MESTO_USTANOVKI='Ремонт' Or MESTO_USTANOVKI='Рекламация') And Not "
                                           "Upper(TIP_VS) Like Upper('%HIDE%') Order By TIP_VS, MESTO_USTANOVKI, ID;"),
                            kApu);
        frames::UnitAsOf engineAsOf(m_c, frames::UnitKind::Engine, m_later);
        frames::UnitAsOf gearboxAsOf(m_c, frames::UnitKind::Gearbox, m_later);
        frames::UnitAsOf apuAsOf(m_c, frames::UnitKind::Apu, m_later);

        const QString formDate = m_o.date.toString(QStringLiteral("dd.MM.yyyy"));
        int number = 0;
        for (int rec : fleet.onDate) {
            a.setRecNo(rec);
            const QString type = a.str(R::TIP_VS).trimmed(), board = a.str(R::BORTOVOI_NOMER).trimmed();
            StagingRow section;
            section.set(G4::Number, QStringLiteral("|%1 %2 (зав. № %3)").arg(type, board, dash(a.str(R::ZAVODSKOI_NOMER))))
                .set(G4::Type, type)
                .set(G4::Board, board);
            out.rows.push_back(section);
            auto add = [&](InstalledUnits& units, const UnitLayout& l, frames::UnitAsOf& asOf) {
                for (int u : units.of(type, board)) {
                    units.rows().setRecNo(u);
                    const Dataset& d = units.rows();
                    const bool summed = l.kind == frames::UnitKind::Apu && frames::isSummedApu(d.str(l.model));
                    StagingRow r = unitRow(d, summed ? kSummedApu : l, asOf, out.doubts);
                    r.set(G4::Number, QString::number(++number)).set(G4::Type, type).set(G4::Board, board)
                        .set(G4::FormDate, formDate);
                    out.rows.push_back(r);
                }
            };
            add(engines, kEngine, engineAsOf);
            add(gearboxes, kGearbox, gearboxAsOf);
            add(apus, kApu, apuAsOf);
        }
        const QString aircraft = QString::number(fleet.onDate.size()), units = QString::number(number);
        for (StagingRow& r : out.rows) r.set(G4::Aircraft, aircraft).set(G4::Units, units);
        return out;
    }

private:
    StagingRow unitRow(const Dataset& d, const UnitLayout& l, frames::UnitAsOf& asOf, QStringList& doubts)
    {
        const frames::UnitRef unit{d.str(l.type), d.str(l.place).trimmed(), d.str(l.model), d.str(l.serial),
                                   l.selector >= 0 ? d.str(l.selector) : QString()};
        const bool overhauled = d.field(l.repairs).asInteger() > 0;
        auto hours = [&](int pos) -> QString {
            const QString h = asOf.hoursOn(unit, d.str(pos), d.fieldName(pos));
            if (h.isEmpty())
                doubts << QStringLiteral("%1 %2 (зав. № %3) на ВС %4: не указана наработка %5")
                              .arg(asOf.kindWord(), unit.model.trimmed(), unit.serial.trimmed(), unit.board, d.fieldName(pos));
            return h;
        };
        const QString sinceNew = hours(l.sinceNew);
        const QString sinceOverhaul = overhauled ? hours(l.sinceOverhaul) : QString();
        const bool toFirst = !overhauled && limitText(d.field(l.first)) != QLatin1String("-");
        const int second = toFirst ? l.first : l.between;
        // What the second limit is spent by: hours since overhaul, since new while never overhauled.
        const QString spent = overhauled ? sinceOverhaul : sinceNew;

        StagingRow r;
        r.set(G4::Name, l.kind == frames::UnitKind::Engine    ? engineName(unit.selector)
                        : l.kind == frames::UnitKind::Gearbox ? QStringLiteral("Главный редуктор")
                                                              : QStringLiteral("ВСУ"))
            .set(G4::Model, dash(unit.model))
            .set(G4::Serial, dash(unit.serial))
            .set(G4::Made, dash(dateText(d.field(l.made).asDate())))
            .set(G4::HoursNew, dash(sinceNew))
            .set(G4::HoursOverhaul, overhauled ? dash(sinceOverhaul) : QStringLiteral("-"))
            .set(G4::Repairs, QString::number(std::max(0, d.field(l.repairs).asInteger())))
            .set(G4::RepairDate, overhauled ? dash(dateText(d.field(l.repairDate).asDate())) : QStringLiteral("-"))
            .set(G4::RepairPlant, overhauled ? dash(d.str(l.repairPlant)) : QStringLiteral("-"))
            .set(G4::Assigned, limitText(d.field(l.assigned)))
            .set(G4::Second, limitText(d.field(second)))
            .set(G4::SecondKind, toFirst ? QStringLiteral("1") : QStringLiteral("2"))
            .set(G4::LeftAssigned, sinceNew.isEmpty() ? QStringLiteral("-") : leftOf(d.str(l.assigned), sinceNew.toLongLong()))
            .set(G4::LeftSecond, spent.isEmpty() ? QStringLiteral("-") : leftOf(d.str(second), spent.toLongLong()));
        return r;
    }

    Connection* m_c;
    const OsilOptions& m_o;
    frames::LaterFlights m_later;
};

} // namespace

frames::StagedRows buildFormaG4(Connection* c, const OsilOptions& o) { return G4Builder(c, o).build(); }

} // namespace plan::sheets
