#include "rarozidi/Func.h"

#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/SqlQuote.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"

#include "platform/TemplateStore.h"

#include <QApplication>
#include <QWidget>
#include <cmath>

namespace rarozidi {

const char* const kHoseRunningColumn = "NARABOTKA_SNE";

namespace {

QDate dayOr(const QDate& d) { return d.isValid() ? d : plan::Clock::today(); }

QString columnLabel(const plan::Dataset& ds, int pos)
{
    return QStringLiteral("column %1 %2").arg(pos).arg(ds.fieldName(pos));
}

bool emptyField(const plan::Field& f) { return f.isNull() || f.asString().trimmed().isEmpty(); }

// A limit in whole hours, as minutes. A limit kept as "H:MM" is read so.
long long limitMinutes(const plan::Field& f, const QString& what)
{
    const QString t = f.asString().trimmed();
    if (t.contains(QLatin1Char(':'))) return parseRunningTime(t, what);
    return static_cast<long long>(f.asInteger()) * 60;
}

QString optionalString(const plan::Dataset& ds, const QString& name)
{
    return ds.fieldIndex(name) >= 0 ? ds.str(name).trimmed() : QString();
}

// The settings file of the user: the INIFILE named by res.dat.
QString userSettingsPath()
{
    const plan::IniFile res(plan::Paths::homeFile(QStringLiteral("res.dat")));
    return plan::Paths::userRoot() +
           res.readString(QStringLiteral("APPLICATION"), QStringLiteral("INIFILE"), QStringLiteral("DerOvorav.ini"));
}

QStringList ownCodes(plan::Connection& c)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select VLADELETS From OBSHIE Order By ID;"));
    ds.open();
    QStringList codes;
    for (ds.first(); !ds.eof(); ds.next()) {
        const QString v = ds.str(0).trimmed();
        if (!v.isEmpty() && !codes.contains(v)) codes << v;
    }
    return codes;
}

} // namespace

// ---------------------------------------------------------------- services

QString GetUserRoot() { return plan::Paths::userRoot(); }

void FunConnection(plan::Connection& c) { c.openDefault(); }

QString GetActiveWindowTitle()
{
    const QWidget* w = QApplication::activeWindow();
    return w ? w->windowTitle() : QString();
}

QString FunGetReport(const QString& windowKey, const QString& code)
{
    return plan::freshTemplateCopy(windowKey, code);
}

QString msgText(const QString& text, int kind)
{
    switch (kind) {
    case 2:
    case 6: return QStringLiteral("Не выбран ") + text;
    case 7: return QStringLiteral("Неверная дата: ") + text;
    case 9: return QStringLiteral("Неверная дата (поле можно оставить пустым): ") + text;
    default: return text;
    }
}

QString FunMsg(const QString& text, int kind)
{
    const QString t = msgText(text, kind);
    plan::MessageService::show(t, plan::MessageService::Kind::Warning, QApplication::activeWindow());
    return t;
}

// ---------------------------------------------------------------- ownership

QString ownerListFragment(const QString& connector, const QStringList& codes)
{
    if (codes.isEmpty()) return connector + QStringLiteral("(SOBSTVENNOST='!')");
    QStringList parts;
    for (const QString& c : codes) parts << QStringLiteral("SOBSTVENNOST='") + plan::sqlQuotesDoubled(c) + QStringLiteral("'");
    return connector + QStringLiteral("(") + parts.join(QStringLiteral(" Or ")) + QStringLiteral(")");
}

QString ownFragment(const QString& connector, const QStringList& ownCodes) { return ownerListFragment(connector, ownCodes); }

QString leasedFragment(const QString& connector, const QStringList& ownCodes)
{
    QString s = connector + QStringLiteral("(SOBSTVENNOST<>''");
    for (const QString& c : ownCodes) s += QStringLiteral(" And SOBSTVENNOST<>'") + plan::sqlQuotesDoubled(c) + QStringLiteral("'");
    return s + QStringLiteral(")");
}

QString FunOnlyOwn(plan::Connection& c, const QString& connector) { return ownFragment(connector, ownCodes(c)); }

