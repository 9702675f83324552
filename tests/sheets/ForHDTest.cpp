// The sheet for Ziri-Revad: the flight-hour reports of one aircraft and its
// engines, gearbox and APU in one preview. Today is 15.01.2026.
#include "support/FrameFixture.h"

#include "platform/DbError.h"
#include "sheets/TfrPlanSprForHD.h"

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");
const QString kItem = QStringLiteral("Справка для Ziri-Revad");

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR", "VSU",
                             "DVIGENIE_V_EKSPLUATACII", "OBSHIE"};

// RA-1: two engines entered second position first, a gearbox and an APU
// whose hours are summed; flights in October (outside the period), November
// and December. RA-2: an engine without a serial number.
const QStringList kFleet = {
    "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS, UCHITYVAT_ZEMLU) VALUES ('Ми-8Т', '0')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-8Т', 'RA-1')",
    "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-8Т', 'RA-2')",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, KOL_VO_POSADOK, VSU_POLNOE_VREMYA, VSU_KOL_VO_ZAPUSKOV) "
    "VALUES ('Ми-8Т', 'RA-1', '2025-10-31', '05:00:00', 5, '00:30:00', 1)",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, KOL_VO_POSADOK, VSU_POLNOE_VREMYA, VSU_KOL_VO_ZAPUSKOV) "
    "VALUES ('Ми-8Т', 'RA-1', '2025-11-01', '01:00:00', 2, '00:20:00', 2)",
    "INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE, KOL_VO_POSADOK, VSU_POLNOE_VREMYA, VSU_KOL_VO_ZAPUSKOV) "
    "VALUES ('Ми-8Т', 'RA-1', '2025-12-31', '02:03:00', 3, '00:15:00', 1)",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, ODIN_DVA) VALUES ('Ми-8Т', 'ТВ2-117', 'E-2', 'RA-1', '1')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, ODIN_DVA) VALUES ('Ми-8Т', 'ТВ2-117', 'E-1', 'RA-1', '0')",
    "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, GDE_STOIT, ODIN_DVA) VALUES ('Ми-8Т', 'ТВ2-117', '', 'RA-2', '0')",
    "INSERT INTO REDUCTOR (TIP_VS, NAZVANIE_REDUCTORA, ZAVODSKOI_NOMER, GDE_STOIT) VALUES ('Ми-8Т', 'ВР-8А', 'R-1', 'RA-1')",
    "INSERT INTO VSU (TIP_VS, NAZVANIE, ZAVODSKOY_NOMER, MESTO_USTANOVKI) VALUES ('Ми-8Т', 'ТА-14-130', 'V-1', 'RA-1')",
};

class ForHD : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        plan::Clock::setToday(QDate(2026, 1, 15));
        fill(kTables, kFleet);
    }
    static plan::sheets::ForHDOptions options(const char* board, QDate from = QDate(2025, 11, 1),
                                              QDate to = QDate(2025, 12, 31))
    {
        return {{QStringLiteral("Ми-8Т"), QString::fromUtf8(board)}, from, to};
    }
};

} // namespace

TEST(ForHDPeriod, TwelveWholeMonthsBeforeToday)
{
    using P = std::pair<QDate, QDate>;
    EXPECT_EQ(plan::sheets::forHDDefaultPeriod(QDate(2026, 6, 15)), P(QDate(2025, 6, 1), QDate(2026, 5, 31)));
    EXPECT_EQ(plan::sheets::forHDDefaultPeriod(QDate(2026, 1, 1)), P(QDate(2025, 1, 1), QDate(2025, 12, 31)));
    EXPECT_EQ(plan::sheets::forHDDefaultPeriod(QDate(2024, 3, 31)), P(QDate(2023, 3, 1), QDate(2024, 2, 29)));
}

