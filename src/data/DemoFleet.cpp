#include "data/DemoFleet.h"

#include "platform/Dataset.h"

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
#include <algorithm>
#include <cmath>
#include <random>
#include <string_view>

namespace plan {
namespace {

// Deterministic draws: one generator, simple ranges (the same on every build).
class Rng {
public:
    explicit Rng(int seed) : m_g(static_cast<unsigned>(seed) * 2654435761u + 1u) {}
    int range(int lo, int hi) { return hi <= lo ? lo : lo + static_cast<int>(m_g() % static_cast<unsigned>(hi - lo + 1)); }
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
QString u8(const char* s) { return QString::fromUtf8(s); }

const char* const kStoreWords[] = {"Склад", "Ремфонд", "Ремонт", "Рекламация"};
const char* const kStores[] = {"Склад №1", "Склад АТБ", "Склад АРЗ-12", ""};
const char* const kPlants[] = {"АО «УЗГА»", "АО «12 АРЗ»", "АО «356 АРЗ»", "АО «Редуктор-ПМ»"};

// One aircraft type with its own standard lists: the models of its engines,
// gearbox, rotors, propeller, APU and winch (none where the type has none),
// its limits, ground-running rule and maintenance cycle.
struct TypeData {
    const char* type;
    int kod;                 // 1 helicopter, 0 aeroplane
    int engines;
    const char* engine;
    const char* engineMaker;
    const char* gearbox;     // nullptr: no main gearbox
    int mainBlades;
    const char* mainBlade;
    const char* hub;
    const char* hubDrawing;
    int tailBlades;          // 0: no tail rotor
    const char* tailBlade;
    const char* tailHub;
    int propBlades;          // 0: no propeller
    const char* propBlade;
    const char* propeller;
    const char* apu;         // nullptr: no APU
    const char* winch;       // nullptr: no winch
    int lifeHours;           // assigned airframe life
    int tboHours;            // airframe life between overhauls
    int engineTbo;
    int engineFirst;
    int bladeLife;
    int groundCounts;        // 1: ground running counts
    double groundShare;
    int f1;                  // interval of form F1, hours
    int forma;               // interval of the periodic forms, hours
    bool engineForms;        // engines keep maintenance forms of their own
};

const TypeData kTypes[] = {
    {"Ми-8АМТ", 1, 2, "ТВ3-117ВМ", "АО «ОДК-Климов»", "ВР-14", 5, "8АТ-2710-000", "Втулка НВ 8АМТ-1930-000", "8АМТ-1930-000",
     3, "8АТ-3922-000", "246-3904-000", 0, nullptr, nullptr, "АИ-9В", "ЛПГ-150М", 32000, 2000, 1500, 1500, 2000, 1, 0.5, 50, 100, false},
    {"Ми-8МТВ-1", 1, 2, "ТВ3-117ВМ", "АО «ОДК-Климов»", "ВР-14", 5, "8АТ-2710-000", "Втулка НВ 8МТ-1930-000", "8МТ-1930-000",
     3, "8АТ-3922-000", "246-3904-000", 0, nullptr, nullptr, "ТА-14-130", "ЛПГ-150М", 32000, 2000, 1500, 1500, 2000, 1, 0.5, 50, 150, false},
    {"Ми-8Т", 1, 2, "ТВ2-117А", "АО «ОДК-Климов»", "ВР-8А", 5, "8-2710-00", "Втулка НВ 8-1930-000", "8-1930-000",
     3, "8-3922-00", "8-3904-000", 0, nullptr, nullptr, "АИ-9", "ЛПГ-150М", 28000, 1500, 1000, 1000, 1500, 0, 0.0, 50, 100, false},
    {"Ми-2", 1, 2, "ГТД-350", "ПЗЛ «Жешув»", "ВР-2", 3, "2-2710-00", "Втулка НВ 2-1930-00", "2-1930-00",
     2, "2-3925-00", "2-3904-00", 0, nullptr, nullptr, nullptr, "ЛПГ-2", 20000, 1500, 1000, 1000, 1500, 1, 0.25, 25, 50, false},
    {"Ка-32", 1, 2, "ТВ3-117ВМА", "АО «ОДК-Климов»", "ВР-252", 6, "32-2710-00", "Втулка НВ 32-1930-00", "32-1930-00",
     0, nullptr, nullptr, 0, nullptr, nullptr, "АИ-9В", "ЛПГ-300", 24000, 1800, 1500, 1500, 2000, 1, 0.5, 50, 150, false},
    {"Ансат", 1, 2, "PW207K", "Pratt & Whitney Canada", "ВР-А", 4, "А-2710-00", "Втулка НВ А-1930-00", "А-1930-00",
     2, "А-3925-00", "А-3904-00", 0, nullptr, nullptr, nullptr, nullptr, 20000, 3000, 3500, 3500, 5000, 0, 0.0, 100, 200, false},
    {"Ан-2", 0, 1, "АШ-62ИР", "АО «ВМЗ»", nullptr, 0, nullptr, nullptr, nullptr,
     0, nullptr, nullptr, 4, "АВ-2-Л", "АВ-2", nullptr, nullptr, 25000, 1500, 1000, 1000, 2000, 1, 0.5, 100, 300, true},
    {"Ми-8Т HIDE", 1, 2, "ТВ2-117А", "АО «ОДК-Климов»", "ВР-8А", 5, "8-2710-00", "Втулка НВ 8-1930-000", "8-1930-000",
     3, "8-3922-00", "8-3904-000", 0, nullptr, nullptr, nullptr, "ЛПГ-150М", 28000, 1500, 1000, 1000, 1500, 0, 0.0, 50, 100, false},
};
constexpr int kTypeCount = sizeof(kTypes) / sizeof(kTypes[0]);

// Units fitted to every type: measure 0 hours, 1 landings, 2 years. Engine
// units are counted with the engines (movement kind "AgrDvig").
struct Unit {
    const char* name; const char* drawing; const char* system; int engine; int measure; int life;
    int quantity; const char* positions;
};
const Unit kUnits[] = {
    {"Генератор постоянного тока", "ГС-18МО", "Электроснабжение", 1, 0, 2000, 1, ""},
    {"Стартер-генератор", "СТГ-3", "Электроснабжение", 0, 0, 3000, 1, ""},
    {"Насос-регулятор", "НР-3ВМ", "Топливная система", 1, 0, 1500, 1, ""},
    {"Гидронасос", "НШ-39М", "Гидросистема", 0, 0, 2500, 1, ""},
    {"Амортизатор шасси", "8-4101-00", "Шасси", 0, 1, 6000, 1, ""},
    {"Огнетушитель", "УБШ-4-2", "Противопожарная", 0, 2, 10, 1, ""},
    {"Аккумулятор", "20НКБН-25", "Электроснабжение", 0, 2, 3, 1, ""},
    {"Радиовысотомер", "А-037", "Радиооборудование", 0, 0, 6000, 1, ""},
    {"Авиагоризонт", "АГБ-96", "Пилотажно-навигационное оборудование", 0, 0, 4000, 2, "Первый;Второй;"},
};
constexpr int kUnitCount = sizeof(kUnits) / sizeof(kUnits[0]);

// Operators: the code is a number, as the sheets compare it unquoted.
struct Operator { const char* code; const char* name; const char* own; const char* ownName; const char* city; };
const Operator kOperators[] = {
    {"0", "АО «ЮТэйр-Вертолетные услуги»", "ЮТЭЙР", "АО «ЮТэйр-Вертолетные услуги»", "Тюмень"},
    {"1", "ООО «Авиакомпания Север»", "СЕВЕР", "ООО «Авиакомпания Север»", "Сургут"},
};
struct Lessor { const char* code; const char* name; };
const Lessor kLessors[] = {{"ГТЛК", "ПАО «ГТЛК»"}, {"ПСБ", "ООО ПСБ «Авиализинг»"}};

struct Flight { QDate date; int air; int ground; int landings; int apu; int apuGen; };

struct Aircraft {
    const TypeData* t = nullptr;
    int index = 0;
    QString board;
    QString op;
    QString owner;
    QDate made;
    QDate entered;
    QDate removed;     // from the register (invalid: still in it)
    int overhauls = 0;
    QDate overhauled;
    bool grounded = false; // past its overhaul limit, at the repair plant
    int state = 0;
    int sne = 0, ppr = 0, landingsSne = 0, landingsPpr = 0;
    QDate lastFlight;
    std::vector<Flight> flights;
    std::vector<QDate> serviceDays; // days of periodic maintenance (no flying)
    int formIndex = -1;             // index of the last periodic form in the cycle
    QDate lastForm;
};

int roundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// The life of one component: counts and dates that agree with each other.
struct Life {
    int repairs = 0;
    int sne = 0, ppr = 0;   // minutes
    QDate made, repaired, installed;
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
        step("aircraft and flight records");
        aircraft();
        step("components and their movements");
        components();
        step("state entries and maintenance");
        maintenance();
        step("tuned documents and sheets");
        tuning();
        return m_summary;
    }

private:
    void step(const QString& s) { if (m_progress) m_progress(QStringLiteral("demo-db: ") + s); }

    QDate daysAgo(int d) const { return m_today.addDays(-d); }

    QString serial(const char* prefix) { return QStringLiteral("%1%2").arg(u8(prefix)).arg(++m_serial, 6, 10, QLatin1Char('0')); }

    // ------------------------------------------------------------ organisations

