// The register reports of frmPlanReport on a small fleet: the airframe
// register form and the research institute's annex (REPORT_FORMA_36_GA),
// the regional authority's form (REPORT_FORMA_OTCHET_PMTU) and the
// search-and-rescue annexes 1 and 3 (REPORT_PASR_PRIL_1, _3), checked by
// position.
#include "platform/DbError.h"
#include "reports/AirframeRegister.h"
#include "shell/FrameDriver.h"
#include "shell/HostWindow.h"
#include "shell/PlanFrame.h"
#include "shell/StartPlan.h"
#include "support/FrameFixture.h"

#include <QRadioButton>
#include <QTreeWidget>

namespace {
using namespace frametest;

const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA"};

QString reestr(const char* type, const char* board, const char* values)
{
    return QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, VARIANT_VS, ZAVODSKOI_NOMER, EXPLUATANT, "
                          "DATA_IGOTOVLEN, REMONT_ZAVOD, REMONT_DATA, VSEGO_REMONTOV, DATA_UDOSNOVERENIE_DO, "
                          "RESURS_NAZN_CHASOV, RESURS_NAZN_LET, MEZHREM_CHASOV, MEZHREM_LET, NARABOTKA_SNE, POSADKI_SNE, "
                          "NARABOTKA_PPR, POSADKI_PPR, MINUT_SNE, MINUT_PPR, STATUS_TO, RESURS_NAZN_POSADOK, "
                          "MEZHREM_POSADOK, DATE_REESTR_VYVOD) VALUES ('%1', '%2', %3)")
        .arg(QString::fromUtf8(type), QString::fromUtf8(board), QString::fromUtf8(values));
}

// RA-22001 flew on the 10th (not backed out from a report of the 10th) and
// on the 12th: 2:05 airborne and 2:05 of ground running at the share 0.5
// (62.5 -> 63 minutes), 3 landings. Its minutes are one short of 10000 h and
// 1500 h once those 188 minutes are backed out.
const QStringList kFleet = {
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0)",
    "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('СЕВЕР', 'ООО «Север»', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, PHONE_IAS, IMIA_UGA, ADRES_PREDPR, "
    "IMIA_36, ADRES_36, EMAIL_36GA, EMAIL_PREDPRIATIE, IMIA_PMTU, ADRES_PMTU, PRIKAZ_PASR, NAME_UGA_PASR, NAME_APSC) "
    "VALUES ('ЮТЭЙР', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '49-00-00', '49-00-01', 'Росавиация', "
    "'г. Тюмень', 'ГосНИИ ГА', 'г. Москва', 'f36@ut.ru', 'office@ut.ru', 'Уральское МТУ', 'г. Екатеринбург', "
    "'Приказ №5-ПАСР', 'Тюменское МТУ', 'ФКУ «АПСЦ»')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU, KOL_VO_ZEMLIA_PLANER) VALUES ('Ми-8АМТ', 1, '1', 0.5)",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU) VALUES ('Ми-8', 1, '0')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU) VALUES ('Ан-2', 0, '0')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU) VALUES ('Ка-32А11ВС', 1, '0')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, KOD_VS, UCHITYVAT_ZEMLU) VALUES ('Робинсон', 1, '0')",
    reestr("Ми-8АМТ", "RA-22001",
           "'Т', '95001', 'ЮТЭЙР', '2000-03-15', 'АРЗ-3', '2020-05-10', 2, '2026-12-31', 25000, '30.06', 2000, '10.00', "
           "'10003:07', 5000, '1503:07', 800, 600187, 90187, 4, 12000, 1000, NULL"),
    reestr("Ми-8", "RA-22002",
           "' ', '95002', 'ЮТЭЙР', '1990-01-01', NULL, NULL, 0, '2027-01-31', NULL, NULL, 1500, NULL, "
           "'4000:00', 3000, '4000:00', 3000, 240000, 240000, 0, NULL, NULL, NULL"),
    // Certificate ending on the date of the regional form: left out of it.
    reestr("Ан-2", "RA-40001",
           "'П', '1G001', 'ЮТЭЙР', '1985-06-01', NULL, NULL, 0, '2026-06-15', NULL, NULL, 1000, NULL, "
           "'100:00', 50, '100:00', 50, 6000, 6000, 0, NULL, NULL, NULL"),
    // Removed from the register on the date: left out; removed the day after: kept.
    reestr("Ка-32А11ВС", "RA-31001",
           "'ПС', '8001', 'ЮТЭЙР', '1995-06-01', NULL, NULL, 0, '2027-06-15', NULL, NULL, 1000, NULL, "
           "'100:00', 50, '100:00', 50, 6000, 6000, 0, NULL, NULL, '2026-06-15'"),
    reestr("Робинсон", "RA-31002",
           "'X', '8002', 'ЮТЭЙР', '1995-06-01', NULL, NULL, 0, '2027-06-15', NULL, NULL, 1000, NULL, "
           "'100:00', 50, '100:00', 50, 6000, 6000, 0, NULL, NULL, '2026-06-16'"),
    reestr("Ми-8АМТ", "RA-22003",
           "'П', '95003', 'СЕВЕР', '2001-01-01', NULL, NULL, 0, '2027-01-31', NULL, NULL, 2000, NULL, "
           "'1:00', 1, '1:00', 1, 60, 60, 0, NULL, NULL, NULL"),
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES "
    "('RA-22001', '2026-06-10', '01:00', '00:30', 2)",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, NA_ZEMLE, KOL_VO_POSADOK) VALUES "
    "('RA-22001', '2026-06-12', '02:05', '02:05', 3)",
};

