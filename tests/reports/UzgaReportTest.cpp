// The overhaul plant's engine and gearbox hours (REPORT_TV2_117_UZGA) on a
// small fleet: which units the model and owner select, the effective date,
// the flight columns each unit is backed out with, and bad running times.
#include "reports/TfrPlanRepUZGA.h"
#include "support/FrameFixture.h"

namespace {
using namespace frametest;

const QStringList kTables = {"SOBSTVENNIKI", "OBSHIE", "TIPOVYE_DANNYE_VS", "DVIGATEL", "REDUCTOR", "SPRAVKA"};

QString engine(const char* model, const char* serial, const char* owner, const char* place, const char* odinDva,
               const char* calendar, const char* sne, const char* ppr, const char* type = "Ми-8Т")
{
    return QStringLiteral("INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, SOBSTVENNOST, GDE_STOIT, "
                          "ODIN_DVA, DATA_KALENDAR, NARABOTKA_SNE, NARABOTKA_PPR) VALUES ('%1', '%2', '%3', '%4', '%5', "
                          "%6, %7, '%8', '%9')")
        .arg(QString::fromUtf8(type), QString::fromUtf8(model), QString::fromUtf8(serial), QString::fromUtf8(owner),
             QString::fromUtf8(place), odinDva ? QStringLiteral("'%1'").arg(QString::fromUtf8(odinDva)) : QStringLiteral("NULL"),
             calendar ? QStringLiteral("'%1'").arg(QString::fromUtf8(calendar)) : QStringLiteral("NULL"),
             QString::fromUtf8(sne), QString::fromUtf8(ppr));
}

// RA-1 flew on 10.06 (the effective date: kept) and on 12.06. Engine 2 of
// the 12th: 1:00 airborne and 0:25 ground at half (13) = 73 minutes; the
// gearbox columns 2:00 and 0:30 (15 with the engine rule) = 135.
const QStringList kFleet = {
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('OWN', 'АО «Собственник»', 0)",
    "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('LES', 'ООО «Лизинг»', 0)",
    "INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, EMAIL_PREDPRIATIE) VALUES "
    "('0', 'OWN', 'Начальник ИАС', 'Петров П.П.', '49-00-00', 'office@ut.ru')",
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, ZEMLIA_DVIGATEL, KOL_VO_ZEMLIA_DVIGATEL, ZEMLIA_REDUCTOR, "
    "KOL_VO_ZEMLIA_REDUCTOR) VALUES ('Ми-8Т', '1', 0.5, '0', 0.5)",
    // Listed by GDE_STOIT, ODIN_DVA, ID: the engine without a position comes first.
    engine("ТВ2-117АГ", "2002", "OWN", "RA-1", "", "2026-06-10", "500:00", "100:00"),
    engine("ТВ2-117А", "2001", "OWN", "RA-1", "1", "2026-06-01", "1000:00", "200:30"),
    // Not listed: another model, another owner, in store, a hidden type.
    engine("ТВ3-117ВМ", "3001", "OWN", "RA-1", "0", nullptr, "1:00", "1:00"),
    engine("ТВ2-117А", "2003", "LES", "RA-1", "0", nullptr, "1:00", "1:00"),
    engine("ТВ2-117А", "2004", "OWN", "Склад", "0", nullptr, "1:00", "1:00"),
    engine("ТВ2-117А", "2005", "OWN", "RA-1", "0", nullptr, "1:00", "1:00", "Ми-8Т hide"),
    "INSERT INTO REDUCTOR (TIP_VS, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, SOBSTVENNOST, GDE_STOIT, NARABOTKA_SNE, "
    "NARABOTKA_PPR) VALUES ('Ми-8Т', 'ВР-8А', '801', 'OWN', 'RA-1', '3000:00', '300:00')",
    "INSERT INTO REDUCTOR (TIP_VS, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, SOBSTVENNOST, GDE_STOIT, NARABOTKA_SNE, "
    "NARABOTKA_PPR) VALUES ('Ми-8Т', 'ВР-14', '1401', 'OWN', 'RA-1', '1:00', '1:00')",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE_1, V_VOZDUHE_2, NA_ZEMLE_2, V_VOZDUHE_RED, "
    "NA_ZEMLE_RED) VALUES ('RA-1', '2026-06-10', '05:00', '05:00', '05:00', '01:00', '00:00')",
    "INSERT INTO SPRAVKA (BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE_1, V_VOZDUHE_2, NA_ZEMLE_2, V_VOZDUHE_RED, "
    "NA_ZEMLE_RED) VALUES ('RA-1', '2026-06-12', '03:00', '01:00', '00:25', '02:00', '00:30')",
};

class UzgaReportTest : public FrameTest {};

TEST_F(UzgaReportTest, ModelOwnerEffectiveDateAndSelector)
{
    fill(kTables, kFleet);
    struct Case {
        const char* model;
        const char* date;
        QStringList expected; // positions 3 to 8
    } cases[] = {
        // "ТВ2-117" of the engines; the date before the first unit's 10.06 gives 10.06: the 12th
        // is backed out, the 10th not. No engine position: the gearbox columns (135 minutes).
        {"ТВ2-117А(АГ)", "05.06.2026",
         {"10.06.2026;ТВ2-117АГ;2002;497;97;RA-1", "10.06.2026;ТВ2-117А;2001;998;199;RA-1"}},
        // A later chosen date holds: nothing after it.
        {"ТВ2-117А(АГ)", "15.06.2026",
         {"15.06.2026;ТВ2-117АГ;2002;500;100;RA-1", "15.06.2026;ТВ2-117А;2001;1000;200;RA-1"}},
        // Gearboxes: the whole text; no DATA_KALENDAR, so both flights go, gearbox columns, no ground.
        {"ВР-8А", "05.06.2026", {"05.06.2026;ВР-8А;801;2997;297;RA-1"}},
    };
    for (const Case& c : cases) {
        const auto r = run("frmPlanReport", "Сведения о наработке двигателей и редукторов для АО «УЗГА»",
                           {set("cboSobst", "АО «Собственник»"), set("cboTipDvig", c.model), set("picDate", c.date)});
        ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
        QStringList got;
        for (const QString& row : staging(QStringLiteral("SELECT * FROM REPORT_TV2_117_UZGA ORDER BY ID;"), 11))
            got << row.section(';', 2, 7);
        EXPECT_EQ(got, c.expected) << c.model << " " << c.date;
    }
    // The fixed and header positions of a row.
    const QStringList row = staging(QStringLiteral("SELECT * FROM REPORT_TV2_117_UZGA ORDER BY ID;"), 11).value(0).split(';');
    ASSERT_EQ(row.size(), 11);
    EXPECT_EQ(row[0], plan::reports::uzgaAddressee());
    EXPECT_EQ(row[1], QStringLiteral("OWN"));
    EXPECT_EQ(row[8], QStringLiteral("Начальник ИАС"));
    EXPECT_EQ(row[9], QStringLiteral("Петров П.П. тел.49-00-00"));
    EXPECT_EQ(row[10], QStringLiteral("office@ut.ru"));
}

TEST_F(UzgaReportTest, OwnerNotInTheListGivesAnEmptyReportAndBadHoursAreNamed)
{
    fill(kTables, kFleet);
    writeSettings(QStringLiteral("[MAIN]\nCBOSOBST=9\n"));
    auto r = run("frmPlanReport", "Сведения о наработке двигателей и редукторов для АО «УЗГА»", {});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    EXPECT_TRUE(staging(QStringLiteral("SELECT * FROM REPORT_TV2_117_UZGA ORDER BY ID;"), 11).isEmpty());

    conn->execute(QStringLiteral("UPDATE DVIGATEL SET NARABOTKA_PPR='200:7x' WHERE ZAVODSKOI_NOMER='2001'"));
    r = run("frmPlanReport", "Сведения о наработке двигателей и редукторов для АО «УЗГА»",
            {set("cboSobst", "АО «Собственник»")});
    EXPECT_NE(r.status, 0);
    const QString message = r.errors.join('\n');
    for (const char* named : {"Двигатель", "2001", "RA-1", "NARABOTKA_PPR", "200:7x"})
        EXPECT_TRUE(message.contains(QString::fromUtf8(named))) << named << " in " << message.toStdString();
}

} // namespace
