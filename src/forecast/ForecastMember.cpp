#include "forecast/ForecastMember.h"

#include "forecast/ForecastMath.h"
#include "frames/DataChecks.h"
#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "rarozidi/Func.h"

#include <array>

namespace plan::forecast {
namespace {

using K = MemberKind;
using C = Continuous;
using G = GroundPair;

// The members. Positions are those of each table's "Select *" row.
ForecastMember make(K kind, const char* routine, const char* table, const char* section, const char* prefix)
{
    ForecastMember m;
    m.kind = kind;
    m.routine = routine;
    m.table = table;
    m.section = QString::fromUtf8(section);
    m.prefix = QString::fromUtf8(prefix);
    return m;
}

std::array<ForecastMember, 12> buildMembers()
{
    std::array<ForecastMember, 12> a;
    auto& planer = a[0] = make(K::Planer, "FunAddPlaner", "REESTR", "|Планер", "Вертолет ");
    planer.namePos = 1, planer.numberPos = 3, planer.madePos = 6, planer.repairDatePos = 8;
    planer.usedPos = 22, planer.limitPos = 18, planer.remainingUsedPos = 22, planer.ground = G::Planer;

    auto& dvig = a[1] = make(K::Dvigatel, "FunAddDvigatel", "DVIGATEL", "|Двигатели", "Двигатель ");
    dvig.namePos = 2, dvig.numberPos = 3, dvig.madePos = 5, dvig.repairDatePos = 8, dvig.repairsPos = 9;
    dvig.usedPos = 12, dvig.firstLimitPos = 14, dvig.limitPos = 16, dvig.limitRepairsPos = 9;
    dvig.remainingUsedPos = 12, dvig.ground = G::Dvigatel;

    auto& red = a[2] = dvig;
    red.kind = K::Reductor, red.routine = "FunAddReductor", red.table = "REDUCTOR";
    red.section = QStringLiteral("|Главный редуктор"), red.prefix = QStringLiteral("Главный редуктор ");
    red.ground = G::Reductor;

    auto& lnv = a[3] = make(K::LopastNV, "FunAddLNV", "LOPAST", "|Винт несущий", "Лопасть НВ ");
    lnv.namePos = 3, lnv.numberPos = 4, lnv.numberUnderscoreBlank = true, lnv.madePos = 6;
    lnv.usedPos = 9, lnv.contFlagPos = 18, lnv.cont = C::Lopast, lnv.limitPos = 10, lnv.remainingUsedPos = 9;
    lnv.ground = G::Lopasty;

    // Tail-rotor and propeller blades show (and date from) the running time
    // since overhaul; their remaining hours compare the limit with position 9.
    auto& lhv = a[4] = lnv;
    lhv.kind = K::LopastHV, lhv.routine = "FunAddLHV";
    lhv.section = QStringLiteral("|Винт рулевой"), lhv.prefix = QStringLiteral("Лопасти РВ ");
    lhv.numberUnderscoreBlank = false, lhv.usedPos = 26;

    auto& lvv = a[5] = lhv;
    lvv.kind = K::LopastVV, lvv.routine = "FunAddLVV";
    lvv.section = QStringLiteral("|Винт воздушный"), lvv.prefix = QStringLiteral("Лопасти ВВ ");

    auto& vthv = a[6] = make(K::VintHV, "FunAddVtHV", "HVOSTOVOY_VINT", "|Винт рулевой", "Рулевой винт ");
    vthv.namePos = 2, vthv.numberPos = 3, vthv.madePos = 4, vthv.repairDatePos = 12, vthv.repairsPos = 13;
    vthv.usedPos = 30, vthv.contFlagPos = 27, vthv.cont = C::HvostVint;
    vthv.firstLimitPos = 25, vthv.limitPos = 21, vthv.limitRepairsPos = 13, vthv.remainingUsedPos = 30;
    vthv.ground = G::Lopasty;

    auto& vtvv = a[7] = make(K::VintVV, "FunAddVtVV", "VOZDUSHNY_VINT", "|Винт воздушный", "Воздушный винт ");
    vtvv.namePos = 2, vtvv.numberPos = 3, vtvv.madePos = 9, vtvv.repairDatePos = 15, vtvv.repairsPos = 16;
    vtvv.usedPos = 30, vtvv.firstLimitPos = 47, vtvv.limitPos = 23, vtvv.limitRepairsPos = 16;
    vtvv.remainingUsedPos = 30, vtvv.ground = G::Lopasty;

    auto& vtnv = a[8] = make(K::VtulkaNV, "FunAddVtNV", "VTULKA_NV", "|Винт несущий", "");
    vtnv.refKeyPos = 34, vtnv.refName1 = 14, vtnv.refName2 = 2, vtnv.numberPos = 4, vtnv.madePos = 6;
    vtnv.repairDatePos = 9, vtnv.repairsPos = 10, vtnv.usedPos = 18, vtnv.contFlagPos = 39, vtnv.cont = C::Agr;
    vtnv.firstLimitPos = 48, vtnv.limitPos = 14, vtnv.limitRepairsPos = 10, vtnv.remainingUsedPos = 18;
    vtnv.ground = G::Lopasty;

    auto& agr = a[9] = vtnv;
    agr.kind = K::Agregat, agr.routine = "FunAddAgregat", agr.table = "AGREGAT";
    agr.section = QStringLiteral("|Агрегаты (наработка в часах)");
    agr.firstLimitPos = 43, agr.ground = G::Agregaty, agr.engineUnitFlagPos = 28;

    auto& zcu = a[10] = make(K::Zcu, "FunAddZCU", "ZCU", "|Агрегаты ЗЧУ ", "");
    zcu.refKeyPos = 3, zcu.refName1 = 2, zcu.refName2 = 3, zcu.numberPos = 6, zcu.madePos = 8;
    zcu.usedPos = 22, zcu.contFlagPos = 16, zcu.cont = C::Zcu;
    zcu.firstLimitPos = 27, zcu.limitPos = 20, zcu.limitRepairsPos = 19, zcu.remainingUsedPos = 22;
    zcu.ground = G::Zcu, zcu.zcuMark = true;

    auto& leb = a[11] = make(K::Lebedka, "FunAddLebedka", "LEBEDKA", "|Электролебедки", "Электролебедка ");
    leb.namePos = 2, leb.numberPos = 3, leb.madePos = 8, leb.repairDatePos = 12, leb.repairsPos = 13;
    leb.usedPos = 28, leb.contFlagPos = 25, leb.cont = C::Lebedka;
    leb.firstLimitPos = 36, leb.limitPos = 21, leb.limitRepairsPos = 13, leb.remainingUsedPos = 28;
    leb.ground = G::Agregaty;
    return a;
}

QString continuousRunning(Continuous cont, Connection& c, const Dataset& row, int usedPos)
{
    switch (cont) {
    case C::Lopast: return rarozidi::FunNepNarLopast(c, row, usedPos);
    case C::HvostVint: return rarozidi::FunNepNarHvostVint(c, row, usedPos);
    case C::Lebedka: return rarozidi::FunNepNarLebedka(c, row, usedPos);
    case C::Zcu: return rarozidi::FunNepNarZCU(c, row, usedPos);
    case C::Agr: return rarozidi::FunNepNarAgr(c, row, usedPos);
    case C::Stored: break;
    }
    return row.str(usedPos);
}

bool isSet(const Dataset& row, int pos) { return !row.str(pos).trimmed().isEmpty(); }

} // namespace

const ForecastMember& member(MemberKind kind)
{
    static const std::array<ForecastMember, 12> members = buildMembers();
    for (const ForecastMember& m : members)
        if (m.kind == kind) return m;
    return members[0];
}

const rarozidi::GroundRule& TypeGroundRules::of(GroundPair p) const
{
    switch (p) {
    case G::Planer: return planer;
    case G::Dvigatel: return dvigatel;
    case G::Reductor: return reductor;
    case G::Lopasty: return lopasty;
    case G::Zcu: return zcu;
    case G::AgrDvig: return agrDvig;
    case G::Agregaty: break;
    }
    return agregaty;
}

TypeGroundRules TypeGroundRules::with(GroundPair p, const rarozidi::GroundRule& rule) const
{
    TypeGroundRules r = *this;
    const_cast<rarozidi::GroundRule&>(r.of(p)) = rule;
    return r;
}

QString groundRulesQuery(const QString& type)
{
    return QStringLiteral("Select UCHITYVAT_ZEMLU, ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, ZEMLIA_LOPASTY, ZEMLIA_SHLANG, "
                          "ZEMLIA_ZCU, ZEMLIA_AGREGATY, ZEMLIA_AGR_DVIG, KOL_VO_ZEMLIA_PLANER, KOL_VO_ZEMLIA_DVIGATEL, "
                          "KOL_VO_ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_LOPASTY, KOL_VO_ZEMLIA_SHLANG, KOL_VO_ZEMLIA_ZCU, "
                          "KOL_VO_ZEMLIA_AGREGATY, KOL_VO_ZEMLIA_AGR_DVIG From TIPOVYE_DANNYE_VS Where TIP_VS='") +
           frames::sqlEscape(type) + QStringLiteral("' Order By ID;");
}

TypeGroundRules readTypeGroundRules(Connection& c, const QString& type)
{
    TypeGroundRules r;
    Dataset ds(&c);
    ds.setCommandText(groundRulesQuery(type));
    ds.open();
    frames::noteTypeRows(type, ds.recordCount());
    if (ds.eof()) return r;
    rarozidi::GroundRule* pairs[] = {&r.planer, &r.dvigatel, &r.reductor, &r.lopasty,
                                     &r.shlang, &r.zcu,      &r.agregaty, &r.agrDvig};
    for (int i = 0; i < 8; ++i) {
        pairs[i]->counts = ds.str(i).trimmed() == QLatin1String("1");
        frames::noteShare(type, ds.fieldName(8 + i).toUpper(), ds.field(8 + i).value());
        pairs[i]->share = ds.field(8 + i).asFloat();
    }
    return r;
}

rarozidi::GroundRule readAirframeGroundRule(Connection& c, const QString& type)
{
    rarozidi::GroundRule r;
    Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER From TIPOVYE_DANNYE_VS Where TIP_VS='") +
                      frames::sqlEscape(type) + QStringLiteral("' Order By ID;"));
    ds.open();
    frames::noteTypeRows(type, ds.recordCount());
    if (ds.eof()) return r;
    r.counts = ds.str(0).trimmed() == QLatin1String("1");
    frames::noteShare(type, ds.fieldName(1).toUpper(), ds.field(1).value());
    r.share = ds.field(1).asFloat();
    return r;
}

