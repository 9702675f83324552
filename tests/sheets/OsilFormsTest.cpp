// The authority's register forms Г3 (REPORT_OSIL_G3) and Г4 (REPORT_OSIL_G4)
// and the sheet of data to enter an aircraft into service
// (REPORT_SPRAVKA_OSIL) on a small fleet, checked by position.
#include "platform/DbError.h"
#include "sheets/OsilRegisters.h"
#include "sheets/SvedVvodVSSheet.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;
using namespace plan::sheets;

const QStringList kTables = {"EXPLUATANTY", "SOBSTVENNIKI", "OBSHIE", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA",
                             "DVIGATEL", "REDUCTOR", "VSU", "LOPAST", "VOZDUSHNY_VINT", "VTULKA_NV", "ETA_VTULKA_NV",
                             "HVOSTOVOY_VINT", "LEBEDKA", "AGREGAT", "ETAAGREGAT"};

QString reestr(const char* type, const char* board, const char* values)
{
    return QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, VARIANT_VS, ZAVODSKOI_NOMER, EXPLUATANT, SOBSTVENNOST, "
                          "DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, SERTIFIKAT_LG, DATA_UDOSNOVERENIE_DO, "
                          "RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, MEZHREM_LET, NARABOTKA_SNE, POSADKI_SNE, "
                          "NARABOTKA_PPR, POSADKI_PPR, MINUT_SNE, MINUT_PPR, STATUS_TO, RESURS_NAZN_POSADOK, "
                          "MEZHREM_POSADOK, DATE_REESTR_VVOD, DATE_REESTR_VYVOD, ID_MESTO) VALUES ('%1', '%2', %3)")
        .arg(QString::fromUtf8(type), QString::fromUtf8(board), QString::fromUtf8(values));
}

QString engine(const char* values)
{
    return QStringLiteral("INSERT INTO DVIGATEL (TIP_VS, GDE_STOIT, ODIN_DVA, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, "
                          "IZGOTOVLEN_DATA, VSEGO_REMONTOV, REMONT_DATA, REMONT_ZAVOD, NARABOTKA_SNE, NARABOTKA_PPR, "
                          "NAZNACHENNYI_CHASOV, DO_PERVOGO_CHASOV, MEZHREMONTNYI_CHASOV) VALUES (%1)")
        .arg(QString::fromUtf8(values));
}