QString FunArenda(plan::Connection& c, const QString& connector) { return leasedFragment(connector, ownCodes(c)); }

namespace {
// The owner codes FunSobst selects; chosen is true when the user chose one.
QStringList sobstCodes(plan::Connection& c, bool* chosenOne)
{
    plan::Dataset ds(&c);
    ds.setCommandText(QStringLiteral("Select * From SOBSTVENNIKI Where HIDE=0 Order By ID_NAME, ID;"));
    ds.open();
    const plan::IniFile ini(userSettingsPath());
    const int chosen = ini.readInteger(QStringLiteral("MAIN"), QStringLiteral("CBOSOBST"), -1);
    QStringList codes;
    *chosenOne = chosen >= 0 && chosen < ds.recordCount();
    if (*chosenOne) {
        ds.setRecNo(chosen);
        codes << ds.str(QStringLiteral("ID_NAME")).trimmed();
    } else {
        for (ds.first(); !ds.eof(); ds.next()) {
            const QString v = ds.str(QStringLiteral("ID_NAME")).trimmed();
            if (!v.isEmpty() && !codes.contains(v)) codes << v;
        }
    }
    return codes;
}
} // namespace

QString FunSobst(plan::Connection& c, const QString& connector)
{
    bool chosen = false;
    return ownerListFragment(connector, sobstCodes(c, &chosen));
}

QString ownershipText(plan::Connection& c, bool onlyOwn)
{
    const QString sep = QStringLiteral(", ");
    if (onlyOwn) {
        const QStringList own = ownCodes(c);
        return own.isEmpty() ? QStringLiteral("собственные (собственник в OBSHIE не указан)")
                             : QStringLiteral("собственные (") + own.join(sep) + QLatin1Char(')');
    }
    bool chosen = false;
    const QStringList codes = sobstCodes(c, &chosen);
    if (chosen) return QStringLiteral("собственник ") + codes.join(sep);
    return QStringLiteral("собственные и арендованные (") + codes.join(sep) + QLatin1Char(')');
}

plan::ReportValues FunReportValues(plan::Connection& c, const QString& operatorCode)
{
    plan::Dataset ob(&c);
    ob.setCommandText(operatorCode.isEmpty()
                          ? QStringLiteral("Select * From OBSHIE Order By ID;")
                          : QStringLiteral("Select * From OBSHIE Where EXPLUATANT='") + plan::sqlQuotesDoubled(operatorCode.trimmed()) +
                                QStringLiteral("' Order By ID;"));
    ob.open();
    plan::Dataset names(&c);
    names.setCommandText(QStringLiteral("Select ID_NAME, NAME From EXPLUATANTY Order By ID;"));
    names.open();
    auto nameOf = [&](const QString& code) {
        for (names.first(); !names.eof(); names.next())
            if (names.str(0).trimmed() == code && !names.str(1).trimmed().isEmpty()) return names.str(1).trimmed();
        return code;
    };
    QStringList operators;
    QVariantList signatures;
    for (ob.first(); !ob.eof(); ob.next()) {
        const QString name = nameOf(ob.str(QStringLiteral("EXPLUATANT")).trimmed());
        if (!name.isEmpty() && !operators.contains(name)) operators << name;
        if (!signatures.isEmpty()) continue;
        const std::pair<const char*, const char*> lines[] = {{"DOLGNOST_IAS", "FIO_IAS"}, {"DOLGNOST_PDO", "NACH_PDO"}};
        for (const auto& [post, who] : lines) {
            const QString n = optionalString(ob, QLatin1String(who));
            if (n.isEmpty()) continue;
            signatures << QVariantHash{{QStringLiteral("post"), optionalString(ob, QLatin1String(post))},
                                       {QStringLiteral("name"), n}};
        }
    }
    if (operators.isEmpty() && !operatorCode.isEmpty()) operators << nameOf(operatorCode.trimmed());
    plan::ReportValues v;
    v.insert(QStringLiteral("operator"), operators.join(QStringLiteral(", ")));
    v.insert(QStringLiteral("signatures"), signatures);
    return v;
}