    void organisations()
    {
        TableWriter ex(m_db, "EXPLUATANTY"), so(m_db, "SOBSTVENNIKI"), ob(m_db, "OBSHIE"), loc(m_db, "RASPOLOGENIA"),
            users(m_db, "USERS");
        int n = 0;
        for (const Operator& op : kOperators) {
            ++n;
            const QString city = u8(op.city);
            ex.set("ID_NAME", u8(op.code)).set("NAME", u8(op.name)).set("HIDE", 0).write();
            so.set("ID_NAME", u8(op.own)).set("NAME", u8(op.ownName)).set("HIDE", 0).write();
            const QString domain = n == 1 ? QStringLiteral("utair-heli.ru") : QStringLiteral("sever-avia.ru");
            ob.set("EXPLUATANT", u8(op.code)).set("VLADELETS", u8(op.own))
                .set("FIO_IAS", n == 1 ? QStringLiteral("Иванов Иван Иванович") : QStringLiteral("Сидоров Павел Андреевич"))
                .set("DOLGNOST_IAS", QStringLiteral("Заместитель генерального директора по ТО"))
                .set("IMIA_DVIGATEL_37", QStringLiteral("Генеральному директору АО «УЗГА»"))
                .set("IMIA_REDUCTOR_37", QStringLiteral("Генеральному директору АО «Редуктор-ПМ»"))
                .set("NOMER_SVIDELSTVA", QStringLiteral("Свидетельство эксплуатанта № %1").arg(n * 111))
                .set("NAME_UGA_PASR", QStringLiteral("%1 МТУ Росавиации").arg(n == 1 ? "Тюменское" : "Уральское"))
                .set("NAME_APSC", QStringLiteral("ФКУ «Авиаспасательный центр» (%1)").arg(city))
                .set("ADRES_37", QStringLiteral("614010, г. Пермь, Комсомольский пр-т, 93"))
                .set("NACH_PDO", n == 1 ? QStringLiteral("Петров Петр Петрович") : QStringLiteral("Кузнецова Анна Сергеевна"))
                .set("IMIA_UGA", QStringLiteral("Федеральное агентство воздушного транспорта"))
                .set("ADRES_PREDPR", n == 1 ? QStringLiteral("625013, г. Тюмень, ул. Сообщения, 6")
                                            : QStringLiteral("628422, г. Сургут, ул. Аэрофлотская, 49"))
                .set("PHONE_PDO", QStringLiteral("+7 (3452) 49-%1-00").arg(10 * n))
                .set("PHONE_IAS", QStringLiteral("+7 (3452) 49-%1-01").arg(10 * n))
                .set("IMIA_36", QStringLiteral("Начальнику управления поддержания летной годности ВС"))
                .set("ADRES_PMTU", QStringLiteral("620025, г. Екатеринбург, ул. Бахчиванджи, 1"))
                .set("IMIA_PMTU", QStringLiteral("Уральское МТУ Росавиации"))
                .set("EMAIL_PREDPRIATIE", QStringLiteral("office@%1").arg(domain))
                .set("ADRES_36", QStringLiteral("125993, г. Москва, Ленинградский пр-т, 37"))
                .set("PRIKAZ_PASR", QStringLiteral("Приказ № %1-ПАСР от 15.01.%2").arg(n * 12).arg(m_today.year()))
                .set("DOLGNOST_PDO", QStringLiteral("Начальник производственно-диспетчерского отдела"))
                .set("EMAIL_36GA", QStringLiteral("pdo@%1").arg(domain)).write();
        }
        ex.set("ID_NAME", QStringLiteral("9")).set("NAME", QStringLiteral("Архивный эксплуатант")).set("HIDE", 1).write();
        for (const Lessor& l : kLessors) so.set("ID_NAME", u8(l.code)).set("NAME", u8(l.name)).set("HIDE", 0).write();
        so.set("ID_NAME", QStringLiteral("АРХИВ")).set("NAME", QStringLiteral("Прежний владелец")).set("HIDE", 1).write();
        for (const char* m : {"Тюмень", "Сургут", "Ханты-Мансийск"})
            loc.set("ID_MESTO", u8(m)).set("NAME", QStringLiteral("Аэропорт ") + u8(m)).set("HIDE", 0).write();
        struct User { const char* f; const char* i; const char* o; };
        for (const User& u : {User{"Смирнов", "Алексей", "Викторович"}, User{"Кузнецова", "Анна", "Сергеевна"},
                              User{"Орлов", "Дмитрий", "Олегович"}})
            users.set("FAMILIA", u8(u.f)).set("IMIA", u8(u.i)).set("OTCHESTVO", u8(u.o)).set("TIP_VS", u8(kTypes[0].type)).write();
    }

    // ------------------------------------------------------------ types

    // The names of a type's periodic forms in the order of its cycle. In the
    // halfway scheme (F1 halfway between periodic forms) each periodic form
    // is followed by an F1; the cycle ends with its first form again, so
    // that the form after the last has a name.
    static QStringList cycle(const TypeData& t)
    {
        const QStringList periodic = {QStringLiteral("Ф-2"), QStringLiteral("Ф-3"), QStringLiteral("Ф-2"), QStringLiteral("Ф-4")};
        QStringList names;
        for (const QString& f : periodic) {
            names << f;
            if (t.f1 * 2 == t.forma) names << QStringLiteral("Ф-1");
        }
        names << periodic.first();
        return names;
    }
    static int formsInCycle() { return 4; }

    void types()
    {
        TableWriter td(m_db, "TIPOVYE_DANNYE_VS");
        TableWriter pto(m_db, "PTO_FORMY"), ptoDv(m_db, "PTO_FORMY_DVIG");
        TableWriter etaPl(m_db, "ETAPLANER"), etaDv(m_db, "ETADVIG"), etaRed(m_db, "ETAREDUCTOR"), etaLop(m_db, "ETALOPAST"),
            etaVt(m_db, "ETA_VTULKA_NV"), etaHv(m_db, "ETA_HVOST_VINT"), etaVv(m_db, "ETA_VOZD_VINT"), etaLeb(m_db, "ETA_LEBEDKA"),
            etaZcu(m_db, "ETA_ZCU"), etaAgr(m_db, "ETAAGREGAT"), etaAgrVsu(m_db, "ETA_AGR_VSU"), etaVsu(m_db, "ETAVSU"),
            etaSh(m_db, "ETASHLANG");
        int hubId = 0, unitId = 0;
        for (const TypeData& t : kTypes) {
            const QString type = u8(t.type);
            const QString g = t.groundCounts ? QStringLiteral("1") : QStringLiteral("0");
            td.set("TIP_VS", type).set("KOD_VS", t.kod).set("ODIN_DVA", t.engines > 1 ? "2" : "1")
                .set("PTO_DVIG_SEPAR", t.engineForms ? "1" : "0").set("KOL_VO_DVIGATEL", t.engines).set("KOL_VO_LOPAST_NES", t.mainBlades)
                .set("KOL_VO_VSU", t.apu ? 1 : 0).set("COL_VO_VOZDUSHNY_VINT", t.propBlades ? 1 : 0)
                .set("UCHITYVAT_ZEMLU", g).set("KOL_VO_ZEMLIA_PLANER", t.groundShare);
            for (const char* kind : {"DVIGATEL", "REDUCTOR", "LOPASTY", "AGREGATY", "SHLANG", "ZCU", "AGR_DVIG", "VOZDUSHNY_VINT"}) {
                const QByteArray flag = QByteArray("ZEMLIA_") + kind, share = QByteArray("KOL_VO_ZEMLIA_") + kind;
                const bool counts = groundCounts(t, kind);
                td.set(flag.constData(), counts ? "1" : "0").set(share.constData(), counts ? t.groundShare : 0.0);
            }
            td.write();

            const QStringList names = cycle(t);
            pto.set("TIP_VS", type).set("VREMIA_F1", t.f1).set("VREMIA_FORMA", t.forma)
                .set("CASE1", std::string_view(t.type).find("HIDE") != std::string_view::npos ? QStringLiteral("АРЗ") : QStringLiteral("0"))
                .set("KOL_VO_FORM", formsInCycle());
            for (int i = 0; i < names.size(); ++i) pto.set(6 + i, names[i]);
            pto.write();
            if (t.engineForms) {
                ptoDv.set("TIP_VS", type).set("DVIGATEL", u8(t.engine)).set("VREMIA_FORMA", 250).set("NAME_FORMY", QStringLiteral("Ф-Д"))
                    .set("KOL_VO_FORM", 3);
                for (int i = 0; i < 4; ++i) ptoDv.set(6 + i, QStringLiteral("Ф-%1Д").arg(i % 3 + 1));
                ptoDv.write();
            }

            etaPl.set("TIP_VS", type).set("ID_NAME", type).set("NAME", QStringLiteral("Планер")).set("CHERT_NOMER", type).write();
            etaDv.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", u8(t.engine)).set("CHERT_NOMER", u8(t.engine))
                .set("NAZVANIE_DVIGATELIA", u8(t.engine)).write();
            if (t.gearbox)
                etaRed.set("TIP_VS", type).set("ID_NAME", QStringLiteral("1")).set("NAME", u8(t.gearbox)).set("CHERT_NOMER", u8(t.gearbox))
                    .set("NAZVANIE_REDUCTORA", u8(t.gearbox)).write();
            auto blade = [&](const char* rotor, const char* name) {
                etaLop.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", u8(name)).set("CHERT_NOMER", u8(name))
                    .set("TIP_VINTA", u8(rotor)).set("NAZVANIE", u8(name)).write();
            };
            if (t.mainBlades) blade("Несущий", t.mainBlade);
            if (t.tailBlades) blade("Хвостовой", t.tailBlade);
            if (t.propBlades) blade("Воздушный", t.propBlade);
            if (t.hub) {
                // The hub lines of the tuned documents name the hub by this
                // row's key, which the hubs carry as ID_NAME: the table is new,
                // so the keys run 1, 2, ... with the rows and ID_NAME is set the same.
                ++hubId;
                m_hubId[&t - kTypes] = hubId;
                etaVt.set("TIP_VS", type).set("ID_NAME", QString::number(hubId)).set("NAME", u8(t.hub))
                    .set("NAZVANIE", u8(t.hub)).set("NAIMENOVANIE", u8(t.hub)).set("CHERT_NOMER", u8(t.hubDrawing)).set("KOL_VO", 1)
                    .set("SYSTEMA", QStringLiteral("Несущая система")).set("IND_UCHET", 1).set("ED_IZMARENIA", "0").write();
            }
            if (t.tailHub)
                etaHv.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", u8(t.tailHub)).set("CHERT_NOMER", u8(t.tailHub))
                    .set("NAZVANIE_VINTA", u8(t.tailHub)).write();
            if (t.propeller)
                etaVv.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", u8(t.propeller)).set("CHERT_NOMER", u8(t.propeller))
                    .set("TIP_VINTA", QStringLiteral("Воздушный")).set("NAZVANIE_VINTA", u8(t.propeller)).write();
            if (t.winch)
                etaLeb.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", QStringLiteral("Электролебедка ") + u8(t.winch))
                    .set("CHERT_NOMER", u8(t.winch)).set("CHERT_NOMER_LEBEDKA", u8(t.winch)).write();
            for (int z = 1; z <= 2; ++z)
                etaZcu.set("TIP_VS", type).set("ID_NAME", QString::number(z))
                    .set("NAME", z == 1 ? QStringLiteral("Гидроусилитель КАУ-30Б") : QStringLiteral("Рулевой агрегат РА-60Б"))
                    .set("CHERT_NOMER", z == 1 ? QStringLiteral("КАУ-30Б") : QStringLiteral("РА-60Б")).write();
            for (int a = 0; a < kUnitCount; ++a) {
                const Unit& u = kUnits[a];
                ++unitId;
                m_unitId[&t - kTypes][a] = unitId;
                etaAgr.set("TIP_VS", type).set("ID_NAME", QString::number(unitId)).set("NAZVANIE", u8(u.name))
                    .set("NAIMENOVANIE", u8(u.name)).set("NAME", u8(u.name)).set("CHERT_NOMER", u8(u.drawing))
                    .set("MESTO_USTANOVKI", u8(u.positions)).set("KOL_VO", u.quantity)
                    .set("SYSTEMA", u8(u.system)).set("PRINADLEGNOST", u.engine ? "1" : "0").set("RESURS", u.life)
                    .set("IND_UCHET", 1).set("ED_IZMARENIA", QString::number(u.measure)).write();
            }
            if (t.apu) {
                etaVsu.set("TIP_VS", type).set("ID_NAME", "1").set("NAME", u8(t.apu)).set("CHERT_NOMER", u8(t.apu)).set("NAZVANIE", u8(t.apu)).write();
                etaAgrVsu.set("TIP_VS", type).set("ID_NAME", QStringLiteral("1")).set("NAME", QStringLiteral("Стартер ВСУ"))
                    .set("CHERT_NOMER", QStringLiteral("СТ-117")).set("ID_NAME_VSU", "1").write();
            }
            for (int s = 0; s < 3; ++s)
                etaSh.set("TIP_VS", type).set("ID_NAME", QString::number(s + 1)).set("NAME", QString::fromUtf8(kHoses[s].name))
                    .set("CHERT_NOMER", QString::fromUtf8(kHoses[s].drawing)).write();
        }
    }

