#include "reports/Form34GA.h"

#include "data/Positions.h"
#include "frames/BoardSets.h"
#include "frames/OperatorHeader.h"
#include "frames/SqlText.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/SqlQuote.h"
#include "rarozidi/Func.h"

#include <QHash>
#include <map>

namespace plan::reports {

namespace obshie = pos::obshie;
using frames::sqlDate;
using frames::sqlEscape;

DayCategory categoryOf(int stateCode)
{
    switch (stateCode) {
    case 0:
    case 11: return DayCategory::I;
    case 1: return DayCategory::T;
    case 2: return DayCategory::Dv;
    case 3: return DayCategory::Z;
    case 4: return DayCategory::R;
    case 5:
    case 6: return DayCategory::O;
    case 7: return DayCategory::D;
    case 8: return DayCategory::Zh;
    case 9: return DayCategory::Zhr;
    case 10: return DayCategory::S;
    default: return DayCategory::None;
    }
}

DayTally& DayTally::operator+=(const DayTally& o)
{
    registerDays += o.registerDays;
    for (int i = 0; i < kCategoryCount; ++i) days[i] += o.days[i];
    k += o.k;
    a += o.a;
    return *this;
}

DayTally tallyQuarter(const frames::Period& quarter, const AircraftDays& a)
{
    // The opening state, and per day of the quarter the entry of that day
    // with the lowest ID.
    const StateEntry* opening = nullptr;
    std::map<QDate, const StateEntry*> ofDay;
    for (const StateEntry& e : a.entries) {
        if (!e.date.isValid()) continue;
        if (e.date <= quarter.first &&
            (!opening || e.date > opening->date || (e.date == opening->date && e.id > opening->id)))
            opening = &e;
        if (quarter.contains(e.date)) {
            auto [it, added] = ofDay.emplace(e.date, &e);
            if (!added && e.id < it->second->id) it->second = &e;
        }
    }
    const QDate from = a.from.isValid() ? a.from : quarter.first;
    const QDate to = a.to.isValid() ? a.to : quarter.last;
    int state = opening ? opening->code : 0;
    DayTally t;
    for (QDate d = quarter.first; d <= quarter.last; d = d.addDays(1)) {
        if (const auto it = ofDay.find(d); it != ofDay.end()) state = it->second->code;
        if (d < from || d > to) continue;
        ++t.registerDays;
        const DayCategory c = categoryOf(state);
        ++t.days[static_cast<int>(c)];
        if (c == DayCategory::I) ++(a.flown.contains(d) ? t.k : t.a);
    }
    return t;
}

double ageNumber(const QString& narabLet, bool* ok)
{
    QString t = narabLet;
    if (t.contains(QStringLiteral("г."))) t.replace(QStringLiteral("г. "), QStringLiteral(","));
    else t.replace(QStringLiteral("л. "), QStringLiteral(","));
    t.remove(QStringLiteral("м."));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool good = false;
    const double v = t.trimmed().isEmpty() ? 0.0 : t.trimmed().toDouble(&good);
    if (ok) *ok = good;
    return good ? v : -1.0;
}

int ageBand(double age)
{
    if (age < 5) return 0;
    if (age < 15) return 1;
    if (age < 30) return 2;
    return 3;
}

QString form34Template(Form34Options::Layout layout, bool fourthQuarter)
{
    switch (layout) {
    case Form34Options::Layout::OwnLeased: return fourthQuarter ? QStringLiteral("rep02") : QStringLiteral("rep01");
    case Form34Options::Layout::SumByType: return fourthQuarter ? QStringLiteral("rep14") : QStringLiteral("rep12");
    case Form34Options::Layout::ByAircraft: break;
    }
    return fourthQuarter ? QStringLiteral("rep15") : QStringLiteral("rep13");
}

namespace {

// One group of the form: its name, ownership flag and the query of its aircraft.
struct Group {
    QString name;
    int ownership = 0;
    QString type;
    QString query;
    QString board; // the one aircraft of a group by aircraft, else empty
};

const QString kAircraftColumns =
    QStringLiteral("Select TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST, DATA_IGOTOVLEN, EXPLUATANT From REESTR Where ");

std::vector<Group> groupsOf(const Form34Options& o, const QString& ownerCode, const QString& operatorCode)
{
    const QString first = sqlDate(o.quarter.first), last = sqlDate(o.quarter.last);
    std::vector<Group> out;
    switch (o.layout) {
    case Form34Options::Layout::OwnLeased:
        for (const QString& row : o.ticked) {
            const bool own = row.endsWith(QStringLiteral(" (свои)"));
            const QString type = QString(row).remove(QStringLiteral(" (свои)")).remove(QStringLiteral(" (арендованные)"));
            const QString filter = (own ? QStringLiteral("SOBSTVENNOST=") : QStringLiteral("SOBSTVENNOST<>")) +
                                   frames::sqlText(ownerCode) + QStringLiteral(" And EXPLUATANT=") +
                                   frames::sqlText(operatorCode);
            out.push_back({type, own ? 0 : 1, type,
                           kAircraftColumns + QStringLiteral("(TIP_VS='") + sqlEscape(type) + QStringLiteral("') And (") +
                               filter + QStringLiteral(") ") + QStringLiteral("And (DATE_REESTR_VVOD Is Null Or (DATE_REESTR_VVOD<=") +
                               first + QStringLiteral(" ") + QStringLiteral("Or DATE_REESTR_VVOD Between ") + first +
                               QStringLiteral(" And ") + last + QStringLiteral(")) ") +
                               QStringLiteral("And (DATE_REESTR_VYVOD Is Null Or DATE_REESTR_VYVOD>=") + first +
                               QStringLiteral(") ") + QStringLiteral("Order By BORTOVOI_NOMER;")});
        }
        break;
    case Form34Options::Layout::SumByType:
        for (const auto& g : o.groups) {
            QStringList boards;
            for (const QString& t : g.ticked) boards << frames::splitAircraft(t).board;
            out.push_back({g.text, 0, g.text,
                           kAircraftColumns + QStringLiteral("TIP_VS='") + sqlEscape(g.text) + QStringLiteral("' And (") +
                               frames::orCondition(QStringLiteral("BORTOVOI_NOMER"), boards) +
                               QStringLiteral(") Order By BORTOVOI_NOMER;")});
        }
        break;
    case Form34Options::Layout::ByAircraft:
        for (const QString& t : o.ticked) {
            const frames::AircraftRef a = frames::splitAircraft(t);
            out.push_back({t, 0, a.type,
                           kAircraftColumns + QStringLiteral("TIP_VS='") + sqlEscape(a.type) +
                               QStringLiteral("' And BORTOVOI_NOMER='") + sqlEscape(a.board) +
                               QStringLiteral("' Order By BORTOVOI_NOMER;"),
                           a.board});
        }
        break;
    }
    return out;
}

// The state entries of an aircraft up to the quarter's end and its flights
// of the quarter, two queries per aircraft (both tables are indexed by board
// number and date); for a large selection each table is read once for every
// aircraft and taken per aircraft (the flights serve as a set of days).
void readDays(Connection* c, frames::BoardSets& sets, const frames::Period& q, const QString& type,
              const QString& board, AircraftDays& a)
{
    namespace sp = pos::sostoianie_parka;
    const frames::BoardSets::Keys keys{{QStringLiteral("BORTOVOI_NOMER"), board}, {QStringLiteral("TIP_VS"), type}};
    auto states = std::make_unique<Dataset>(c);
    sets.openSorted(*states,
                    QStringLiteral("Select * From SOSTOIANIE_PARKA Where TIP_VS='") + sqlEscape(type) +
                        QStringLiteral("' And BORTOVOY_NOMER='") + sqlEscape(board) +
                        QStringLiteral("' And DATA_STATUS<=") + sqlDate(q.last) +
                        QStringLiteral(" Order By DATA_STATUS, ID;"),
                    QStringLiteral("From SOSTOIANIE_PARKA Where DATA_STATUS<=") + sqlDate(q.last),
                    QStringLiteral("DATA_STATUS, ID"),
                    {{QStringLiteral("BORTOVOY_NOMER"), board}, {QStringLiteral("TIP_VS"), type}});
    for (; !states->eof(); states->next()) {
        const Field code = states->field(sp::KOD_STATUS);
        a.entries.push_back({states->field(sp::DATA_STATUS).asDate(), states->field(sp::ID).asInteger(),
                             code.isNull() ? 0 : code.asInteger()});
    }
    auto flights = std::make_unique<Dataset>(c);
    sets.open(*flights,
              QStringLiteral("Select DATA_POLETA, V_VOZDUHE From SPRAVKA Where TIP_VS='") + sqlEscape(type) +
                  QStringLiteral("' And BORTOVOI_NOMER='") + sqlEscape(board) + QStringLiteral("' And DATA_POLETA Between ") +
                  sqlDate(q.first) + QStringLiteral(" And ") + sqlDate(q.last) + QStringLiteral(";"),
              QStringLiteral("Select DATA_POLETA, V_VOZDUHE, TIP_VS, BORTOVOI_NOMER From SPRAVKA Where DATA_POLETA Between ") +
                  sqlDate(q.first) + QStringLiteral(" And ") + sqlDate(q.last) + QStringLiteral(";"),
              keys);
    for (; !flights->eof(); flights->next()) {
        QTime time;
        try {
            time = flights->field(1).asTime();
        } catch (const ConversionError&) {
            throw ConversionError(QStringLiteral("ВС %1 %2, полет %3: в столбце V_VOZDUHE (время в воздухе) значение "
                                                 "«%4» не является временем ч:мм. Исправьте запись в журнале полетов.")
                                      .arg(type, board, flights->field(0).asString(), flights->str(1)));
        }
        if (time.isValid() && time.hour() * 60 + time.minute() > 0) a.flown.insert(flights->field(0).asDate());
    }
}

// First register row of every board: DATE_REESTR_VVOD, DATE_REESTR_VYVOD.
QHash<QString, std::pair<QDate, QDate>> registerPeriods(Connection* c)
{
    QHash<QString, std::pair<QDate, QDate>> out;
    auto ds = openQuery(c, QStringLiteral("Select BORTOVOI_NOMER, DATE_REESTR_VVOD, DATE_REESTR_VYVOD, ID From REESTR "
                                          "Order By ID;"));
    for (; !ds->eof(); ds->next()) {
        const QString board = sqlCompared(ds->str(0));
        if (out.contains(board)) continue;
        const QDate vyvod = ds->field(2).asDate();
        out.insert(board, {ds->field(1).asDate(), vyvod.isValid() ? vyvod.addDays(-1) : QDate()});
    }
    return out;
}

} // namespace

std::vector<StagingRow> buildForm34GA(Connection* c, const Form34Options& o, const std::function<void()>& step)
{
    const ReadTransaction reads(c);
    const frames::OperatorHeader h = frames::OperatorHeader::ofOperator(c, o.operatorId);
    QString operatorCode = QStringLiteral("-1"), ownerCode = QStringLiteral("-1");
    if (o.layout == Form34Options::Layout::OwnLeased && !h.ownerCode().isEmpty()) {
        operatorCode = h.operatorCode();
        ownerCode = h.ownerCode();
    }
    const bool type1 = o.layout == Form34Options::Layout::OwnLeased;
    const auto periods = registerPeriods(c);
    std::array<int, 4> ages{};
    std::vector<StagingRow> rows;

    auto header = [&](StagingRow& r, bool countRow) {
        r.set(f34::Address, h.at(obshie::ADRES_PREDPR))
            .set(f34::OperatorCode, o.operatorId)
            .set(f34::HeadName, h.at(obshie::FIO_IAS))
            .set(f34::Quarter, o.quarterCaption)
            .set(f34::HeadPost, h.at(obshie::DOLGNOST_IAS))
            .set(f34::Contacts, type1 && countRow
                                    ? h.at(obshie::NACH_PDO) + QStringLiteral(" тел.") + h.at(obshie::PHONE_PDO)
                                    : h.at(obshie::PHONE_PDO) + QStringLiteral(" E-mail:") + h.at(obshie::EMAIL_36GA))
            .set(f34::Preparer, h.at(obshie::DOLGNOST_PDO) + QStringLiteral("~") + h.at(obshie::NACH_PDO))
            .set(f34::AgeBelow5, ages[0])
            .set(f34::Age5To15, ages[1])
            .set(f34::Age15To30, ages[2])
            .set(f34::AgeOver30, ages[3])
            .set(f34::Email, h.at(obshie::EMAIL_PREDPRIATIE));
    };

    const std::vector<Group> groups = groupsOf(o, ownerCode, operatorCode);
    // A selection of many aircraft (by aircraft, or summed by type) reads
    // the register, state entries and flights once for all.
    std::size_t selected = 0;
    if (o.layout == Form34Options::Layout::ByAircraft) selected = groups.size();
    if (o.layout == Form34Options::Layout::SumByType)
        for (const auto& g : o.groups) selected += g.ticked.size();
    frames::BoardSets sets(c, frames::BoardSets::wanted(selected));
    for (const Group& g : groups) {
        DayTally sum;
        auto aircraft = std::make_unique<Dataset>(c);
        sets.open(*aircraft, g.query,
                  QStringLiteral("Select TIP_VS, BORTOVOI_NOMER, SOBSTVENNOST, DATA_IGOTOVLEN, EXPLUATANT From REESTR "
                                 "Order By BORTOVOI_NOMER;"),
                  g.board.isEmpty() ? frames::BoardSets::Keys{}
                                    : frames::BoardSets::Keys{{QStringLiteral("BORTOVOI_NOMER"), g.board},
                                                              {QStringLiteral("TIP_VS"), g.type}});
        for (; !aircraft->eof(); aircraft->next()) {
            if (step) step();
            const QString type = aircraft->str(0), board = aircraft->str(1);
            bool ok = false;
            const QString age = rarozidi::FunNarabLet(*aircraft, 3);
            const double years = ageNumber(age, &ok);
            if (!ok || age.isEmpty())
                throw ConversionError(QStringLiteral("ВС %1 %2: в столбце DATA_IGOTOVLEN (дата изготовления) значение "
                                                     "«%3» не дает возраста ВС. Укажите дату изготовления в реестре.")
                                          .arg(type, board, aircraft->str(3)));
            ++ages[ageBand(years)];

            AircraftDays a;
            readDays(c, sets, o.quarter, g.type, board, a);
            const auto period = periods.value(sqlCompared(board));
            a.from = period.first;
            a.to = period.second;
            sum += tallyQuarter(o.quarter, a);
        }
        if (sum.registerDays == 0) continue;

        const int reg = sum.registerDays, iDays = sum.at(DayCategory::I);
        StagingRow count;
        count.set(f34::GroupName, g.name).set(f34::Ownership, g.ownership).set(f34::RegisterDays, reg);
        const std::pair<int, DayCategory> byCategory[] = {
            {f34::DaysT, DayCategory::T},   {f34::DaysR, DayCategory::R},   {f34::DaysO, DayCategory::O},
            {f34::DaysZ, DayCategory::Z},   {f34::DaysDv, DayCategory::Dv}, {f34::DaysD, DayCategory::D},
            {f34::DaysZh, DayCategory::Zh}, {f34::DaysZhr, DayCategory::Zhr}, {f34::DaysS, DayCategory::S}};
        count.set(f34::DaysI, iDays).set(f34::DaysK, sum.k).set(f34::DaysA, sum.a);
        for (const auto& [p, cat] : byCategory) count.set(p, sum.at(cat));
        header(count, true);
        rows.push_back(count);
        if (!type1) continue;

        StagingRow pct;
        pct.set(f34::GroupName, g.name).set(f34::Ownership, g.ownership).set(f34::RegisterDays, QStringLiteral("%"));
        // A percentage is written only when above zero; otherwise the field stays empty.
        auto setPercent = [&pct](int p, int part, int base) {
            if (base > 0 && part > 0) pct.set(p, QString::number(100.0 * part / base, 'f', 2));
        };
        setPercent(f34::DaysI, iDays, reg);
        setPercent(f34::DaysK, sum.k, iDays);
        setPercent(f34::DaysA, sum.a, iDays);
        for (const auto& [p, cat] : byCategory) setPercent(p, sum.at(cat), reg);
        header(pct, false);
        rows.push_back(pct);
    }
    return rows;
}

} // namespace plan::reports