// ---------------------------------------------------------------- remainders

QString FunOstatChas(const plan::Dataset& ds, int limitPos, int usedPos)
{
    const plan::Field used = ds.field(usedPos);
    return FunOstatChas(ds, limitPos, used.isNull() ? QString() : used.asString(), columnLabel(ds, usedPos));
}

QString FunOstatChas(const plan::Dataset& ds, int limitPos, const QString& used, const QString& usedWhat)
{
    const plan::Field limit = ds.field(limitPos);
    if (emptyField(limit) || used.trimmed().isEmpty()) return {};
    return formatRunningTime(limitMinutes(limit, columnLabel(ds, limitPos)) - parseRunningTime(used, usedWhat));
}

QString FunOstatLet(const plan::Dataset& ds, int limitPos, int datePos, const QDate& asOf)
{
    const plan::Field limit = ds.field(limitPos);
    const plan::Field date = ds.field(datePos);
    if (emptyField(limit) || emptyField(date)) return {};
    const QDate stored = date.asDate();
    return remainingCalendarText(calendarMonths(limit.asString(), columnLabel(ds, limitPos)), stored, dayOr(asOf));
}

QString FunOstatInteger(const plan::Dataset& ds, int limitPos, int usedPos)
{
    const plan::Field limit = ds.field(limitPos);
    const plan::Field used = ds.field(usedPos);
    if (emptyField(limit) || emptyField(used)) return {};
    return QString::number(static_cast<long long>(limit.asInteger()) - used.asInteger());
}

QString FunNarabLet(const plan::Dataset& ds, int datePos, const QDate& asOf)
{
    const plan::Field date = ds.field(datePos);
    if (emptyField(date)) return {};
    return yearsMonthsText(monthsBetween(date.asDate(), dayOr(asOf)));
}

QString FunBookYear(int n) { return bookYear(n); }

bool FunIsBN(const plan::Dataset& ds, int pos)
{
    const QString t = ds.str(pos).trimmed();
    if (t.isEmpty() || isStoreWord(t)) return false;
    if (!ds.connection()) return true;
    return plan::queryScalar(ds.connection(), QStringLiteral("Select Count(*) From REESTR Where BORTOVOI_NOMER='") +
                                                  plan::sqlQuotesDoubled(t) + QStringLiteral("';"))
               .toInt() > 0;
}

// ---------------------------------------------------------------- continuous running

ContinuousSpan continuousSpan(const plan::Dataset& ds)
{
    const QString board = optionalString(ds, QStringLiteral("GDE_STOIT"));
    if (board.isEmpty() || isStoreWord(board)) return {};
    QDate installed;
    if (ds.fieldIndex(QStringLiteral("DATA_USTANOVKI")) >= 0)
        installed = ds.fieldByName(QStringLiteral("DATA_USTANOVKI")).asDate();
    if (!installed.isValid()) return {};
    return {board, installed};
}