    // Whether ground running counts for a kind on this type: blades never.
    static bool groundCounts(const TypeData& t, std::string_view kind) { return t.groundCounts && kind != "LOPASTY"; }

    struct Hose { const char* name; const char* drawing; const char* system; };
    static constexpr Hose kHoses[] = {{"Рукав топливный", "РТ-12", "Топливная система"},
                                      {"Рукав гидравлический", "РГ-16", "Гидросистема"},
                                      {"Рукав масляный", "РМ-10", "Масляная система"}};

    // ------------------------------------------------------------ aircraft

    // Counted minutes of the aircraft's flights after a date: airborne time
    // and, when the rule says so, ground running at its share (rounded half up).
    static int flown(const Aircraft& a, const QDate& after, bool ground, double share)
    {
        int m = 0;
        for (const Flight& f : a.flights)
            if (!after.isValid() || f.date > after) m += f.air + (ground ? roundHalfUp(f.ground * share) : 0);
        return m;
    }
    static int landed(const Aircraft& a, const QDate& after)
    {
        int n = 0;
        for (const Flight& f : a.flights)
            if (!after.isValid() || f.date > after) n += f.landings;
        return n;
    }
    static int apuMinutes(const Aircraft& a, const QDate& after, bool generator)
    {
        int m = 0;
        for (const Flight& f : a.flights)
            if (f.date > after) m += generator ? f.apuGen : f.apu;
        return m;
    }

