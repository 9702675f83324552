#include "sheets/TfrPlanSprPlanZamen.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/BoardSets.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"
#include "sheets/SheetParts.h"

#include <QHash>
#include <QPushButton>
#include <algorithm>
#include <memory>

namespace plan::sheets {

PLAN_REGISTER_FRAME(TfrPlanSprPlanZamen)

namespace P = planzamen;

int bandPosition(long long hours)
{
    if (hours < 0 || hours > P::MaxHours) return -1;
    return hours == 0 ? P::FirstBand : P::FirstBand + static_cast<int>((hours - 1) / P::BandHours);
}

namespace {

bool isVowel(QChar ch) { return QStringLiteral("аеёиоуыэюя").contains(ch.toLower()); }

// The first four letters of a word, or `vowelTake` when the fourth is a vowel.
QString head(const QString& word, int vowelTake)
{
    return word.left(word.size() >= 4 && isVowel(word.at(3)) ? vowelTake : 4);
}

} // namespace

QString unitAbbreviation(const QString& name)
{
    const QString n = name.trimmed();
    const int blank = n.indexOf(QLatin1Char(' '));
    if (blank < 0) return head(n, 5) + QLatin1Char('.');
    // The second word: what follows the first blank, up to the next one.
    const QString rest = n.mid(blank + 1).trimmed().section(QLatin1Char(' '), 0, 0);
    QString out = head(n.left(blank), 3) + QLatin1Char('.');
    if (!rest.isEmpty()) out += head(rest, 3) + QLatin1Char('.');
    return out;
}

QString unitKind(const QString& drawing, const QString& name)
{
    const QString d = drawing.trimmed();
    const bool shortName =
        d.startsWith(QLatin1Char('2')) || d.startsWith(QLatin1Char('8')) || d.startsWith(QLatin1String("15"));
    return shortName && !name.trimmed().isEmpty() ? unitAbbreviation(name) : d;
}

void FunNormalADD(StagingRow& row, int pos, const QString& text, const QString& kind)
{
    QString cell = row.at(pos).toString();
    if (!cell.isEmpty()) cell += QStringLiteral("  ");
    row.set(pos, cell + kind + QLatin1Char('-') + text);
}

namespace {

using frames::sqlEscape;

bool isSet(const Dataset& ds, int pos) { return !ds.field(pos).isNull() && !ds.str(pos).trimmed().isEmpty(); }
// A limit of 0 is no limit.
bool limitSet(const Dataset& ds, int pos) { return pos >= 0 && isSet(ds, pos) && ds.str(pos).trimmed() != QLatin1String("0"); }
bool neverRepaired(const Dataset& ds, int countPos) { return ds.field(countPos).asInteger() == 0; }

using Continuous = QString (*)(Connection&, const Dataset&, int);
QString hoseRunning(Connection& c, const Dataset& ds, int) { return rarozidi::FunNepNarShlang(c, ds); }

// Where a kind keeps what the plan reads. -1: the table has no such column.
struct Kind {
    const char* name;   // the kind written; "" for units and hubs (named by their reference row)
    int serial;         // for messages
    int repairs;        // repair count
    int running;        // running time since overhaul
    int firstOverhaul;  // life to the first overhaul (used while never repaired)
    int betweenOverhauls;
    int sinceNew;       // running time since new, with the assigned life below:
    int assigned;       // read where the row has no overhaul limit
    int star;           // 1 = the hours are marked "*"
    int continuousFlag; // 1 = running time counted from the aircraft; -2: always
    Continuous continuous;
    // Calendar limits (engines and gearboxes).
    int calendarSet = -1, repairDate = -1, assignedYears = -1, firstYears = -1, betweenYears = -1, made = -1;
};

namespace dv = pos::dvigatel;
namespace vv = pos::vozdushny_vint;
namespace lb = pos::lebedka;
namespace sh = pos::shlang;
namespace lo = pos::lopast;
namespace hv = pos::hvostovoy_vint;
namespace ag = pos::agregat;
namespace vt = pos::vtulka_nv;
namespace vs = pos::vsu;

// DVIGATEL and REDUCTOR share their positions.
const Kind kEngine{"Двиг.", dv::ZAVODSKOI_NOMER, dv::VSEGO_REMONTOV, dv::NARABOTKA_PPR, dv::DO_PERVOGO_CHASOV,
                   dv::MEZHREMONTNYI_CHASOV, -1, -1, dv::ZVEZDA, -1, nullptr, dv::DATA_KALENDAR, dv::REMONT_DATA,
                   dv::NAZNACHENNYI_LET, dv::DO_PERVOGO_LET, dv::MEZHREMONTNYI_LET, dv::IZGOTOVLEN_DATA};
Kind gearbox()
{
    Kind k = kEngine;
    k.name = "Гл.ред.";
    return k;
}
const Kind kGearbox = gearbox();
const Kind kPropeller{"В.винт", vv::ZAVODSKOY_NOMER, vv::VSEGO_REMONTOV, vv::NARABOTKA_PPR, vv::DO_PERVOGO_CHASOV,
                      vv::MEZHREMONTNYI_CHASOV, vv::NARABOTKA_SNE, vv::NAZNACHENNYI_CHASOV, -1, -1, nullptr};
const Kind kWinch{"Лебедка", lb::ZAVODSKOY_NOMER_LEBEDKA, lb::VSEGO_REMONTOV, lb::NARABOTKA_PPR, lb::DO_PERVOGO_CHASOV,
                  lb::MEZHREMONTNYI_CHASOV, lb::NARABOTKA_SNE, lb::NAZNACHENNYI_CHASOV, -1, lb::NEPRERYVNO,
                  &rarozidi::FunNepNarLebedka};
const Kind kHoseHours{"Шланги", sh::ZAVODSKOY_NOMER, -1, -1, -1, -1, sh::NARABOTKA_SNE, sh::RESURS_CHASOV, -1, -2,
                      &hoseRunning};
Kind blades(const char* name)
{
    return {name, lo::ZAVODSKOY_NOMER, lo::VSEGO_REMONTOV, lo::NARABOTKA_PPR, lo::DO_PERVOGO_CHASOV,
            lo::MEZHREMONTNYI_CHASOV, lo::NARABOTKA_SNE, lo::RESURS_CHASOV, -1, lo::NEPRERYVNO,
            &rarozidi::FunNepNarLopast};
}
const Kind kMainBlades = blades("ЛНВ");
const Kind kTailBlades = blades("ЛРВ");
const Kind kTailHub{"Рул.винт", hv::ZAVODSKOY_NOMER, hv::VSEGO_REMONTOV, hv::NARABOTKA_PPR, hv::DO_PERVOGO_CHASOV,
                    hv::MEZHREMONTNYI_CHASOV, hv::NARABOTKA_SNE, hv::NAZNACHENNYI_CHASOV, -1, hv::NEPRERYVNO,
                    &rarozidi::FunNepNarHvostVint};
const Kind kUnit{"", ag::ZAVODSKOY_NOMER, ag::VSEGO_REMONTOV, ag::NARABOTKA_PPR, ag::DO_PERVOGO_CHASOV,
                 ag::MEZHREMONTNYI_CHASOV, ag::NARABOTKA_SNE, ag::NAZNACHENNYI_RESURS, -1, ag::NEPRERYVNO,
                 &rarozidi::FunNepNarAgr};
const Kind kMainHub{"", vt::ZAVODSKOY_NOMER, vt::VSEGO_REMONTOV, vt::NARABOTKA_PPR, vt::DO_PERVOGO_CHASOV,
                    vt::MEZHREMONTNYI_CHASOV, vt::NARABOTKA_SNE, vt::NAZNACHENNYI_RESURS, -1, vt::NEPRERYVNO,
                    &rarozidi::FunNepNarAgr};

// Whether the row's running time is counted from the aircraft.
bool continuous(const Dataset& ds, const Kind& k)
{
    return k.continuous &&
           (k.continuousFlag == -2 || (k.continuousFlag >= 0 && ds.field(k.continuousFlag).asInteger() == 1));
}

// The reference names of a type (ETAAGREGAT or ETA_VTULKA_NV) by ID_NAME:
// drawing number and name.
struct Reference {
    QString drawing, name;
};
using References = QHash<QString, Reference>;

References readReferences(Connection* c, const QString& table, const QString& type)
{
    namespace ea = pos::etaagregat; // ETA_VTULKA_NV keeps the same positions
    References out;
    for (auto ds = openQuery(c, QStringLiteral("Select * From ") + table + QStringLiteral(" Where ((TIP_VS)='") +
                                    sqlEscape(type) + QStringLiteral("') Order By ID_NAME;"));
         !ds->eof(); ds->next())
        out.insert(ds->str(ea::ID_NAME).trimmed(), {ds->str(ea::CHERT_NOMER), ds->str(ea::NAME)});
    return out;
}

class AircraftRow {
public:
    AircraftRow(Connection* c, const frames::AircraftRef& a, const QString& aircraftOverhaul, const QDate& today,
                StagingRow& row, QStringList& overrun, QStringList& expired)
        : m_c(c), m_a(a), m_aircraftOverhaul(aircraftOverhaul), m_today(today), m_row(row), m_overrun(overrun),
          m_expired(expired)
    {
    }