QString continuousRunning(plan::Connection& c, const plan::Dataset& ds, int usedPos, GroundKind kind)
{
    const long long stored = parseRunningTimeOrZero(ds.str(usedPos), columnLabel(ds, usedPos));
    const auto [board, installed] = continuousSpan(ds);
    if (board.isEmpty()) return formatRunningTime(stored);
    QString type = optionalString(ds, QStringLiteral("TIP_VS"));
    if (type.isEmpty())
        type = plan::queryScalar(&c, QStringLiteral("Select TIP_VS From REESTR Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) +
                                         QStringLiteral("';"));
    const GroundRule rule = readGroundRule(c, type, kind);
    const auto flights = readFlights(c, board, installed, plan::Clock::today());
    return formatRunningTime(continuousMinutes(stored, flights, installed, rule));
}

QString FunNepNarAgr(plan::Connection& c, const plan::Dataset& ds, int usedPos)
{
    const QString table = ds.tableName();
    GroundKind kind = GroundKind::Agregaty;
    if (table == QLatin1String("VTULKA_NV"))
        kind = GroundKind::Lopasty;
    else if (table == QLatin1String("AGREGAT") && ds.fieldCount() > 28 && ds.str(28).trimmed() == QLatin1String("1"))
        kind = GroundKind::AgrDvig;
    return continuousRunning(c, ds, usedPos, kind);
}

QString FunNepNarLopast(plan::Connection& c, const plan::Dataset& ds, int usedPos)
{
    return continuousRunning(c, ds, usedPos, GroundKind::Lopasty);
}

QString FunNepNarHvostVint(plan::Connection& c, const plan::Dataset& ds, int usedPos)
{
    return continuousRunning(c, ds, usedPos, GroundKind::Lopasty);
}

QString FunNepNarLebedka(plan::Connection& c, const plan::Dataset& ds, int usedPos)
{
    return continuousRunning(c, ds, usedPos, GroundKind::Agregaty);
}

QString FunNepNarZCU(plan::Connection& c, const plan::Dataset& ds, int usedPos)
{
    return continuousRunning(c, ds, usedPos, GroundKind::Zcu);
}

QString FunNepNarShlang(plan::Connection& c, const plan::Dataset& ds)
{
    const int pos = ds.fieldIndex(QString::fromLatin1(kHoseRunningColumn));
    if (pos < 0)
        throw plan::DbError(QStringLiteral("В строке рукава нет столбца %1 (запрос «%2»)")
                                .arg(QString::fromLatin1(kHoseRunningColumn), ds.commandText()));
    return continuousRunning(c, ds, pos, GroundKind::Shlang);
}

// ---------------------------------------------------------------- planned removal

long long projectedMinutes(long long storedMinutes, long long last30DaysMinutes, int days)
{
    // total / 30 per day, times the days, rounded half up (exact in integers).
    const long long num = last30DaysMinutes * days;
    return storedMinutes + (num * 2 + 30) / 60;
}

namespace {
QString plannedSinceOverhaul(plan::Connection& c, const plan::Dataset& ds, int usedPos, const QString& board,
                             const QDate& date, GroundKind kind)
{
    const QString storedText = ds.str(usedPos).trimmed();
    if (storedText.isEmpty()) return {};
    const long long stored = parseRunningTime(storedText, columnLabel(ds, usedPos));
    const QDate today = plan::Clock::today();
    if (!date.isValid() || date == today) return formatRunningTime(stored);
    QString type = optionalString(ds, QStringLiteral("TIP_VS"));
    if (type.isEmpty())
        type = plan::queryScalar(&c, QStringLiteral("Select TIP_VS From REESTR Where BORTOVOI_NOMER='") + plan::sqlQuotesDoubled(board) +
                                         QStringLiteral("';"));
    const GroundRule rule = readGroundRule(c, type, kind);
    if (date < today) {
        const BackDating back(c, board, date, rule);
        return formatRunningTime(stored - back.minutesAfter());
    }
    const auto flights = readFlights(c, board, today.addDays(-30), today);
    return formatRunningTime(projectedMinutes(stored, countedMinutes(flights, rule), static_cast<int>(today.daysTo(date))));
}
} // namespace

QString FunPPRPlanDliaSniat(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date)
{
    const GroundKind kind = ds.tableName() == QLatin1String("REDUCTOR") ? GroundKind::Reductor : GroundKind::Dvigatel;
    return plannedSinceOverhaul(c, ds, 12, board, date, kind);
}

QString FunPPRPlanDliaSniatVint(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date)
{
    return plannedSinceOverhaul(c, ds, 30, board, date, GroundKind::VozdushnyVint);
}

QString FunPPRPlanDliaSniatHvostVint(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                     const QDate& date)
{
    return plannedSinceOverhaul(c, ds, 30, board, date, GroundKind::Lopasty);
}

QString FunPPRPlanDliaSniatLopast(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                  const QDate& date)
{
    return plannedSinceOverhaul(c, ds, 26, board, date, GroundKind::Lopasty);
}

QString FunPPRPlanDliaSniatVtNV(plan::Connection& c, const plan::Dataset& ds, const QString& board, const QDate& date)
{
    return plannedSinceOverhaul(c, ds, 18, board, date, GroundKind::Lopasty);
}

QString FunPPRPlanDliaSniatLebedka(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                   const QDate& date)
{
    return plannedSinceOverhaul(c, ds, 28, board, date, GroundKind::Agregaty);
}

QString FunPPRPlanDliaSniatShlang(plan::Connection& c, const plan::Dataset& ds, const QString& board,
                                  const QDate& date)
{
    const int pos = ds.fieldIndex(QString::fromLatin1(kHoseRunningColumn));
    if (pos < 0)
        throw plan::DbError(QStringLiteral("В строке рукава нет столбца %1 (запрос «%2»)")
                                .arg(QString::fromLatin1(kHoseRunningColumn), ds.commandText()));
    return plannedSinceOverhaul(c, ds, pos, board, date, GroundKind::Shlang);
}

QString FunNarPlanSniatDvig(const plan::Dataset& ds, int usedPos, int limitPos, const QString& aircraftRunning)
{
    Q_UNUSED(aircraftRunning);
    return FunOstatChas(ds, limitPos, usedPos);
}

QString FunPerNarAgrVSU(plan::Connection& c, const plan::Dataset& ds, int usedPos, const QString& measure)
{
    const QString m = measure.trimmed().toUpper();
    const bool hours = m == QLatin1String("OBSHAIA") || m == QLatin1String("GENERATOR") || m == QLatin1String("SUMMA");
    const bool counts = m == QLatin1String("ZAPUSKI") || m == QLatin1String("OTBORY");
    if (!hours && !counts)
        throw plan::ConversionError(QStringLiteral("\"%1\" is not an APU measure (OBSHAIA, SUMMA, GENERATOR, "
                                                   "ZAPUSKI, OTBORY)").arg(measure));
    const QString what = columnLabel(ds, usedPos);
    const long long stored = hours ? parseRunningTimeOrZero(ds.str(usedPos), what) : ds.field(usedPos).asInteger();
    auto result = [&](long long v) { return hours ? formatRunningTime(v) : QString::number(v); };
    const QString board = optionalString(ds, QStringLiteral("GDE_STOIT"));
    QDate installed;
    if (ds.fieldIndex(QStringLiteral("DATA_USTANOVKI")) >= 0)
        installed = ds.fieldByName(QStringLiteral("DATA_USTANOVKI")).asDate();
    if (board.isEmpty() || isStoreWord(board) || !installed.isValid()) return result(stored);
    long long add = 0;
    for (const FlightEntry& e : readFlights(c, board, installed, plan::Clock::today())) {
        if (m == QLatin1String("OBSHAIA")) add += e.apuTotalMinutes;
        else if (m == QLatin1String("GENERATOR")) add += e.apuGeneratorMinutes;
        else if (m == QLatin1String("SUMMA")) add += e.apuTotalMinutes + e.apuGeneratorMinutes;
        else if (m == QLatin1String("ZAPUSKI")) add += e.apuStarts;
        else add += e.apuBleeds;
    }
    return result(stored + add);
}

QString FunDataSniatia(const plan::Dataset& ds, int repairDatePos, int repairCountPos, int assignedCalPos,
                       int overhaulCalPos, int manufacturedPos)
{
    auto months = [&ds](int pos) {
        const plan::Field f = ds.field(pos);
        return emptyField(f) ? 0 : calendarMonths(f.asString(), columnLabel(ds, pos));
    };
    const QDate d = plannedRemovalDate(ds.field(manufacturedPos).asDate(), ds.field(repairDatePos).asDate(),
                                       ds.field(repairCountPos).asInteger(), months(assignedCalPos),
                                       months(overhaulCalPos));
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// ---------------------------------------------------------------- periodic forms

namespace {
struct FormIntervals {
    bool found = false;
    int form = 0;
    int f1 = 0;
    int count = 0; // forms in the cycle, 0 when not known
};

int optionalInteger(const plan::Dataset& ds, const QString& name)
{
    return ds.fieldIndex(name) >= 0 ? ds.fieldByName(name).asInteger() : 0;
}

// The intervals of the row's type: an engine row (one with the flag of its
// own forms, SVOI_FORMY) whose type keeps engine forms has the interval and
// cycle of PTO_FORMY_DVIG and no F1; every other row those of PTO_FORMY.
FormIntervals readIntervals(plan::Connection& c, const plan::Dataset& ds)
{
    FormIntervals iv;
    const QString type = optionalString(ds, QStringLiteral("TIP_VS"));
    plan::Dataset p(&c);
    if (ds.fieldIndex(QStringLiteral("SVOI_FORMY")) >= 0) {
        p.setCommandText(QStringLiteral("Select * From PTO_FORMY_DVIG Where TIP_VS='") + plan::sqlQuotesDoubled(type) +
                         QStringLiteral("' Order By ID;"));
        p.open();
        if (!p.isEmpty()) {
            iv.found = true;
            iv.form = p.fieldByName(QStringLiteral("VREMIA_FORMA")).asInteger();
            iv.count = optionalInteger(p, QStringLiteral("KOL_VO_FORM"));
            return iv;
        }
    }
    p.setCommandText(QStringLiteral("Select * From PTO_FORMY Where TIP_VS='") + plan::sqlQuotesDoubled(type) + QStringLiteral("' Order By ID;"));
    p.open();
    if (p.isEmpty()) return iv;
    iv.found = true;
    iv.form = p.fieldByName(QStringLiteral("VREMIA_FORMA")).asInteger();
    iv.f1 = p.fieldByName(QStringLiteral("VREMIA_F1")).asInteger();
    iv.count = optionalInteger(p, QStringLiteral("KOL_VO_FORM"));
    return iv;
}

int formIndex(const plan::Dataset& ds, int pos)
{
    const plan::Field f = ds.field(pos);
    return emptyField(f) ? -1 : f.asInteger();
}
} // namespace

QString GetOstatTO(plan::Connection& c, const plan::Dataset& ds, int runningPos, int step, int lastFormPos)
{
    const FormIntervals iv = readIntervals(c, ds);
    if (!iv.found || iv.form <= 0) return formatRunningTime(0);
    const long long used = parseRunningTimeOrZero(ds.str(runningPos), columnLabel(ds, runningPos));
    return formRemainderText(minutesToNextForm(used, iv.form, formIndex(ds, lastFormPos), step, iv.count));
}

QString GetOstatF1(plan::Connection& c, const plan::Dataset& ds, int runningPos, int step, int lastFormPos)
{
    const FormIntervals iv = readIntervals(c, ds);
    if (!iv.found || iv.f1 <= 0) return formatRunningTime(0);
    const long long used = parseRunningTimeOrZero(ds.str(runningPos), columnLabel(ds, runningPos));
    return formRemainderText(minutesToNextF1(used, iv.form, iv.f1, formIndex(ds, lastFormPos), step, iv.count));
}

// ---------------------------------------------------------------- names without a reference row

namespace {
QString joinName(const QString& a, const QString& b)
{
    const QString s = (a + QLatin1Char(' ') + b).trimmed();
    return s.isEmpty() ? QStringLiteral("Не найден в справочнике") : s;
}
} // namespace

QString FunAddIDNameAgregat(const plan::Dataset& ds)
{
    QString name = optionalString(ds, QStringLiteral("NAIMENOVANIE"));
    if (name.isEmpty()) name = optionalString(ds, QStringLiteral("NAZVANIE"));
    return joinName(name, optionalString(ds, QStringLiteral("CHERT_NOMER")));
}

QString FunAddIDNameAgrZCU(const plan::Dataset& ds)
{
    const QString id = optionalString(ds, QStringLiteral("ID_NAME"));
    return id.isEmpty() ? QStringLiteral("Не найден в справочнике") : QStringLiteral("Агрегат ЗЧУ ") + id;
}

QString FunAddIDNameVtNV(const plan::Dataset& ds)
{
    QString name = optionalString(ds, QStringLiteral("NAZVANIE"));
    if (name.isEmpty()) name = optionalString(ds, QStringLiteral("NAIMENOVANIE"));
    return joinName(name, optionalString(ds, QStringLiteral("CHERT_NOMER")));
}

} // namespace rarozidi