    void aircraft()
    {
        TableWriter re(m_db, "REESTR"), sp(m_db, "SPRAVKA");
        const int n = m_o.aircraft;
        const QDate windowStart = daysAgo(m_o.years * 365);
        for (int i = 0; i < n; ++i) {
            // The last aircraft is of the hidden type; the rest cycle through the visible ones.
            const TypeData& t = (i == n - 1 && n > 1) ? kTypes[kTypeCount - 1] : kTypes[i % (kTypeCount - 1)];
            Aircraft a;
            a.t = &t;
            a.index = i;
            a.board = t.kod == 0 ? QStringLiteral("RA-%1").arg(40000 + i) : QStringLiteral("RA-%1").arg(22000 + i * 7);
            const Operator& op = kOperators[i % 2];
            a.op = u8(op.code);
            a.owner = (i % 5 == 3) ? u8(kLessors[i % 2].code) : u8(op.own);
            const bool never = (i % 4 == 0);
            a.grounded = (i % 10 == 7);
            if (never) {
                a.made = daysAgo(m_rng.range(2 * 365, 7 * 365));
            } else {
                a.made = daysAgo(m_rng.range(12 * 365, 32 * 365));
                a.overhauls = m_rng.range(1, 3);
                a.overhauled = a.grounded ? daysAgo(m_rng.range(6 * 365, 9 * 365)) : daysAgo(m_rng.range(200, 9 * 365));
            }
            a.entered = a.made.addDays(m_rng.range(30, 120));
            if (i % 23 == 11) a.entered = std::max(a.entered, daysAgo(m_rng.range(120, 500))); // acquired lately
            if (i % 19 == 18) a.removed = daysAgo(m_rng.range(10, 300));
            a.state = a.grounded ? 4 : (i % 17 == 8 ? 2 : (i % 29 == 13 ? 11 : (i % 31 == 20 ? 12 : 0)));

            // Flying: from the window's start (or the entry into the register)
            // to today, the day before the removal, or the day it stopped.
            QDate from = std::max(windowStart, a.entered), to = m_today;
            if (a.removed.isValid()) to = a.removed.addDays(-1);
            if (a.grounded) to = std::min(to, daysAgo(m_rng.range(60, 200)));
            if (a.state == 2) to = std::min(to, daysAgo(m_rng.range(10, 30)));
            if (i % 9 == 5) to = std::min(to, daysAgo(45)); // one in nine has not flown for six weeks
            for (QDate d = from.addDays(m_rng.range(20, 60)); d < to; d = d.addDays(m_rng.range(60, 90))) a.serviceDays.push_back(d);
            const int percent = 20 + (i % 4) * 8;
            size_t nextService = 0;
            for (QDate d = from; d <= to; d = d.addDays(1)) {
                if (nextService < a.serviceDays.size() && a.serviceDays[nextService] == d) { ++nextService; continue; }
                if (!m_rng.chance(percent)) continue;
                Flight f;
                f.date = d;
                f.air = m_rng.range(20, 200);
                f.ground = m_rng.chance(35) ? m_rng.range(5, 40) : 0;
                f.landings = m_rng.range(1, 3);
                f.apu = t.apu ? f.ground + 12 : 0;
                f.apuGen = t.apu ? f.ground + 5 : 0;
                a.flights.push_back(f);
                a.lastFlight = d;
            }

            // Running time: what was flown since the overhaul, plus, when the
            // overhaul (or the manufacture) lies before the records, the time
            // flown before them, chosen so that the remainders spread over
            // comfortable, due, near and (grounded aircraft only) past the limit.
            const QDate since = never ? QDate() : a.overhauled;
            const int flownOh = flown(a, since, t.groundCounts, t.groundShare);
            const bool before = never ? a.entered < from : a.overhauled < from;
            const int limit = t.tboHours * 60;
            int ppr = flownOh;
            if (before) {
                int remaining;
                if (a.grounded) remaining = -m_rng.range(0, 25) * 60;
                else if (i % 11 == 4) remaining = m_rng.range(10, 90) * 60;
                else if (i % 7 == 3) remaining = m_rng.range(100, 300) * 60;
                else remaining = m_rng.range(300, t.tboHours * 7 / 10) * 60;
                ppr = std::max(limit - remaining - m_rng.range(0, 59), flownOh);
            }
            a.ppr = ppr;
            a.sne = never ? ppr : ppr + (t.tboHours * a.overhauls - m_rng.range(50, 300)) * 60;
            const int landOh = landed(a, since);
            a.landingsPpr = landOh + (a.ppr - flownOh) / 60;
            a.landingsSne = a.landingsPpr + (a.sne - a.ppr) / 60;

            // Periodic forms: the last on the last day of maintenance; an F1 after it or not.
            const bool halfway = t.f1 * 2 == t.forma;
            const QDate lastForm = a.serviceDays.empty() ? daysAgo(m_rng.range(5, 100)) : a.serviceDays.back();
            const int formIndex = (i % 15 == 14) ? -1 : m_rng.range(0, formsInCycle() - 1);
            const bool f1After = halfway && formIndex >= 0 && m_rng.chance(50) && lastForm.addDays(5) < m_today;
            const QDate lastF1 = f1After ? lastForm.addDays(m_rng.range(3, std::max(3, static_cast<int>(lastForm.daysTo(m_today)) - 1))) : lastForm;
            a.formIndex = formIndex;
            a.lastForm = lastForm;

            const QDate certUntil = (i % 7 == 2) ? m_today.addDays(m_rng.range(3, 38)) : m_today.addDays(m_rng.range(60, 400));
            const QDate noiseUntil = (i % 6 == 1) ? m_today.addDays(m_rng.range(5, 39)) : m_today.addDays(m_rng.range(90, 900));
            re.set("TIP_VS", u8(t.type)).set("VARIANT_VS", u8(i % 4 == 0 ? "Т" : (i % 4 == 1 ? "П" : (i % 4 == 2 ? "ПС" : " "))))
                .set("BORTOVOI_NOMER", a.board).set(4, QStringLiteral("%1").arg(95000 + i * 13))
                .set("EXPLUATANT", a.op).set("SOBSTVENNOST", a.owner)
                .set(6, a.made).set(7, a.overhauls ? u8(kPlants[i % 3]) : QVariant()).set(8, a.overhauled).set(9, a.overhauls)
                .set(11, QStringLiteral("СЛГ № %1").arg(1000 + i)).set(12, certUntil)
                .set(13, QStringLiteral("%1 мм").arg(m_rng.range(70, 99))).set(14, m_rng.range(7200, 7900))
                .set(15, i % 12 == 10 ? QVariant() : QVariant(m_rng.range(-40, 160) / 10000.0))
                .set(16, t.lifeHours).set(17, QStringLiteral("40.00")).set(18, t.tboHours).set(19, QStringLiteral("10.00"))
                .set(20, hm(a.sne)).set(21, a.landingsSne).set(22, hm(a.ppr)).set(23, a.landingsPpr)
                .set(25, a.lastFlight).set(27, a.state).set(28, formIndex < 0 ? QVariant() : QVariant(lastForm))
                .set(29, formIndex < 0 ? QVariant() : QVariant(lastF1))
                .set(30, a.sne).set(31, a.ppr).set(33, formIndex).set(34, std::max(formIndex, 0))
                .set(40, QStringLiteral("УШ № %1").arg(500 + i)).set(41, noiseUntil)
                .set(42, u8(i % 3 == 0 ? "Тюмень" : (i % 3 == 1 ? "Сургут" : "Ханты-Мансийск")))
                .set(60, t.lifeHours * 2).set(61, t.tboHours * 2).set(64, i % 6 == 5 ? 0 : 1)
                .set("DATE_REESTR_VVOD", a.entered).set("STATUS_TO", a.state)
                .set("DATA_STATUS", a.grounded || a.state == 2 ? (a.lastFlight.isValid() ? a.lastFlight.addDays(1) : a.entered)
                                                             : daysAgo(m_rng.range(1, 400)));
            if (a.removed.isValid()) re.set("DATE_REESTR_VYVOD", a.removed);
            re.write();

            const QString type = u8(t.type);
            for (const Flight& f : a.flights) {
                sp.set("TIP_VS", type).set("BORTOVOI_NOMER", a.board).set("DATA_POLETA", f.date)
                    .set("V_VOZDUHE", tod(f.air)).set("NA_ZEMLE", tod(f.ground)).set("KOL_VO_POSADOK", f.landings)
                    .set("KOL_VO_ZAPUSKOV", 1);
                for (int e = 1; e <= 3; ++e) {
                    const QByteArray k = QByteArray::number(e);
                    const bool has = e <= t.engines;
                    sp.set(("V_VOZDUHE_" + k).constData(), tod(has ? f.air : 0)).set(("NA_ZEMLE_" + k).constData(), tod(has ? f.ground : 0))
                        .set(("KOL_VO_ZAPUSKOV_" + k).constData(), has ? 1 : 0).set(("KOL_VO_CIKLOV_" + k).constData(), has ? f.landings : 0);
                }
                if (t.gearbox) sp.set("V_VOZDUHE_RED", tod(f.air)).set("NA_ZEMLE_RED", tod(f.ground)).set("KOL_VO_CIKLOV_RED", f.landings);
                if (t.apu)
                    sp.set("VSU_POLNOE_VREMYA", tod(f.apu)).set("VSU_V_GENERATORNOM", tod(f.apuGen))
                        .set("VSU_KOL_VO_ZAPUSKOV", 1).set("VSU_KOL_VO_OTBOROV", f.ground ? 1 : 0);
                sp.write();
            }
            m_aircraft.push_back(std::move(a));
        }
        m_summary.aircraft = n;
        m_summary.flights = sp.written();
    }

    // ------------------------------------------------------------ components

    // Where a component is: on an aircraft (from its installation date) or in
    // one of the store words, with the store's location and the owner.
    struct Place {
        const Aircraft* a = nullptr;
        QString gde, store, owner;
        QDate installed;       // on the aircraft since, or in the store since
        bool mayBePast = false; // a unit past its limit may stand here
    };

    // Counted flying of the aircraft from a date on (that day included), for
    // the running time a component gathered on it since its installation.
    static int flownFrom(const Place& p, bool ground, double share)
    {
        return p.a ? flown(*p.a, p.installed.addDays(-1), ground, share) : 0;
    }

    // A day drawn from first to last (first when the span is empty).
    QDate between(const QDate& first, const QDate& last) { return first.addDays(m_rng.range(0, static_cast<int>(first.daysTo(last)))); }

    // A life of firstH hours to the first overhaul and tboH between
    // overhauls, used as the counter k spreads it; k also decides whether the
    // unit was ever repaired. Dates: made before repaired before installed.
    Life life(int firstH, int tboH, int k, const Place& p, int flownMinutes, bool mayRepair = true)
    {
        Life l;
        l.installed = p.installed;
        l.repairs = (!mayRepair || k % 3 == 0) ? 0 : m_rng.range(1, 3);
        const int limitH = l.repairs ? tboH : firstH;
        int remaining;
        if (p.mayBePast && k % 5 == 2) remaining = -m_rng.range(1, 30) * 60;
        else if (k % 9 == 4) remaining = m_rng.range(5, 95) * 60;
        else if (k % 7 == 3) remaining = m_rng.range(100, std::max(100, std::min(400, limitH / 3))) * 60;
        else remaining = m_rng.range(limitH / 5, limitH * 9 / 10) * 60;
        l.ppr = std::max(limitH * 60 - remaining - m_rng.range(0, 59), flownMinutes + m_rng.range(0, 120));
        l.sne = l.repairs ? l.ppr + (firstH + (l.repairs - 1) * tboH - m_rng.range(0, 150)) * 60 : l.ppr;
        if (l.repairs) {
            // Repaired within the calendar time between overhauls (6 years), a few close to its end.
            l.repaired = (k % 8 == 5) ? m_today.addYears(-6).addMonths(m_rng.range(1, 5))
                                      : between(std::max(p.installed.addDays(-4 * 365), daysAgo(5 * 365 + 200)), p.installed.addDays(-10));
            if (l.repaired > p.installed) l.repaired = p.installed;
            l.made = l.repaired.addDays(-m_rng.range(2 * 365, 15 * 365));
        } else {
            // New: within the calendar time to the first overhaul (8 years), a few close to its end.
            l.made = (k % 8 == 5) ? m_today.addYears(-8).addMonths(m_rng.range(1, 5))
                                  : between(std::max(p.installed.addDays(-5 * 365), m_today.addYears(-7).addMonths(-6)), p.installed.addDays(-10));
            if (l.made > p.installed) l.made = p.installed.addDays(-m_rng.range(10, 60));
        }
        return l;
    }

    // A movement of a component in the log, as the quarterly report and form 8-OASU read it.
    void move(const QDate& d, const char* kind, const QString& idName, const QString& model, const QString& serialNo,
              const QString& reason, const QString& from, const QString& to, const QString& owner)
    {
        m_mv->set("DATA_PEREVODA", d).set("NAIMENOVANIE", u8(kind)).set("NAZVANIE", model).set("ZAVODSKOY_NOMER", serialNo)
            .set("PRICHINA", reason).set("OTKUDA", from).set("KUDA", to).set("SOBSTVENNOST", owner)
            .set("VSU", std::string_view(kind) == "VSU" ? "1" : "0").set("ID_NAME", idName).write();
    }

    // One component written by a kind's writer: its model and serial as the log names it.
    struct Written { QString model, serial; };
    using Writer = std::function<Written(const Place&, int k)>;