class RegisterReportsTest : public FrameTest {
protected:
    // Rows of a staging table, each split into its positions 1..40 (index 0 unused).
    std::vector<QStringList> rows(const char* table)
    {
        std::vector<QStringList> out;
        for (const QString& r : staging(QStringLiteral("Select * From %1 Order By ID;").arg(QString::fromUtf8(table)), 40)) {
            QStringList p = r.split(QLatin1Char(';'));
            p.prepend(QString());
            while (p.size() <= 40) p << QString();
            out.push_back(p);
        }
        return out;
    }
};

struct Expect {
    int pos;
    const char* value;
};
void expectRow(const QStringList& row, std::initializer_list<Expect> e, const std::string& what)
{
    for (const Expect& x : e) EXPECT_EQ(row.value(x.pos), QString::fromUtf8(x.value)) << what << ", position " << x.pos;
}

TEST_F(RegisterReportsTest, AirframeFormBacksOutTheFlightsAfterTheDate)
{
    fill(kTables, kFleet);
    struct Case {
        const char* item;
        const char* date;
        std::initializer_list<Expect> first; // RA-22001
    } cases[] = {
        // Today: no later flight, the register totals as they are.
        {"Форма 36-ГА (СВ)", "15.06.2026",
         {{4, "15.06.2026"}, {14, "10003"}, {15, "1503"}, {16, "5000"}, {17, "800"}, {5, "497"}, {31, "200"}}},
        // The 10th: the flight of the 10th stays, that of the 12th goes with 63 minutes of ground running.
        {"Форма 36-ГА (СВ)", "10.06.2026",
         {{4, "10.06.2026"}, {14, "9999"}, {15, "1499"}, {16, "4997"}, {17, "797"}, {5, "501"}, {31, "203"}}},
        {"Отчет в ГосНИИ ГА (Приложение 1)", "11.06.2026", {{14, "9999"}, {15, "1499"}, {16, "4997"}}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanReport", QString::fromUtf8(c.item),
                           {set("cboExpl", "АО «ЮТэйр»"), set("picDate", c.date), tick("Ми-8АМТ RA-22001"), tick("Ми-8 RA-22002"),
                            tick("Ан-2 RA-40001")});
        ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
        const auto got = rows("REPORT_FORMA_36_GA");
        ASSERT_EQ(got.size(), 3u) << c.item;
        expectRow(got[2], c.first, std::string(c.item) + " " + c.date);
    }
}