    // Every component of a query, placed by calendar and by hours.
    void place(Dataset& components, const Kind& k, const References* refs = nullptr)
    {
        for (Dataset* ds = &components; !ds->eof(); ds->next()) {
            const QString kind = k.name[0] ? QString::fromUtf8(k.name) : referenceKind(*ds, refs);
            try {
                if (k.calendarSet >= 0 && isSet(*ds, k.calendarSet)) placeCalendar(*ds, k, kind);
                placeHours(*ds, k, kind);
            } catch (const ConversionError& e) {
                throw ConversionError(QStringLiteral("ВС %1, %2 № %3: %4. Исправьте значение в карточке компонента "
                                                     "и повторите план замены.")
                                          .arg(frames::aircraftText(m_a.type, m_a.board), kind,
                                               ds->str(k.serial).trimmed(), e.message()));
            }
        }
    }

    // Hoses counted by the calendar: from manufacture, or from installation
    // when UCHET_OT_DATY_UST is 1, plus their calendar life RESURS (Y.MM).
    void placeHoseCalendar(Dataset& hoses)
    {
        for (Dataset* ds = &hoses; !ds->eof(); ds->next()) {
            if (!limitSet(*ds, sh::RESURS)) continue;
            const int from = ds->field(sh::UCHET_OT_DATY_UST).asInteger() == 1 ? sh::DATA_USTANOVKI
                                                                                 : sh::DATA_VYPUSKA_RUKAVA;
            const QDate base = ds->field(from).asDate();
            if (!base.isValid()) continue;
            int months = 0;
            try {
                months = rarozidi::calendarMonths(ds->str(sh::RESURS).trimmed(), ds->fieldName(sh::RESURS));
            } catch (const ConversionError&) {
                throw ConversionError(QStringLiteral("ВС %1, Шланги № %2: календарный ресурс «%3» (RESURS) не в "
                                                     "виде «годы.месяцы». Исправьте значение в карточке шланга и "
                                                     "повторите план замены.")
                                          .arg(frames::aircraftText(m_a.type, m_a.board),
                                               ds->str(sh::ZAVODSKOY_NOMER).trimmed(), ds->str(sh::RESURS).trimmed()));
            }
            addCalendar(rarozidi::plannedRemovalDate(base, QDate(), 0, months, 0), QStringLiteral("Шланги"),
                        ds->str(sh::ZAVODSKOY_NOMER).trimmed());
        }
    }

private:
    QString referenceKind(const Dataset& ds, const References* refs) const
    {
        // AGREGAT and VTULKA_NV keep their reference ID_NAME, drawing number
        // and name at the same positions.
        const auto it = refs ? refs->constFind(ds.str(ag::ID_NAME).trimmed()) : References::const_iterator();
        if (refs && it != refs->constEnd()) return unitKind(it->drawing, it->name);
        const QString own = unitKind(ds.str(ag::CHERT_NOMER), ds.str(ag::NAZVANIE));
        return own.isEmpty() ? rarozidi::FunAddIDNameAgregat(ds) : own;
    }