// RA-22001 (Ми-8АМТ, ground running counts at 0.5 for the airframe, the
// engines and the gearbox) flew on the 10th and on the 12th: on the 12th 2:05
// airborne and 2:05 on the ground (63 counted minutes), engine 2 1:00 + 0:30
// on the ground (15 counted), the gearbox 0:40 + 0:20 (10 counted), the APU
// 0:50, 3 landings.
const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0)",
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('СЕВЕР', 'ООО «Север»', 0)",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('ГТЛК', 'АО «ГТЛК»', 0)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER, ZEMLIA_DVIGATEL, "
    "KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, KOL_VO_ZEMLIA_REDUCTOR) VALUES ('Ми-8АМТ', 1, '1', 0.5, '1', 0.5, '1', 0.5)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU) VALUES ('Ан-2', 0, '0')",
    reestr("Ми-8АМТ", "RA-22001",
           "'Т', '95001', 'ЮТЭЙР', 'ГТЛК', '2000-03-15', 'АРЗ-3', '2020-05-10', 2, 'СЛГ-101', '2026-06-12', 25000, '30.06', "
           "2000, '10.00', '10003:07', 5000, '1503:07', 800, 600187, 90187, 4, 12000, 1000, NULL, NULL, 'Тюмень'"),
    // Never overhauled; its own owner code is not in the list.
    reestr("Ан-2", "RA-40001",
           "' ', '1G001', 'ЮТЭЙР', 'ЧАСТН', '1985-06-01', NULL, NULL, 0, NULL, NULL, NULL, NULL, 1500, NULL, "
           "'4000:00', 3000, '4000:00', 3000, 240000, 240000, 0, NULL, 2000, '2000-01-01', NULL, NULL"),
    // Removed from the register on the 12th; entered on the 14th.
    reestr("Ан-2", "RA-40002",
           "' ', '1G002', 'ЮТЭЙР', 'ГТЛК', '1985-06-01', NULL, NULL, 0, NULL, NULL, NULL, NULL, 1500, NULL, "
           "'10:00', 5, '10:00', 5, 600, 600, 0, NULL, NULL, NULL, '2026-06-12', NULL"),
    reestr("Ан-2", "RA-40003",
           "' ', '1G003', 'ЮТЭЙР', 'ГТЛК', '1985-06-01', NULL, NULL, 0, NULL, NULL, NULL, NULL, 1500, NULL, "
           "'10:00', 5, '10:00', 5, 600, 600, 0, NULL, NULL, '2026-06-14', NULL, NULL"),
    reestr("Ми-8АМТ", "RA-22003",
           "'П', '95003', 'СЕВЕР', 'ГТЛК', '2001-01-01', NULL, NULL, 0, NULL, NULL, NULL, NULL, 2000, NULL, "
           "'1:00', 1, '1:00', 1, 60, 60, 0, NULL, NULL, NULL, NULL, NULL"),
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES "
    "('RA-22001', '2026-06-10', '01:00', '00:30', 2)",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK, V_VOZDUHE_1, NA_ZEMLE_1, "
    "V_VOZDUHE_2, NA_ZEMLE_2, V_VOZDUHE_RED, NA_ZEMLE_RED, VSU_POLNOE_VREMYA) VALUES "
    "('RA-22001', '2026-06-12', '02:05', '02:05', 3, '03:00', '00:00', '01:00', '00:30', '00:40', '00:20', '00:50')",
    // Engine 2 (ODIN_DVA 1), overhauled; engine 1 never overhauled (to the first overhaul).
    engine("'Ми-8АМТ', 'RA-22001', '1', 'ТВ3-117ВМ', 'E-2', '1999-01-01', 1, '2019-02-01', 'УЗГА', '3000:00', '500:00', "
           "9000, 2000, 1500"),
    engine("'Ми-8АМТ', 'RA-22001', '0', 'ТВ3-117ВМ', 'E-1', '2010-01-01', 0, NULL, NULL, '1200:30', '1200:30', 9000, 2000, 1500"),
    engine("'Ми-8АМТ', 'Склад', '0', 'ТВ3-117ВМ', 'E-S', '2010-01-01', 0, NULL, NULL, '0:00', '0:00', 9000, 2000, 1500"),
    "INSERT INTO REDUCTOR (TIP_VS, GDE_STOIT, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, VSEGO_REMONTOV, REMONT_DATA, "
    "NARABOTKA_SNE, NARABOTKA_PPR, NAZNACHENNYI_CHASOV, MEZHREMONTNYI_CHASOV) VALUES "
    "('Ми-8АМТ', 'RA-22001', 'ВР-14', 'R-1', 1, '2018-01-01', '2000:00', '100:00', 0, 1000)",
    "INSERT INTO VSU (TIP_VS, MESTO_USTANOVKI, NAZVANIE, ZAVODSKOY_NOMER, VSEGO_REMONTOV, OBSHAIA_SNE, OBSHAIA_PPR, "
    "SUMMA_SNE, SUMMA_PPR, OBSHAIA_NAZN, SUMMA_NAZN, SUMMA_DO_PERVOGO, OBSHAIA_DO_PERVOGO) VALUES "
    "('Ми-8АМТ', 'RA-22001', 'ТА-14-130', 'V-1', 0, '10:00', '10:00', '700:00', '700:00', 100, 1000, 800, 50)",
};

class OsilFormsTest : public FrameTest {
protected:
    std::vector<QStringList> rows(const char* query)
    {
        std::vector<QStringList> out;
        for (const QString& r : staging(QString::fromUtf8(query), 40)) {
            QStringList p = r.split(QLatin1Char(';'));
            p.prepend(QString());
            while (p.size() <= 40) p << QString();
            out.push_back(p);
        }
        return out;
    }
    // The row whose position `pos` holds `value`.
    static QStringList find(const std::vector<QStringList>& rs, int pos, const char* value)
    {
        for (const QStringList& r : rs)
            if (r.value(pos) == QString::fromUtf8(value)) return r;
        return {};
    }
};

struct Expect {
    int pos;
    const char* value;
};
void expectRow(const QStringList& row, std::initializer_list<Expect> e, const std::string& what)
{
    ASSERT_FALSE(row.isEmpty()) << what << ": no such row";
    for (const Expect& x : e) EXPECT_EQ(row.value(x.pos), QString::fromUtf8(x.value)) << what << ", position " << x.pos;
}