    // Installs a component written by w on the aircraft; when it was
    // installed in the last two years the log has the installation and the
    // removal of the one it replaced, which then stands where the removal
    // sent it (store, repair, claim) or was written off.
    void installed(const Aircraft& a, const char* kind, const QString& idName, const Writer& w, bool recentAllowed = true)
    {
        Place p;
        p.a = &a;
        p.gde = a.board;
        p.owner = a.owner;
        p.mayBePast = a.grounded;
        const bool recent = recentAllowed && m_rng.chance(30);
        p.installed = recent ? daysAgo(m_rng.range(15, 700)) : daysAgo(m_rng.range(731, 4 * 365));
        if (a.lastFlight.isValid() && recent && p.installed > a.lastFlight) p.installed = a.lastFlight.addDays(-m_rng.range(1, 30));
        const Written on = w(p, ++m_k);
        if (!recent) return;
        const QDate d = p.installed;
        move(d, kind, idName, on.model, on.serial, QStringLiteral("Замена"), QStringLiteral("Склад"), a.board, a.owner);
        Place old;
        old.owner = a.owner;
        old.installed = d;
        const int outcome = m_moves++ % 6;
        const QDate later = d.addDays(std::min(m_rng.range(20, 120), std::max(1, static_cast<int>(d.daysTo(m_today)))));
        switch (outcome) {
        case 0: { // removed for production necessity, kept in store
            old.gde = QStringLiteral("Склад");
            old.store = u8(kStores[m_k % 3]);
            const Written r = w(old, ++m_k);
            move(d, kind, idName, r.model, r.serial, QStringLiteral("Производственная необходимость"), a.board, old.gde, a.owner);
            break;
        }
        case 1: { // removed at the end of its life, sent to repair
            old.gde = QStringLiteral("Ремонт");
            old.store = u8(kStores[2]);
            old.mayBePast = true;
            const Written r = w(old, ++m_k);
            move(d, kind, idName, r.model, r.serial, QStringLiteral("Выработка ресурса"), a.board, QStringLiteral("Ремонт"), a.owner);
            break;
        }
        case 2: { // sent to repair and back in store
            old.gde = QStringLiteral("Склад");
            old.store = u8(kStores[0]);
            const Written r = w(old, ++m_k);
            move(d, kind, idName, r.model, r.serial, QStringLiteral("Выработка ресурса"), a.board, QStringLiteral("Ремонт"), a.owner);
            move(later, kind, idName, r.model, r.serial, QStringLiteral("Из ремонта"), QStringLiteral("Ремонт"), QStringLiteral("Склад"), a.owner);
            break;
        }
        case 3: { // a defect: under claim
            old.gde = QStringLiteral("Рекламация");
            old.store = u8(kStores[1]);
            const Written r = w(old, ++m_k);
            move(d, kind, idName, r.model, r.serial, QStringLiteral("Отказ"), a.board, QStringLiteral("Рекламация"), a.owner);
            break;
        }
        case 4: { // removed to store and written off: no longer in the tables
            const QString gone = serial("СП");
            move(d, kind, idName, on.model, gone, QStringLiteral("Выработка ресурса"), a.board, QStringLiteral("Склад"), a.owner);
            move(later, kind, idName, on.model, gone, QStringLiteral("Акт списания"), QStringLiteral("Склад"), QStringLiteral("Списание"), a.owner);
            break;
        }
        default: { // to the plant straight from the aircraft, without repair
            old.gde = QStringLiteral("Ремонт");
            old.store = u8(kStores[2]);
            const Written r = w(old, ++m_k);
            move(d, kind, idName, r.model, r.serial, QStringLiteral("Доработка"), a.board, QStringLiteral("В АРЗ с ВС без ремонта"), a.owner);
            break;
        }
        }
    }

    // A spare in a store word; the log has its purchase (in "Склад") or its
    // dispatch to the plant (in "Ремонт"), unless kind is null.
    void spare(int idx, const char* kind, const QString& idName, const Writer& w)
    {
        Place p;
        p.gde = u8(kStoreWords[idx % 4]);
        p.store = u8(kStores[(idx / 4 * 3 + idx) % 4]);
        p.owner = m_aircraft.empty() ? u8(kOperators[0].own) : m_aircraft[static_cast<size_t>(idx) % m_aircraft.size()].owner;
        p.installed = daysAgo(m_rng.range(30, 700));
        p.mayBePast = idx % 4 != 0;
        const Written s = w(p, ++m_k);
        if (!kind) return; // a kind the log does not name
        if (idx % 4 == 0)
            move(p.installed, kind, idName, s.model, s.serial, QStringLiteral("Договор поставки"), p.gde, p.gde, p.owner);
        else if (idx % 4 == 2)
            move(p.installed, kind, idName, s.model, s.serial, QStringLiteral("Ремонт"), QStringLiteral("Склад"), QStringLiteral("В АРЗ"), p.owner);
    }

    QString plant(int k) const { return u8(kPlants[k % 4]); }
    static QVariant date(const QDate& d) { return d.isValid() ? QVariant(d) : QVariant(); }

    Writer engineWriter(const TypeData& t, const QString& pos, bool gearbox)
    {
        return [this, &t, pos, gearbox](const Place& p, int k) {
            TableWriter& w = gearbox ? *m_red : *m_dv;
            const int fl = flownFrom(p, groundCounts(t, gearbox ? "REDUCTOR" : "DVIGATEL"), t.groundShare);
            const Life l = life(t.engineFirst, t.engineTbo, k, p, fl);
            const Written out{u8(gearbox ? t.gearbox : t.engine), serial(gearbox ? "Р" : "Д")};
            w.set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("TEKUSHEE_RASPOLOGENIE", p.store).set("SOBSTVENNOST", p.owner)
                .set(2, out.model).set(3, out.serial).set(4, u8(gearbox ? "АО «Редуктор-ПМ»" : t.engineMaker)).set(5, l.made)
                .set(7, l.repairs ? plant(k) : QVariant()).set(8, date(l.repaired)).set(9, l.repairs)
                .set(10, p.a ? l.installed : (l.repairs ? l.repaired : l.made))
                .set(11, hm(l.sne)).set(12, hm(l.ppr))
                .set(14, t.engineFirst).set(15, QStringLiteral("8.00")).set(16, t.engineTbo).set(17, QStringLiteral("6.00"))
                .set(18, t.engineFirst + 4 * t.engineTbo).set(19, QStringLiteral("25.00")).set(20, k % 17 == 3 ? "1" : "0")
                .set(23, pos).set(25, std::max(l.made, l.installed.addDays(-m_rng.range(0, 200))))
                .set(33, k % 10 == 3 ? 1 : 0);
            if (!gearbox && t.engineForms)
                w.set(46, 1).set(47, p.a && p.a->lastFlight.isValid() ? p.a->lastFlight.addDays(-m_rng.range(5, 60)) : daysAgo(m_rng.range(10, 200)))
                    .set(48, m_rng.range(0, 2));
            else
                w.set(46, 0);
            w.write();
            return out;
        };
    }

    Writer apuWriter(const TypeData& t)
    {
        return [this, &t](const Place& p, int k) {
            const int fl = p.a ? apuMinutes(*p.a, p.installed.addDays(-1), false) : 0;
            const Life l = life(1000, 1000, k, p, fl);
            const int gen = l.sne * 4 / 10, genPpr = l.ppr * 4 / 10;
            const int starts = l.sne / 60 * 2, startsPpr = l.ppr / 60 * 2;
            const Written out{u8(t.apu), serial("ВСУ")};
            m_vsu->set("TIP_VS", u8(t.type)).set("NAZVANIE", out.model).set("ZAVODSKOY_NOMER", out.serial).set("NAIMENOVANIE", QStringLiteral("ВСУ"))
                .set("ID_NAME", QStringLiteral("1")).set("GDE_STOIT", p.gde).set("MESTO_USTANOVKI", p.gde).set("SKLAD_ARZ", p.store)
                .set("SOBSTVENNOST", p.owner).set("DUBLICAT", k % 13 == 6 ? "1" : "0")
                .set("IZGOTOVLEN_DATA", l.made).set("REMONT_ZAVOD", l.repairs ? plant(k) : QVariant()).set("REMONT_DATA", date(l.repaired))
                .set("VSEGO_REMONTOV", l.repairs).set("DATA_USTANOVKI", l.installed)
                .set("DATA_POSTUPLENIA", std::max(l.made, l.installed.addDays(-m_rng.range(0, 200))))
                .set("OBSHAIA_SNE", hm(l.sne)).set("OBSHAIA_PPR", hm(l.ppr)).set("OBSHAIA_NAZN", 6000)
                .set("OBSHAIA_MEGREMONTNY", 1000).set("OBSHAIA_DO_PERVOGO", 1000)
                .set("SUMMA_SNE", hm(l.sne + gen)).set("SUMMA_PPR", hm(l.ppr + genPpr)).set("SUMMA_NAZN", 8400)
                .set("SUMMA_MEGREM", 1400).set("SUMMA_DO_PERVOGO", 1400)
                .set("GENERATORNY_SNE", hm(gen)).set("GENERATORNY_PPR", hm(genPpr)).set("GENERAT_NAZN", 2400)
                .set("GENERAT_MEZHREMONTNY", 400).set("GENERAT_DO_PERVOGO", 400)
                .set("ZAPUSKI_SNE", starts).set("ZAPUSKI_PPR", startsPpr).set("ZAPUSKI_NAZN", 12000)
                .set("ZAPUSKI_MEGREMONTNY", 2000).set("ZAPUSKI_DO_PERVOGO", 2000)
                .set("OTBORY_SNE", starts / 2).set("OTBORY_PPR", startsPpr / 2).set("OTBORY_NAZN", 6000)
                .set("OTBORY_MEGREMONTNY", 1000).set("OTBORY_DO_PERVOGO", 1000)
                .set("CIKLY_SNE", starts).set("CIKLY_PPR", startsPpr).set("CIKLY_NAZN", 12000)
                .set("CIKLY_MEGREMONTNY", 2000).set("CIKLY_DO_PERVOGO", 2000).write();
            return out;
        };
    }

