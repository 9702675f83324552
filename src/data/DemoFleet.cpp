#include "data/DemoFleet.h"

#include <QSqlQuery>

#include "data/Schema.h"
#include "data/TableWriter.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QSqlDatabase>
#include <QTime>
#include <random>

namespace plan {
namespace {

// Deterministic draws: one generator, simple ranges (the same on every build).
class Rng {
public:
    explicit Rng(int seed) : m_g(static_cast<unsigned>(seed) * 2654435761u + 1u) {}
    int range(int lo, int hi) { return lo + static_cast<int>(m_g() % static_cast<unsigned>(hi - lo + 1)); }
    bool chance(int percent) { return range(1, 100) <= percent; }
    template <class T, size_t N> const T& pick(const T (&a)[N]) { return a[range(0, N - 1)]; }

private:
    std::mt19937 m_g;
};

QString hm(int minutes)
{
    const int m = minutes < 0 ? -minutes : minutes;
    return QStringLiteral("%1%2:%3").arg(minutes < 0 ? "-" : "").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QTime tod(int minutes) { return QTime(minutes / 60, minutes % 60); }

const char* const kStoreWords[] = {"Склад", "Ремфонд", "Ремонт", "Рекламация"};
const char* const kStores[] = {"Склад №1", "Склад АТБ", "Склад АРЗ-12", ""};
const char* const kPlants[] = {"АО «УЗГА»", "АО «12 АРЗ»", "АО «356 АРЗ»", "АО «Редуктор-ПМ»"};

struct TypeData {
    const char* type;
    const char* code;
    int engines;
    const char* engine;
    const char* gearbox;
    int mainBlades;   // 0: none
    int tailBlades;   // 0: no tail rotor
    bool apu;
    bool propeller;   // aeroplane: propeller and its blades instead of rotors
    int lifeHours;    // assigned airframe life
    int tboHours;     // airframe life between overhauls
    int engineTbo;
    int engineFirst;
    int bladeLife;
    int groundCounts; // "1" or "0"
    double groundShare;
};

const TypeData kTypes[] = {
    {"Ми-8АМТ", "8АМТ", 2, "ТВ3-117ВМ", "ВР-14", 5, 3, true, false, 32000, 2000, 1500, 1500, 2000, 1, 0.5},
    {"Ми-8МТВ-1", "8МТВ", 2, "ТВ3-117ВМ", "ВР-14", 5, 3, true, false, 32000, 2000, 1500, 1500, 2000, 1, 0.5},
    {"Ми-8Т", "8Т", 2, "ТВ2-117А", "ВР-8А", 5, 3, false, false, 28000, 1500, 1000, 1000, 1500, 0, 0.0},
    {"Ми-2", "2", 2, "ГТД-350", "ВР-2", 3, 2, false, false, 20000, 1500, 1000, 1000, 1500, 1, 0.25},
    {"Ка-32", "32", 2, "ТВ3-117ВМА", "ВР-252", 6, 0, true, false, 24000, 1800, 1500, 1500, 2000, 1, 0.5},
    {"Ансат", "АНС", 2, "PW207K", "ВР-А", 4, 2, false, false, 20000, 3000, 3500, 3500, 5000, 0, 0.0},
    {"Ан-2", "АН2", 1, "АШ-62ИР", "Р-62", 0, 0, false, true, 25000, 1500, 1000, 1000, 2000, 1, 0.5},
    {"Ми-8Т HIDE", "8ТН", 2, "ТВ2-117А", "ВР-8А", 5, 3, false, false, 28000, 1500, 1000, 1000, 1500, 0, 0.0},
};
constexpr int kTypeCount = sizeof(kTypes) / sizeof(kTypes[0]);

struct Operator { const char* code; const char* name; const char* own; };
const Operator kOperators[] = {
    {"ЮТЭЙР", "АО «ЮТэйр-Вертолетные услуги»", "ЮТЭЙР"},
    {"АВИАСЕВЕР", "ООО «Авиакомпания Север»", "АВИАСЕВЕР"},
};
const char* const kLessors[] = {"ГТЛК", "ПСБ Авиализинг"};

struct Aircraft {
    const TypeData* t;
    QString board;
    QString op;
    QString owner;
    QDate made;
    int overhauls;
    QDate overhauled;
    int sne;      // minutes since new
    int ppr;      // minutes since overhaul
    int landingsSne;
    int landingsPpr;
    QDate lastFlight;
};

class Generator {
public:
    Generator(QSqlDatabase db, const DemoFleet::Options& o, const DemoFleet::Progress& p)
        : m_db(db), m_o(o), m_progress(p), m_rng(o.seed), m_today(Clock::today()) {}

    DemoFleet::Summary run()
    {
        step("organisations");
        organisations();
        step("types and standard lists");
        types();
        step("aircraft");
        aircraft();
        step("components");
        components();
        step("flight records");
        flights();
        continuousInstalledLately();
        step("state entries, movements and maintenance");
        maintenance();
        step("tuned documents and sheets");
        tuning();
        return m_summary;
    }

private:
    void step(const QString& s) { if (m_progress) m_progress(QStringLiteral("demo-db: ") + s); }

    QDate daysAgo(int d) const { return m_today.addDays(-d); }

    QString serial(const char* prefix) { return QStringLiteral("%1%2").arg(QString::fromUtf8(prefix)).arg(++m_serial, 6, 10, QLatin1Char('0')); }

    void organisations()
    {
        TableWriter ex(m_db, "EXPLUATANTY"), so(m_db, "SOBSTVENNIKI"), ob(m_db, "OBSHIE"), loc(m_db, "RASPOLOGENIA"),
            users(m_db, "USERS");
        for (const Operator& op : kOperators) {
            ex.set("ID_NAME", QString::fromUtf8(op.code)).set("NAME", QString::fromUtf8(op.name)).set("HIDE", 0).write();
            so.set("ID_NAME", QString::fromUtf8(op.own)).set("HIDE", 0).write();
            ob.set("EXPLUATANT", QString::fromUtf8(op.code)).set("VLADELETS", QString::fromUtf8(op.own))
                .set("FIO_IAS", QStringLiteral("Иванов И.И.")).set("DOLGNOST_IAS", QStringLiteral("Начальник ИАС"))
                .set("NACH_PDO", QStringLiteral("Петров П.П.")).set("PHONE_PDO", QStringLiteral("+7 (3452) 49-00-00"))
                .set("EMAIL_36GA", QStringLiteral("pdo@example.ru")).set("EMAIL_PREDPRIATIE", QStringLiteral("office@example.ru"))
                .set("IMIA_DVIGATEL_37", QStringLiteral("Двигатели")).set("IMIA_REDUCTOR_37", QStringLiteral("Редукторы"))
                .set("NOMER_SVIDELSTVA", QStringLiteral("СЭ №%1").arg(ex.written() * 111))
                .set("NAME_UGA_PASR", QStringLiteral("Тюменское МТУ Росавиации"))
                .set("NAME_APSC", QStringLiteral("ФКУ «Авиаспасательный центр»"))
                .set("IMIA_UGA", QStringLiteral("Росавиация")).set("ADRES_PREDPR", QStringLiteral("625013, г. Тюмень, ул. Сообщения, 6"))
                .set("DOLGNOST_PDO", QStringLiteral("Начальник ПДО")).set("IMIA_36", QStringLiteral("Планеры"))
                .set("ADRES_36", QStringLiteral("125993, г. Москва, Ленинградский пр-т, 37"))
                .set("ADRES_37", QStringLiteral("125993, г. Москва, Ленинградский пр-т, 37"))
                .set("IMIA_PMTU", QStringLiteral("Уральское МТУ Росавиации")).set("ADRES_PMTU", QStringLiteral("г. Екатеринбург"))
                .set("PHONE_IAS", QStringLiteral("+7 (3452) 49-00-01")).set("PRIKAZ_PASR", QStringLiteral("Приказ №%1-ПАСР").arg(ex.written()))
                .write();
        }
        ex.set("ID_NAME", QStringLiteral("АРХИВ")).set("NAME", QStringLiteral("Архивный эксплуатант")).set("HIDE", 1).write();
        for (const char* l : kLessors) so.set("ID_NAME", QString::fromUtf8(l)).set("HIDE", 0).write();
        for (const char* m : {"Тюмень", "Сургут", "Ханты-Мансийск"})
            loc.set("ID_MESTO", QString::fromUtf8(m)).set("NAME", QStringLiteral("Аэропорт ") + QString::fromUtf8(m)).set("HIDE", 0).write();
        for (const char* u : {"Смирнов", "Кузнецова", "planner"})
            users.set("FAMILIA", QString::fromUtf8(u)).set("IMIA", QStringLiteral("Анна")).set("OTCHESTVO", QStringLiteral("Петровна"))
                .set("TIP_VS", QString::fromUtf8(kTypes[0].type)).write();
    }

    void types()
    {
        TableWriter td(m_db, "TIPOVYE_DANNYE_VS");
        TableWriter pto(m_db, "PTO_FORMY"), ptoDv(m_db, "PTO_FORMY_DVIG");
        TableWriter etaPl(m_db, "ETAPLANER"), etaDv(m_db, "ETADVIG"), etaRed(m_db, "ETAREDUCTOR"), etaLop(m_db, "ETALOPAST"),
            etaVt(m_db, "ETA_VTULKA_NV"), etaHv(m_db, "ETA_HVOST_VINT"), etaVv(m_db, "ETA_VOZD_VINT"), etaLeb(m_db, "ETA_LEBEDKA"),
            etaZcu(m_db, "ETA_ZCU"), etaAgr(m_db, "ETAAGREGAT"), etaAgrVsu(m_db, "ETA_AGR_VSU"), etaVsu(m_db, "ETAVSU"),
            etaSh(m_db, "ETASHLANG");
        for (const TypeData& t : kTypes) {
            const QString type = QString::fromUtf8(t.type);
            const QString g = t.groundCounts ? QStringLiteral("1") : QStringLiteral("0");
            td.set("TIP_VS", type).set("KOD_VS", t.propeller ? 0 : 1).set("ODIN_DVA", t.engines > 1 ? "2" : "1")
                .set("PTO_DVIG_SEPAR", "0").set("KOL_VO_DVIGATEL", t.engines).set("KOL_VO_LOPAST_NES", t.mainBlades)
                .set("KOL_VO_VSU", t.apu ? 1 : 0).set("COL_VO_VOZDUSHNY_VINT", t.propeller ? 1 : 0)
                .set("UCHITYVAT_ZEMLU", g).set("KOL_VO_ZEMLIA_PLANER", t.groundShare);
            for (const char* kind : {"DVIGATEL", "REDUCTOR", "LOPASTY", "AGREGATY", "SHLANG", "ZCU", "AGR_DVIG", "VOZDUSHNY_VINT"}) {
                const QByteArray flag = QByteArray("ZEMLIA_") + kind, share = QByteArray("KOL_VO_ZEMLIA_") + kind;
                const bool counts = t.groundCounts && QByteArray(kind) != "LOPASTY";
                td.set(flag.constData(), counts ? "1" : "0").set(share.constData(), counts ? t.groundShare : 0.0);
            }
            td.write();

            // Periodic forms: F1 every 50 h, the cycle of forms every 100 h.
            pto.set("TIP_VS", type).set("VREMIA_F1", 50).set("VREMIA_FORMA", 100).set("CASE1", QStringLiteral("0"));
            const QStringList forms = {"Ф-2", "Ф-3", "Ф-2", "Ф-4", "Ф-2", "Ф-3", "Ф-2", "Ф-5"};
            pto.set(5, forms.size());
            for (int i = 0; i < forms.size() && 6 + i < pto.columnCount(); ++i) pto.set(6 + i, forms[i]);
            pto.write();
            ptoDv.set("TIP_VS", type).set("DVIGATEL", QString::fromUtf8(t.engine)).set("VREMIA_FORMA", 250).set(5, 3);
            for (int i = 0; i < 3; ++i) ptoDv.set(6 + i, QStringLiteral("Ф-%1Д").arg(i + 1));
            ptoDv.write();

            etaPl.set("TIP_VS", type).write();
            etaDv.set("TIP_VS", type).set("NAZVANIE_DVIGATELIA", QString::fromUtf8(t.engine)).write();
            etaRed.set("TIP_VS", type).set("NAZVANIE_REDUCTORA", QString::fromUtf8(t.gearbox)).set("ID_NAME", QStringLiteral("1")).write();
            if (t.mainBlades) etaLop.set("TIP_VS", type).set("TIP_VINTA", QStringLiteral("Несущий")).set("NAZVANIE", QStringLiteral("8АТ-2710-00")).write();
            if (t.tailBlades) etaLop.set("TIP_VS", type).set("TIP_VINTA", QStringLiteral("Хвостовой")).set("NAZVANIE", QStringLiteral("246-3925-00")).write();
            if (t.propeller) etaLop.set("TIP_VS", type).set("TIP_VINTA", QStringLiteral("Воздушный")).set("NAZVANIE", QStringLiteral("АВ-2")).write();
            if (t.mainBlades) etaVt.set("TIP_VS", type).set("ID_NAME", QStringLiteral("1")).set("NAME", QStringLiteral("Втулка несущего винта")).set("CHERT_NOMER", QStringLiteral("8-1930-000")).write();
            if (t.tailBlades) etaHv.set("TIP_VS", type).set("NAZVANIE_VINTA", QStringLiteral("246-3904-000")).write();
            if (t.propeller) etaVv.set("TIP_VS", type).set("TIP_VINTA", QStringLiteral("Воздушный")).set("NAZVANIE_VINTA", QStringLiteral("АВ-2")).write();
            if (!t.propeller) etaLeb.set("TIP_VS", type).set("CHERT_NOMER_LEBEDKA", QStringLiteral("ЛПГ-150М")).write();
            for (int z = 1; z <= 2; ++z)
                etaZcu.set("TIP_VS", type).set("ID_NAME", QString::number(z)).set("NAME", z == 1 ? QStringLiteral("Гидроусилитель КАУ-30Б") : QStringLiteral("Рулевой агрегат РА-60Б")).set("CHERT_NOMER", QStringLiteral("ЗЧУ-%1").arg(z)).write();
            for (int a = 0; a < kUnitCount; ++a) {
                const Unit& u = kUnits[a];
                etaAgr.set("TIP_VS", type).set("ID_NAME", QString::number(a + 1)).set("NAZVANIE", QString::fromUtf8(u.name))
                    .set("NAIMENOVANIE", QString::fromUtf8(u.name)).set("NAME", QString::fromUtf8(u.name)).set("CHERT_NOMER", QString::fromUtf8(u.drawing)).set("MESTO_USTANOVKI", QStringLiteral("1")).set("KOL_VO", 1)
                    .set("SYSTEMA", QString::fromUtf8(u.system)).set("PRINADLEGNOST", u.engine ? "1" : "0")
                    .set("IND_UCHET", 1).set("ED_IZMARENIA", QString::number(u.measure)).write();
            }
            if (t.apu) {
                etaVsu.set("TIP_VS", type).set("NAZVANIE", QStringLiteral("АИ-9В")).write();
                etaAgrVsu.set("TIP_VS", type).set("ID_NAME", QStringLiteral("1")).set("NAME", QStringLiteral("Стартер ВСУ"))
                    .set("CHERT_NOMER", QStringLiteral("СТ-117")).write();
            }
            etaSh.set("TIP_VS", type).write();
        }
    }

    struct Unit { const char* name; const char* drawing; const char* system; int engine; int measure; int life; };
    static constexpr Unit kUnits[] = {
        {"Генератор", "ГС-18МО", "Электроснабжение", 1, 0, 2000},
        {"Стартер-генератор", "СТГ-3", "Электроснабжение", 0, 0, 3000},
        {"Насос-регулятор", "НР-3ВМ", "Топливная система", 1, 0, 1500},
        {"Гидронасос", "НШ-39М", "Гидросистема", 0, 0, 2500},
        {"Огнетушитель", "УБШ-4-2", "Противопожарная", 0, 2, 10},
        {"Аккумулятор", "20НКБН-25", "Электроснабжение", 0, 2, 3},
    };
    static constexpr int kUnitCount = sizeof(kUnits) / sizeof(kUnits[0]);

    void aircraft()
    {
        TableWriter re(m_db, "REESTR");
        const int n = m_o.aircraft;
        for (int i = 0; i < n; ++i) {
            // The last aircraft is of the hidden type; the rest cycle through the visible ones.
            const TypeData& t = (i == n - 1 && n > 1) ? kTypes[kTypeCount - 1] : kTypes[i % (kTypeCount - 1)];
            Aircraft a;
            a.t = &t;
            a.board = t.propeller ? QStringLiteral("RA-%1").arg(40000 + i) : QStringLiteral("RA-%1").arg(22000 + i * 7);
            const Operator& op = kOperators[i % 2];
            a.op = QString::fromUtf8(op.code);
            a.owner = (i % 5 == 3) ? QString::fromUtf8(kLessors[i % 2]) : QString::fromUtf8(op.own);
            a.made = m_today.addDays(-m_rng.range(8 * 365, 35 * 365));
            a.overhauls = m_rng.range(0, 3);
            a.overhauled = a.overhauls ? m_today.addDays(-m_rng.range(200, 7 * 365)) : QDate();
            if (a.overhauled.isValid() && a.overhauled < a.made) a.overhauled = a.made.addYears(5);
            a.sne = m_rng.range(2000, t.lifeHours - 3000) * 60 + m_rng.range(0, 59);
            // A few airframes close to their life between overhauls.
            const int pprHours = (i % 11 == 4) ? t.tboHours - m_rng.range(10, 90) : m_rng.range(50, t.tboHours - 200);
            a.ppr = a.overhauls ? pprHours * 60 + m_rng.range(0, 59) : a.sne;
            if (!a.overhauls && a.sne > t.tboHours * 60) a.ppr = a.sne; // never overhauled: used against the first limit
            a.landingsSne = a.sne / 60 * 2;
            a.landingsPpr = a.ppr / 60 * 2;
            const int stateCode = (i % 13 == 6) ? 4 : (i % 17 == 8 ? 2 : 0);
            const QDate certUntil = (i % 7 == 2) ? m_today.addDays(m_rng.range(-20, 40)) : m_today.addDays(m_rng.range(60, 400));
            const QDate formDate = daysAgo(m_rng.range(5, 120));
            re.set("TIP_VS", QString::fromUtf8(t.type)).set("VARIANT_VS", (i % 4 == 0) ? QStringLiteral("Т") : QStringLiteral(" "))
                .set("BORTOVOI_NOMER", a.board).set(4, QStringLiteral("%1%2").arg(95000 + i * 13))
                .set("EXPLUATANT", a.op).set("SOBSTVENNOST", a.owner)
                .set(6, a.made).set(7, QString::fromUtf8(kPlants[i % 4])).set(8, a.overhauled).set(9, a.overhauls)
                .set(11, QStringLiteral("СЛГ №%1").arg(1000 + i)).set(12, certUntil)
                .set(13, QStringLiteral("%1").arg(m_rng.range(70, 99))).set(14, m_rng.range(7200, 7900)).set(15, m_rng.range(-40, 160) / 10000.0)
                .set(16, t.lifeHours).set(17, QStringLiteral("35.00")).set(18, t.tboHours).set(19, QStringLiteral("10.00"))
                .set(20, hm(a.sne)).set(21, a.landingsSne).set(22, hm(a.ppr)).set(23, a.landingsPpr)
                .set(27, stateCode).set(28, formDate).set(29, daysAgo(m_rng.range(1, 20)))
                .set(30, a.sne).set(31, a.ppr).set(33, m_rng.range(-1, 7)).set(34, m_rng.range(0, 1))
                .set(40, QStringLiteral("УШ №%1").arg(500 + i)).set(41, m_today.addDays(m_rng.range(-30, 900)))
                .set(42, QString::fromUtf8(i % 3 == 0 ? "Тюмень" : (i % 3 == 1 ? "Сургут" : "Ханты-Мансийск")))
                .set(60, t.lifeHours * 2).set(61, t.tboHours * 2).set(64, i % 6 == 5 ? 0 : 1)
                .set("DATE_REESTR_VVOD", a.made.addMonths(2)).set("STATUS_TO", stateCode)
                .set("DATA_STATUS", daysAgo(m_rng.range(1, 400)));
            if (i % 19 == 18) re.set("DATE_REESTR_VYVOD", daysAgo(m_rng.range(10, 300)));
            re.write();
            m_aircraft.push_back(a);
        }
        m_summary.aircraft = n;
    }

    // Hours of life used: mostly well within the limit, one in nine near it, one in twenty-five past it.
    int usedHours(int limit, int k)
    {
        if (k % 25 == 7) return limit + m_rng.range(1, 30);
        if (k % 9 == 4) return limit - m_rng.range(5, 95);
        return m_rng.range(limit / 20, limit * 8 / 10);
    }

    void engineLike(TableWriter& w, const char* table, const TypeData& t, const QString& gde, const QString& store,
                    const QString& owner, const QString& model, const QString& pos, int k)
    {
        const int repairs = (k % 3 == 0) ? 0 : m_rng.range(1, 3);
        const int limit = repairs ? t.engineTbo : t.engineFirst;
        const int ppr = usedHours(limit, k) * 60 + m_rng.range(0, 59);
        const int sne = repairs ? ppr + repairs * t.engineTbo * 60 - m_rng.range(0, 3000) : ppr;
        const QDate made = m_today.addDays(-m_rng.range(3 * 365, 20 * 365));
        w.set("TIP_VS", QString::fromUtf8(t.type)).set("GDE_STOIT", gde).set("TEKUSHEE_RASPOLOGENIE", store)
            .set("SOBSTVENNOST", owner)
            .set(2, model).set(3, serial(table[0] == 'D' ? "Д" : "Р")).set(5, made)
            .set(7, QString::fromUtf8(kPlants[k % 4])).set(8, repairs ? m_today.addDays(-m_rng.range(100, 2000)) : QVariant())
            .set(4, QStringLiteral("АО «Климов»")).set(9, repairs).set(10, daysAgo(m_rng.range(40, 900)))
            .set(11, hm(std::max(sne, ppr))).set(12, hm(ppr))
            .set(14, t.engineFirst).set(15, QStringLiteral("8.00")).set(16, t.engineTbo).set(17, QStringLiteral("6.00"))
            .set(18, t.engineTbo * 4).set(19, QStringLiteral("25.00")).set(23, pos)
            .set("DATA_POSTUPLENIYA_V_PRED", m_today.addDays(-m_rng.range(365, 3 * 365))).set(33, k % 10 == 3 ? 1 : 0)
            .set(46, k % 4 == 1 ? 1 : 0).set(47, daysAgo(m_rng.range(10, 200))).set(48, m_rng.range(0, 3));
        w.write();
    }

    void components()
    {
        TableWriter dv(m_db, "DVIGATEL"), red(m_db, "REDUCTOR"), lop(m_db, "LOPAST"), vt(m_db, "VTULKA_NV"),
            hv(m_db, "HVOSTOVOY_VINT"), vv(m_db, "VOZDUSHNY_VINT"), leb(m_db, "LEBEDKA"), zcu(m_db, "ZCU"),
            agr(m_db, "AGREGAT"), vsu(m_db, "VSU"), agrVsu(m_db, "AGR_VSU"), sh(m_db, "SHLANG");
        int k = 0;
        auto place = [&](int idx, const Aircraft* a, QString* store) {
            // Installed, or in one of the four store words with or without a store location.
            if (a) { *store = QString(); return a->board; }
            // The store names run across the store words so that each word
            // is seen with several stores and "Склад" also without one.
            *store = QString::fromUtf8(kStores[(idx / 4 * 3 + idx) % 4]);
            return QString::fromUtf8(kStoreWords[idx % 4]);
        };
        auto all = [&](const Aircraft* a, const TypeData& t, int idx) {
            QString store;
            const QString gde = place(idx, a, &store);
            // Installed: the aircraft's owner; in store: own and leased spares.
            const QString owner = a ? a->owner : m_aircraft[static_cast<size_t>(idx) % m_aircraft.size()].owner;
            const QString type = QString::fromUtf8(t.type);
            const QDate installed = daysAgo(m_rng.range(40, 900));
            for (int e = 0; e < (a ? t.engines : 1); ++e)
                engineLike(dv, "DVIGATEL", t, gde, store, owner, QString::fromUtf8(t.engine),
                           t.engines == 1 ? QStringLiteral("0") : QString::number(e + 1), ++k);
            engineLike(red, "REDUCTOR", t, gde, store, owner, QString::fromUtf8(t.gearbox), QStringLiteral("0"), ++k);
            auto blades = [&](const char* rotor, int count, int usedPos) {
                for (int b = 0; b < (a ? count : 1); ++b) {
                    const int used = usedHours(t.bladeLife, ++k) * 60 + m_rng.range(0, 59);
                    lop.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set("TIP_VINTA", QString::fromUtf8(rotor))
                        .set(3, QString::fromUtf8(std::string_view(rotor) == "Несущий" ? "8АТ-2710-00" : (std::string_view(rotor) == "Хвостовой" ? "246-3925-00" : "АВ-2")))
                        .set(4, QStringLiteral("%1_%2").arg(m_rng.range(10, 99)).arg(serial("Л")))
                        .set(6, m_today.addDays(-m_rng.range(2 * 365, 12 * 365)))
                        .set(9, hm(used)).set(10, t.bladeLife).set(18, k % 5 == 0 ? 1 : 0).set(26, hm(used))
                        .set("DATA_USTANOVKI", installed).write();
                    (void)usedPos;
                }
            };
            if (t.mainBlades) blades("Несущий", t.mainBlades, 9);
            if (t.tailBlades) blades("Хвостовой", t.tailBlades, 26);
            if (t.propeller) blades("Воздушный", 4, 26);
            if (t.mainBlades) {
                const int repairs = m_rng.range(0, 2);
                vt.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set("ID_NAME", QStringLiteral("1"))
                    .set("NAZVANIE", QStringLiteral("Втулка НВ")).set("CHERT_NOMER", QStringLiteral("8-1930-000"))
                    .set("TIP_VINTA", QStringLiteral("Несущий")).set("SMAZKA", QStringLiteral("1")).set("MESTO_USTANOVKI", QStringLiteral("НВ"))
                    .set(4, serial("В")).set(6, m_today.addDays(-m_rng.range(3 * 365, 15 * 365)))
                    .set(9, repairs ? daysAgo(m_rng.range(300, 2000)) : QVariant()).set(10, repairs).set(14, 2000)
                    .set(18, hm(usedHours(repairs ? 2000 : 1500, ++k) * 60)).set(34, QStringLiteral("1")).set(39, k % 4 == 0 ? 1 : 0)
                    .set(48, 1500).set("DATA_USTANOVKI", installed).write();
            }
            if (t.tailBlades) {
                const int repairs = m_rng.range(0, 2);
                hv.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set("TIP_VINTA", QStringLiteral("Хвостовой"))
                    .set(2, QStringLiteral("246-3904-000")).set(3, serial("РВ")).set(4, m_today.addDays(-m_rng.range(3 * 365, 15 * 365)))
                    .set("ZAVODSKOY_NOMER_VTULKA", serial("ВРВ"))
                    .set(12, repairs ? daysAgo(m_rng.range(300, 2000)) : QVariant()).set(13, repairs)
                    .set(21, 1500).set(25, 1000).set(27, k % 3 == 0 ? 1 : 0).set(30, hm(usedHours(repairs ? 1500 : 1000, ++k) * 60))
                    .set("DATA_USTANOVKI", installed).write();
            }
            if (t.propeller) {
                const int repairs = m_rng.range(0, 2);
                const int used = usedHours(repairs ? 1000 : 800, ++k) * 60;
                vv.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set("TIP_VINTA", QStringLiteral("Воздушный"))
                    .set(2, QStringLiteral("АВ-2")).set(3, serial("ВВ")).set(9, m_today.addDays(-m_rng.range(3 * 365, 15 * 365)))
                    .set(14, QString::fromUtf8(kPlants[1])).set(15, repairs ? daysAgo(m_rng.range(300, 2000)) : QVariant()).set(16, repairs)
                    .set(19, QStringLiteral("0")).set(21, 4000).set(23, 1000).set(29, hm(used + repairs * 60000)).set(30, hm(used)).set(47, 800)
                    .set("DATA_USTANOVKI", installed).write();
            }
            if (!t.propeller) {
                const int repairs = m_rng.range(0, 1);
                leb.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set(2, QStringLiteral("ЛПГ-150М"))
                    .set(3, serial("ЛБ")).set(8, m_today.addDays(-m_rng.range(2 * 365, 10 * 365)))
                    .set(12, repairs ? daysAgo(m_rng.range(300, 2000)) : QVariant()).set(13, repairs)
                    .set(21, 1000).set(25, k % 2).set(28, hm(usedHours(repairs ? 1000 : 800, ++k) * 60)).set(36, 800)
                    .set("DATA_USTANOVKI", installed).write();
            }
            for (int z = 1; z <= 2; ++z)
                zcu.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set(3, QString::number(z))
                    .set(6, serial("З")).set(8, m_today.addDays(-m_rng.range(2 * 365, 10 * 365))).set(16, z == 2 ? 1 : 0)
                    .set(19, 0).set(20, 3000).set(22, hm(usedHours(2000, ++k) * 60)).set(27, 2000)
                    .set("DATA_USTANOVKI", installed).write();
            for (int u = 0; u < kUnitCount; ++u) {
                const Unit& un = kUnits[u];
                const int repairs = m_rng.range(0, 1);
                agr.set("TIP_VS", type).set("GDE_STOIT", gde).set("SKLAD_ARZ", store).set("SOBSTVENNOST", owner).set("ID_NAME", QString::number(u + 1))
                    .set("NAIMENOVANIE", QString::fromUtf8(un.name)).set("NAZVANIE", QString::fromUtf8(un.name))
                    .set("CHERT_NOMER", QString::fromUtf8(un.drawing)).set("SYSTEMA", QString::fromUtf8(un.system))
                    .set("TIP_OBORUDOVANIA", QStringLiteral("0")).set("PRINADLEGNOST", un.engine ? "1" : "0")
                    .set("PLAN_DVIG_VSU", QStringLiteral("0")).set("MESTO_USTANOVKI", QStringLiteral("отсек %1").arg(u + 1))
                    .set(4, serial("А")).set(6, m_today.addDays(-m_rng.range(2 * 365, 10 * 365)))
                    .set(9, repairs ? daysAgo(m_rng.range(300, 2000)) : QVariant()).set(10, repairs)
                    .set(14, un.life).set(18, un.measure == 0 ? hm(usedHours(un.life, ++k) * 60) : QString::number(m_rng.range(1, un.life)))
                    .set(24, QString::number(un.measure)).set(26, installed).set(28, un.engine)
                    .set(34, QString::number(u + 1)).set(39, u == 1 ? 1 : 0).set(43, un.life)
                    .set("ED_IZMERENIA", QString::number(un.measure)).write();
            }
            if (t.apu) {
                vsu.set("TIP_VS", type).set("GDE_STOIT", gde).set("NAZVANIE", QStringLiteral("АИ-9В")).set("NAIMENOVANIE", QStringLiteral("ВСУ"))
                    .set("ID_NAME", QStringLiteral("1")).set("ZAVODSKOY_NOMER", serial("ВСУ")).set("MESTO_USTANOVKI", gde)
                    .set("DATA_USTANOVKI", installed).set("OBSHAIA_NAZN", 6000).set("ZAPUSKI_NAZN", 15000).set("OTBORY_NAZN", 12000)
                    .set("IZGOTOVLEN_DATA", m_today.addDays(-m_rng.range(3 * 365, 15 * 365))).set("REMONT_ZAVOD", QString::fromUtf8(kPlants[2]))
                    .set("VSEGO_REMONTOV", 1).set("REMONT_DATA", daysAgo(m_rng.range(300, 2000))).set("DATA_POSTUPLENIA", daysAgo(m_rng.range(300, 3000)))
                    .set("OBSHAIA_SNE", hm(m_rng.range(800, 2000) * 60)).set("OBSHAIA_PPR", hm(m_rng.range(50, 400) * 60))
                    .set("OBSHAIA_MEGREMONTNY", 500).set("OBSHAIA_DO_PERVOGO", 500)
                    .set("SUMMA_SNE", hm(m_rng.range(900, 2100) * 60)).set("SUMMA_PPR", hm(m_rng.range(60, 420) * 60))
                    .set("SUMMA_MEGREM", 500).set("SUMMA_DO_PERVOGO", 500)
                    .set("ZAPUSKI_SNE", m_rng.range(2000, 5000)).set("ZAPUSKI_PPR", m_rng.range(100, 900)).set("ZAPUSKI_MEGREMONTNY", 1000)
                    .set("OTBORY_SNE", m_rng.range(1000, 4000)).set("OTBORY_PPR", m_rng.range(100, 800)).set("OTBORY_MEGREMONTNY", 1000)
                    .set("GENERATORNY_SNE", hm(m_rng.range(300, 900) * 60)).set("GENERATORNY_PPR", hm(m_rng.range(30, 200) * 60))
                    .set("GENERAT_MEZHREMONTNY", 500).write();
                agrVsu.set("TIP_VS", type).set("GDE_STOIT", gde).set("ID_NAME", QStringLiteral("1"))
                    .set("ZAVODSKOY_NOMER", serial("АВ")).set("DATA_USTANOVKI", installed).write();
            }
            for (int s = 0; s < 2; ++s)
                sh.set("TIP_VS", type).set("GDE_STOIT", gde).set("SYSTEMA", s ? QStringLiteral("Гидросистема") : QStringLiteral("Топливная система"))
                    .set("VID_UCHETA", QString::number(s + 1)).set("DATA_VYPUSKA_RUKAVA", m_today.addDays(-m_rng.range(365, 8 * 365)))
                    .set("UCHET_OT_DATY_UST", s).set("DATA_USTANOVKI", installed).write();
        };
        for (const Aircraft& a : m_aircraft) all(&a, *a.t, 0);
        // Spares of every kind in every store word, per visible type.
        for (int t = 0; t < kTypeCount - 1; ++t)
            for (int s = 0; s < 4; ++s) all(nullptr, kTypes[t], s + t);
        m_summary.components = dv.written() + red.written() + lop.written() + vt.written() + hv.written() + vv.written()
                               + leb.written() + zcu.written() + agr.written() + vsu.written() + agrVsu.written() + sh.written();
    }

    // A component counted continuously keeps the running time it had when it
    // was installed; the flying since then is added from the flight records.
    // The demo's stored values are current ones, so such components are given
    // an installation a few weeks back, where the two agree to within hours.
    void continuousInstalledLately()
    {
        QSqlQuery q(m_db);
        const QString today = m_today.toString(QStringLiteral("yyyy-MM-dd"));
        for (const char* table : {"LOPAST", "HVOSTOVOY_VINT", "VTULKA_NV", "AGREGAT", "ZCU", "LEBEDKA"}) {
            const QString sql = QStringLiteral("UPDATE %1 SET DATA_USTANOVKI = DATEADD(-(MOD(ID, 40) + 5) DAY TO "
                                               "CAST('%2' AS DATE)) WHERE NEPRERYVNO = 1")
                                    .arg(QLatin1String(table), today);
            if (!q.exec(sql)) throw DbError(QStringLiteral("demo-db: %1: %2").arg(sql, describeSqlError(q.lastError())));
        }
    }

    void flights()
    {
        TableWriter sp(m_db, "SPRAVKA");
        const int days = m_o.years * 365;
        for (size_t i = 0; i < m_aircraft.size(); ++i) {
            Aircraft& a = m_aircraft[i];
            const QString type = QString::fromUtf8(a.t->type);
            // One aircraft in nine has not flown for the last six weeks (no monthly rate).
            const int quietDays = (i % 9 == 5) ? 45 : 0;
            const int percent = 25 + static_cast<int>(i % 4) * 10;
            for (int d = days; d >= quietDays; --d) {
                if (!m_rng.chance(percent)) continue;
                const QDate date = daysAgo(d);
                const int air = m_rng.range(20, 330);
                const int ground = m_rng.chance(35) ? m_rng.range(5, 40) : 0;
                const int landings = m_rng.range(1, 6);
                sp.set("TIP_VS", type).set("BORTOVOI_NOMER", a.board).set("DATA_POLETA", date)
                    .set("V_VOZDUHE", tod(air)).set("NA_ZEMLE", tod(ground)).set("KOL_VO_POSADOK", landings)
                    .set("KOL_VO_ZAPUSKOV", 1);
                for (int e = 1; e <= 3; ++e) {
                    const QByteArray n = QByteArray::number(e);
                    const bool has = e <= a.t->engines;
                    sp.set(("V_VOZDUHE_" + n).constData(), has ? QVariant(tod(air)) : QVariant(tod(0)))
                        .set(("NA_ZEMLE_" + n).constData(), has ? QVariant(tod(ground)) : QVariant(tod(0)))
                        .set(("KOL_VO_ZAPUSKOV_" + n).constData(), has ? 1 : 0)
                        .set(("KOL_VO_CIKLOV_" + n).constData(), has ? landings : 0);
                }
                sp.set("V_VOZDUHE_RED", tod(air)).set("NA_ZEMLE_RED", tod(ground)).set("KOL_VO_CIKLOV_RED", landings);
                if (a.t->apu)
                    sp.set("VSU_POLNOE_VREMYA", tod(ground + 12)).set("VSU_V_GENERATORNOM", tod(ground + 5))
                        .set("VSU_KOL_VO_ZAPUSKOV", m_rng.range(1, 3)).set("VSU_KOL_VO_OTBOROV", m_rng.range(0, 2));
                sp.write();
                a.lastFlight = date;
            }
        }
        m_summary.flights = sp.written();
    }

    void maintenance()
    {
        TableWriter st(m_db, "SOSTOIANIE_PARKA"), mv(m_db, "DVIGENIE_V_EKSPLUATACII"), vf(m_db, "VYPOLNENNYE_FORMY"),
            akb(m_db, "TO_AKB"), sez(m_db, "SEZONNOE_TO"), liz(m_db, "LIZING");
        for (size_t i = 0; i < m_aircraft.size(); ++i) {
            const Aircraft& a = m_aircraft[i];
            const QString type = QString::fromUtf8(a.t->type);
            // State entries: in service since registration, a repair or a storage spell now and then.
            QDate d = daysAgo(m_o.years * 365 + 30);
            int code = 0;
            while (d < m_today) {
                st.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_STATUS", d).set(4, code).write();
                d = d.addDays(m_rng.range(60, 400));
                code = (code == 0) ? m_rng.pick({1, 2, 4, 5}) : 0;
            }
            for (int f = 0; f < m_o.years * 4; ++f)
                vf.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_TO", daysAgo(f * 90 + m_rng.range(0, 30))).write();
            akb.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_TO", daysAgo(m_rng.range(10, 300)))
                .set("ZAVODSKOY_NOMER", serial("АКБ")).write();
            sez.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("VID_TO", static_cast<int>(i % 2))
                .set("DATA_TO", daysAgo(m_rng.range(10, 300))).write();
            if (i % 4 == 2)
                mv.set("DATA_PEREVODA", daysAgo(m_rng.range(10, 700))).set("OTKUDA", QString::fromUtf8(kOperators[(i + 1) % 2].code))
                    .set("KUDA", a.op).set("SOBSTVENNOST", a.owner).set("NAIMENOVANIE", a.board).set("VSU", QStringLiteral("0")).write();
            if (a.owner != a.op) liz.write();
        }
    }

    // The saved lists of the tuned sheets and of the application documents.
    void tuning()
    {
        struct Kind { const char* code; const char* caption; const char* names; };
        const Kind kinds[] = {
            {"Plane", "Воздушное судно", ""}, {"Dvigatel", "Двигатели", "ТВ3-117ВМ, ТВ2-117А, ГТД-350"},
            {"Reductor", "Главный редуктор", "ВР-14, ВР-8А, ВР-2"}, {"VSU", "ВСУ", "АИ-9В"},
            {"LopastNV", "Лопасти НВ", "8АТ-2710-00"}, {"VtulkaNV", "Втулка НВ", "8-1930-000"},
            {"LopastHV", "Лопасти РВ", "246-3925-00"}, {"HvostovoyVint", "Винт рулевой", "246-3904-000"},
            {"Lebedka", "Электролебедка", "ЛПГ-150М"}, {"ZCU", "ЗЧУ", "Все агрегаты ЗЧУ"}, {"Shlang", "Шланги", "Шланги всех систем"},
        };
        TableWriter docs(m_db, "TUNE_DOCS"), reps(m_db, "TUNE_REPORTS");
        for (const char* sheet : {"Комплексный прогноз на замену агрегатов", "Сведения о ВС", "Сведения о ВС для VU z Uz",
                                  "Квартальный отчет о снятых и установленных компонентах ВС"}) {
            int line = 0;
            for (const Kind& k : kinds)
                docs.set("NAME_REPORT", QString::fromUtf8(sheet)).set("NUMBER_LINE", ++line).set("NAZVANIE", QString::fromUtf8(k.caption))
                    .set("CHERT_NOMER", QString::fromUtf8(k.names)).set("TIP_AGREGATA", QString::fromUtf8(k.code)).set("ID_ETALON", "0").write();
            for (int u = 0; u < 2; ++u)
                docs.set("NAME_REPORT", QString::fromUtf8(sheet)).set("NUMBER_LINE", ++line).set("NAZVANIE", QString::fromUtf8(kUnits[u].name))
                    .set("CHERT_NOMER", QString::fromUtf8(kUnits[u].drawing)).set("TIP_AGREGATA", "Agregat")
                    .set("ID_ETALON", QString::fromUtf8(kUnits[u].drawing)).write();
        }
        struct Doc { const char* family; const char* name; };
        const Doc documents[] = {{"PRODLENIE", "Основные агрегаты"}, {"PRODLENIE", "Пилотажно-навигационные и АиРЭО"},
                                 {"PRODLENIE", "Агрегаты с дубликатами паспортов"}, {"SLG", "Агрегаты с ограниченным ресурсом"},
                                 {"SLG", "Отчет о контрольном полете ВС"}, {"SLG", "Акт оценки тех.состояния ВС"}};
        for (int t = 0; t < kTypeCount - 1; ++t)
            for (const Doc& d : documents) {
                int line = 0;
                auto row = [&](const QString& caption, const QString& drawing, const char* kind, const QString& system, const QString& id) {
                    reps.set("TIP_VS", QString::fromUtf8(kTypes[t].type)).set("TIP_REPORT", QString::fromUtf8(d.family))
                        .set("NAME_REPORT", QString::fromUtf8(d.name)).set("NUMBER_LINE", ++line).set("NAZVANIE", caption)
                        .set("CHERT_NOMER", drawing).set("TIP_AGREGATA", QString::fromUtf8(kind))
                        .set("SYSTEMA", system.isEmpty() ? QVariant() : QVariant(system)).set("ID_ETALON", id)
                        .set("KOL_VO_NA_VS", QStringLiteral("1")).write();
                };
                row(QStringLiteral("Двигатели"), QString::fromUtf8(kTypes[t].engine), "Dvigatel", {}, QStringLiteral("0"));
                row(QStringLiteral("Главный редуктор"), QString::fromUtf8(kTypes[t].gearbox), "Reductor", {}, QStringLiteral("0"));
                for (int u = 0; u < kUnitCount; ++u)
                    if (kUnits[u].measure == 0)
                        row(QString::fromUtf8(kUnits[u].name), QString::fromUtf8(kUnits[u].drawing), "Agregat",
                            QString::fromUtf8(kUnits[u].system), QString::number(u + 1));
            }
    }

    QSqlDatabase m_db;
    DemoFleet::Options m_o;
    DemoFleet::Progress m_progress;
    Rng m_rng;
    QDate m_today;
    int m_serial = 0;
    std::vector<Aircraft> m_aircraft;
    DemoFleet::Summary m_summary;
};

} // namespace

DemoFleet::Summary DemoFleet::create(const QString& path, const Options& options, const Progress& progress)
{
    if (QFile::exists(path)) throw DbError(QStringLiteral("Cannot create the demo database \"%1\": the file already exists").arg(path));
    Schema::create(path);
    Connection c;
    c.open(path);
    QSqlDatabase db = c.database();
    db.transaction();
    Summary s;
    try {
        Generator g(db, options, progress);
        s = g.run();
    } catch (...) {
        db.rollback();
        c.close();
        QFile::remove(path);
        throw;
    }
    if (!db.commit()) throw DbError(QStringLiteral("Cannot commit the demo database \"%1\"").arg(path));
    return s;
}

} // namespace plan