Thresholds readThresholds(const QString& settingsPath)
{
    const IniFile ini(settingsPath);
    Thresholds t;
    t.resursHours = ini.readInteger(QStringLiteral("MAIN"), QStringLiteral("RESURS"), 100);
    t.calendarMonths = ini.readInteger(QStringLiteral("MAIN"), QStringLiteral("CALENDAR"), 3);
    return t;
}

QString shortDate(const Dataset& row, int pos)
{
    const QDate d = row.field(pos).asDate();
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yy")) : QString();
}

QString lineName(const ForecastMember& m, const Dataset& row, Dataset* reference)
{
    if (m.refKeyPos < 0) return row.str(m.namePos);
    if (reference && !reference->isEmpty()) {
        // Not found: the reference list stays on its current row.
        reference->locate(QStringLiteral("ID_NAME"), row.field(m.refKeyPos).value());
        if (!reference->eof())
            return reference->str(m.refName1) + QLatin1Char(' ') + reference->str(m.refName2);
    }
    // No reference list at all: the name the component row itself gives.
    switch (m.kind) {
    case K::Zcu: return rarozidi::FunAddIDNameAgrZCU(row);
    case K::VtulkaNV: return rarozidi::FunAddIDNameVtNV(row);
    default: return rarozidi::FunAddIDNameAgregat(row);
    }
}