    // Blades: main-rotor blades have one assigned life and are not repaired;
    // tail-rotor and propeller blades are overhauled.
    Writer bladeWriter(const TypeData& t, const char* rotor)
    {
        return [this, &t, rotor](const Place& p, int k) {
            const bool main = std::string_view(rotor) == "Несущий";
            const char* name = main ? t.mainBlade : (std::string_view(rotor) == "Хвостовой" ? t.tailBlade : t.propBlade);
            const int first = main ? t.bladeLife : t.bladeLife * 3 / 4, tbo = t.bladeLife / 2;
            const bool continuous = p.a && k % 5 == 0;
            const int fl = flownFrom(p, false, 0.0);
            const Life l = life(first, tbo, k, p, fl, !main);
            const int counted = continuous ? fl : 0; // counted from the aircraft: stored as at installation
            const QString sn = main && k % 2 ? QStringLiteral("%1_%2").arg(m_rng.range(10, 99)).arg(serial("Л")) : serial("Л");
            m_lop->set("TIP_VS", u8(t.type)).set("TIP_VINTA", u8(rotor)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store)
                .set("SOBSTVENNOST", p.owner).set(3, u8(name)).set(4, sn).set(6, l.made).set(8, l.installed)
                .set(9, hm(l.sne - counted)).set(10, main ? first : first + 3 * tbo).set(18, continuous ? 1 : 0)
                .set(19, k % 19 == 7 ? "1" : "0").set(23, l.repairs ? plant(k) : QVariant()).set(24, date(l.repaired))
                .set(25, l.repairs).set(26, hm(l.ppr - counted)).set(28, main ? QVariant() : QVariant(first))
                .set(30, main ? QVariant() : QVariant(tbo)).write();
            return Written{u8(name), sn};
        };
    }

    Writer hubWriter(const TypeData& t)
    {
        return [this, &t](const Place& p, int k) {
            const bool continuous = p.a && k % 4 == 0;
            const int fl = flownFrom(p, false, 0.0);
            const Life l = life(1500, 2000, k, p, fl);
            const int counted = continuous ? fl : 0;
            const Written out{u8(t.hub), serial("В")};
            const QString id = QString::number(m_hubId[&t - kTypes]);
            m_vt->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set("ID_NAME", id).set("NAZVANIE", out.model).set("CHERT_NOMER", u8(t.hubDrawing)).set("NAIMENOVANIE", out.model)
                .set("TIP_VINTA", QStringLiteral("Несущий")).set("SMAZKA", QStringLiteral("1")).set("MESTO_USTANOVKI", QStringLiteral("НВ"))
                .set("SYSTEMA", QStringLiteral("НЕТ")).set("PRINADLEGNOST", "0").set("PLAN_DVIG_VSU", "0").set("ED_IZMERENIA", "0")
                .set(4, out.serial).set(6, l.made).set(8, l.repairs ? plant(k) : QVariant()).set(9, date(l.repaired)).set(10, l.repairs)
                .set(14, 2000).set(17, hm(l.sne - counted)).set(18, hm(l.ppr - counted)).set(21, k % 11 == 5 ? "1" : "0")
                .set(26, l.installed).set(39, continuous ? 1 : 0).set(48, 1500).write();
            return out;
        };
    }

    Writer tailHubWriter(const TypeData& t)
    {
        return [this, &t](const Place& p, int k) {
            const bool continuous = p.a && k % 3 == 0;
            const int fl = flownFrom(p, false, 0.0);
            const Life l = life(1000, 1500, k, p, fl);
            const int counted = continuous ? fl : 0;
            const Written out{u8(t.tailHub), serial("ВРВ")};
            m_hv->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set("TIP_VINTA", QStringLiteral("Хвостовой")).set("NAIMENOVANIE", QStringLiteral("Втулка РВ"))
                .set(2, out.model).set(3, serial("РВ")).set(4, l.made).set("ZAVODSKOY_NOMER_VTULKA", out.serial)
                .set(10, k % 13 == 4 ? "1" : "0").set(11, l.repairs ? plant(k) : QVariant()).set(12, date(l.repaired)).set(13, l.repairs)
                .set(17, l.installed).set(19, 1000 + 4 * 1500).set(21, 1500).set(25, 1000).set(27, continuous ? 1 : 0)
                .set(29, hm(l.sne - counted)).set(30, hm(l.ppr - counted)).write();
            return out;
        };
    }

    Writer propellerWriter(const TypeData& t)
    {
        return [this, &t](const Place& p, int k) {
            const int fl = flownFrom(p, groundCounts(t, "VOZDUSHNY_VINT"), t.groundShare);
            const Life l = life(800, 1000, k, p, fl);
            const Written out{u8(t.propeller), serial("ВВ")};
            m_vv->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set("TIP_VINTA", QStringLiteral("Воздушный")).set(2, out.model).set(3, out.serial).set(9, l.made)
                .set(14, l.repairs ? plant(k) : QVariant()).set(15, date(l.repaired)).set(16, l.repairs).set(18, l.installed)
                .set(19, QStringLiteral("0")).set(21, 800 + 4 * 1000).set(23, 1000).set(29, hm(l.sne)).set(30, hm(l.ppr)).set(47, 800).write();
            return out;
        };
    }

    Writer winchWriter(const TypeData& t)
    {
        return [this, &t](const Place& p, int k) {
            const bool continuous = p.a && k % 2 == 0;
            const int fl = flownFrom(p, groundCounts(t, "AGREGATY"), t.groundShare);
            const Life l = life(800, 1000, k, p, fl);
            const int counted = continuous ? fl : 0;
            const Written out{u8(t.winch), serial("ЛБ")};
            m_leb->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set(2, out.model).set(3, out.serial).set(8, l.made).set(11, l.repairs ? plant(k) : QVariant()).set(12, date(l.repaired))
                .set(13, l.repairs).set(14, l.installed).set(19, 800 + 4 * 1000).set(21, 1000).set(25, continuous ? 1 : 0)
                .set(27, hm(l.sne - counted)).set(28, hm(l.ppr - counted)).set(36, 800).write();
            return out;
        };
    }

    Writer zcuWriter(const TypeData& t, int z)
    {
        return [this, &t, z](const Place& p, int k) {
            const bool continuous = p.a && z == 2;
            const int fl = flownFrom(p, groundCounts(t, "ZCU"), t.groundShare);
            const Life l = life(2000, 3000, k, p, fl);
            const int counted = continuous ? fl : 0;
            const Written out{z == 1 ? QStringLiteral("КАУ-30Б") : QStringLiteral("РА-60Б"), serial("З")};
            m_zcu->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set(3, QString::number(z)).set(4, out.model).set(6, out.serial).set(8, l.made).set(9, date(l.repaired))
                .set(10, l.installed).set(16, continuous ? 1 : 0).set(19, l.repairs).set(20, 3000)
                .set(21, hm(l.sne - counted)).set(22, hm(l.ppr - counted))
                .set(24, z == 1 ? QStringLiteral("Гидроусилитель") : QStringLiteral("Рулевой агрегат")).set(25, out.model)
                .set(27, 2000).write();
            return out;
        };
    }

    Writer unitWriter(const TypeData& t, int u, const QString& position)
    {
        return [this, &t, u, position](const Place& p, int k) {
            const Unit& un = kUnits[u];
            const bool continuous = p.a && un.measure == 0 && k % 4 == 1;
            const int fl = un.measure == 0 ? flownFrom(p, groundCounts(t, un.engine ? "AGR_DVIG" : "AGREGATY"), t.groundShare) : 0;
            const Life l = life(un.measure == 2 ? 1 : un.life, un.measure == 2 ? 1 : un.life, k, p, fl);
            const int counted = continuous ? fl : 0;
            QString sne, ppr;
            if (un.measure == 0) {
                sne = hm(l.sne - counted);
                ppr = hm(l.ppr - counted);
            } else if (un.measure == 1) {
                sne = QString::number(l.sne / 60);
                ppr = QString::number(l.ppr / 60);
            } else {
                sne = QString::number(l.made.daysTo(m_today) / 365);
                ppr = sne;
            }
            const Written out{u8(un.name), serial("А")};
            m_agr->set("TIP_VS", u8(t.type)).set("GDE_STOIT", p.gde).set("SKLAD_ARZ", p.store).set("SOBSTVENNOST", p.owner)
                .set("ID_NAME", QString::number(m_unitId[&t - kTypes][u])).set("NAIMENOVANIE", out.model).set("NAZVANIE", out.model)
                .set("CHERT_NOMER", u8(un.drawing)).set("SYSTEMA", u % 3 == 1 ? QStringLiteral("НЕТ") : u8(un.system))
                .set("TIP_OBORUDOVANIA", QStringLiteral("0")).set("PRINADLEGNOST", un.engine ? "1" : "0")
                .set("PLAN_DVIG_VSU", un.engine ? "1" : "0").set("MESTO_USTANOVKI", position)
                .set("NUMER_DVIG_VSU", un.engine ? "1" : "")
                .set(4, out.serial).set(6, l.made).set(8, l.repairs ? plant(k) : QVariant()).set(9, date(l.repaired)).set(10, l.repairs)
                .set(14, un.life).set(17, sne).set(18, ppr).set(21, k % 11 == 2 ? "1" : "0")
                .set(24, QString::number(un.measure)).set(26, l.installed).set(28, un.engine).set(39, continuous ? 1 : 0)
                .set(43, un.life).set("ED_IZMERENIA", QString::number(un.measure)).write();
            return out;
        };
    }

