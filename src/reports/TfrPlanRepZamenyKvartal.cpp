#include "reports/TfrPlanRepZamenyKvartal.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
#include "frames/BoardSets.h"
#include "frames/CodeSelector.h"
#include "frames/SqlText.h"
#include "frames/TuneDocs.h"
#include "platform/Clock.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/ReportComponent.h"
#include "rarozidi/Flying.h"
#include "rarozidi/Func.h"
#include "rarozidi/RunningTime.h"
#include "reports/FrameParts.h"

#include <QHBoxLayout>
#include <QHash>
#include <QSet>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace plan::reports {

PLAN_REGISTER_FRAME(TfrPlanRepZamenyKvartal)

QString zamenyKvartalTuneName() { return QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС"); }

namespace {

// How the running time of a kind is read.
enum class Running { Stored, Lopast, HvostVint, Agr, Lebedka };

// The columns of a component table the line is written from (-1: none).
struct Columns {
    int model, serial, place, made, repairPlant, repairDate, repairs, calendarFrom;
    int sinceNew, sinceOverhaul, assigned, first, between, assignedYears, firstYears, betweenYears;
    int extended, extendedLife, extendedDate, continuous;
    const char* sinceNewName;
    const char* sinceOverhaulName;
};

namespace D = pos::dvigatel;
constexpr Columns kEngine{D::NAZVANIE_DVIGATELYA, D::ZAVODSKOI_NOMER, D::GDE_STOIT, D::IZGOTOVLEN_DATA,
                          D::REMONT_ZAVOD, D::REMONT_DATA, D::VSEGO_REMONTOV, D::DATA_KALENDAR, D::NARABOTKA_SNE,
                          D::NARABOTKA_PPR, D::NAZNACHENNYI_CHASOV, D::DO_PERVOGO_CHASOV, D::MEZHREMONTNYI_CHASOV,
                          D::NAZNACHENNYI_LET, D::DO_PERVOGO_LET, D::MEZHREMONTNYI_LET, D::PRODLEN, D::PRODLEN_RESURS,
                          D::PRODLEN_DATA, -1, "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace V = pos::vsu;
constexpr Columns kApu{V::NAZVANIE, V::ZAVODSKOY_NOMER, V::MESTO_USTANOVKI, V::IZGOTOVLEN_DATA, V::REMONT_ZAVOD,
                       V::REMONT_DATA, V::VSEGO_REMONTOV, -1, V::OBSHAIA_SNE, V::OBSHAIA_PPR, V::OBSHAIA_NAZN,
                       V::OBSHAIA_DO_PERVOGO, V::OBSHAIA_MEGREMONTNY, -1, -1, -1, -1, -1, -1, -1, "OBSHAIA_SNE",
                       "OBSHAIA_PPR"};
// The APU model "ТА-14-130" keeps its hours in the summed columns.
constexpr Columns kApuTa14{V::NAZVANIE, V::ZAVODSKOY_NOMER, V::MESTO_USTANOVKI, V::IZGOTOVLEN_DATA, V::REMONT_ZAVOD,
                           V::REMONT_DATA, V::VSEGO_REMONTOV, -1, V::SUMMA_SNE, V::SUMMA_PPR, V::SUMMA_NAZN,
                           V::SUMMA_DO_PERVOGO, V::SUMMA_MEGREM, -1, -1, -1, -1, -1, -1, -1, "SUMMA_SNE", "SUMMA_PPR"};
namespace L = pos::lopast;
constexpr Columns kBlade{L::NAZVANIE, L::ZAVODSKOY_NOMER, L::GDE_STOIT, L::IZGOTOVLEN_DATA, L::REMONT_ZAVOD,
                         L::REMONT_DATA, L::VSEGO_REMONTOV, -1, L::NARABOTKA_SNE, L::NARABOTKA_PPR, L::RESURS_CHASOV,
                         L::DO_PERVOGO_CHASOV, L::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1, -1, L::NEPRERYVNO,
                         "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace H = pos::hvostovoy_vint;
constexpr Columns kTailHub{H::NAZVANIE_VINT, H::ZAVODSKOY_NOMER_VTULKA, H::GDE_STOIT, H::IZGOTOVLEN_DATA,
                           H::REMONT_ZAVOD, H::REMONT_DATA, H::VSEGO_REMONTOV, -1, H::NARABOTKA_SNE, H::NARABOTKA_PPR,
                           H::NAZNACHENNYI_CHASOV, H::DO_PERVOGO_CHASOV, H::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1, -1,
                           H::NEPRERYVNO, "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace T = pos::vtulka_nv;
constexpr Columns kMainHub{T::CHERT_NOMER, T::ZAVODSKOY_NOMER, T::GDE_STOIT, T::IZGOTOVLEN_DATA, T::REMONT_ZAVOD,
                           T::REMONT_DATA, T::VSEGO_REMONTOV, -1, T::NARABOTKA_SNE, T::NARABOTKA_PPR,
                           T::NAZNACHENNYI_RESURS, T::DO_PERVOGO_CHASOV, T::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1, -1,
                           T::NEPRERYVNO, "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace P = pos::vozdushny_vint;
constexpr Columns kPropeller{P::NAZVANIE_VINTA, P::ZAVODSKOY_NOMER, P::GDE_STOIT, P::IZGOTOVLEN_DATA, P::REMONT_ZAVOD,
                             P::REMONT_DATA, P::VSEGO_REMONTOV, -1, P::NARABOTKA_SNE, P::NARABOTKA_PPR,
                             P::NAZNACHENNYI_CHASOV, P::DO_PERVOGO_CHASOV, P::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1,
                             -1, -1, "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace A = pos::agregat;
constexpr Columns kUnit{A::CHERT_NOMER, A::ZAVODSKOY_NOMER, A::GDE_STOIT, A::IZGOTOVLEN_DATA, A::REMONT_ZAVOD,
                        A::REMONT_DATA, A::VSEGO_REMONTOV, -1, A::NARABOTKA_SNE, A::NARABOTKA_PPR,
                        A::NAZNACHENNYI_RESURS, A::DO_PERVOGO_CHASOV, A::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1, -1,
                        A::NEPRERYVNO, "NARABOTKA_SNE", "NARABOTKA_PPR"};
namespace W = pos::lebedka;
constexpr Columns kWinch{W::NAZVANIE_LEBEDKA, W::ZAVODSKOY_NOMER_LEBEDKA, W::GDE_STOIT, W::IZGOTOVLEN_DATA,
                         W::REMONT_ZAVOD, W::REMONT_DATA, W::VSEGO_REMONTOV, -1, W::NARABOTKA_SNE, W::NARABOTKA_PPR,
                         W::NAZNACHENNYI_CHASOV, W::DO_PERVOGO_CHASOV, W::MEZHREMONTNYI_CHASOV, -1, -1, -1, -1, -1, -1,
                         W::NEPRERYVNO, "NARABOTKA_SNE", "NARABOTKA_PPR"};

enum class Caption { Fixed, Hub, Unit };

// One pass of a kind: the movement filter, the lookup of the component,
// what the line says.
struct Pass {
    const char* filter;      // the NAIMENOVANIE condition of the movement query
    const char* table;       // the component table
    const char* serial;      // its serial number column
    const char* rotor;       // the rotor condition of blades ("Upper(TIP_VINTA) Like ..."), or nullptr
    const char* caption;     // Caption::Fixed
    Caption captionKind;
    const char* group;       // "5" or "1"
    Running running;
    const Columns* columns;
    bool unitReference;      // the filter goes on with the units of the tuned line
};

struct Kind {
    const char* key;
    std::vector<Pass> passes;
};

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> k{
        {"Dvigatel",
         {{"((NAIMENOVANIE)='Dvigatel') ", "DVIGATEL", "ZAVODSKOI_NOMER", nullptr,
           "Двигатель", Caption::Fixed, "5", Running::Stored, &kEngine, false}}},
        {"Reductor",
         {{"((NAIMENOVANIE)='Reductor') ", "REDUCTOR", "ZAVODSKOI_NOMER", nullptr,
           "Главный редуктор", Caption::Fixed, "5", Running::Stored, &kEngine, false}}},
        {"VSU",
         {{"((NAIMENOVANIE)='VSU') ", "VSU", "ZAVODSKOY_NOMER", nullptr, "ВСУ",
           Caption::Fixed, "5", Running::Stored, &kApu, false}}},
        {"LopastHV",
         {{"((NAIMENOVANIE)='HvostovoyVint') And ((ID_NAME)='1') ", "LOPAST", "ZAVODSKOY_NOMER",
           "Upper(TIP_VINTA) Like Upper('Хвостовой')", "Лопасти РВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"HvostovoyVint",
         {{"((NAIMENOVANIE)='HvostovoyVint') And ((ID_NAME)='0') ",
           "HVOSTOVOY_VINT", "ZAVODSKOY_NOMER_VTULKA", nullptr, "Втулка РВ",
           Caption::Fixed, "1", Running::HvostVint, &kTailHub, false}}},
        {"LopastNV",
         {{"((NAIMENOVANIE)='LopastNV') ", "LOPAST", "ZAVODSKOY_NOMER",
           "Upper(TIP_VINTA) Like Upper('Несущий')", "Лопасть НВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"VtulkaNV",
         {{"((NAIMENOVANIE)='VtulkaNV') ", "VTULKA_NV", "ZAVODSKOY_NOMER", nullptr, "",
           Caption::Hub, "1", Running::Agr, &kMainHub, false}}},
        {"LopastVV",
         {{"((NAIMENOVANIE)='VozdushnyVint') And ((ID_NAME)='1') ", "LOPAST", "ZAVODSKOY_NOMER",
           "Upper(TIP_VINTA) Like Upper('Воздушный')", "Лопасти ВВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"VozdVint",
         {{"((NAIMENOVANIE)='VozdushnyVint') And ((ID_NAME)='0') ",
           "VOZDUSHNY_VINT", "ZAVODSKOY_NOMER", nullptr, "Втулка ВВ", Caption::Fixed, "1",
           Running::Stored, &kPropeller, false}}},
        {"Agregat",
         {{"((NAIMENOVANIE)='Agregat') And (", "AGREGAT", "ZAVODSKOY_NOMER", nullptr, "",
           Caption::Unit, "1", Running::Agr, &kUnit, true},
          {"((NAIMENOVANIE)='AgrDvig') And (", "AGREGAT", "ZAVODSKOY_NOMER", nullptr, "",
           Caption::Unit, "1", Running::Agr, &kUnit, true}}},
        {"Lebedka",
         {{"((NAIMENOVANIE)='Lebedka') ", "LEBEDKA", "ZAVODSKOY_NOMER_LEBEDKA", nullptr,
           "Электролебедка", Caption::Fixed, "1", Running::Lebedka, &kWinch, false}}},
    };
    return k;
}

const Kind* kindOf(const QString& key)
{
    for (const Kind& k : kinds())
        if (key == QLatin1String(k.key)) return &k;
    return nullptr;
}

QString shortDate(const Dataset& c, int pos)
{
    if (pos < 0) return {};
    const QDate d = c.field(pos).asDate();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString text(const Dataset& c, int pos) { return pos < 0 ? QString() : c.str(pos).trimmed(); }

// The whole hours of a running time: the part before the first ":".
QString wholeHours(const QString& v)
{
    const int colon = v.indexOf(QLatin1Char(':'));
    return colon < 0 ? v : v.left(colon);
}

// The accounting measure of a unit: "час" by default; airframe units "пос"
// (landings, "1") and "лет" (years, "2"); engine units "цик" ("1") and "лет".
QString unitMeasure(const Dataset& c)
{
    const QString kind = c.str(A::ED_IZMERENIA).trimmed();
    const bool engineUnit = c.field(A::AGR_DVIGATELIA).asInteger() == 1;
    if (kind == QLatin1String("1")) return engineUnit ? QStringLiteral("цик") : QStringLiteral("пос");
    if (kind == QLatin1String("2")) return QStringLiteral("лет");
    return QStringLiteral("час");
}

// A movement as the report reads it.
struct Movement {
    QString from, to, kind, idName, serial;
};

Movement movementOf(const Dataset& m)
{
    namespace M = pos::dvigenie_v_ekspluatacii;
    return {m.str(M::OTKUDA), m.str(M::KUDA), m.str(M::NAIMENOVANIE), m.str(M::ID_NAME), m.str(M::ZAVODSKOY_NOMER)};
}

// Text equality as the database compares VARCHAR values: trailing blanks do not count.
bool sqlEqual(const QString& a, const QString& b) { return frames::comparedText(a) == frames::comparedText(b); }

// ID_NAME against the unit identifiers as idCondition writes them: a number
// compares as a number, any other identifier as text.
bool idMatches(const QString& idName, const QStringList& ids)
{
    bool own = false;
    const long long v = idName.trimmed().toLongLong(&own);
    for (const QString& id : ids) {
        bool number = false;
        const long long n = id.trimmed().toLongLong(&number);
        if (number ? (own && v == n) : sqlEqual(idName, id)) return true;
    }
    // With no identifier the condition is ID_NAME=0.
    return ids.isEmpty() && own && v == 0;
}

// The kind and ID_NAME a pass's filter asks for, as the filter text writes them.
QString quoted(const char* filter, const QString& column)
{
    const QRegularExpression re(QStringLiteral("\\(%1\\)='([^']*)'").arg(column));
    const auto m = re.match(QString::fromUtf8(filter));
    return m.hasMatch() ? m.captured(1) : QString();
}

// The column a component table keeps the aircraft a component stands on.
QString placeColumn(const Pass& p)
{
    return QLatin1String(p.table) == QLatin1String("VSU") ? QStringLiteral("MESTO_USTANOVKI") : QStringLiteral("GDE_STOIT");
}

// The component rows a pass looks up: the one of a serial number and those
// standing on an aircraft, optionally only units of the given identifiers.
// Each lookup is the pass's own query; read in sets, the rows come from one
// read of the table with the same conditions but the aircraft's or serial
// number's ("Select * From AGREGAT Where (ID_NAME=7 Or ID_NAME=9) Order By ID;").
class ComponentRows {
public:
    explicit ComponentRows(frames::BoardSets& sets) : m_sets(sets) {}

    // The rows of the serial number (the first, lowest ID, is the one used).
    std::shared_ptr<Dataset> bySerial(const Pass& p, const QString& serial, const QStringList* units = nullptr)
    {
        return rows(p, QString::fromLatin1(p.serial), serial, units);
    }

    // Every row standing on the aircraft.
    std::shared_ptr<Dataset> onAircraft(const Pass& p, const QString& board, const QStringList* units = nullptr)
    {
        return rows(p, placeColumn(p), board, units);
    }

private:
    std::shared_ptr<Dataset> rows(const Pass& p, const QString& column, const QString& value, const QStringList* units)
    {
        const QString head = QStringLiteral("Select * From ") + QString::fromLatin1(p.table);
        // The pass's other condition: the units of the tuned line or the rotor of blades.
        const QString other = units ? QLatin1Char('(') + frames::idCondition(QStringLiteral("ID_NAME"), *units) + QLatin1Char(')')
                              : p.rotor ? QString::fromUtf8(p.rotor)
                                        : QString();
        const QString tail = QStringLiteral(" Order By ID;");
        // "Select * From LOPAST Where ZAVODSKOY_NOMER='<serial>' And Upper(TIP_VINTA) Like Upper('Несущий') Order By ID;"
        const QString literal = head + QStringLiteral(" Where ") + column + QLatin1Char('=') + frames::sqlText(value) +
                                (other.isEmpty() ? QString() : QStringLiteral(" And ") + other) + tail;
        // "Select * From LOPAST Where Upper(TIP_VINTA) Like Upper('Несущий') Order By ID;"
        const QString set = head + (other.isEmpty() ? QString() : QStringLiteral(" Where ") + other) + tail;
        auto ds = std::make_shared<Dataset>();
        m_sets.open(*ds, literal, set, {{column, value}});
        return ds;
    }

    frames::BoardSets& m_sets;
};

class Builder {
public:
    Builder(Connection* c, const ZamenyOptions& o) : m_c(c), m_o(o), m_sets(c, !o.queryPerItem), m_components(m_sets) {}

    std::vector<StagingRow> build(const std::function<void()>& step)
    {
        const std::vector<frames::TuneDocRow> lines = frames::readTuneDocs(m_c, zamenyKvartalTuneName());
        const QString own = rarozidi::FunOnlyOwn(*m_c, QStringLiteral("And "));
        // The units of each tuned unit line, read once.
        std::vector<QStringList> unitIds(lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].key == QLatin1String("Agregat")) unitIds[i] = unitsOf(lines[i]);
        // The quarter's own movements, read once, in the order of the form's queries.
        std::vector<Movement> quarter;
        if (!m_o.queryPerItem) {
            auto m = openQuery(m_c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where ((DATA_PEREVODA) Between ") +
                                        frames::sqlDate(m_o.quarter.first) + QStringLiteral(" And ") +
                                        frames::sqlDate(m_o.quarter.last) + QStringLiteral(") ") + own +
                                        QStringLiteral(" Order By DATA_PEREVODA, OTKUDA, KUDA, ID;"));
            for (; !m->eof(); m->next()) quarter.push_back(movementOf(*m));
        }
        // Every component on the aircraft at the quarter's end: the movements
        // after it, read once, tell which of today's were put on later and which
        // were taken off later; each aircraft's are found by its board number.
        std::vector<Movement> later;
        QHash<QString, std::vector<const Movement*>> laterByBoard;
        if (m_o.allInstalled) {
            auto m = openQuery(m_c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where DATA_PEREVODA > ") +
                                        frames::sqlDate(m_o.quarter.last) +
                                        QStringLiteral(" Order By DATA_PEREVODA, ID;"));
            for (; !m->eof(); m->next()) later.push_back(movementOf(*m));
            laterByBoard = byBoard(later, true);
        }
        const QHash<QString, std::vector<const Movement*>> quarterByBoard = byBoard(quarter, !m_o.installedOnly);
        for (const frames::AircraftRef& a : m_o.aircraft) {
            const QString board = frames::comparedText(a.board);
            const std::vector<const Movement*> laterHere = laterByBoard.value(board);
            const std::vector<const Movement*> quarterHere = quarterByBoard.value(board);
            for (size_t i = 0; i < lines.size(); ++i) {
                const Kind* kind = kindOf(lines[i].key);
                if (!kind) continue; // a key of no kind of this report
                if (m_o.allInstalled) {
                    addInstalled(a, *kind, unitIds[i], lines[i], laterHere);
                    continue;
                }
                for (const Pass& p : kind->passes) {
                    std::vector<Movement> moves;
                    if (m_o.queryPerItem) {
                        QString filter = QString::fromUtf8(p.filter);
                        if (p.unitReference)
                            filter += frames::idCondition(QStringLiteral("ID_NAME"), unitIds[i]) + QStringLiteral(") ");
                        moves = movementsOf(a, filter, own);
                    } else {
                        for (const Movement* m : quarterHere)
                            if (concerns(*m, p, unitIds[i])) moves.push_back(*m);
                    }
                    for (const Movement& mv : moves) add(a, p, mv, lines[i]);
                }
            }
            if (step) step();
        }
        if (!m_o.queryPerItem) readFlightsOfLines();
        std::vector<StagingRow> rows;
        rows.reserve(m_lines.size());
        for (const Line& l : m_lines) {
            l.ds->setRecNo(l.rec);
            StagingRow r = row(*l.ds, *l.pass, *l.aircraft, l.toAircraft, *l.tuned);
            if (l.allInstalled) r.set(zk::Spare, QStringLiteral("1"));
            rows.push_back(std::move(r));
        }
        return rows;
    }

private:
    // "Select * From ETAAGREGAT Where NAZVANIE='<name>' And CHERT_NOMER='<drawing>' Order By ID;": the
    // ID_NAME of every row; the names shown by ID_NAME are kept for the captions.
    QStringList unitsOf(const frames::TuneDocRow& line)
    {
        namespace E = pos::etaagregat;
        QStringList ids;
        Dataset ds;
        m_sets.open(ds,
                    QStringLiteral("Select * From ETAAGREGAT Where NAZVANIE=") + frames::sqlText(line.unitName) +
                        QStringLiteral(" And ") + QStringLiteral("CHERT_NOMER=") + frames::sqlText(line.drawing) +
                        QStringLiteral(" Order By ID;"),
                    QStringLiteral("Select * From ETAAGREGAT Order By ID;"),
                    {{QStringLiteral("NAZVANIE"), line.unitName}, {QStringLiteral("CHERT_NOMER"), line.drawing}});
        for (; !ds.eof(); ds.next()) {
            const QString id = ds.str(E::ID_NAME).trimmed();
            ids << id;
            if (!m_unitNames.contains(id)) m_unitNames.insert(id, ds.str(E::NAME).trimmed());
        }
        return ids;
    }

    // The hub names of a type by ID_NAME (of rows with the same ID_NAME the
    // last read), once per type.
    const QHash<QString, QString>& hubNames(const QString& type)
    {
        namespace E = pos::eta_vtulka_nv;
        auto it = m_hubNames.find(type);
        if (it != m_hubNames.end()) return *it;
        QHash<QString, QString> names;
        Dataset ds;
        m_sets.open(ds,
                    QStringLiteral("Select * From ETA_VTULKA_NV Where ((TIP_VS)=") + frames::sqlText(type) +
                        QStringLiteral(") Order By ID_NAME;"),
                    QStringLiteral("Select * From ETA_VTULKA_NV Order By ID_NAME;"), {{QStringLiteral("TIP_VS"), type}});
        for (; !ds.eof(); ds.next()) names.insert(ds.str(E::ID_NAME).trimmed(), ds.str(E::NAME).trimmed());
        return *m_hubNames.insert(type, names);
    }

    // The form's own query of an aircraft and a pass.
    std::vector<Movement> movementsOf(const frames::AircraftRef& a, const QString& filter, const QString& own)
    {
        const QString where = m_o.installedOnly
                                  ? QStringLiteral("((KUDA)=") + frames::sqlText(a.board) + QStringLiteral(")")
                                  : QStringLiteral("(((OTKUDA)=") + frames::sqlText(a.board) + QStringLiteral(") Or ((KUDA)=") +
                                        frames::sqlText(a.board) + QStringLiteral("))");
        auto m = openQuery(m_c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where ") + where +
                                    QStringLiteral("  And ") + filter + own + QStringLiteral(" And ") +
                                    QStringLiteral("((DATA_PEREVODA) Between ") + frames::sqlDate(m_o.quarter.first) +
                                    QStringLiteral(" And ") + frames::sqlDate(m_o.quarter.last) + QStringLiteral(") ") +
                                    QStringLiteral("Order By DATA_PEREVODA, OTKUDA, KUDA, ID;"));
        std::vector<Movement> out;
        for (; !m->eof(); m->next()) out.push_back(movementOf(*m));
        return out;
    }

    // The movements of each board number (trailing blanks cut) to it, or to
    // or from it, in their order.
    static QHash<QString, std::vector<const Movement*>> byBoard(const std::vector<Movement>& moves, bool withFrom)
    {
        QHash<QString, std::vector<const Movement*>> out;
        for (const Movement& m : moves) {
            const QString to = frames::comparedText(m.to), from = frames::comparedText(m.from);
            out[to].push_back(&m);
            if (withFrom && from != to) out[from].push_back(&m);
        }
        return out;
    }

    // A movement of the components of a pass (its kind, rotor part, units).
    static bool concerns(const Movement& m, const Pass& p, const QStringList& unitIds)
    {
        // The kind and rotor part of each pass, taken from its filter once.
        static QHash<const Pass*, std::pair<QString, QString>> asked;
        auto it = asked.find(&p);
        if (it == asked.end())
            it = asked.insert(&p, {quoted(p.filter, QStringLiteral("NAIMENOVANIE")), quoted(p.filter, QStringLiteral("ID_NAME"))});
        const auto& [kind, idName] = *it;
        if (!sqlEqual(m.kind, kind)) return false;
        if (!idName.isEmpty() && !sqlEqual(m.idName, idName)) return false;
        return !p.unitReference || idMatches(m.idName, unitIds);
    }

    // The lines of every component of a kind on the aircraft at the quarter's
    // end: those on it today that were not put on after the quarter, then
    // those taken off it after the quarter (found by serial number as the
    // movements' lines are). The first movement of a serial number after the
    // quarter decides: to the aircraft - it was not there; from it - it was.
    void addInstalled(const frames::AircraftRef& a, const Kind& kind, const QStringList& unitIds,
                      const frames::TuneDocRow& line, const std::vector<const Movement*>& later)
    {
        const Pass& p = kind.passes.front();
        QHash<QString, bool> wasOn; // serial -> on the aircraft at the quarter's end
        std::vector<QString> takenOff;
        for (const Movement* mp : later) {
            const Movement& m = *mp;
            const bool to = sqlEqual(m.to, a.board), from = sqlEqual(m.from, a.board);
            if (!(to || from)) continue;
            if (std::none_of(kind.passes.begin(), kind.passes.end(),
                             [&](const Pass& q) { return concerns(m, q, unitIds); }))
                continue;
            const QString serial = m.serial.trimmed();
            if (wasOn.contains(serial)) continue;
            wasOn.insert(serial, !to);
            if (!to) takenOff.push_back(serial);
        }
        const QStringList* units = p.unitReference ? &unitIds : nullptr;
        const std::shared_ptr<Dataset> on = m_components.onAircraft(p, a.board, units);
        QSet<QString> listed;
        for (; !on->eof(); on->next()) {
            const QString serial = text(*on, p.columns->serial);
            listed.insert(serial);
            if (!wasOn.value(serial, true)) continue; // put on after the quarter
            m_lines.push_back({on, on->recNo(), &p, &a, true, &line, true});
        }
        for (const QString& serial : takenOff) {
            if (listed.contains(serial)) continue; // taken off and put back on
            const std::shared_ptr<Dataset> off = m_components.bySerial(p, serial, units);
            if (!off->eof()) m_lines.push_back({off, 0, &p, &a, true, &line, true});
        }
    }

    // The line of a movement whose component is found by its serial number.
    void add(const frames::AircraftRef& a, const Pass& p, const Movement& m, const frames::TuneDocRow& line)
    {
        const std::shared_ptr<Dataset> c = m_components.bySerial(p, m.serial);
        if (c->eof()) return; // no component of that serial number
        m_lines.push_back({c, 0, &p, &a, m.to.contains(a.board), &line, false});
    }

    // Whether the running times of a row are counted from the aircraft's
    // flying (a continuously counted part on an aircraft).
    static bool countedContinuously(const Dataset& c, const Pass& p, const Columns& k)
    {
        return p.running != Running::Stored && k.continuous >= 0 && c.field(k.continuous).asInteger() == 1 &&
               !rarozidi::isStoreWord(text(c, k.place));
    }

    // The flights of every aircraft that a continuously counted part of the
    // lines stands on, from the earliest installation among them, read in a
    // few queries instead of one per aircraft.
    void readFlightsOfLines()
    {
        QStringList boards;
        QSet<QString> seen;
        QDate from;
        for (const Line& l : m_lines) {
            l.ds->setRecNo(l.rec);
            try {
                if (!countedContinuously(*l.ds, *l.pass, *l.pass->columns)) continue;
            } catch (const ConversionError&) {
                continue; // the line names the bad value when it is written
            }
            const rarozidi::ContinuousSpan span = rarozidi::continuousSpan(*l.ds);
            if (span.board.isEmpty()) continue;
            if (!seen.contains(span.board)) {
                seen.insert(span.board);
                boards << span.board;
            }
            if (!from.isValid() || span.installed < from) from = span.installed;
        }
        if (!boards.isEmpty()) rarozidi::FlightCache::readBoards(*m_c, boards, from);
    }

    QString captionOf(const Dataset& c, const Pass& p, const frames::AircraftRef& a, const frames::TuneDocRow& line)
    {
        switch (p.captionKind) {
        case Caption::Hub: {
            const QString name = hubNames(a.type).value(c.str(T::ID_NAME).trimmed());
            return name.isEmpty() ? c.str(T::NAZVANIE).trimmed() : name;
        }
        case Caption::Unit: {
            QString name = m_unitNames.value(c.str(A::ID_NAME).trimmed());
            if (name.isEmpty()) name = c.str(A::NAZVANIE).trimmed();
            return name.isEmpty() ? line.unitName : name;
        }
        default: return QString::fromUtf8(p.caption);
        }
    }

    // A running time of the component as whole hours: from the aircraft's
    // flying for a continuously counted part on an aircraft, else as stored;
    // a text that is not "H:MM" stops the report naming the component.
    QString running(const Dataset& c, const Pass& p, const Columns& k, int pos, const char* column,
                    const QString& caption)
    {
        const QString stored = c.str(pos).trimmed();
        try {
            if (countedContinuously(c, p, k)) {
                switch (p.running) {
                case Running::Lopast: return wholeHours(rarozidi::FunNepNarLopast(*m_c, c, pos));
                case Running::HvostVint: return wholeHours(rarozidi::FunNepNarHvostVint(*m_c, c, pos));
                case Running::Lebedka: return wholeHours(rarozidi::FunNepNarLebedka(*m_c, c, pos));
                default: return wholeHours(rarozidi::FunNepNarAgr(*m_c, c, pos));
                }
            }
            // Units counted in landings or years keep whole numbers there.
            const bool hours = p.captionKind != Caption::Unit || unitMeasure(c) == QStringLiteral("час");
            if (hours && !stored.isEmpty()) rarozidi::parseRunningTime(stored, QString::fromLatin1(column));
        } catch (const ConversionError&) {
            throw ConversionError(QStringLiteral("%1 %2 (зав. № %3): наработка %4 «%5» не в виде «часы:минуты». "
                                                 "Исправьте наработку в карточке компонента и повторите отчет.")
                                      .arg(caption, text(c, k.model), text(c, k.serial), QString::fromLatin1(column),
                                           stored));
        }
        return wholeHours(stored);
    }

    StagingRow row(const Dataset& c, const Pass& p, const frames::AircraftRef& a, bool toAircraft,
                   const frames::TuneDocRow& line)
    {
        const Columns& k = p.columns == &kApu && text(c, V::NAZVANIE) == QStringLiteral("ТА-14-130") ? kApuTa14
                                                                                                    : *p.columns;
        const int repairs = c.field(k.repairs).asInteger();
        const QString caption = captionOf(c, p, a, line);
        StagingRow r;
        auto put = [&r](int pos, const QString& v) {
            if (!v.isEmpty()) r.set(pos, v);
        };
        r.set(zk::Caption, caption);
        put(zk::Model, c.str(k.model));
        put(zk::Serial, c.str(k.serial));
        if (toAircraft) r.set(zk::Board, a.board).set(zk::Type, a.type);
        put(zk::Made, shortDate(c, k.made));
        if (repairs > 0) put(zk::RepairDate, shortDate(c, k.repairDate));
        put(zk::CalendarFrom, shortDate(c, k.calendarFrom));
        r.set(zk::Measure, p.captionKind == Caption::Unit ? unitMeasure(c) : QStringLiteral("час"));
        put(zk::SinceNew, running(c, p, k, k.sinceNew, k.sinceNewName, caption));
        put(zk::Assigned, text(c, k.assigned));
        if (repairs > 0) put(zk::SinceOverhaul, running(c, p, k, k.sinceOverhaul, k.sinceOverhaulName, caption));
        put(zk::Limit, repairs == 1 && !text(c, k.first).isEmpty() ? text(c, k.first) : text(c, k.between));
        put(zk::AssignedYears, text(c, k.assignedYears));
        put(zk::LimitYears,
            repairs == 1 && !text(c, k.firstYears).isEmpty() ? text(c, k.firstYears) : text(c, k.betweenYears));
        r.set(zk::Group, QString::fromUtf8(p.group)).set(zk::Quantity, QStringLiteral("1"));
        if (repairs > 0) {
            put(zk::RepairPlant, c.str(k.repairPlant));
            r.set(zk::Repairs, QString::number(repairs));
        }
        if (k.extended >= 0 && c.field(k.extended).asInteger() == 1) {
            put(zk::ExtendedDate, shortDate(c, k.extendedDate));
            put(zk::ExtendedLife, text(c, k.extendedLife));
        }
        r.set(zk::Spare, QStringLiteral(""));
        return r;
    }

    Connection* m_c;
    const ZamenyOptions& m_o;
    // A line to write: the component row found and what the line says of it.
    // The lines are gathered first and written once the flights their
    // continuously counted parts need are read.
    struct Line {
        std::shared_ptr<Dataset> ds;
        int rec;
        const Pass* pass;
        const frames::AircraftRef* aircraft;
        bool toAircraft;
        const frames::TuneDocRow* tuned;
        bool allInstalled; // a line of the report of all components
    };
    std::vector<Line> m_lines;
    QHash<QString, QString> m_unitNames;
    QHash<QString, QHash<QString, QString>> m_hubNames; // by type
    frames::BoardSets m_sets;
    ComponentRows m_components;
};

} // namespace

std::vector<StagingRow> buildZamenyKvartal(Connection* c, const ZamenyOptions& o, const std::function<void()>& step)
{
    // Continuously counted parts take their running time from the aircraft's
    // flying: each aircraft's flight records are read once for all its parts.
    const rarozidi::FlightCache flights;
    // The per-type data (ground running) is read once per type.
    const QueryMemo memo(c, {QStringLiteral("TIPOVYE_DANNYE_VS")});
    return Builder(c, o).build(step);
}

TfrPlanRepZamenyKvartal::TfrPlanRepZamenyKvartal() : TPlanFrame(QStringLiteral("frmPlanReport"))
{
    m_panel = new QVBoxLayout(this);
    m_panel->setContentsMargins(4, 4, 4, 4);
    auto* lblExpl = new QLabel(QStringLiteral("Эксплуатант:"), this);
    lblExpl->setObjectName(QStringLiteral("lblExpl"));
    m_period = std::make_unique<frames::PeriodControls>(this);
    m_period->cboMonth->hide();
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(m_period->cboCvartal, 1);
    periodRow->addWidget(m_period->cboYear, 1);
    GridSpravka = new frames::AircraftGrid(this);
    cmdReport = new QPushButton(QStringLiteral("Показать"), this);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    m_panel->addWidget(lblExpl);
    m_panel->addLayout(periodRow);
    m_panel->addWidget(GridSpravka, 1);
    m_panel->addWidget(cmdReport);
    bindShowButton(cmdReport);
}

TfrPlanRepZamenyKvartal::~TfrPlanRepZamenyKvartal() = default;

void TfrPlanRepZamenyKvartal::FunStart(const QString& variant)
{
    m_variant = variant;
    cboExpl = new frames::OperatorSelector(this, settingsPath());
    m_panel->insertWidget(1, cboExpl);
    GridSpravka->fillTypesWithAircraft(ADOConPdo, QString::fromUtf8(frames::kRegisterTypesQuery));
    GridSpravka->setScale(S);
    FunCboExpl();
    m_period->FunCalendar(ADOConPdo);
}

void TfrPlanRepZamenyKvartal::FunCboExpl() { cboExpl->FunCboExpl(ADOConPdo); }

ZamenyOptions TfrPlanRepZamenyKvartal::options() const
{
    ZamenyOptions o;
    o.installedOnly = m_variant == QLatin1String("Type2");
    o.allInstalled = m_variant == QLatin1String("All");
    o.quarter = m_period->quarter();
    o.aircraft = GridSpravka->tickedAircraft();
    return o;
}

void TfrPlanRepZamenyKvartal::FunReport()
{
    const ZamenyOptions o = options();
    const QString operatorCode = cboExpl ? cboExpl->code() : QStringLiteral("-1");
    ReportValues v = headingValues(
        ADOConPdo, operatorCode,
        o.allInstalled    ? QStringLiteral("Квартальный отчет о всех компонентах ВС")
        : o.installedOnly ? QStringLiteral("Квартальный отчет об установленных компонентах ВС")
                          : QStringLiteral("Квартальный отчет о снятых и установленных компонентах ВС"),
        {QStringLiteral("Отчетный период: %1 (с %2 по %3)")
             .arg(m_period->quarterCaption(), o.quarter.first.toString(QStringLiteral("dd.MM.yyyy")),
                  o.quarter.last.toString(QStringLiteral("dd.MM.yyyy"))),
         QStringLiteral("Выбрано ВС: %1").arg(o.aircraft.size())},
        {});
    if (o.allInstalled)
        v.insert(QStringLiteral("covers"),
                 v.value(QStringLiteral("covers")).toStringList()
                     << QStringLiteral("Компоненты — установленные на ВС на %1; наработка — по данным учета на %2")
                            .arg(o.quarter.last.toString(QStringLiteral("dd.MM.yyyy")),
                                 Clock::today().toString(QStringLiteral("dd.MM.yyyy"))));
    if (ReportComponent* rc = reportComponent()) rc->setValues(v);
    runSingleReport(reportHost(), *ADOQueryReport, QStringLiteral("Select * From REPORT_ZAMENY_KVARTAL Order By ID;"),
                    QStringLiteral("rep23"), [&](StagingWriter& w) {
                        progressStart(std::max(static_cast<int>(o.aircraft.size()), 1));
                        for (const StagingRow& r : buildZamenyKvartal(ADOConPdo, o, [this] { progressStep(); }))
                            w.addRow(r);
                    });
}

} // namespace plan::reports