    void addCalendar(const QDate& removal, const QString& kind, const QString& serial)
    {
        if (!removal.isValid() || removal > m_today.addMonths(P::CalendarMonths)) return;
        FunNormalADD(m_row, P::Calendar, removal.toString(QStringLiteral("MM.yy")), kind);
        // "mm.yy" of a past date reads like one to come: the heading names it.
        if (removal < m_today)
            m_expired << QStringLiteral("%1 %2 № %3 (%4)")
                             .arg(frames::aircraftText(m_a.type, m_a.board), kind, serial,
                                  removal.toString(QStringLiteral("dd.MM.yyyy")));
    }

    void placeCalendar(const Dataset& ds, const Kind& k, const QString& kind)
    {
        const int limit = neverRepaired(ds, k.repairs) && limitSet(ds, k.firstYears) ? k.firstYears : k.betweenYears;
        QString date;
        try {
            date = rarozidi::FunDataSniatia(ds, k.repairDate, k.repairs, k.assignedYears, limit, k.made);
        } catch (const ConversionError&) {
            throw ConversionError(QStringLiteral("календарный срок «%1» (%2) или «%3» (%4) не в виде «годы.месяцы»")
                                      .arg(ds.str(k.assignedYears).trimmed(), ds.fieldName(k.assignedYears),
                                           ds.str(limit).trimmed(), ds.fieldName(limit)));
        }
        if (!date.isEmpty())
            addCalendar(QDate::fromString(date, QStringLiteral("dd.MM.yyyy")), kind, ds.str(k.serial).trimmed());
    }