    void components()
    {
        TableWriter dv(m_db, "DVIGATEL"), red(m_db, "REDUCTOR"), lop(m_db, "LOPAST"), vt(m_db, "VTULKA_NV"),
            hv(m_db, "HVOSTOVOY_VINT"), vv(m_db, "VOZDUSHNY_VINT"), leb(m_db, "LEBEDKA"), zcu(m_db, "ZCU"),
            agr(m_db, "AGREGAT"), vsu(m_db, "VSU"), agrVsu(m_db, "AGR_VSU"), sh(m_db, "SHLANG"), mv(m_db, "DVIGENIE_V_EKSPLUATACII");
        m_dv = &dv, m_red = &red, m_lop = &lop, m_vt = &vt, m_hv = &hv, m_vv = &vv, m_leb = &leb, m_zcu = &zcu, m_agr = &agr,
        m_vsu = &vsu, m_mv = &mv;

        // Every kind a type carries, with its log name and writer.
        struct Kind { const char* log; QString idName; Writer w; int count; bool logged; };
        auto kindsOf = [&](const TypeData& t, bool onAircraft) {
            std::vector<Kind> ks;
            for (int e = 0; e < (onAircraft ? t.engines : 1); ++e)
                ks.push_back({"Dvigatel", QStringLiteral("0"), engineWriter(t, t.engines == 1 ? QStringLiteral("0") : QString::number(e), false), 1, true});
            if (t.gearbox) ks.push_back({"Reductor", QStringLiteral("0"), engineWriter(t, QStringLiteral("0"), true), 1, true});
            if (t.apu) ks.push_back({"VSU", QStringLiteral("0"), apuWriter(t), 1, true});
            if (t.mainBlades) {
                ks.push_back({"LopastNV", QStringLiteral("1"), bladeWriter(t, "Несущий"), onAircraft ? t.mainBlades : 1, true});
                ks.push_back({"VtulkaNV", QString::number(m_hubId[&t - kTypes]), hubWriter(t), 1, true});
            }
            if (t.tailBlades) {
                ks.push_back({"HvostovoyVint", QStringLiteral("1"), bladeWriter(t, "Хвостовой"), onAircraft ? t.tailBlades : 1, true});
                ks.push_back({"HvostovoyVint", QStringLiteral("0"), tailHubWriter(t), 1, true});
            }
            if (t.propBlades) {
                ks.push_back({"VozdushnyVint", QStringLiteral("1"), bladeWriter(t, "Воздушный"), onAircraft ? t.propBlades : 1, true});
                ks.push_back({"VozdushnyVint", QStringLiteral("0"), propellerWriter(t), 1, true});
            }
            if (t.winch) ks.push_back({"Lebedka", QStringLiteral("0"), winchWriter(t), 1, true});
            for (int z = 1; z <= 2; ++z) ks.push_back({"ZCU", QStringLiteral("0"), zcuWriter(t, z), 1, false});
            for (int u = 0; u < kUnitCount; ++u) {
                const QString id = QString::number(m_unitId[&t - kTypes][u]);
                const int q = onAircraft ? kUnits[u].quantity : 1;
                for (int i = 0; i < q; ++i) {
                    const QString position = q > 1 ? QString::fromUtf8(i == 0 ? "Первый" : "Второй") : QStringLiteral("1");
                    ks.push_back({kUnits[u].engine ? "AgrDvig" : "Agregat", id, unitWriter(t, u, position), 1, true});
                }
            }
            return ks;
        };

        for (const Aircraft& a : m_aircraft) {
            const TypeData& t = *a.t;
            for (const Kind& k : kindsOf(t, true))
                for (int i = 0; i < k.count; ++i) installed(a, k.log, k.idName, k.w, k.logged && i == 0);
            if (t.apu)
                agrVsu.set("TIP_VS", u8(t.type)).set("GDE_STOIT", a.board).set("NAZVANIE", QStringLiteral("Стартер ВСУ"))
                    .set("CHERT_NOMER", QStringLiteral("СТ-117")).set("ID_NAME", QStringLiteral("1")).set("NARABOTKA_SNE", hm(m_rng.range(100, 900) * 60))
                    .set("ZAVODSKOY_NOMER", serial("АВ")).set("DATA_USTANOVKI", daysAgo(m_rng.range(30, 900))).write();
            hoses(sh, a);
        }
        // Spares of every kind in every store word, per visible type.
        for (int ti = 0; ti < kTypeCount - 1; ++ti)
            for (int s = 0; s < 4; ++s)
                for (const Kind& k : kindsOf(kTypes[ti], false)) spare(s + ti, k.logged ? k.log : nullptr, k.idName, k.w);
        m_summary.components = dv.written() + red.written() + lop.written() + vt.written() + hv.written() + vv.written()
                               + leb.written() + zcu.written() + agr.written() + vsu.written() + agrVsu.written() + sh.written();
        m_moved = mv.written();
        m_dv = m_red = m_lop = m_vt = m_hv = m_vv = m_leb = m_zcu = m_agr = m_vsu = nullptr;
        // The log's aircraft transfers between operators.
        for (const Aircraft& a : m_aircraft)
            if (a.index % 8 == 2)
                mv.set("DATA_PEREVODA", a.entered > daysAgo(700) ? a.entered : daysAgo(m_rng.range(10, 700)))
                    .set("NAIMENOVANIE", QStringLiteral("Plane")).set("NAZVANIE", u8(a.t->type)).set("ZAVODSKOY_NOMER", a.board)
                    .set("PRICHINA", QStringLiteral("Договор"))
                    .set("OTKUDA", u8(kOperators[(a.index + 1) % 2].name)).set("KUDA", u8(kOperators[a.index % 2].name))
                    .set("SOBSTVENNOST", a.owner).set("VSU", QStringLiteral("0")).set("ID_NAME", QStringLiteral("0")).write();
        m_mv = nullptr;
    }

    // Hoses of every accounting kind: calendar from manufacture and from
    // installation, hours, and both.
    void hoses(TableWriter& sh, const Aircraft& a)
    {
        struct H { const char* vid; int fromInstall; };
        const H hs[] = {{"0", 0}, {"0", 1}, {"1", 0}, {"2", 0}};
        int s = 0;
        for (const H& h : hs) {
            const Hose& ho = kHoses[s++ % 3];
            const QDate made = daysAgo(m_rng.range(365, 6 * 365));
            sh.set("TIP_VS", u8(a.t->type)).set("GDE_STOIT", a.board).set("SYSTEMA", u8(ho.system)).set("NAZVANIE", u8(ho.name))
                .set("CHERT_NOMER", u8(ho.drawing)).set("ZAVODSKOY_NOMER", serial("Ш")).set("VID_UCHETA", u8(h.vid))
                .set("DATA_VYPUSKA_RUKAVA", made).set("UCHET_OT_DATY_UST", h.fromInstall)
                .set("DATA_USTANOVKI", made.addDays(m_rng.range(30, 300))).set("NARABOTKA_SNE", hm(m_rng.range(50, 900) * 60))
                .set("RESURS", std::string_view(h.vid) == "1" ? QStringLiteral("1000") : QStringLiteral("8.00")).write();
        }
    }

    // ------------------------------------------------------------ maintenance

    void maintenance()
    {
        TableWriter st(m_db, "SOSTOIANIE_PARKA"), vf(m_db, "VYPOLNENNYE_FORMY"), akb(m_db, "TO_AKB"), sez(m_db, "SEZONNOE_TO"),
            liz(m_db, "LIZING");
        for (const Aircraft& a : m_aircraft) {
            const TypeData& t = *a.t;
            const QString type = u8(t.type);
            auto state = [&](const QDate& d, int code) {
                st.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_STATUS", d).set(4, code)
                    .set("PRIMECHANIE", code == 0 ? QStringLiteral("Исправен") : QStringLiteral("Код %1").arg(code)).write();
            };
            // In service from the entry (or before the records), a day of maintenance at each periodic form.
            state(std::max(a.entered, daysAgo(m_o.years * 365 + 30)), 0);
            QDate lastEntry;
            for (const QDate& d : a.serviceDays) {
                state(d, 1);
                state(d.addDays(1), 0);
                lastEntry = d.addDays(1);
            }
            if (a.state != 0) {
                QDate d = a.lastFlight.isValid() ? a.lastFlight.addDays(1) : a.entered;
                if (lastEntry.isValid() && d <= lastEntry) d = lastEntry.addDays(1);
                if (d > m_today) d = m_today;
                state(d, a.state);
            }
            // The forms performed, the last first, walking the cycle back from the last one's index.
            const QStringList names = cycle(t);
            const bool halfway = t.f1 * 2 == t.forma;
            int idx = std::max(a.formIndex, 0);
            for (int s = static_cast<int>(a.serviceDays.size()) - 1; s >= 0; --s) {
                const QDate d = a.serviceDays[static_cast<size_t>(s)];
                vf.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_TO", d)
                    .set("NAME_FORMY", names.value(halfway ? 2 * idx : idx))
                    .set("NARABOTKA", hm(a.ppr - flown(a, d, t.groundCounts, t.groundShare))).write();
                idx = (idx + formsInCycle() - 1) % formsInCycle();
            }
            if (a.index % 8 != 3)
                akb.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("DATA_TO", daysAgo(m_rng.range(10, 300)))
                    .set("ZAVODSKOY_NOMER", serial("АКБ")).write();
            if (a.index % 10 != 6)
                sez.set("TIP_VS", type).set("BORTOVOY_NOMER", a.board).set("VID_TO", a.index % 3)
                    .set("DATA_TO", daysAgo(m_rng.range(10, 300))).write();
            for (const Lessor& l : kLessors)
                if (a.owner == u8(l.code))
                    liz.set("BORTOVOI_NOMER", a.board).set("LIZINGODATEL", u8(l.name))
                        .set("NOMER_DOGOVORA", QStringLiteral("ДЛ-%1/%2").arg(a.index + 1).arg(a.entered.year()))
                        .set("DATA_DOGOVORA", a.entered.addDays(-m_rng.range(10, 90))).write();
        }
    }