TEST_F(RegisterReportsTest, AirframeFormWritesEachPositionOfTheLine)
{
    fill(kTables, kFleet);
    const auto r = run("frmPlanReport", "Форма 36-ГА (СВ)",
                       {set("cboExpl", "АО «ЮТэйр»"), tick("Ми-8АМТ RA-22001"), tick("Ми-8 RA-22002"), tick("Ан-2 RA-40001")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows("REPORT_FORMA_36_GA");
    ASSERT_EQ(got.size(), 3u);
    // In register order: Ан-2, Ми-8, Ми-8АМТ.
    // A type without "Ми-8" whole, no suffix; variant "П" is not cargo.
    expectRow(got[0], {{9, "Ан-2"}, {3, ""}, {10, "40001"}, {18, "ПРО"}, {25, "1"}, {24, ""}}, "Ан-2");
    // "Ми-8" alone: suffix "Т"; never overhauled: "-" in 13, 15, 17, still the totals since new.
    expectRow(got[1],
              {{9, "Ми-8"}, {3, "Т"}, {18, "ГРУ"}, {25, "2"}, {13, "-"}, {15, "-"}, {17, "-"}, {14, "4000"}, {16, "3000"},
               {19, "0"}, {7, "-"}, {28, "-"}, {30, "-"}, {31, "-"}, {5, "0"}, {12, "01.01.90"}},
              "Ми-8");
    expectRow(got[2],
              {{1, "ЮТЭЙР"}, {2, "г. Тюмень"}, {9, "Ми-8"}, {3, "АМТ"}, {10, "22001"}, {11, "95001"}, {12, "15.03.00"},
               {13, "10.05.20"}, {18, "ГРУ"}, {19, "2"}, {20, "АРЗ-3"}, {24, "АРЗ"}, {25, "3"}, {7, "25000"},
               {8, "Иванов И.И."}, {22, "f36@ut.ru"}, {23, "office@ut.ru"}, {26, "ГосНИИ ГА"}, {27, "г. Москва"},
               {28, "30л. 06м."}, {29, "Петров П.П. тел.49-00-00"}, {30, "12000"}, {32, "Начальник ИАС"}, {21, ""}},
              "Ми-8АМТ");

    // Position 0 is written; the form lists by type head and board number (its query).
    EXPECT_EQ(staging(QStringLiteral("Select ID, IMIA_UGA From REPORT_FORMA_36_GA Order By ID;"), 1),
              (QStringList{"Росавиация", "Росавиация", "Росавиация"}));
    EXPECT_EQ(staging(QStringLiteral("Select ID, NOMER_VS From REPORT_FORMA_36_GA ORDER BY Tip_VS, Nomer_VS;"), 1),
              (QStringList{"40001", "22001", "22002"}));

    // Nothing ticked: the register query matches nothing.
    const auto none = run("frmPlanReport", "Форма 36-ГА (СВ)", {set("cboExpl", "АО «ЮТэйр»")});
    ASSERT_EQ(none.status, 0) << none.errors.join('\n').toStdString();
    EXPECT_TRUE(rows("REPORT_FORMA_36_GA").empty());
}

TEST_F(RegisterReportsTest, RegionalFormListsTheOperatorsCertifiedAircraftOnTheDate)
{
    fill(kTables, kFleet);
    const auto r = run("frmPlanReport", "Форма-отчет в ПМТУ", {set("cboExpl", "АО «ЮТэйр»"), set("picDate", "15.06.2026")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows("REPORT_FORMA_OTCHET_PMTU");
    // Ан-2 (certificate ends on the date), Ка-32А11ВС (removed on the date) and
    // the other operator's Ми-8АМТ are left out.
    ASSERT_EQ(got.size(), 3u);
    expectRow(got[0], {{10, "22002"}, {8, "Ми-8"}, {9, "Т"}, {12, "груз-пас"}, {14, "-"}, {19, "-"}, {20, "-"}, {17, "4000"}},
              "Ми-8");
    expectRow(got[1],
              {{1, "ЮТЭЙР"}, {2, "Уральское МТУ"}, {3, "г. Екатеринбург"}, {4, "ЮТЭЙР"}, {5, "Иванов И.И."},
               {6, "49-00-01"}, {7, "15.06.2026"}, {8, "Ми-8"}, {9, "АМТ"}, {10, "22001"}, {11, "95001"}, {12, "груз-пас"},
               {13, "15.03.00"}, {14, "10.05.20"}, {15, "АРЗ-3"}, {16, "2"}, {17, "10003"}, {18, "5000"}, {19, "1503"},
               {20, "800"}, {21, "25000"}, {22, "30л. 06м."}, {23, "2000"}, {24, "10л. 00м."}, {25, "Начальник ИАС"},
               {26, "Петров П.П. тел.49-00-00"}, {27, "office@ut.ru"}},
              "Ми-8АМТ");
    // A type without a digit: empty head, the type whole as the suffix.
    expectRow(got[2], {{8, ""}, {9, "Робинсон"}, {10, "31002"}, {12, "груз-пас"}}, "Робинсон");

    // The day before: the Ка-32 is still in the register, its variant "ПС" a passenger cabin.
    ASSERT_EQ(run("frmPlanReport", "Форма-отчет в ПМТУ", {set("cboExpl", "АО «ЮТэйр»"), set("picDate", "14.06.2026")}).status, 0);
    const auto before = rows("REPORT_FORMA_OTCHET_PMTU");
    ASSERT_EQ(before.size(), 5u);
    expectRow(before[0], {{8, "Ан-2"}, {9, "Т"}, {12, "пас"}}, "Ан-2");
    expectRow(before[1], {{8, "Ка-32"}, {9, "А11ВС"}, {12, "пас-салон"}}, "Ка-32А11ВС");

    // An operator that is not in the list: an empty form.
    writeSettings(QStringLiteral("[MAIN]\nCBOEXPL=7\n"));
    ASSERT_EQ(run("frmPlanReport", "Форма-отчет в ПМТУ", {}).status, 0);
    EXPECT_TRUE(rows("REPORT_FORMA_OTCHET_PMTU").empty());
}

TEST_F(RegisterReportsTest, RescueAnnexHoursLeftWithdrawalAndRecipient)
{
    fill(kTables, kFleet);
    const auto r = run("frmPlanReport", "Приложение 1. Сведения о наработке ВС на ПАСР",
                       {set("cboExpl", "АО «ЮТэйр»"), set("picDate", "10.06.2026"), set("cmdFKU", "1"),
                        tick("Ми-8 RA-22002"), tick("Ми-8АМТ RA-22001")});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const auto got = rows("REPORT_PASR_PRIL_1");
    ASSERT_EQ(got.size(), 2u);
    // Grid order: Ми-8 before Ми-8АМТ. Ми-8: 1500 h between overhauls less 4000 h: not clamped.
    expectRow(got[0], {{5, "Ми-8"}, {6, "RA-22002"}, {7, "31.01.27"}, {9, "-2500"}, {8, "-"}}, "Ми-8");
    // Since overhaul 1503:07 less 188 minutes = 1499:59 -> 1499 h; 2000 - 1499.
    // Withdrawal: overhaul 10.05.2020 + 10 years before manufacture 15.03.2000 + 30 years 6 months.
    expectRow(got[1],
              {{1, "ФКУ «АПСЦ»"}, {2, "Иванов И.И. ЮТЭЙР"}, {3, "10.06.2026"}, {4, "Приказ №5-ПАСР"}, {5, "Ми-8АМТ"},
               {6, "RA-22001"}, {7, "31.12.26"}, {8, "до 10.05.2030"}, {9, "501"}, {10, "-"}, {11, "Начальник ИАС"},
               {12, "Петров П.П. тел.49-00-00"}, {13, "office@ut.ru"}},
              "Ми-8АМТ");
}

TEST_F(RegisterReportsTest, RescueAnnexGridAndRecipientsFollowTheOperator)
{
    fill(kTables, kFleet);
    conn->execute(QStringLiteral("INSERT INTO OBSHIE (EXPLUATANT) VALUES ('СЕВЕР')"));
    plan::Connection hostConnection;
    hostConnection.openDefault();
    plan::Dataset d1(&hostConnection), d2(&hostConnection), d3(&hostConnection);
    auto* w = plan::shell::loadHostWindow(QStringLiteral("frmPlanReport"), &d1, &d2, &d3, QStringLiteral("planner"),
                                          plan::shell::ShowMode::NoLoop);
    auto* frame = w->openItem(QStringLiteral("Приложение 1. Сведения о наработке ВС на ПАСР"));
    ASSERT_NE(frame, nullptr);
    ASSERT_FALSE(frame->isPlaceholder());
    auto* grid = frame->findChild<QTreeWidget*>(QStringLiteral("GridSpravka"));
    auto* uga = frame->findChild<QRadioButton*>(QStringLiteral("cmdUGA"));
    auto* fku = frame->findChild<QRadioButton*>(QStringLiteral("cmdFKU"));
    ASSERT_TRUE(grid && uga && fku);
    plan::shell::FrameDriver drive(frame);
    drive.set(QStringLiteral("cboExpl"), QStringLiteral("АО «ЮТэйр»"));
    // Only the helicopter types (KOD_VS=1): no Ан-2.
    QStringList groups;
    for (int i = 0; i < grid->topLevelItemCount(); ++i) groups << grid->topLevelItem(i)->text(2);
    EXPECT_EQ(groups, (QStringList{"Ка-32А11ВС", "Ми-8", "Ми-8АМТ", "Робинсон"}));
    EXPECT_EQ(grid->topLevelItem(2)->childCount(), 1); // the other operator's RA-22003 is not offered
    EXPECT_EQ(uga->text(), QStringLiteral("Тюменское МТУ"));
    EXPECT_EQ(fku->text(), QStringLiteral("ФКУ «АПСЦ»"));
    drive.tick(QStringLiteral("Ми-8АМТ RA-22001"));
    drive.set(QStringLiteral("cmdFKU"), QStringLiteral("1"));
    // Another operator: ticks lost, its own aircraft, default captions, the first recipient again.
    drive.set(QStringLiteral("cboExpl"), QStringLiteral("ООО «Север»"));
    EXPECT_EQ(grid->topLevelItem(2)->childCount(), 1);
    EXPECT_EQ(grid->topLevelItem(2)->child(0)->text(2), QStringLiteral("Ми-8АМТ RA-22003"));
    EXPECT_EQ(grid->topLevelItem(2)->child(0)->checkState(1), Qt::Unchecked);
    EXPECT_EQ(uga->text(), QStringLiteral("Региональное МТУ ГА"));
    EXPECT_EQ(fku->text(), QStringLiteral("Региональный АПСЦ"));
    EXPECT_TRUE(uga->isChecked());
    delete w;
}

// Annex 3: the base by name, the certificate and whether it has run out by
// the date, the state of the last entry on or before the date (an entry of
// the date itself counts; codes 0 and 11 are serviceable), the hours left
// as annex 1 (not clamped), addressed as annex 1.
TEST_F(RegisterReportsTest, RescueAnnex3BaseCertificateStateAndHoursLeft)
{
    fill(QStringList(kTables) << "RASPOLOGENIA" << "SOSTOIANIE_PARKA",
         QStringList(kFleet)
             << "INSERT INTO RASPOLOGENIA (NAME, ID_MESTO, HIDE) VALUES ('Аэропорт Рощино', '7', 0)"
             << "UPDATE REESTR SET ID_MESTO='7' WHERE BORTOVOI_NOMER='RA-22001'"
             << "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
                "('Ми-8АМТ', 'RA-22001', '2026-06-01', 5, 'замена двигателя')"
             << "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
                "('Ми-8АМТ', 'RA-22001', '2026-06-12', 0, '')"
             << "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
                "('Ми-8', 'RA-22002', '2026-06-10', 11, '')"
             << "INSERT INTO SOSTOIANIE_PARKA (TIP_VS, BORTOVOY_NOMER, DATA_STATUS, KOD_STATUS, PRIMECHANIE) VALUES "
                "('Ми-8', 'RA-22002', '2026-06-09', 4, '')");
    struct Case {
        const char* date;
        std::initializer_list<Expect> mi8, amt;
    } cases[] = {
        {"10.06.2026",
         {{5, "Ми-8"}, {6, "RA-22002"}, {7, "95002"}, {8, "-"}, {9, "31.01.27"}, {10, "0"}, {11, "исправен"},
          {12, "11"}, {13, ""}, {14, "-2500"}},
         {{1, "Тюменское МТУ"}, {2, "Иванов И.И. ЮТЭЙР"}, {3, "10.06.2026"}, {4, "Приказ №5-ПАСР"}, {5, "Ми-8АМТ"},
          {6, "RA-22001"}, {7, "95001"}, {8, "Аэропорт Рощино"}, {9, "31.12.26"}, {10, "0"}, {11, "неисправен"},
          {12, "5"}, {13, "с 01.06.26, замена двигателя"}, {14, "501"}, {15, "Начальник ИАС"}, {16, "Иванов И.И."},
          {17, "Петров П.П. тел.49-00-00"}, {18, "office@ut.ru"}}},
        {"09.06.2026", {{11, "неисправен"}, {12, "4"}, {13, "с 09.06.26"}}, {{12, "5"}}},
        {"15.06.2026", {{12, "11"}}, {{11, "исправен"}, {12, "0"}, {13, ""}, {14, "497"}}},
        // The certificate holds through its last day.
        {"31.01.2027", {{10, "0"}}, {{10, "1"}}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanReport", "Приложение 3. Сведения о ВС, выполняющих дежурство ПАСР",
                           {set("cboExpl", "АО «ЮТэйр»"), set("picDate", c.date), tick("Ми-8 RA-22002"),
                            tick("Ми-8АМТ RA-22001")});
        ASSERT_EQ(r.status, 0) << c.date << ": " << r.errors.join('\n').toStdString();
        const auto got = rows("REPORT_PASR_PRIL_3");
        ASSERT_EQ(got.size(), 2u) << c.date;
        expectRow(got[0], c.mi8, std::string("Ми-8 ") + c.date);
        expectRow(got[1], c.amt, std::string("Ми-8АМТ ") + c.date);
    }
}

TEST_F(RegisterReportsTest, BadRegisterValuesStopTheReportNamingAircraftColumnAndValue)
{
    struct Case {
        const char* item;
        const char* update;
        std::vector<plan::shell::RunStep> steps;
        std::initializer_list<const char*> named;
    } cases[] = {
        {"Форма 36-ГА (СВ)", "UPDATE REESTR SET MINUT_PPR=NULL WHERE BORTOVOI_NOMER='RA-22001'",
         {set("cboExpl", "АО «ЮТэйр»"), tick("Ми-8АМТ RA-22001")}, {"Ми-8АМТ RA-22001", "MINUT_PPR"}},
        {"Форма 36-ГА (СВ)", "UPDATE REESTR SET RESURS_NAZN_LET='3О.06' WHERE BORTOVOI_NOMER='RA-22001'",
         {set("cboExpl", "АО «ЮТэйр»"), tick("Ми-8АМТ RA-22001")}, {"Ми-8АМТ RA-22001", "RESURS_NAZN_LET", "3О.06"}},
        {"Форма-отчет в ПМТУ", "UPDATE REESTR SET MEZHREM_LET='10,5л' WHERE BORTOVOI_NOMER='RA-22001'",
         {set("cboExpl", "АО «ЮТэйр»")}, {"Ми-8АМТ RA-22001", "MEZHREM_LET", "10,5л"}},
        {"Приложение 1. Сведения о наработке ВС на ПАСР",
         "UPDATE REESTR SET NARABOTKA_PPR='1503:7' WHERE BORTOVOI_NOMER='RA-22001'",
         {set("cboExpl", "АО «ЮТэйр»"), tick("Ми-8АМТ RA-22001")}, {"Ми-8АМТ RA-22001", "NARABOTKA_PPR", "1503:7"}},
    };
    for (const Case& c : cases) {
        fill(kTables, kFleet);
        conn->execute(QString::fromUtf8(c.update));
        plan::MessageService::clear();
        const auto r = run("frmPlanReport", QString::fromUtf8(c.item), c.steps);
        EXPECT_NE(r.status, 0) << c.update;
        ASSERT_EQ(r.errors.size(), 1) << c.update;
        for (const char* n : c.named)
            EXPECT_TRUE(r.errors[0].contains(QString::fromUtf8(n))) << c.update << ": " << r.errors[0].toStdString();
    }
}

TEST(RegisterTexts, CalendarAgesAndBoards)
{
    using plan::reports::calendarAgeText;
    struct Case {
        const char* value;
        const char* text;
    } cases[] = {
        {"30.06", "30л. 06м."}, // twelve times 30 years ends in 0
        {"2.11", "2г. 11м."},   // 24 ends in 4
        {"20", "20л. 00м."},    // whole years
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(calendarAgeText(QString::fromUtf8(c.value), QStringLiteral("x")), QString::fromUtf8(c.text)) << c.value;
    EXPECT_THROW(calendarAgeText(QStringLiteral("3O.06"), QStringLiteral("x")), plan::ConversionError);
    EXPECT_EQ(plan::reports::boardWithoutRA(QStringLiteral("RA-RA-01 ra-02")), QStringLiteral("01 ra-02"));
}

} // namespace