    // The stored running time at pos, checked first, so that a bad value is
    // told with its column.
    static void checkRunning(const Dataset& ds, int pos)
    {
        const QString stored = ds.str(pos).trimmed();
        try {
            rarozidi::parseRunningTime(stored, ds.fieldName(pos));
        } catch (const ConversionError&) {
            throw ConversionError(
                QStringLiteral("наработка «%1» (%2) не в виде «часы:минуты»").arg(stored, ds.fieldName(pos)));
        }
    }

    void placeHours(const Dataset& ds, const Kind& k, const QString& kind)
    {
        // The engine's rule: the overhaul limit (to the first overhaul while
        // never repaired) against the running time since overhaul; where the
        // row has no overhaul limit, the assigned life against the running
        // time since new.
        int used = -1, limit = -1;
        if (k.running >= 0 && isSet(ds, k.running)) {
            used = k.running;
            limit = k.repairs >= 0 && neverRepaired(ds, k.repairs) && limitSet(ds, k.firstOverhaul) ? k.firstOverhaul
                                                                                                     : k.betweenOverhauls;
        }
        if ((used < 0 || !limitSet(ds, limit)) && k.sinceNew >= 0 && isSet(ds, k.sinceNew) && limitSet(ds, k.assigned)) {
            used = k.sinceNew;
            limit = k.assigned;
        }
        if (used < 0 || !limitSet(ds, limit)) return;
        checkRunning(ds, used);
        const QString left = continuous(ds, k) ? rarozidi::FunOstatChas(ds, limit, k.continuous(*m_c, ds, used),
                                                                        ds.fieldName(used))
                                               : rarozidi::FunNarPlanSniatDvig(ds, used, limit, m_aircraftOverhaul);
        if (left.isEmpty()) return;
        const long long minutes = rarozidi::parseRunningTime(left, QStringLiteral("remainder"));
        const QString hours = rarozidi::wholeHoursText(left);
        if (minutes < 0) {
            m_overrun << QStringLiteral("%1 %2 № %3 (остаток %4)")
                             .arg(frames::aircraftText(m_a.type, m_a.board), kind, ds.str(k.serial).trimmed(), left);
            return;
        }
        const int band = bandPosition(hours.toLongLong());
        if (band < 0) return;
        const bool star = k.star >= 0 && ds.str(k.star).trimmed() == QLatin1String("1");
        FunNormalADD(m_row, band, hours + (star ? QStringLiteral("*") : QString()), kind);
    }