    // ------------------------------------------------------------ tuning

    // The saved lists of the tuned sheets and reports, and of the application documents.
    void tuning()
    {
        TableWriter docs(m_db, "TUNE_DOCS"), reps(m_db, "TUNE_REPORTS");
        struct Kind { const char* code; const char* caption; const char* names; };
        const Kind kinds[] = {
            {"Plane", "Воздушное судно", "Все типы ВС"},
            {"Dvigatel", "Двигатели", "ТВ3-117ВМ, ТВ2-117А, ГТД-350, ТВ3-117ВМА, PW207K, АШ-62ИР"},
            {"Reductor", "Главный редуктор", "ВР-14, ВР-8А, ВР-2, ВР-252, ВР-А"}, {"VSU", "ВСУ", "АИ-9В, ТА-14-130, АИ-9"},
            {"LopastVV", "Лопасти ВВ", "АВ-2-Л"}, {"VozdVint", "Воздушный винт", "АВ-2"},
            {"LopastNV", "Лопасти НВ", "8АТ-2710-000, 8-2710-00, 2-2710-00, 32-2710-00, А-2710-00"},
            {"VtulkaNV", "Втулка НВ", "8АМТ-1930-000, 8МТ-1930-000, 8-1930-000, 2-1930-00, 32-1930-00, А-1930-00"},
            {"LopastHV", "Лопасти РВ", "8АТ-3922-000, 8-3922-00, 2-3925-00, А-3925-00"},
            {"HvostovoyVint", "Винт рулевой", "246-3904-000, 8-3904-000, 2-3904-00, А-3904-00"},
            {"Lebedka", "Электролебедка", "ЛПГ-150М, ЛПГ-2, ЛПГ-300"}, {"ZCU", "ЗЧУ", "Все агрегаты ЗЧУ"},
            {"Shlang", "Шланги", "Шланги всех систем"},
        };
        for (const char* sheet : {"Комплексный прогноз на замену агрегатов", "Сведения о ВС", "Сведения о ВС для VU z Uz",
                                  "Квартальный отчет о снятых и установленных компонентах ВС"}) {
            int line = 0;
            for (const Kind& k : kinds)
                docs.set("NAME_REPORT", u8(sheet)).set("NUMBER_LINE", ++line).set("NAZVANIE", u8(k.caption))
                    .set("CHERT_NOMER", u8(k.names)).set("TIP_AGREGATA", u8(k.code)).set("ID_ETALON", "0").write();
            for (int u : {0, 1, 2, 4})
                docs.set("NAME_REPORT", u8(sheet)).set("NUMBER_LINE", ++line).set("NAZVANIE", u8(kUnits[u].name))
                    .set("CHERT_NOMER", u8(kUnits[u].drawing)).set("TIP_AGREGATA", "Agregat").set("ID_ETALON", u8(kUnits[u].drawing)).write();
        }

        struct Doc { const char* family; const char* name; };
        const Doc documents[] = {{"PRODLENIE", "Основные агрегаты"}, {"PRODLENIE", "Пилотажно-навигационные и АиРЭО"},
                                 {"PRODLENIE", "Агрегаты с дубликатами паспортов"}, {"SLG", "Агрегаты с ограниченным ресурсом"},
                                 {"SLG", "Отчет о контрольном полете ВС"}, {"SLG", "Акт оценки тех.состояния ВС"}};
        for (int ti = 0; ti < kTypeCount - 1; ++ti) {
            const TypeData& t = kTypes[ti];
            for (const Doc& d : documents) {
                int line = 0;
                auto row = [&](const QString& caption, const QString& drawing, const char* kind, const QVariant& system,
                               const QString& id, const QString& quantity, const QVariant& positions, const QVariant& combined) {
                    reps.set("TIP_VS", u8(t.type)).set("TIP_REPORT", u8(d.family)).set("NAME_REPORT", u8(d.name))
                        .set("NUMBER_LINE", ++line).set("NAZVANIE", caption).set("CHERT_NOMER", drawing).set("TIP_AGREGATA", u8(kind))
                        .set("SYSTEMA", system).set("ID_ETALON", id).set("SVODNY_PASPORT", combined).set("KOL_VO_NA_VS", quantity)
                        .set("MESTA_USTANOVKI", positions).write();
                };
                auto whole = [&](const char* caption, const char* names, const char* kind) {
                    row(u8(caption), u8(names), kind, QVariant(), QStringLiteral("0"), QStringLiteral("1"), QVariant(), QVariant());
                };
                auto unit = [&](int u, const QVariant& combined = QVariant()) {
                    const Unit& un = kUnits[u];
                    row(u8(un.name), u8(un.drawing), "Agregat", u8(un.system), QString::number(m_unitId[ti][u]),
                        QString::number(un.quantity), *un.positions ? QVariant(u8(un.positions)) : QVariant(), combined);
                };
                if (std::string_view(d.name) == "Пилотажно-навигационные и АиРЭО") {
                    unit(7);
                    unit(8, QStringLiteral("Сводный"));
                    unit(1);
                    continue;
                }
                if (std::string_view(d.name) == "Основные агрегаты") whole("Воздушное судно", t.type, "Plane");
                whole("Двигатели", t.engine, "Dvigatel");
                if (t.gearbox) whole("Главный редуктор", t.gearbox, "Reductor");
                if (t.apu) whole("ВСУ", t.apu, "VSU");
                if (t.mainBlades) whole("Лопасти НВ", t.mainBlade, "LopastNV");
                if (t.tailBlades) {
                    whole("Лопасти РВ", t.tailBlade, "LopastHV");
                    whole("Винт рулевой", t.tailHub, "HvostovoyVint");
                }
                if (t.hub)
                    row(u8(t.hub), u8(t.hubDrawing), "VtulkaNV", QVariant(), QString::number(m_hubId[ti]), QStringLiteral("1"),
                        QVariant(), QVariant());
                if (std::string_view(d.family) == "SLG" || std::string_view(d.name) == "Основные агрегаты")
                    whole("Шланги", "Рукав топливный, Рукав гидравлический, Рукав масляный", "Shlang");
                // The extension lists (main units, duplicated passports) carry
                // the units counted in years too; the certificate lists do not.
                for (int u = 0; u < kUnitCount; ++u)
                    if (kUnits[u].measure != 2 || std::string_view(d.family) == "PRODLENIE") unit(u);
            }
        }
    }

    QSqlDatabase m_db;
    DemoFleet::Options m_o;
    DemoFleet::Progress m_progress;
    Rng m_rng;
    QDate m_today;
    int m_serial = 0;
    int m_k = 0;      // counter that spreads the lives of the components
    int m_moves = 0;  // counter of the replacements in the log
    int m_moved = 0;
    int m_hubId[kTypeCount] = {};
    int m_unitId[kTypeCount][kUnitCount] = {};
    std::vector<Aircraft> m_aircraft;
    TableWriter *m_dv = nullptr, *m_red = nullptr, *m_lop = nullptr, *m_vt = nullptr, *m_hv = nullptr, *m_vv = nullptr,
                *m_leb = nullptr, *m_zcu = nullptr, *m_agr = nullptr, *m_vsu = nullptr, *m_mv = nullptr;
    DemoFleet::Summary m_summary;
};

} // namespace

DemoFleet::Summary DemoFleet::create(const QString& path, const Options& options, const Progress& progress)
{
    if (QFile::exists(path)) throw DbError(QStringLiteral("Не удается создать демонстрационную базу «%1»: файл уже есть (удалите его или укажите другой путь)").arg(path));
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
    if (!db.commit()) throw DbError(QStringLiteral("Не удается сохранить демонстрационную базу «%1»").arg(path));
    // The indexes were made on empty tables: their statistics are brought up
    // to the rows, as a restore of a real database does, so that the engine
    // picks an aircraft's flights by (board, date) and not by date alone.
    Dataset names(&c);
    names.setCommandText(QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    names.open();
    QStringList indexes;
    for (; !names.eof(); names.next()) indexes << names.str(0);
    names.close();
    for (const QString& index : indexes) c.execute(QStringLiteral("SET STATISTICS INDEX ") + index);
    return s;
}

} // namespace plan