std::optional<std::pair<QString, QDate>> continuousSince(const ForecastMember& m, const Dataset& row)
{
    if (m.contFlagPos < 0) return std::nullopt;
    try {
        if (row.field(m.contFlagPos).asInteger() != 1) return std::nullopt;
        const rarozidi::ContinuousSpan span = rarozidi::continuousSpan(row);
        if (span.board.isEmpty()) return std::nullopt;
        return std::make_pair(span.board, span.installed);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

ForecastLine workLine(const ForecastMember& m, Connection& c, const Dataset& row, const QString& name, bool prefixed,
                      const TypeGroundRules& rules, const RateOf& rate, const Thresholds& t, const QDate& today)
{
    ForecastLine l;
    l.name = prefixed ? m.prefix + name : name;
    l.number = row.str(m.numberPos);
    if (m.numberUnderscoreBlank) l.number.replace(QLatin1Char('_'), QLatin1Char(' '));
    const QString key = frames::rowKey(row, m.numberPos);
    frames::noteRunningTime(row, m.usedPos, key);
    if (m.remainingUsedPos != m.usedPos) frames::noteRunningTime(row, m.remainingUsedPos, key);
    if (m.repairsPos >= 0) frames::noteCount(row, m.repairsPos, key);
    try {
        l.made = shortDate(row, m.madePos);
        if (m.repairDatePos < 0)
            l.repaired = QStringLiteral("-");
        else if (m.repairsPos < 0 || row.field(m.repairsPos).asInteger() > 0)
            l.repaired = shortDate(row, m.repairDatePos);

        const bool continuous = m.contFlagPos >= 0 && row.field(m.contFlagPos).asInteger() == 1;
        l.used = continuous ? continuousRunning(m.cont, c, row, m.usedPos) : row.str(m.usedPos);

        int limit = m.limitPos;
        if (m.firstLimitPos >= 0)
            limit = chooseLimitPosition(row.field(m.limitRepairsPos).asInteger(), isSet(row, m.firstLimitPos),
                                        m.firstLimitPos, m.limitPos);

        frames::noteLimit(row, limit, key);
        const QString mark = m.zcuMark ? noDateMarkZcu() : noDateMark();
        if (l.used.trimmed().isEmpty() || !isSet(row, limit)) {
            l.date = mark; // no limit or no running time: no rate, no date
            return l;
        }
        l.remaining = remainingText(rarozidi::FunOstatChas(row, limit, m.remainingUsedPos), t.resursHours);
        const bool engineUnit = m.engineUnitFlagPos >= 0 && row.field(m.engineUnitFlagPos).asInteger() == 1;
        const double r = rate(rules.of(engineUnit ? GroundPair::AgrDvig : m.ground));
        const long long used = rarozidi::parseRunningTime(l.used, row.fieldName(m.usedPos));
        const long long remaining = static_cast<long long>(row.field(limit).asInteger()) * 60 - used;
        l.date = forecastDateText(today, remaining, r, t.calendarMonths, mark);
        return l;
    } catch (const ConversionError& e) {
        throw ConversionError(l.name + QStringLiteral(" № ") + l.number + QStringLiteral(": ") + e.message());
    }
}

} // namespace plan::forecast
