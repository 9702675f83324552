#include "sheets/SvedVSSheet.h"

#include "data/Positions.h"
#include "frames/SqlText.h"
#include "frames/TuneDocs.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "rarozidi/Func.h"

#include <QHash>
#include <functional>
#include <limits>

namespace plan::sheets {

QString svedVSTemplate(const SvedVSOptions& o) { return o.a4 ? QStringLiteral("rep01") : QStringLiteral("rep11"); }

MonthSpan previousMonth(const QDate& today)
{
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
    return {first, first.addDays(first.daysInMonth() - 1)};
}

QString flyingText(long long minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString remainderShown(const QString& runningTime, bool clamp)
{
    if (runningTime.trimmed().isEmpty()) return QStringLiteral("-");
    const long long hours = rarozidi::parseRunningTime(runningTime, QStringLiteral("remainder")) / 60;
    return clamp && hours < 1 ? QStringLiteral("0") : QString::number(hours);
}

namespace {

using frames::sqlEscape;

// ---------------------------------------------------------------- fields

bool isSet(const Dataset& ds, int pos)
{
    const Field f = ds.field(pos);
    return !f.isNull() && !f.asString().trimmed().isEmpty();
}
// A limit of 0 is no limit.
bool limitSet(const Dataset& ds, int pos) { return isSet(ds, pos) && ds.str(pos).trimmed() != QLatin1String("0"); }
bool repaired(const Dataset& ds, int countPos) { return isSet(ds, countPos) && ds.field(countPos).asInteger() != 0; }
QString textAt(const Dataset& ds, int pos) { return ds.str(pos).trimmed(); }
QString shortDate(const Dataset& ds, int pos)
{
    const Field f = ds.field(pos);
    if (f.isNull() || f.asString().trimmed().isEmpty()) return {};
    const QDate d = f.asDate();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yy")) : f.asString().trimmed();
}
QString dash(const QString& v) { return v.trimmed().isEmpty() ? QStringLiteral("-") : v; }

// The columns 3 to 11 of one row.
struct Cells {
    QString model, serial, made, repairs, repairDate, repairPlace, sinceNew, sinceRepair, limits;
    // The blanks that keep the rows of one section apart.
    void pad(int n)
    {
        const QString b(n, QLatin1Char(' '));
        for (QString* s : {&model, &serial, &made, &repairs, &repairDate, &repairPlace}) *s += b;
    }
};

// Where a kind keeps what its row shows.
struct Layout {
    int model, serial, made;
    int repairs, repairDate, repairPlace;
    int sinceNew, sinceRepair;
    int assigned, firstOverhaul, between; // firstOverhaul -1: none
};

// "L1 / L2<suffix>!R1 / R2<suffix>".
QString limitsText(const QString& l1, const QString& l2, const QString& r1, const QString& r2, const QString& suffix = {})
{
    return l1 + QStringLiteral(" / ") + l2 + suffix + QLatin1Char('!') + r1 + QStringLiteral(" / ") + r2 + suffix;
}

// The continuous running routine of a kind.
using Continuous = QString (*)(Connection&, const Dataset&, int);

// ---------------------------------------------------------------- the sheet

std::unique_ptr<Dataset> ownRows(Connection* c, frames::BoardSets* sets, const QString& literal, const QString& setQuery,
                                 const frames::BoardSets::Keys& keys);

class Sheet {
public:
    Sheet(Connection* c, const QString& type, const QString& board, const QString& title, const QDate& today,
          frames::BoardSets* sets)
        : m_c(c), m_type(type), m_board(board), m_title(title), m_today(today), m_sets(sets)
    {
    }

    std::vector<StagingRow> rows;
    std::vector<QString> sections; // the section of each row
    QString section;               // the section being added

    // FunPlanerAdd ... FunShlangAdd.
    void FunPlanerAdd(const Dataset& R);
    void FunDvigAdd();
    void FunRedAdd();
    void FunVSUAdd();
    void FunLopVVAdd() { blades("Воздушный", "Лопасти ВВ"); }
    void FunVtVVAdd();
    void FunLopNVAdd();
    void FunVtNVAdd();
    void FunLopHVAdd() { blades("Хвостовой", "Лопасти РВ"); }
    void FunVtHVAdd();
    void FunLebedkaAdd();
    void FunAgrAdd(const QString& drawing, bool onlyThisDrawing);
    void FunZCUAdd();
    void FunShlangAdd();

private:
    std::unique_ptr<Dataset> open(const QString& sql) { return openQuery(m_c, sql); }
    // The aircraft's rows of a component table: its own query, or in a batch
    // read in sets the rows of `setQuery` (the same query without the
    // aircraft's conditions) whose `place` column holds the board, TIP_VS the
    // type and the further key columns their values.
    std::unique_ptr<Dataset> ownRows(const QString& literal, const QString& setQuery, const char* place,
                                     frames::BoardSets::Keys more = {});
    // The same for a set read as "Select * " + source + " Order By " + order,
    // an order that ends with the unique ID: the engine sorts the IDs only
    // (BoardSets::openSorted), not the whole wide rows.
    std::unique_ptr<Dataset> ownSortedRows(const QString& literal, const QString& source, const QString& order,
                                           const char* place);
    QString type() const { return sqlEscape(m_type); }
    QString board() const { return sqlEscape(m_board); }

    void add(const QString& name, const Cells& cells);
    void addHeading(const QString& name);
    // The row of one component; a value the library cannot read ends the
    // sheet with a message naming the component.
    void addRow(const QString& name, const Dataset& ds, int modelPos, int serialPos,
                const std::function<Cells()>& cells);

    // Whole hours of an "H:MM" text, "-" when empty; a malformed text ends the sheet.
    QString hours(const QString& runningTime, const QString& column) const;
    QString count(const Dataset& ds, int pos) const;
    // The stored running time at pos, or the continuous one when the flag is 1.
    QString running(const Dataset& ds, int pos, int flagPos, Continuous fn) const;
    Cells hoursCells(const Dataset& ds, const Layout& l, const QString& sinceNew, const QString& sinceRepair,
                     bool showSinceRepair, bool clamp = true) const;
    void repairCells(const Dataset& ds, const Layout& l, Cells& c) const;
    int secondLimit(const Dataset& ds, const Layout& l) const;

    void blades(const char* rotor, const char* name);
    std::unique_ptr<Dataset> bladeRows(const char* rotor);
    // Units of AGREGAT: the counted by hours or landings, and by the calendar.
    Cells unitCells(const Dataset& ds, const Layout& l) const;
    Cells calendarCells(const Dataset& ds, const Layout& l) const;
    static QString years(const Dataset& ds, int pos);

    [[noreturn]] void malformed(const QString& value, const QString& column) const;

    Connection* m_c;
    QString m_type, m_board, m_title;
    QDate m_today;
    frames::BoardSets* m_sets;
    int m_number = 0;
    QString m_component; // the component of the row being built, for messages
};

std::unique_ptr<Dataset> ownRows(Connection* c, frames::BoardSets* sets, const QString& literal, const QString& setQuery,
                                 const frames::BoardSets::Keys& keys)
{
    if (!sets) return openQuery(c, literal);
    auto ds = std::make_unique<Dataset>(c);
    sets->open(*ds, literal, setQuery, keys);
    return ds;
}

std::unique_ptr<Dataset> Sheet::ownRows(const QString& literal, const QString& setQuery, const char* place,
                                        frames::BoardSets::Keys more)
{
    frames::BoardSets::Keys keys{{QString::fromLatin1(place), m_board}, {QStringLiteral("TIP_VS"), m_type}};
    keys.insert(keys.end(), more.begin(), more.end());
    return sheets::ownRows(m_c, m_sets, literal, setQuery, keys);
}

std::unique_ptr<Dataset> Sheet::ownSortedRows(const QString& literal, const QString& source, const QString& order,
                                              const char* place)
{
    if (!m_sets) return openQuery(m_c, literal);
    auto ds = std::make_unique<Dataset>(m_c);
    m_sets->openSorted(*ds, literal, source, order,
                       {{QString::fromLatin1(place), m_board}, {QStringLiteral("TIP_VS"), m_type}});
    return ds;
}

void Sheet::add(const QString& name, const Cells& c)
{
    namespace S = SvedVS;
    StagingRow r;
    r.set(S::NomerPP, ++m_number).set(S::RowName, name).set(S::Model, c.model).set(S::Serial, c.serial)
        .set(S::Made, c.made).set(S::Repairs, c.repairs).set(S::RepairDate, c.repairDate)
        .set(S::RepairPlace, c.repairPlace).set(S::SinceNew, c.sinceNew).set(S::SinceRepair, c.sinceRepair)
        .set(S::Limits, c.limits).set(S::Title, m_title);
    rows.push_back(r);
    sections.push_back(section);
}

void Sheet::addHeading(const QString& name)
{
    StagingRow r;
    r.set(SvedVS::NomerPP, ++m_number).set(SvedVS::RowName, name).set(SvedVS::Title, m_title);
    rows.push_back(r);
    sections.push_back(section);
}

void Sheet::addRow(const QString& name, const Dataset& ds, int modelPos, int serialPos, const std::function<Cells()>& cells)
{
    m_component = name.trimmed() + QLatin1Char(' ') + textAt(ds, modelPos) + QStringLiteral(", зав. № ") + textAt(ds, serialPos);
    try {
        add(name, cells());
    } catch (const ConversionError& e) {
        throw DbError(QStringLiteral("Сведения о ВС %1 %2: %3 — значение не читается (%4). Исправьте его в карточке "
                                     "агрегата и выберите ВС снова.")
                          .arg(m_type, m_board, m_component, e.message()));
    }
}

void Sheet::malformed(const QString& value, const QString& column) const
{
    throw DbError(QStringLiteral("Сведения о ВС %1 %2: %3 — наработка «%4» (%5) не в виде часы:минуты (Ч:ММ). "
                                 "Исправьте наработку в карточке агрегата и выберите ВС снова.")
                      .arg(m_type, m_board, m_component, value, column));
}

QString Sheet::hours(const QString& runningTime, const QString& column) const
{
    if (runningTime.trimmed().isEmpty()) return QStringLiteral("-");
    try {
        return QString::number(rarozidi::parseRunningTime(runningTime, column) / 60);
    } catch (const ConversionError&) {
        malformed(runningTime, column);
    }
}

QString Sheet::count(const Dataset& ds, int pos) const
{
    return isSet(ds, pos) ? QString::number(ds.field(pos).asInteger()) : QStringLiteral("-");
}

QString Sheet::running(const Dataset& ds, int pos, int flagPos, Continuous fn) const
{
    const QString stored = textAt(ds, pos);
    if (!stored.isEmpty()) hours(stored, ds.fieldName(pos)); // a malformed stored value is named as stored
    if (!fn || flagPos < 0 || ds.field(flagPos).asInteger() != 1) return stored;
    return fn(*m_c, ds, pos);
}

void Sheet::repairCells(const Dataset& ds, const Layout& l, Cells& c) const
{
    if (repaired(ds, l.repairs)) {
        c.repairs = QString::number(ds.field(l.repairs).asInteger());
        c.repairDate = dash(shortDate(ds, l.repairDate));
        c.repairPlace = dash(textAt(ds, l.repairPlace));
    } else {
        c.repairs = c.repairDate = c.repairPlace = QStringLiteral("-");
    }
}

int Sheet::secondLimit(const Dataset& ds, const Layout& l) const
{
    if (!repaired(ds, l.repairs) && l.firstOverhaul >= 0 && limitSet(ds, l.firstOverhaul)) return l.firstOverhaul;
    return l.between;
}

Cells Sheet::hoursCells(const Dataset& ds, const Layout& l, const QString& sinceNew, const QString& sinceRepair,
                        bool showSinceRepair, bool clamp) const
{
    Cells c;
    c.model = textAt(ds, l.model);
    c.serial = textAt(ds, l.serial);
    c.made = shortDate(ds, l.made);
    repairCells(ds, l, c);
    c.sinceNew = hours(sinceNew, ds.fieldName(l.sinceNew));
    c.sinceRepair = showSinceRepair ? hours(sinceRepair, ds.fieldName(l.sinceRepair)) : QStringLiteral("-");
    const int second = secondLimit(ds, l);
    auto limit = [&](int pos) { return limitSet(ds, pos) ? textAt(ds, pos) : QStringLiteral("-"); };
    auto remainder = [&](int pos, const QString& used, int usedPos) {
        if (!limitSet(ds, pos)) return QStringLiteral("-");
        return remainderShown(rarozidi::FunOstatChas(ds, pos, used, ds.fieldName(usedPos)), clamp);
    };
    c.limits = limitsText(limit(l.assigned), limit(second), remainder(l.assigned, sinceNew, l.sinceNew),
                          remainder(second, sinceRepair, l.sinceRepair));
    return c;
}

// ---------------------------------------------------------------- sections

void Sheet::FunPlanerAdd(const Dataset& R)
{
    namespace p = pos::reestr;
    const Layout l{p::TIP_VS, p::ZAVODSKOI_NOMER, p::DATA_IGOTOVLEN, p::VSEGO_REMONTOV, p::REMONT_DATA, p::REMONT_ZAVOD,
                   p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::RESURS_NAZN_CHASOV, -1, p::MEZHREM_CHASOV};
    addRow(QStringLiteral("ВС"), R, l.model, l.serial, [&] {
        return hoursCells(R, l, textAt(R, l.sinceNew), textAt(R, l.sinceRepair), repaired(R, l.repairs));
    });
}

namespace engine {
namespace p = pos::dvigatel;
const Layout layout{p::NAZVANIE_DVIGATELYA, p::ZAVODSKOI_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                    p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_CHASOV, p::DO_PERVOGO_CHASOV,
                    p::MEZHREMONTNYI_CHASOV};
} // namespace engine
static_assert(pos::dvigatel::NARABOTKA_PPR == pos::reductor::NARABOTKA_PPR &&
              pos::dvigatel::NAZNACHENNYI_CHASOV == pos::reductor::NAZNACHENNYI_CHASOV &&
              pos::dvigatel::IZGOTOVLEN_DATA == pos::reductor::IZGOTOVLEN_DATA);

void Sheet::FunDvigAdd()
{
    auto ds = ownRows(QStringLiteral("SELECT * FROM Dvigatel WHERE (((Tip_VS)='") + type() + QStringLiteral("') AND ((Gde_stoit)='") +
                          board() + QStringLiteral("')) ORDER BY ODIN_DVA;"),
                      QStringLiteral("SELECT * FROM Dvigatel ORDER BY ODIN_DVA;"), "GDE_STOIT");
    const Layout& l = engine::layout;
    for (; !ds->eof(); ds->next()) {
        const QString at = textAt(*ds, pos::dvigatel::ODIN_DVA);
        const QString name = at == QLatin1String("0")   ? QStringLiteral("Первый двигатель")
                             : at == QLatin1String("1") ? QStringLiteral("Второй двигатель")
                             : at == QLatin1String("2") ? QStringLiteral("Третий двигатель")
                                                        : QStringLiteral("Двигатель");
        addRow(name, *ds, l.model, l.serial, [&] {
            return hoursCells(*ds, l, textAt(*ds, l.sinceNew), textAt(*ds, l.sinceRepair), repaired(*ds, l.repairs));
        });
    }
}

void Sheet::FunRedAdd()
{
    auto ds = ownRows(QStringLiteral("SELECT * FROM Reductor WHERE (((Tip_VS)='") + type() + QStringLiteral("') AND ((Gde_stoit)='") +
                          board() + QStringLiteral("')) ORDER BY ID;"),
                      QStringLiteral("SELECT * FROM Reductor ORDER BY ID;"), "GDE_STOIT");
    Layout l = engine::layout;
    l.model = pos::reductor::NAZVANIE_REDUCTORA;
    for (; !ds->eof(); ds->next())
        addRow(QStringLiteral("Главный редуктор"), *ds, l.model, l.serial, [&] {
            // Since repair is shown as soon as a repair date is recorded.
            return hoursCells(*ds, l, textAt(*ds, l.sinceNew), textAt(*ds, l.sinceRepair), isSet(*ds, l.repairDate));
        });
}

void Sheet::FunVSUAdd()
{
    namespace p = pos::vsu;
    auto ds = ownRows(QStringLiteral("SELECT * FROM VSU WHERE (((TIP_VS)='") + type() + QStringLiteral("') AND ((MESTO_USTANOVKI)='") +
                          board() + QStringLiteral("')) ORDER BY ID;"),
                      QStringLiteral("SELECT * FROM VSU ORDER BY ID;"), "MESTO_USTANOVKI");
    if (ds->eof()) return;
    struct Counter {
        const char* suffix;
        int sinceNew, sinceRepair, assigned, firstOverhaul, between;
        bool hours;
    };
    static const Counter counters[] = {
        {" общ.", p::OBSHAIA_SNE, p::OBSHAIA_PPR, p::OBSHAIA_NAZN, p::OBSHAIA_DO_PERVOGO, p::OBSHAIA_MEGREMONTNY, true},
        {" сум.", p::SUMMA_SNE, p::SUMMA_PPR, p::SUMMA_NAZN, p::SUMMA_DO_PERVOGO, p::SUMMA_MEGREM, true},
        {" ген.", p::GENERATORNY_SNE, p::GENERATORNY_PPR, p::GENERAT_NAZN, p::GENERAT_DO_PERVOGO, p::GENERAT_MEZHREMONTNY, true},
        {" зап.", p::ZAPUSKI_SNE, p::ZAPUSKI_PPR, p::ZAPUSKI_NAZN, p::ZAPUSKI_DO_PERVOGO, p::ZAPUSKI_MEGREMONTNY, false},
        {" цикл.", p::CIKLY_SNE, p::CIKLY_PPR, p::CIKLY_NAZN, p::CIKLY_DO_PERVOGO, p::CIKLY_MEGREMONTNY, false},
        {" отб.", p::OTBORY_SNE, p::OTBORY_PPR, p::OTBORY_NAZN, p::OTBORY_DO_PERVOGO, p::OTBORY_MEGREMONTNY, false},
    };
    const Dataset& v = *ds;
    for (const Counter& k : counters) {
        const Layout l{p::NAZVANIE, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA, p::REMONT_ZAVOD,
                       k.sinceNew, k.sinceRepair, k.assigned, k.firstOverhaul, k.between};
        const int second = secondLimit(v, l);
        if (!limitSet(v, l.assigned) && !limitSet(v, second)) continue;
        const QString suffix = QString::fromUtf8(k.suffix);
        addRow(QStringLiteral("ВСУ"), v, l.model, l.serial, [&] {
            if (k.hours) {
                Cells c = hoursCells(v, l, textAt(v, l.sinceNew), textAt(v, l.sinceRepair), repaired(v, l.repairs));
                c.limits.replace(QLatin1Char('!'), suffix + QLatin1Char('!'));
                c.limits += suffix;
                return c;
            }
            Cells c;
            c.model = textAt(v, l.model);
            c.serial = textAt(v, l.serial);
            c.made = shortDate(v, l.made);
            repairCells(v, l, c);
            c.sinceNew = count(v, l.sinceNew);
            c.sinceRepair = repaired(v, l.repairs) ? count(v, l.sinceRepair) : QStringLiteral("-");
            auto limit = [&](int pos) { return limitSet(v, pos) ? textAt(v, pos) : QStringLiteral("-"); };
            auto remainder = [&](int pos, int usedPos) {
                if (!limitSet(v, pos)) return QStringLiteral("-");
                const QString r = rarozidi::FunOstatInteger(v, pos, usedPos);
                return r.isEmpty() ? QStringLiteral("-") : (r.toLongLong() < 1 ? QStringLiteral("0") : r);
            };
            c.limits = limitsText(limit(l.assigned), limit(second), remainder(l.assigned, l.sinceNew),
                                  remainder(second, l.sinceRepair), suffix);
            return c;
        });
    }
}

void Sheet::FunVtVVAdd()
{
    namespace p = pos::vozdushny_vint;
    auto ds = ownRows(QStringLiteral("SELECT * FROM VOZDUSHNY_VINT WHERE (((TIP_VS)='") + type() +
                          QStringLiteral("') AND ((GDE_STOIT)='") + board() + QStringLiteral("')) ORDER BY ODIN_DVA, ID;"),
                      QStringLiteral("SELECT * FROM VOZDUSHNY_VINT ORDER BY ODIN_DVA, ID;"), "GDE_STOIT");
    const Layout l{p::NAZVANIE_VINTA, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                   p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_CHASOV, p::DO_PERVOGO_CHASOV,
                   p::MEZHREMONTNYI_CHASOV};
    const bool several = ds->recordCount() >= 2;
    for (int n = 1; !ds->eof(); ds->next(), ++n) {
        const QString at = textAt(*ds, p::ODIN_DVA);
        QString name = QStringLiteral("Воздушный винт");
        if (several && at == QLatin1String("0")) name = QStringLiteral("Первый воздушный винт");
        else if (several && at == QLatin1String("1")) name = QStringLiteral("Второй воздушный винт");
        else if (several && at == QLatin1String("2")) name = QStringLiteral("Третий воздушный винт");
        addRow(name, *ds, l.model, l.serial, [&] {
            Cells c = hoursCells(*ds, l, textAt(*ds, l.sinceNew), textAt(*ds, l.sinceRepair), repaired(*ds, l.repairs));
            c.pad(n);
            return c;
        });
    }
}

namespace blade {
namespace p = pos::lopast;
const Layout layout{p::NAZVANIE, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA, p::REMONT_ZAVOD,
                    p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::RESURS_CHASOV, p::DO_PERVOGO_CHASOV, p::MEZHREMONTNYI_CHASOV};
QString query(const QString& type, const QString& board, const char* rotor)
{
    return QStringLiteral("SELECT * FROM LOPAST WHERE (((Tip_VS)='") + type + QStringLiteral("') AND ((Gde_stoit)='") + board +
           QStringLiteral("') AND ((TIP_VINTA)='") + QString::fromUtf8(rotor) + QStringLiteral("')) ORDER BY ID;");
}
} // namespace blade

std::unique_ptr<Dataset> Sheet::bladeRows(const char* rotor)
{
    return ownRows(blade::query(type(), board(), rotor), QStringLiteral("SELECT * FROM LOPAST ORDER BY ID;"), "GDE_STOIT",
                   {{QStringLiteral("TIP_VINTA"), QString::fromUtf8(rotor)}});
}

void Sheet::blades(const char* rotor, const char* name)
{
    auto ds = bladeRows(rotor);
    const Layout& l = blade::layout;
    for (; !ds->eof(); ds->next())
        addRow(QString::fromUtf8(name), *ds, l.model, l.serial, [&] {
            const int flag = pos::lopast::NEPRERYVNO;
            return hoursCells(*ds, l, running(*ds, l.sinceNew, flag, rarozidi::FunNepNarLopast),
                              running(*ds, l.sinceRepair, flag, rarozidi::FunNepNarLopast), repaired(*ds, l.repairs));
        });
}

void Sheet::FunLopNVAdd()
{
    auto ds = bladeRows("Несущий");
    const Layout& l = blade::layout;
    for (int n = 1; !ds->eof(); ds->next(), ++n) {
        const QString blanks(n, QLatin1Char(' '));
        addRow(QStringLiteral("Лопасть НВ") + blanks, *ds, l.model, l.serial, [&] {
            Cells c;
            c.model = textAt(*ds, l.model);
            c.serial = textAt(*ds, l.serial).replace(QLatin1Char('_'), QLatin1Char(' '));
            c.made = shortDate(*ds, l.made);
            c.repairs = c.repairDate = c.repairPlace = c.sinceRepair = QStringLiteral("-");
            const QString sinceNew = running(*ds, l.sinceNew, pos::lopast::NEPRERYVNO, rarozidi::FunNepNarLopast);
            c.sinceNew = hours(sinceNew, ds->fieldName(l.sinceNew));
            const bool hasLimit = limitSet(*ds, l.assigned);
            const QString remainder =
                hasLimit ? remainderShown(rarozidi::FunOstatChas(*ds, l.assigned, sinceNew, ds->fieldName(l.sinceNew)), false)
                         : QStringLiteral("-");
            c.limits = limitsText(hasLimit ? textAt(*ds, l.assigned) : QStringLiteral("-"), QStringLiteral("-"), remainder,
                                  QStringLiteral("-"));
            c.pad(n);
            return c;
        });
    }
}

// The reference names of a type's list by identifier; the first row of an identifier counts.
QHash<QString, QString> referenceNames(Dataset& ref, int idPos, int namePos)
{
    QHash<QString, QString> names;
    for (ref.first(); !ref.eof(); ref.next()) {
        const QString id = ref.str(idPos).trimmed();
        if (!names.contains(id)) names.insert(id, ref.str(namePos).trimmed());
    }
    return names;
}

namespace unit {
namespace p = pos::agregat;
const Layout layout{p::CHERT_NOMER, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                    p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_RESURS, p::DO_PERVOGO_CHASOV,
                    p::MEZHREMONTNYI_CHASOV};
} // namespace unit

void Sheet::FunVtNVAdd()
{
    namespace p = pos::vtulka_nv;
    auto ref = open(QStringLiteral("Select * From ETA_VTULKA_NV Where ((TIP_VS)='") + type() + QStringLiteral("') Order By ID_NAME;"));
    auto ds = ownRows(QStringLiteral("SELECT * FROM VTULKA_NV  WHERE (((VTULKA_NV.TIP_VS)='") + type() +
                          QStringLiteral("') AND ((VTULKA_NV.GDE_STOIT)='") + board() + QStringLiteral("')) Order By ID;"),
                      QStringLiteral("SELECT * FROM VTULKA_NV Order By ID;"), "GDE_STOIT");
    const auto names = referenceNames(*ref, pos::eta_vtulka_nv::ID_NAME, pos::eta_vtulka_nv::NAME);
    const Layout l{p::CHERT_NOMER, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                   p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_RESURS, p::DO_PERVOGO_CHASOV,
                   p::MEZHREMONTNYI_CHASOV};
    for (int n = 1; !ds->eof(); ds->next(), ++n) {
        const QString name = names.value(textAt(*ds, p::ID_NAME), rarozidi::FunAddIDNameVtNV(*ds));
        addRow(name, *ds, l.model, l.serial, [&] {
            Cells c = hoursCells(*ds, l, running(*ds, l.sinceNew, p::NEPRERYVNO, rarozidi::FunNepNarAgr),
                                 running(*ds, l.sinceRepair, p::NEPRERYVNO, rarozidi::FunNepNarAgr), repaired(*ds, l.repairs));
            c.pad(n);
            return c;
        });
    }
}

void Sheet::FunVtHVAdd()
{
    namespace p = pos::hvostovoy_vint;
    auto ds = ownRows(QStringLiteral("SELECT * FROM HVOSTOVOY_VINT WHERE (((Tip_VS)='") + type() + QStringLiteral("') AND ((Gde_stoit)='") +
                          board() + QStringLiteral("') AND ((ZAVODSKOY_NOMER_VTULKA) Is Not Null)) ORDER BY ID;"),
                      QStringLiteral("SELECT * FROM HVOSTOVOY_VINT WHERE ((ZAVODSKOY_NOMER_VTULKA) Is Not Null) ORDER BY ID;"),
                      "GDE_STOIT");
    const Layout l{p::NAZVANIE_VINT, p::ZAVODSKOY_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                   p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_CHASOV, p::DO_PERVOGO_CHASOV,
                   p::MEZHREMONTNYI_CHASOV};
    for (int n = 1; !ds->eof(); ds->next(), ++n)
        addRow(QStringLiteral("Винт рулевой"), *ds, l.model, l.serial, [&] {
            Cells c = hoursCells(*ds, l, running(*ds, l.sinceNew, p::NEPRERYVNO, rarozidi::FunNepNarHvostVint),
                                 running(*ds, l.sinceRepair, p::NEPRERYVNO, rarozidi::FunNepNarHvostVint),
                                 repaired(*ds, l.repairs));
            c.pad(n);
            return c;
        });
}

void Sheet::FunLebedkaAdd()
{
    namespace p = pos::lebedka;
    auto ds = ownRows(QStringLiteral("SELECT * FROM LEBEDKA WHERE (((Tip_VS)='") + type() + QStringLiteral("') AND ((Gde_stoit)='") +
                          board() + QStringLiteral("')) ORDER BY ID;"),
                      QStringLiteral("SELECT * FROM LEBEDKA ORDER BY ID;"), "GDE_STOIT");
    const Layout l{p::NAZVANIE_LEBEDKA, p::ZAVODSKOY_NOMER_LEBEDKA, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA,
                   p::REMONT_ZAVOD, p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_CHASOV, p::DO_PERVOGO_CHASOV,
                   p::MEZHREMONTNYI_CHASOV};
    for (int n = 1; !ds->eof(); ds->next(), ++n)
        addRow(QStringLiteral("Лебедка"), *ds, l.model, l.serial, [&] {
            Cells c = hoursCells(*ds, l, running(*ds, l.sinceNew, p::NEPRERYVNO, rarozidi::FunNepNarLebedka),
                                 running(*ds, l.sinceRepair, p::NEPRERYVNO, rarozidi::FunNepNarLebedka),
                                 repaired(*ds, l.repairs));
            c.pad(n);
            return c;
        });
}

Cells Sheet::unitCells(const Dataset& ds, const Layout& l) const
{
    if (textAt(ds, pos::agregat::ED_IZMERENIA) != QLatin1String("1"))
        return hoursCells(ds, l, running(ds, l.sinceNew, pos::agregat::NEPRERYVNO, rarozidi::FunNepNarAgr),
                          running(ds, l.sinceRepair, pos::agregat::NEPRERYVNO, rarozidi::FunNepNarAgr),
                          repaired(ds, l.repairs));
    // Counted in landings: the running-time columns hold landings.
    Cells c;
    c.model = textAt(ds, l.model);
    c.serial = textAt(ds, l.serial);
    c.made = shortDate(ds, l.made);
    repairCells(ds, l, c);
    c.sinceNew = count(ds, l.sinceNew);
    c.sinceRepair = repaired(ds, l.repairs) ? count(ds, l.sinceRepair) : QStringLiteral("-");
    const int second = secondLimit(ds, l);
    auto limit = [&](int pos) { return limitSet(ds, pos) ? textAt(ds, pos) : QStringLiteral("-"); };
    auto remainder = [&](int pos, int usedPos) {
        if (!limitSet(ds, pos)) return QStringLiteral("-");
        const QString r = rarozidi::FunOstatInteger(ds, pos, usedPos);
        return r.isEmpty() ? QStringLiteral("-") : (r.toLongLong() < 1 ? QStringLiteral("0") : r);
    };
    const QString suffix = QStringLiteral(" пос.");
    c.limits = limitsText(limit(l.assigned), limit(second), remainder(l.assigned, l.sinceNew), remainder(second, l.sinceRepair),
                          suffix);
    return c;
}

QString Sheet::years(const Dataset& ds, int pos)
{
    return rarozidi::yearsMonthsText(rarozidi::calendarMonths(textAt(ds, pos), ds.fieldName(pos)));
}

Cells Sheet::calendarCells(const Dataset& ds, const Layout& l) const
{
    Cells c;
    c.model = textAt(ds, l.model);
    c.serial = textAt(ds, l.serial);
    c.made = shortDate(ds, l.made);
    repairCells(ds, l, c);
    const bool rep = repaired(ds, l.repairs);
    c.sinceNew = dash(rarozidi::FunNarabLet(ds, l.made, m_today));
    c.sinceRepair = rep ? dash(rarozidi::FunNarabLet(ds, l.repairDate, m_today)) : QStringLiteral("-");
    const int second = secondLimit(ds, l);
    auto limit = [&](int pos) { return limitSet(ds, pos) ? years(ds, pos) : QStringLiteral("-"); };
    auto remainder = [&](int pos, int datePos) {
        return limitSet(ds, pos) ? dash(rarozidi::FunOstatLet(ds, pos, datePos, m_today)) : QStringLiteral("-");
    };
    c.limits = limitsText(limit(l.assigned), limit(second), remainder(l.assigned, l.made),
                          remainder(second, rep ? l.repairDate : l.made));
    return c;
}

void Sheet::FunAgrAdd(const QString& drawing, bool onlyThisDrawing)
{
    namespace p = pos::agregat;
    auto ref = open(QStringLiteral("Select * From ETAAGREGAT Where ((TIP_VS)='") + type() + QStringLiteral("') Order By ID_NAME;"));
    const auto names = referenceNames(*ref, pos::etaagregat::ID_NAME, pos::etaagregat::NAME);
    QString condition;
    if (onlyThisDrawing) {
        auto refs = open(QStringLiteral("Select * From ETAAGREGAT Where CHERT_NOMER='") + sqlEscape(drawing) +
                         QStringLiteral("' Order By ID;"));
        QStringList ids;
        for (; !refs->eof(); refs->next()) ids << refs->str(pos::etaagregat::ID_NAME).trimmed();
        condition = frames::idCondition(QStringLiteral("ID_NAME"), ids) + QStringLiteral(" And ");
    }
    const QString head = QStringLiteral("Select * From AGREGAT Where (TIP_VS= '") + type() + QStringLiteral("' And GDE_STOIT='") +
                         board() + QStringLiteral("') And ");
    const QString order = QStringLiteral("TIP_OBORUDOVANIA Desc, SYSTEMA, ID_NAME, ID");
    const Layout& l = unit::layout;
    int n = 0;
    for (const bool calendar : {false, true}) {
        const QString rest = condition + (calendar ? QStringLiteral("(ED_IZMERENIA='2') And ") : QStringLiteral("(ED_IZMERENIA<>'2') And ")) +
                             QStringLiteral("(PLAN_DVIG_VSU='0')");
        auto ds = ownSortedRows(head + rest + QStringLiteral(" Order By ") + order + QLatin1Char(';'),
                                QStringLiteral("From AGREGAT Where ") + rest, order, "GDE_STOIT");
        for (; !ds->eof(); ds->next()) {
            const QString name = names.value(textAt(*ds, p::ID_NAME), rarozidi::FunAddIDNameAgregat(*ds));
            const int blanks = ++n;
            addRow(name, *ds, l.model, l.serial, [&] {
                Cells c = calendar ? calendarCells(*ds, l) : unitCells(*ds, l);
                c.pad(blanks);
                return c;
            });
        }
    }
}

void Sheet::FunZCUAdd()
{
    namespace p = pos::zcu;
    auto ref = open(QStringLiteral("Select * From ETA_ZCU Where ((TIP_VS)='") + type() + QStringLiteral("') Order By ID_NAME;"));
    auto ds = ownRows(QStringLiteral("Select * From ZCU Where TIP_VS= '") + type() + QStringLiteral("' And GDE_STOIT='") + board() +
                          QStringLiteral("' Order By ID_NAME, ID;"),
                      QStringLiteral("Select * From ZCU Order By ID_NAME, ID;"), "GDE_STOIT");
    const auto names = referenceNames(*ref, pos::eta_zcu::ID_NAME, pos::eta_zcu::NAME);
    const Layout l{p::CHERT_NOMER, p::ZAVOD_NOMER, p::IZGOTOVLEN_DATA, p::VSEGO_REMONTOV, p::REMONT_DATA, p::REMONT_ZAVOD,
                   p::NARABOTKA_SNE, p::NARABOTKA_PPR, p::NAZNACHENNYI_CHASOV, p::DO_PERVOGO_CHASOV, p::MEZHREMONTNYI_CHASOV};
    for (int n = 1; !ds->eof(); ds->next(), ++n) {
        const QString name = names.value(textAt(*ds, p::ID_NAME), rarozidi::FunAddIDNameAgrZCU(*ds));
        addRow(name, *ds, l.model, l.serial, [&] {
            Cells c = hoursCells(*ds, l, running(*ds, l.sinceNew, p::NEPRERYVNO, rarozidi::FunNepNarZCU),
                                 running(*ds, l.sinceRepair, p::NEPRERYVNO, rarozidi::FunNepNarZCU), repaired(*ds, l.repairs));
            c.pad(n);
            return c;
        });
    }
}

// Hoses: a heading row, then per system one row for each group of its hoses
// on the aircraft (calendar from manufacture, calendar from installation,
// hours). A group row lists the serial numbers, the date of its first hose,
// and the life and remainder of the hose that runs out first.
void Sheet::FunShlangAdd()
{
    namespace p = pos::shlang;
    addHeading(QStringLiteral("Шланги систем"));
    auto systems = open(QStringLiteral("SELECT DISTINCT SYSTEMA FROM SHLANG WHERE SYSTEMA<>'' ORDER BY SYSTEMA;"));
    auto ref = open(QStringLiteral("Select * From ETASHLANG Where ((TIP_VS)= '") + type() + QStringLiteral("') Order By ID_NAME, ID;"));
    Q_UNUSED(ref); // the hoses are summarised by system; the reference names no row of the sheet
    for (; !systems->eof(); systems->next()) {
        const QString system = systems->str(0).trimmed();
        const QString head = QStringLiteral("SELECT * FROM SHLANG WHERE SYSTEMA='") + sqlEscape(system) +
                             QStringLiteral("' And TIP_VS='") + type() + QStringLiteral("' And GDE_STOIT='") + board() +
                             QStringLiteral("' And ");
        struct Group {
            const char* what;
            QString tail;
            int datePos; // -1: counted by hours
        };
        const Group groups[] = {
            {"по календарю от изготовления",
             QStringLiteral("(VID_UCHETA=0 or VID_UCHETA=2) And UCHET_OT_DATY_UST=0 Order By DATA_VYPUSKA_RUKAVA;"),
             p::DATA_VYPUSKA_RUKAVA},
            {"по календарю от установки", QStringLiteral("(VID_UCHETA=0 or VID_UCHETA=2) And UCHET_OT_DATY_UST=1 Order By DATA_USTANOVKI;"),
             p::DATA_USTANOVKI},
            {"по наработке", QStringLiteral("(VID_UCHETA=1 Or VID_UCHETA=2) Order By DATA_VYPUSKA_RUKAVA;"), -1},
        };
        for (const Group& g : groups) {
            auto ds = open(head + g.tail);
            if (ds->eof()) continue;
            addRow(system, *ds, p::NAZVANIE, p::ZAVODSKOY_NOMER, [&] {
                Cells c;
                c.model = QString::fromUtf8(g.what);
                QStringList serials;
                const int datePos = g.datePos >= 0 ? g.datePos : p::DATA_VYPUSKA_RUKAVA;
                c.made = ds->field(datePos).isNull() ? QString() : ds->field(datePos).asDate().toString(QStringLiteral("MM.yy"));
                c.repairs = c.repairDate = c.repairPlace = c.sinceRepair = QStringLiteral("-");
                // The hose that runs out first, and the oldest one.
                long long least = std::numeric_limits<long long>::max();
                int leastRow = -1;
                QString leastText, oldest, leastUsed;
                long long most = -1;
                for (ds->first(); !ds->eof(); ds->next()) {
                    serials << textAt(*ds, p::ZAVODSKOY_NOMER);
                    if (g.datePos >= 0) {
                        if (oldest.isEmpty()) oldest = dash(rarozidi::FunNarabLet(*ds, g.datePos, m_today));
                        if (!limitSet(*ds, p::RESURS) || ds->field(g.datePos).isNull()) continue;
                        const long long left =
                            rarozidi::calendarMonths(textAt(*ds, p::RESURS), ds->fieldName(p::RESURS)) -
                            rarozidi::monthsBetween(ds->field(g.datePos).asDate(), m_today);
                        if (left < least) least = left, leastRow = ds->recNo();
                    } else {
                        const QString used = rarozidi::FunNepNarShlang(*m_c, *ds);
                        const long long minutes = rarozidi::parseRunningTime(used, ds->fieldName(p::NARABOTKA_SNE));
                        most = std::max(most, minutes);
                        if (!limitSet(*ds, p::RESURS_CHASOV)) continue;
                        const long long left = ds->field(p::RESURS_CHASOV).asInteger() * 60LL - minutes;
                        if (left < least) least = left, leastRow = ds->recNo(), leastUsed = used;
                    }
                }
                c.serial = serials.join(QStringLiteral(", "));
                c.sinceNew = g.datePos >= 0 ? oldest : (most < 0 ? QStringLiteral("-") : QString::number(most / 60));
                if (leastRow < 0) {
                    c.limits = limitsText(QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"));
                    return c;
                }
                ds->setRecNo(leastRow);
                if (g.datePos >= 0)
                    c.limits = limitsText(years(*ds, p::RESURS), QStringLiteral("-"),
                                          dash(rarozidi::FunOstatLet(*ds, p::RESURS, g.datePos, m_today)), QStringLiteral("-"));
                else
                    c.limits = limitsText(textAt(*ds, p::RESURS_CHASOV), QStringLiteral("-"),
                                          remainderShown(rarozidi::FunOstatChas(*ds, p::RESURS_CHASOV, leastUsed,
                                                                                 ds->fieldName(p::NARABOTKA_SNE))),
                                          QStringLiteral("-"));
                return c;
            });
        }
    }
}

// Appends the section of a key (rows with any other key add nothing).
void addSection(Sheet& s, const Dataset& R, const QString& k, const QString& drawing, bool onlyThisDrawing)
{
    s.section = k;
    if (k == QLatin1String("Plane")) s.FunPlanerAdd(R);
    else if (k == QLatin1String("Dvigatel")) s.FunDvigAdd();
    else if (k == QLatin1String("Reductor")) s.FunRedAdd();
    else if (k == QLatin1String("VSU")) s.FunVSUAdd();
    else if (k == QLatin1String("LopastVV")) s.FunLopVVAdd();
    else if (k == QLatin1String("VozdVint")) s.FunVtVVAdd();
    else if (k == QLatin1String("LopastNV")) s.FunLopNVAdd();
    else if (k == QLatin1String("VtulkaNV")) s.FunVtNVAdd();
    else if (k == QLatin1String("LopastHV")) s.FunLopHVAdd();
    else if (k == QLatin1String("HvostovoyVint")) s.FunVtHVAdd();
    else if (k == QLatin1String("Lebedka")) s.FunLebedkaAdd();
    else if (k == QLatin1String("Agregat")) s.FunAgrAdd(drawing, onlyThisDrawing);
    else if (k == QLatin1String("ZCU")) s.FunZCUAdd();
    else if (k == QLatin1String("Shlang")) s.FunShlangAdd();
}

// The tables a batch of sheets reads once: per-type data, reference lists,
// the tuning list and the operators' data.
const QStringList kBatchMemoTables = {QStringLiteral("TIPOVYE_DANNYE_VS"), QStringLiteral("ETA_VTULKA_NV"),
                                      QStringLiteral("ETAAGREGAT"),        QStringLiteral("ETA_ZCU"),
                                      QStringLiteral("ETASHLANG"),         QStringLiteral("TUNE_DOCS"),
                                      QStringLiteral("OBSHIE"),            QStringLiteral("EXPLUATANTY")};

} // namespace

SvedVSBatch::SvedVSBatch(Connection* c) : m_c(c), m_reads(c), m_memo(c, kBatchMemoTables) {}

frames::BoardSets* SvedVSBatch::nextSheet()
{
    ++m_sheets;
    // The flight records of continuously counted components stay read per
    // board, from the earliest installation: the whole table (ten years of a
    // large fleet) costs more than the few hundred records each sheet needs.
    if (!m_sets && frames::BoardSets::wanted(static_cast<std::size_t>(m_sheets)))
        m_sets = std::make_unique<frames::BoardSets>(m_c, true);
    return m_sets.get();
}

SvedVSSheet buildSvedVS(Connection* c, const SvedVSOptions& o, const QDate& today, SvedVSBatch* batch)
{
    const QString type = o.aircraft.type, board = o.aircraft.board;
    frames::BoardSets* sets = batch ? batch->nextSheet() : nullptr;
    const frames::BoardSets::Keys aircraftKeys{{QStringLiteral("BORTOVOI_NOMER"), board}, {QStringLiteral("TIP_VS"), type}};
    // The flying of the previous month.
    const MonthSpan month = previousMonth(today);
    const QString flightColumns = QStringLiteral(
        "Select Data_poleta, ID, Bortovoi_nomer, V_vozduhe, Kol_vo_posadok, Tip_VS, Na_zemle, Na_zemle_2, Na_zemle_3 From Spravka Where ");
    const QString monthSpan = QStringLiteral("(Data_poleta) Between ") + frames::sqlDate(month.first) + QStringLiteral(" AND ") +
                              frames::sqlDate(month.last);
    auto flights = ownRows(c, sets,
                           flightColumns + QStringLiteral("(((TIP_VS) = '") + sqlEscape(type) +
                               QStringLiteral("') AND ((Bortovoi_nomer) = '") + sqlEscape(board) + QStringLiteral("') AND ") +
                               monthSpan + QStringLiteral(") Order by Data_poleta, ID;"),
                           flightColumns + monthSpan + QStringLiteral(" Order by Data_poleta, ID;"), aircraftKeys);
    auto rule = openQuery(c, QStringLiteral("Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From TIPOVYE_DANNYE_VS Where TIP_VS='") +
                                 sqlEscape(type) + QStringLiteral("' Order By ID;"));
    rarozidi::GroundRule ground;
    if (!rule->eof()) {
        ground.counts = rule->str(0).trimmed() == QLatin1String("1");
        ground.share = rule->field(1).asFloat();
    }
    long long minutes = 0;
    for (; !flights->eof(); flights->next()) {
        const QTime air = flights->field(3).asTime(), onGround = flights->field(6).asTime();
        minutes += rarozidi::countedFlightMinutes(air.isValid() ? rarozidi::minutesOfTimeOfDay(air.hour(), air.minute()) : 0,
                                                  onGround.isValid() ? rarozidi::minutesOfTimeOfDay(onGround.hour(), onGround.minute()) : 0,
                                                  ground);
    }

    auto R = ownRows(c, sets,
                     QStringLiteral("Select * From REESTR Where TIP_VS='") + sqlEscape(type) +
                         QStringLiteral("' And BORTOVOI_NOMER='") + sqlEscape(board) + QStringLiteral("';"),
                     QStringLiteral("Select * From REESTR Order By ID;"), aircraftKeys);
    if (R->eof())
        throw DbError(QStringLiteral("ВС %1 %2 нет в реестре (REESTR): откройте справку заново и выберите ВС из списка.")
                          .arg(type, board));
    const QDate lastFlight = R->field(pos::reestr::DATA_POSL_POLETA).asDate();
    SvedVSSheet out;
    out.operatorCode = textAt(*R, pos::reestr::EXPLUATANT);
    out.monthFlying = flyingText(minutes);
    out.month = month;
    out.lastFlight = lastFlight;
    out.title = QStringLiteral("о ВС ") + type + QLatin1Char(' ') + board +
                QStringLiteral(", его основных агрегатах и комплектующих изделиях!(Наработка ВС за предыдущий месяц: ") +
                out.monthFlying + QStringLiteral(". Дата последнего полета: ") +
                (lastFlight.isValid() ? lastFlight.toString(QStringLiteral("dd.MM.yyyy")) : QString()) + QStringLiteral(".)");

    // The flying of every continuously counted component comes from one read of the aircraft's records.
    const rarozidi::FlightCache cache;
    Sheet s(c, type, board, out.title, today, sets);
    if (!o.tuned) {
        for (const char* key : {"Plane", "Dvigatel", "Reductor", "VSU", "LopastVV", "VozdVint", "LopastNV", "VtulkaNV",
                                "LopastHV", "HvostovoyVint", "Lebedka"})
            addSection(s, *R, QString::fromLatin1(key), {}, false);
        if (!o.mainOnly) addSection(s, *R, QStringLiteral("Agregat"), QStringLiteral("NULL"), false);
    } else {
        // The sections in the order of the saved list; a section named twice comes twice.
        for (const frames::TuneDocRow& t : frames::readTuneDocs(c, o.tuneName)) addSection(s, *R, t.key, t.drawing, true);
    }
    out.rows = std::move(s.rows);
    out.sections = std::move(s.sections);
    return out;
}

} // namespace plan::sheets