TEST_F(ForHD, AirframeThenEnginesByPositionGearboxAndSummedApu)
{
    const auto docs = plan::sheets::buildForHD(conn.get(), options("RA-1"));
    struct Expect {
        const char* code;
        const char* table;
        const char* title; // the start of the title row
        const char* total; // the total row: period, hours, count
    };
    const Expect expected[] = {
        {"rep18", "REPORT_NARABOTKA_PLANER", "!Наработка планера ВС Ми-8Т RA-1", "Итого;3:03;5"},
        {"rep19", "REPORT_NARABOTKA_DVIGATEL", "!Наработка двигателя ТВ2-117 № E-1", "Итого;3:03;5"},
        {"rep19", "REPORT_NARABOTKA_DVIGATEL", "!Наработка двигателя ТВ2-117 № E-2", "Итого;3:03;5"},
        {"rep20", "REPORT_NARABOTKA_REDUCTOR", "!Наработка главного редуктора ВР-8А № R-1", "Итого;3:03;5"},
        {"rep22", "REPORT_NARABOTKA_VSU", "!Наработка ВСУ ТА-14-130 № V-1", "Итого;0:35;3"},
    };
    ASSERT_EQ(docs.size(), std::size(expected));
    for (std::size_t i = 0; i < docs.size(); ++i) {
        const auto& d = docs[i];
        const Expect& e = expected[i];
        EXPECT_EQ(d.staged.code, QString::fromLatin1(e.code)) << i;
        EXPECT_EQ(d.staged.query, QStringLiteral("SELECT * FROM %1 ORDER BY ID Desc;").arg(QString::fromLatin1(e.table))) << i;
        // Title, November, December, the total.
        ASSERT_EQ(d.rows.size(), 4u) << i;
        EXPECT_TRUE(d.rows[0][0].toString().startsWith(QString::fromUtf8(e.title))) << d.rows[0][0].toString().toStdString();
        EXPECT_EQ(d.rows[1][1].toString(), QStringLiteral("ноябрь 2025")) << i;
        const QStringList total{d.rows[3][1].toString(), d.rows[3][2].toString(), d.rows[3][3].toString()};
        EXPECT_EQ(total.join(QLatin1Char(';')), QString::fromUtf8(e.total)) << i;
        const QStringList covers = d.values.value(QStringLiteral("covers")).toStringList();
        ASSERT_FALSE(covers.isEmpty());
        EXPECT_EQ(covers[0], QStringLiteral("Справка для Ziri-Revad по ВС Ми-8Т RA-1, документ %1 из 5").arg(i + 1));
    }
    // The summed APU hours: total + generator (none) in the second hours column.
    EXPECT_EQ(docs[4].rows[1][6].toString(), QStringLiteral("0:20"));
    EXPECT_EQ(docs[4].values.value(QStringLiteral("second_hours")).toString(), QStringLiteral("Суммарная наработка"));
}

TEST_F(ForHD, RefusedInputNamesWhatIsWrong)
{
    struct Case {
        const char* board;
        QDate from, to;
        const char* says;
    };
    const Case cases[] = {
        {"RA-1", QDate(2025, 12, 1), QDate(2025, 11, 30), "Начало периода 01.12.2025 позже его конца 30.11.2025"},
        {"RA-2", QDate(2025, 11, 1), QDate(2025, 12, 31), "не указан заводской номер (DVIGATEL, столбец ZAVODSKOI_NOMER)"},
        {"RA-9", QDate(2025, 11, 1), QDate(2025, 12, 31), "«RA-9» нет в реестре"},
    };
    for (const Case& c : cases) {
        QString message;
        try {
            plan::sheets::buildForHD(conn.get(), options(c.board, c.from, c.to));
        } catch (const plan::DbError& e) {
            message = e.message();
        }
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.says))) << c.board << ": " << message.toStdString();
    }
}

TEST_F(ForHD, OnePreviewOfEveryDocumentAndThePeriodIsKept)
{
    const plan::shell::RunResult r =
        run(kWindow, kItem, {set("picDateFrom", "01.11.2025"), set("picDateTo", "31.12.2025"), select("Ми-8Т RA-1")});
    ASSERT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(r.html.size(), 5);
    EXPECT_TRUE(r.html[4].contains(QStringLiteral("Суммарная наработка за месяц")));
    // Each table holds its last document, months in calendar order.
    const QStringList planer = staging(QStringLiteral("SELECT * FROM REPORT_NARABOTKA_PLANER ORDER BY ID Desc;"), 3);
    ASSERT_EQ(planer.size(), 4);
    EXPECT_TRUE(planer[2].endsWith(QStringLiteral(";декабрь 2025;2:03"))) << planer[2].toStdString();
    const QStringList engine = staging(QStringLiteral("SELECT * FROM REPORT_NARABOTKA_DVIGATEL ORDER BY ID Desc;"), 1);
    ASSERT_FALSE(engine.isEmpty());
    EXPECT_TRUE(engine[0].contains(QStringLiteral("E-2"))) << engine[0].toStdString();
    EXPECT_TRUE(settingsText().contains(QStringLiteral("DATE_FROM=01.11.2025"))) << settingsText().toStdString();
    EXPECT_TRUE(settingsText().contains(QStringLiteral("DATE_TO=31.12.2025")));

    // No aircraft chosen: a message, no report.
    const plan::shell::RunResult none = run(kWindow, kItem, {});
    EXPECT_NE(none.status, 0);
    EXPECT_TRUE(none.html.isEmpty());
}