TEST(OsilRules, RegisterDatesAndRemainders)
{
    const QDate d(2026, 6, 12);
    struct Case {
        QDate entered, removed;
        bool on;
    } cases[] = {
        {{}, {}, true},
        {d, {}, true},                 // entered on the date
        {d.addDays(1), {}, false},     // entered after it
        {{}, d, false},                // removed on the date
        {{}, d.addDays(1), true},      // removed after it
    };
    for (const Case& c : cases)
        EXPECT_EQ(onRegister(c.entered, c.removed, d), c.on) << c.entered.toString().toStdString() << " / "
                                                              << c.removed.toString().toStdString();
    EXPECT_EQ(leftOf("2000", 1499), "501");
    EXPECT_EQ(leftOf("1500", 4000), "0"); // past the limit: nothing left, never negative
    EXPECT_EQ(leftOf("0", 10), "-");      // a limit of 0 is no limit
    EXPECT_EQ(leftOf(" ", 10), "-");
}

TEST_F(OsilFormsTest, FormG3ListsTheRegisterOnTheDateWithTotalsBackDated)
{
    fill(kTables, kFleet);
    namespace P = G3;
    struct Case {
        const char* date;
        QStringList boards; // in order, type rows as "|"
        std::initializer_list<Expect> mi8;
    } cases[] = {
        // The 11th: the flight of the 12th (125 airborne + 63 ground minutes, 3 landings) backed out.
        {"11.06.2026", {"|", "RA-40001", "RA-40002", "|", "RA-22001"},
         {{P::HoursNew, "9999"}, {P::LandingsNew, "4997"}, {P::HoursOverhaul, "1499"}, {P::LandingsOverhaul, "797"},
          {P::LeftAssigned, "15001"}, {P::LeftHours, "501"}, {P::LeftLandings, "203"}, {P::Note, "на АРЗ"}}},
        // The 12th: removed that day, so off the register; the certificate valid until that day still holds.
        {"12.06.2026", {"|", "RA-40001", "|", "RA-22001"}, {{P::HoursNew, "10003"}, {P::Note, "на АРЗ"}}},
        // Today: nothing after it, the register totals; the certificate has run out.
        {"15.06.2026", {"|", "RA-40001", "RA-40003", "|", "RA-22001"},
         {{P::HoursNew, "10003"}, {P::LandingsNew, "5000"}, {P::HoursOverhaul, "1503"}, {P::LandingsOverhaul, "800"},
          {P::LeftAssigned, "14997"}, {P::LeftHours, "497"}, {P::LeftLandings, "200"}, {P::Note, "на АРЗ, СЛГ истек"},
          {P::FormDate, "15.06.2026"}, {P::Total, "3"}}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanSpravka", "Форма Г3 (ОСиЛ)", {set("cboExpl", "АО «ЮТэйр»"), set("picDate", c.date)});
        ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
        const auto got = rows(kG3Query);
        QStringList boards;
        for (const QStringList& g : got) boards << (g[P::Number].startsWith('|') ? QStringLiteral("|") : g[P::Board]);
        EXPECT_EQ(boards, c.boards) << c.date;
        expectRow(find(got, P::Board, "RA-22001"), c.mi8, c.date);
    }
    const auto got = rows(kG3Query);
    EXPECT_EQ(got[0][P::Number], "|Ан-2 (2 ВС)");
    // Identity, names of the codes, certificates, limits.
    expectRow(find(got, P::Board, "RA-22001"),
              {{P::Number, "3"}, {P::Variant, "Т"}, {P::Serial, "95001"}, {P::Made, "15.03.2000"}, {P::Owner, "АО «ГТЛК»"},
               {P::Operator, "АО «ЮТэйр»"}, {P::Certificate, "СЛГ-101"}, {P::CertificateTo, "12.06.2026"},
               {P::Noise, "-"}, {P::Repairs, "2"}, {P::RepairDate, "10.05.2020"}, {P::RepairPlant, "АРЗ-3"},
               {P::AssignedHours, "25000"}, {P::AssignedLandings, "12000"}, {P::AssignedYears, "30л. 06м."},
               {P::BetweenHours, "2000"}, {P::BetweenLandings, "1000"}, {P::BetweenYears, "10л. 00м."}, {P::Base, "Тюмень"}},
              "RA-22001");
    // Never overhauled: no overhaul columns, the remainder to overhaul from the totals since new (past it: 0).
    expectRow(find(got, P::Board, "RA-40001"),
              {{P::Owner, "ЧАСТН"}, {P::RepairDate, "-"}, {P::RepairPlant, "-"}, {P::HoursOverhaul, "-"},
               {P::LandingsOverhaul, "-"}, {P::HoursNew, "4000"}, {P::AssignedHours, "-"}, {P::LeftAssigned, "-"},
               {P::LeftHours, "0"}, {P::LeftLandings, "0"}, {P::AssignedYears, "-"}, {P::CertificateTo, "-"}},
              "RA-40001");
}

TEST_F(OsilFormsTest, FormG3StopsOnARegisterRowItCannotRead)
{
    QStringList fleet = kFleet;
    fleet << "UPDATE REESTR SET MEZHREM_LET='десять' WHERE BORTOVOI_NOMER='RA-40001'";
    fill(kTables, fleet);
    const auto r = run("frmPlanSpravka", "Форма Г3 (ОСиЛ)", {set("cboExpl", "АО «ЮТэйр»")});
    EXPECT_NE(r.status, 0);
    ASSERT_FALSE(r.errors.isEmpty());
    EXPECT_TRUE(r.errors.join(' ').contains("Ан-2 RA-40001")) << r.errors.join('\n').toStdString();
    EXPECT_TRUE(r.errors.join(' ').contains("десять")) << r.errors.join('\n').toStdString();
}

TEST_F(OsilFormsTest, FormG4BacksOutEachUnitByItsOwnColumns)
{
    fill(kTables, kFleet);
    namespace P = G4;
    struct Case {
        const char* date;
        const char* serial;
        std::initializer_list<Expect> e;
    } cases[] = {
        // Engine 2 (ODIN_DVA 1): 60 airborne + 15 ground minutes of engine 2 on the 12th.
        {"15.06.2026", "E-2", {{P::Name, "Двигатель № 2"}, {P::HoursNew, "3000"}, {P::HoursOverhaul, "500"}, {P::Second, "1500"},
                               {P::SecondKind, "2"}, {P::LeftAssigned, "6000"}, {P::LeftSecond, "1000"}, {P::Repairs, "1"},
                               {P::RepairDate, "01.02.2019"}, {P::RepairPlant, "УЗГА"}}},
        {"11.06.2026", "E-2", {{P::HoursNew, "2998"}, {P::HoursOverhaul, "498"}, {P::LeftSecond, "1002"}}},
        // Engine 1 never overhauled: to the first overhaul, spent by the hours since new; 180 minutes backed out.
        {"11.06.2026", "E-1", {{P::Name, "Двигатель № 1"}, {P::HoursNew, "1197"}, {P::HoursOverhaul, "-"}, {P::Second, "2000"},
                               {P::SecondKind, "1"}, {P::LeftSecond, "803"}, {P::RepairDate, "-"}, {P::RepairPlant, "-"}}},
        // Gearbox: 40 airborne + 10 ground minutes; no assigned life (0).
        {"11.06.2026", "R-1", {{P::Name, "Главный редуктор"}, {P::HoursNew, "1999"}, {P::HoursOverhaul, "99"},
                               {P::Assigned, "-"}, {P::LeftAssigned, "-"}, {P::LeftSecond, "901"}}},
        // The APU kept in summed hours: its summed columns, 50 minutes backed out.
        {"11.06.2026", "V-1", {{P::Name, "ВСУ"}, {P::Model, "ТА-14-130"}, {P::HoursNew, "699"}, {P::Assigned, "1000"},
                               {P::Second, "800"}, {P::SecondKind, "1"}, {P::LeftSecond, "101"}}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanSpravka", "Форма Г4 (ОСиЛ)", {set("cboExpl", "АО «ЮТэйр»"), set("picDate", c.date)});
        ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
        expectRow(find(rows(kG4Query), P::Serial, c.serial), c.e, std::string(c.date) + " " + c.serial);
    }
    // Aircraft rows in register order; the stored engine is not listed; engines in position order.
    const auto got = rows(kG4Query);
    QStringList order;
    for (const QStringList& g : got) order << (g[P::Number].startsWith('|') ? g[P::Number] : g[P::Serial]);
    EXPECT_EQ(order, QStringList({"|Ан-2 RA-40001 (зав. № 1G001)", "|Ан-2 RA-40002 (зав. № 1G002)",
                                  "|Ми-8АМТ RA-22001 (зав. № 95001)", "E-1", "E-2", "R-1", "V-1"}));
    EXPECT_EQ(got.back()[P::Aircraft], "3");
    EXPECT_EQ(got.back()[P::Units], "4");
}

TEST_F(OsilFormsTest, FormG4NamesAUnitWhoseRunningTimeCannotBeRead)
{
    QStringList fleet = kFleet;
    fleet << "UPDATE DVIGATEL SET NARABOTKA_PPR='500ч' WHERE ZAVODSKOI_NOMER='E-2'";
    fill(kTables, fleet);
    const auto r = run("frmPlanSpravka", "Форма Г4 (ОСиЛ)", {set("cboExpl", "АО «ЮТэйр»")});
    EXPECT_NE(r.status, 0);
    const QString e = r.errors.join(' ');
    EXPECT_TRUE(e.contains("E-2") && e.contains("500ч") && e.contains("NARABOTKA_PPR")) << e.toStdString();
}

TEST_F(OsilFormsTest, EntrySheetGivesTheAircraftAndItsMainComponents)
{
    QStringList fleet = kFleet;
    // A unit of the aircraft: the information sheet lists it, this sheet does not.
    fleet << "INSERT INTO AGREGAT (TIP_VS, GDE_STOIT, ID_NAME, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, ED_IZMERENIA, "
             "PLAN_DVIG_VSU) VALUES ('Ми-8АМТ', 'RA-22001', '1', 'Насос', '8АТ-1', 'A-1', '0', '0')";
    fill(kTables, fleet);
    namespace P = SvedVvod;
    const auto r = run("frmPlanSpravka", "Необходимые сведения для ввода ВС (ОСиЛ)", {select("Ми-8АМТ RA-22001")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows(kSvedVvodQuery);
    struct Line {
        const char* label;
        const char* value;
    } lines[] = {
        {"Тип ВС", "Ми-8АМТ, модификация Т"},
        {"Собственник", "АО «ГТЛК»"},
        {"Эксплуатант", "АО «ЮТэйр»"},
        // Today is 15.06.2026.
        {"Сертификат летной годности", "СЛГ-101, действителен до 12.06.2026 (срок истек)"},
        {"Удостоверение о годности по шуму", "нет сведений"},
        {"Наработка с начала эксплуатации", "10003 ч, 5000 пос."},
        {"Ремонты", "2, последний 10.05.2020, АРЗ-3"},
        {"Назначенный ресурс", "25000 ч / 12000 пос. / 30л. 06м."},
        {"Место базирования", "Тюмень"},
    };
    for (const Line& l : lines) expectRow(find(got, P::Label, l.label), {{P::Part, "1"}, {P::Value, l.value}}, l.label);
    QStringList components;
    for (const QStringList& g : got)
        if (g[P::Part] == "2") components << g[P::Number] + " " + g[P::Label].trimmed() + " " + g[P::Serial].trimmed();
    EXPECT_EQ(components, QStringList({"1 Первый двигатель E-1", "2 Второй двигатель E-2", "3 Главный редуктор R-1",
                                       "4 ВСУ V-1", "5 ВСУ V-1"}));
    // Limits and remainders of the information sheet, split in two columns.
    expectRow(find(got, P::Serial, "E-2"), {{P::Limits, "9000 / 1500"}, {P::Remainders, "6000 / 1000"}, {P::SinceNew, "3000"},
                                            {P::Aircraft, "Ми-8АМТ RA-22001"}, {P::SheetDate, "15.06.2026"}},
              "E-2");
}

TEST_F(OsilFormsTest, EntrySheetOfAnAircraftGoneFromTheRegisterSaysSo)
{
    fill(kTables, kFleet);
    const plan::frames::AircraftRef gone{QStringLiteral("Ан-2"), QStringLiteral("RA-49999")};
    EXPECT_THROW(buildSvedVvod(conn.get(), SvedVvodOptions{gone, true}, QDate(2026, 6, 15)), plan::DbError);
}

} // namespace
