#include "reports/TfrPlanRepZamenyKvartal.h"

#include "data/Positions.h"
#include "frames/AircraftTree.h"
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
    const char* lookupHead;  // "Select * From T Where SERIAL_COLUMN="
    const char* lookupTail;  // what follows the serial number
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
         {{"((NAIMENOVANIE)='Dvigatel') ", "Select * From DVIGATEL Where ZAVODSKOI_NOMER=", " Order By ID;",
           "Двигатель", Caption::Fixed, "5", Running::Stored, &kEngine, false}}},
        {"Reductor",
         {{"((NAIMENOVANIE)='Reductor') ", "Select * From REDUCTOR Where ZAVODSKOI_NOMER=", " Order By ID;",
           "Главный редуктор", Caption::Fixed, "5", Running::Stored, &kEngine, false}}},
        {"VSU",
         {{"((NAIMENOVANIE)='VSU') ", "Select * From VSU Where ZAVODSKOY_NOMER=", " Order By ID;", "ВСУ",
           Caption::Fixed, "5", Running::Stored, &kApu, false}}},
        {"LopastHV",
         {{"((NAIMENOVANIE)='HvostovoyVint') And ((ID_NAME)='1') ", "Select * From LOPAST Where ZAVODSKOY_NOMER=",
           " And Upper(TIP_VINTA) Like Upper('Хвостовой') Order By ID;", "Лопасти РВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"HvostovoyVint",
         {{"((NAIMENOVANIE)='HvostovoyVint') And ((ID_NAME)='0') ",
           "Select * From HVOSTOVOY_VINT Where ZAVODSKOY_NOMER_VTULKA=", " Order By ID;", "Втулка РВ",
           Caption::Fixed, "1", Running::HvostVint, &kTailHub, false}}},
        {"LopastNV",
         {{"((NAIMENOVANIE)='LopastNV') ", "Select * From LOPAST Where ZAVODSKOY_NOMER=",
           " And Upper(TIP_VINTA) Like Upper('Несущий') Order By ID;", "Лопасть НВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"VtulkaNV",
         {{"((NAIMENOVANIE)='VtulkaNV') ", "Select * From VTULKA_NV Where ZAVODSKOY_NOMER=", " Order By ID;", "",
           Caption::Hub, "1", Running::Agr, &kMainHub, false}}},
        {"LopastVV",
         {{"((NAIMENOVANIE)='VozdushnyVint') And ((ID_NAME)='1') ", "Select * From LOPAST Where ZAVODSKOY_NOMER=",
           " And Upper(TIP_VINTA) Like Upper('Воздушный') Order By ID;", "Лопасти ВВ", Caption::Fixed, "1",
           Running::Lopast, &kBlade, false}}},
        {"VozdVint",
         {{"((NAIMENOVANIE)='VozdushnyVint') And ((ID_NAME)='0') ",
           "Select * From VOZDUSHNY_VINT Where ZAVODSKOY_NOMER=", " Order By ID;", "Втулка ВВ", Caption::Fixed, "1",
           Running::Stored, &kPropeller, false}}},
        {"Agregat",
         {{"((NAIMENOVANIE)='Agregat') And (", "Select * From AGREGAT Where ZAVODSKOY_NOMER=", " Order By ID;", "",
           Caption::Unit, "1", Running::Agr, &kUnit, true},
          {"((NAIMENOVANIE)='AgrDvig') And (", "Select * From AGREGAT Where ZAVODSKOY_NOMER=", " Order By ID;", "",
           Caption::Unit, "1", Running::Agr, &kUnit, true}}},
        {"Lebedka",
         {{"((NAIMENOVANIE)='Lebedka') ", "Select * From LEBEDKA Where ZAVODSKOY_NOMER_LEBEDKA=", " Order By ID;",
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
bool sqlEqual(const QString& a, const QString& b)
{
    auto cut = [](const QString& t) {
        int n = static_cast<int>(t.size());
        while (n > 0 && t[n - 1] == QLatin1Char(' ')) --n;
        return QStringView(t).left(n);
    };
    return cut(a) == cut(b);
}

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

class Builder {
public:
    Builder(Connection* c, const ZamenyOptions& o) : m_c(c), m_o(o) {}

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
        if (!m_o.queryPerAircraft) {
            auto m = openQuery(m_c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where ((DATA_PEREVODA) Between ") +
                                        frames::sqlDate(m_o.quarter.first) + QStringLiteral(" And ") +
                                        frames::sqlDate(m_o.quarter.last) + QStringLiteral(") ") + own +
                                        QStringLiteral(" Order By DATA_PEREVODA, OTKUDA, KUDA, ID;"));
            for (; !m->eof(); m->next()) quarter.push_back(movementOf(*m));
        }
        // Every component on the aircraft at the quarter's end: the movements
        // after it, read once, tell which of today's were put on later and which
        // were taken off later.
        std::vector<Movement> later;
        if (m_o.allInstalled) {
            auto m = openQuery(m_c, QStringLiteral("Select * From DVIGENIE_V_EKSPLUATACII Where DATA_PEREVODA > ") +
                                        frames::sqlDate(m_o.quarter.last) +
                                        QStringLiteral(" Order By DATA_PEREVODA, ID;"));
            for (; !m->eof(); m->next()) later.push_back(movementOf(*m));
        }
        for (const frames::AircraftRef& a : m_o.aircraft) {
            for (size_t i = 0; i < lines.size(); ++i) {
                const Kind* kind = kindOf(lines[i].key);
                if (!kind) continue; // a key of no kind of this report
                if (m_o.allInstalled) {
                    addInstalled(a, *kind, unitIds[i], lines[i], later);
                    continue;
                }
                for (const Pass& p : kind->passes) {
                    std::vector<Movement> moves;
                    if (m_o.queryPerAircraft) {
                        QString filter = QString::fromUtf8(p.filter);
                        if (p.unitReference)
                            filter += frames::idCondition(QStringLiteral("ID_NAME"), unitIds[i]) + QStringLiteral(") ");
                        moves = movementsOf(a, filter, own);
                    } else {
                        moves = select(quarter, a, p, unitIds[i]);
                    }
                    for (const Movement& mv : moves) add(a, p, mv, lines[i]);
                }
            }
            if (step) step();
        }
        return std::move(m_rows);
    }

private:
    // "Select * From ETAAGREGAT Where NAZVANIE='<name>' And CHERT_NOMER='<drawing>' Order By ID;": the
    // ID_NAME of every row; the names shown by ID_NAME are kept for the captions.
    QStringList unitsOf(const frames::TuneDocRow& line)
    {
        QStringList ids;
        auto ds = openQuery(m_c, QStringLiteral("Select * From ETAAGREGAT Where NAZVANIE=") + frames::sqlText(line.unitName) +
                                     QStringLiteral(" And ") + QStringLiteral("CHERT_NOMER=") +
                                     frames::sqlText(line.drawing) + QStringLiteral(" Order By ID;"));
        for (; !ds->eof(); ds->next()) {
            const QString id = ds->str(pos::etaagregat::ID_NAME).trimmed();
            ids << id;
            if (!m_unitNames.contains(id)) m_unitNames.insert(id, ds->str(pos::etaagregat::NAME).trimmed());
        }
        return ids;
    }

    // The hub names of a type by ID_NAME, read once per type.
    const QHash<QString, QString>& hubNames(const QString& type)
    {
        auto it = m_hubNames.find(type);
        if (it != m_hubNames.end()) return *it;
        QHash<QString, QString> names;
        auto ds = openQuery(m_c, QStringLiteral("Select * From ETA_VTULKA_NV Where ((TIP_VS)=") + frames::sqlText(type) +
                                     QStringLiteral(") Order By ID_NAME;"));
        for (; !ds->eof(); ds->next())
            names.insert(ds->str(pos::eta_vtulka_nv::ID_NAME).trimmed(), ds->str(pos::eta_vtulka_nv::NAME).trimmed());
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

    // The same rows taken from the quarter's movements read once.
    std::vector<Movement> select(const std::vector<Movement>& quarter, const frames::AircraftRef& a, const Pass& p,
                                 const QStringList& unitIds) const
    {
        std::vector<Movement> out;
        for (const Movement& m : quarter) {
            const bool aircraft = sqlEqual(m.to, a.board) || (!m_o.installedOnly && sqlEqual(m.from, a.board));
            if (aircraft && concerns(m, p, unitIds)) out.push_back(m);
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
                      const frames::TuneDocRow& line, const std::vector<Movement>& later)
    {
        const Pass& p = kind.passes.front();
        QHash<QString, bool> wasOn; // serial -> on the aircraft at the quarter's end
        std::vector<QString> takenOff;
        for (const Movement& m : later) {
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
        const QString head = QString::fromUtf8(p.lookupHead);
        const QString table = head.section(QLatin1Char(' '), 3, 3); // "Select * From T Where ..."
        const QString place = table == QLatin1String("VSU") ? QStringLiteral("MESTO_USTANOVKI") : QStringLiteral("GDE_STOIT");
        const QString units = p.unitReference
                                  ? QStringLiteral(" And (") + frames::idCondition(QStringLiteral("ID_NAME"), unitIds) +
                                        QLatin1Char(')')
                                  : QString();
        auto c = openQuery(m_c, QStringLiteral("Select * From ") + table + QStringLiteral(" Where ") + place +
                                    QLatin1Char('=') + frames::sqlText(a.board) + units +
                                    QString::fromUtf8(p.lookupTail));
        QSet<QString> listed;
        for (; !c->eof(); c->next()) {
            const QString serial = text(*c, p.columns->serial);
            listed.insert(serial);
            if (!wasOn.value(serial, true)) continue; // put on after the quarter
            m_rows.push_back(onBoard(row(*c, p, a, true, line)));
        }
        for (const QString& serial : takenOff) {
            if (listed.contains(serial)) continue; // taken off and put back on
            auto off = openQuery(m_c, head + frames::sqlText(serial) + units + QString::fromUtf8(p.lookupTail));
            if (!off->eof()) m_rows.push_back(onBoard(row(*off, p, a, true, line)));
        }
    }

    static StagingRow onBoard(StagingRow r) { return std::move(r.set(zk::Spare, QStringLiteral("1"))); }

    // The line of a movement whose component is found by its serial number.
    void add(const frames::AircraftRef& a, const Pass& p, const Movement& m, const frames::TuneDocRow& line)
    {
        auto c = openQuery(m_c, QString::fromUtf8(p.lookupHead) + frames::sqlText(m.serial) + QString::fromUtf8(p.lookupTail));
        if (c->eof()) return; // no component of that serial number
        m_rows.push_back(row(*c, p, a, m.to.contains(a.board), line));
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
            const bool continuous = p.running != Running::Stored && k.continuous >= 0 &&
                                    c.field(k.continuous).asInteger() == 1 &&
                                    !rarozidi::isStoreWord(text(c, k.place));
            if (continuous) {
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
    std::vector<StagingRow> m_rows;
    QHash<QString, QString> m_unitNames;
    QHash<QString, QHash<QString, QString>> m_hubNames;
};

} // namespace

std::vector<StagingRow> buildZamenyKvartal(Connection* c, const ZamenyOptions& o, const std::function<void()>& step)
{
    // Continuously counted parts take their running time from the aircraft's
    // flying: each aircraft's flight records are read once for all its parts.
    const rarozidi::FlightCache flights;
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