    Connection* m_c;
    frames::AircraftRef m_a;
    QString m_aircraftOverhaul;
    QDate m_today;
    StagingRow& m_row;
    QStringList& m_overrun; // components past their limit
    QStringList& m_expired; // calendar limits already past
};

// The rows of one aircraft in a table ("SELECT * FROM <table> WHERE
// (((TIP_VS) = '<type>') AND ((<board column>) = '<board>')) ORDER BY ID;"),
// from the one read of the table when the selection is read in sets.
std::unique_ptr<Dataset> aircraftRows(Connection* c, frames::BoardSets& sets, const QString& table,
                                      const QString& boardColumn, const frames::AircraftRef& a)
{
    auto ds = std::make_unique<Dataset>(c);
    sets.openSorted(*ds,
                    QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE (((TIP_VS) = '") +
                        sqlEscape(a.type) + QStringLiteral("') AND ((") + boardColumn + QStringLiteral(") = '") +
                        sqlEscape(a.board) + QStringLiteral("')) ORDER BY ID;"),
                    QStringLiteral("From ") + table, QStringLiteral("ID"),
                    {{boardColumn, a.board}, {QStringLiteral("TIP_VS"), a.type}});
    return ds;
}

// Position 4: remaining starts and bleeds of the APU's limits (to the first
// overhaul while never repaired).
QString apuText(Connection* c, frames::BoardSets& sets, const frames::AircraftRef& a)
{
    const auto ds = aircraftRows(c, sets, QStringLiteral("VSU"), QStringLiteral("MESTO_USTANOVKI"), a);
    if (ds->eof()) return QStringLiteral("-");
    const bool never = neverRepaired(*ds, vs::VSEGO_REMONTOV);
    QString out;
    const int starts = never && limitSet(*ds, vs::ZAPUSKI_DO_PERVOGO) ? vs::ZAPUSKI_DO_PERVOGO : vs::ZAPUSKI_MEGREMONTNY;
    if (limitSet(*ds, starts))
        out += rarozidi::FunOstatInteger(*ds, starts, vs::ZAPUSKI_PPR) + QStringLiteral(" зап ");
    const int bleeds = never && limitSet(*ds, vs::OTBORY_DO_PERVOGO) ? vs::OTBORY_DO_PERVOGO : vs::OTBORY_MEGREMONTNY;
    if (limitSet(*ds, bleeds)) out += rarozidi::FunOstatInteger(*ds, bleeds, vs::OTBORY_PPR) + QStringLiteral(" отб");
    return out;
}

// The components of an aircraft in the order they are placed: "SELECT *
// FROM <table> WHERE (((TIP_VS) = '<type>') AND ((GDE_STOIT) = '<board>')
// AND <condition>) ORDER BY <order>;". Units and hubs take their names from
// the type's reference rows; hoses counted by the calendar (kind none) are
// placed by their calendar life alone.
enum class Names { Own, Units, Hubs };
struct Components {
    const char* table;
    const char* condition; // "" or the condition of the kind
    const char* order;
    const Kind* kind;
    Names names = Names::Own;
};
const Components kComponents[] = {
    {"DVIGATEL", "", "ID", &kEngine},
    {"REDUCTOR", "", "ID", &kGearbox},
    {"VOZDUSHNY_VINT", "", "ODIN_DVA, ID", &kPropeller},
    {"LEBEDKA", "", "ID", &kWinch},
    {"SHLANG", "(VID_UCHETA = '1' Or VID_UCHETA = '2')", "ID", &kHoseHours},
    {"SHLANG", "(VID_UCHETA = '0' Or VID_UCHETA = '2')", "DATA_VYPUSKA_RUKAVA", nullptr},
    {"LOPAST", "((TIP_VINTA)='Несущий')", "TIP_VINTA, ID", &kMainBlades},
    {"LOPAST", "((TIP_VINTA)='Хвостовой')", "TIP_VINTA, ID", &kTailBlades},
    {"HVOSTOVOY_VINT", "((ZAVODSKOY_NOMER_VTULKA) Is Not Null)", "ID", &kTailHub},
    {"AGREGAT", "((PLAN_DVIG_VSU) = '0') AND ((ED_IZMERENIA)=0)", "CHERT_NOMER, NAZVANIE, ID", &kUnit, Names::Units},
    {"VTULKA_NV", "", "CHERT_NOMER, NAZVANIE, ID", &kMainHub, Names::Hubs},
};

// The rows of one aircraft's components: its own query, or, for a large
// selection, from the table read once with the same condition and order (an
// order that does not end in ID is read as the query gives it).
std::unique_ptr<Dataset> openComponents(Connection* c, frames::BoardSets& sets, const Components& q,
                                        const frames::AircraftRef& a)
{
    const QString table = QLatin1String(q.table), condition = QString::fromUtf8(q.condition), order = QLatin1String(q.order);
    const QString literal = QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE (((TIP_VS) = '") +
                            sqlEscape(a.type) + QStringLiteral("') AND ((GDE_STOIT) = '") + sqlEscape(a.board) +
                            QStringLiteral("')") + (condition.isEmpty() ? QString() : QStringLiteral(" AND ") + condition) +
                            QStringLiteral(") ORDER BY ") + order + QLatin1Char(';');
    const QString source = QStringLiteral("From ") + table +
                           (condition.isEmpty() ? QString() : QStringLiteral(" Where ") + condition);
    const frames::BoardSets::Keys keys{{QStringLiteral("GDE_STOIT"), a.board}, {QStringLiteral("TIP_VS"), a.type}};
    auto ds = std::make_unique<Dataset>(c);
    if (order.endsWith(QLatin1String("ID")))
        sets.openSorted(*ds, literal, source, order, keys);
    else
        sets.open(*ds, literal, QStringLiteral("Select * ") + source + QStringLiteral(" Order By ") + order + QLatin1Char(';'),
                  keys);
    return ds;
}

// Reads, for a large selection, the flight records of every aircraft once
// from the earliest installation of its continuously counted components.
void readContinuousFlights(Connection* c, frames::BoardSets& sets, const std::vector<frames::AircraftRef>& aircraft)
{
    std::vector<std::pair<QString, QDate>> since;
    for (const frames::AircraftRef& a : aircraft)
        for (const Components& q : kComponents) {
            if (!q.kind || !q.kind->continuous) continue;
            for (auto ds = openComponents(c, sets, q, a); !ds->eof(); ds->next()) {
                if (!continuous(*ds, *q.kind)) continue;
                const rarozidi::ContinuousSpan span = rarozidi::continuousSpan(*ds);
                if (!span.board.isEmpty()) since.emplace_back(span.board, span.installed);
            }
        }
    rarozidi::FlightCache::readBoardsSince(*c, since);
}

} // namespace

PlanZamenResult buildPlanZamen(Connection* c, const PlanZamenOptions& o, const QDate& today,
                               const std::function<void()>& step)
{
    PlanZamenResult out;
    // The type data (ground rules) and reference names are read once a run,
    // each aircraft's flight records once.
    const QueryMemo memo(c, {QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("ETAAGREGAT"),
                             QStringLiteral("ETA_VTULKA_NV")});
    const rarozidi::FlightCache flights;
    frames::BoardSets sets(c, frames::BoardSets::wanted(o.aircraft.size()));
    if (sets.sets()) readContinuousFlights(c, sets, o.aircraft);
    QHash<QString, References> units, hubs;
    QStringList overrun, expired;
    for (const frames::AircraftRef& a : o.aircraft) {
        if (!units.contains(a.type)) {
            units.insert(a.type, readReferences(c, QStringLiteral("ETAAGREGAT"), a.type));
            hubs.insert(a.type, readReferences(c, QStringLiteral("ETA_VTULKA_NV"), a.type));
        }
        const auto reg = aircraftRows(c, sets, QStringLiteral("REESTR"), QStringLiteral("BORTOVOI_NOMER"), a);
        const QString aircraftOverhaul = reg->eof() ? QString() : reg->str(pos::reestr::NARABOTKA_PPR);
        StagingRow row;
        row.set(P::Aircraft, frames::aircraftText(a.type, a.board))
            .set(P::Overhaul, rarozidi::wholeHoursText(aircraftOverhaul.trimmed()));
        if (reg->eof())
            out.doubts << QStringLiteral("ВС %1 нет в реестре").arg(frames::aircraftText(a.type, a.board));
        row.set(P::Apu, apuText(c, sets, a));

        AircraftRow r(c, a, aircraftOverhaul, today, row, overrun, expired);
        for (const Components& q : kComponents) {
            auto ds = openComponents(c, sets, q, a);
            if (!q.kind)
                r.placeHoseCalendar(*ds);
            else
                r.place(*ds, *q.kind,
                        q.names == Names::Units ? &units[a.type] : q.names == Names::Hubs ? &hubs[a.type] : nullptr);
        }
        out.rows.push_back(row);
        if (step) step();
    }
    if (!overrun.isEmpty())
        out.doubts << QStringLiteral("ресурс выработан, в полосы не включены: ") + overrun.join(QStringLiteral("; "));
    if (!expired.isEmpty())
        out.doubts << QStringLiteral("календарный срок уже истек: ") + expired.join(QStringLiteral("; "));
    return out;
}

TfrPlanSprPlanZamen::TfrPlanSprPlanZamen() : TPlanFrame(QStringLiteral("frmPlanSpravka"))
{
    GridSpravka = new frames::AircraftGrid(this);
    GridSpravka->setObjectName(QStringLiteral("GridSpravka"));
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    bindShowButton(cmdReport);
}

void TfrPlanSprPlanZamen::FunStart()
{
    cboSobst = new frames::OwnerSelector(this, settingsPath());
    layOutOwnerOptions(this, cboSobst, {GridSpravka}, cmdReport);
    cboSobst->FunCboSobst(ADOConPdo);
    GridSpravka->setScale(S);
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kVisibleTypesQuery), true);
}

PlanZamenOptions TfrPlanSprPlanZamen::options() const { return {GridSpravka->tickedAircraft()}; }

void TfrPlanSprPlanZamen::FunReport()
{
    const PlanZamenOptions o = options();
    runSingleReport(reportHost(), *ADOQueryReport, QString::fromUtf8(kPlanZamenQuery), QStringLiteral("rep08"),
                    [&](StagingWriter& w) {
                        const ReadTransaction reads(ADOConPdo);
                        progressStart(std::max<int>(1, static_cast<int>(o.aircraft.size())));
                        const PlanZamenResult r = buildPlanZamen(ADOConPdo, o, Clock::today(), [this] { progressStep(); });
                        ReportValues v;
                        v.insert(QStringLiteral("report_title"), QStringLiteral("План замены агрегатов"));
                        QStringList boards;
                        for (const frames::AircraftRef& a : o.aircraft) boards << a.board;
                        v.insert(QStringLiteral("covers"),
                                 QStringList{QStringLiteral("ВС: ") + (boards.isEmpty() ? QStringLiteral("не выбраны")
                                                                                         : boards.join(QStringLiteral(", "))),
                                             QStringLiteral("Остаток до замены на ") + dateText(Clock::today()) +
                                                 QStringLiteral(", календарные сроки — до ") +
                                                 dateText(Clock::today().addMonths(P::CalendarMonths))});
                        if (!r.doubts.isEmpty()) v.insert(QStringLiteral("doubts"), r.doubts);
                        reportComponent()->setValues(v);
                        for (const StagingRow& row : r.rows) w.addRow(row);
                    });
}

} // namespace plan::sheets
