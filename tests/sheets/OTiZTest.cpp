// The daily flying statement of one aircraft, read back by position and
// checked against a walk that asks for each day's records on its own.
#include "support/FrameFixture.h"

#include "frames/SqlText.h"
#include "platform/Dataset.h"
#include "sheets/TfrPlanSprOTiZ.h"

#include <algorithm>

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");
const QString kItem = QStringLiteral("Справка для отдела ТиЗ");
const QString kStaging = QStringLiteral("Select * From REPORT_SPRAVKA_OTIZ Order By ID;");

QString flight(const char* board, const char* day, const char* g1, const char* air, const char* g2, const char* g3)
{
    return QStringLiteral("INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, NA_ZEMLE, V_VOZDUHE, NA_ZEMLE_2, "
                          "NA_ZEMLE_3) VALUES ('Ми-8Т', '%1', '%2', '%3', '%4', '%5', '%6')")
        .arg(QString::fromUtf8(board), QString::fromUtf8(day), QString::fromUtf8(g1), QString::fromUtf8(air),
             QString::fromUtf8(g2), QString::fromUtf8(g3));
}

QStringList fleet()
{
    return {"INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
            "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-8Т', 'RA-1')",
            "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER) VALUES ('Ми-8Т', 'RA-2')",
            // 02.06: two records, the second written first in time.
            flight("RA-1", "2026-06-02", "01:10:00", "02:00:00", "01:25:00", "00:50:00"),
            flight("RA-1", "2026-06-02", "00:05:00", "03:53:00", "00:00:00", "00:00:00"),
            // 04.06: the largest in the third column; outside the period; another aircraft.
            flight("RA-1", "2026-06-04", "00:10:00", "00:30:00", "00:20:00", "00:45:00"),
            flight("RA-1", "2026-06-06", "01:00:00", "01:00:00", "01:00:00", "01:00:00"),
            flight("RA-2", "2026-06-03", "01:00:00", "01:00:00", "01:00:00", "01:00:00")};
}

class OTiZ : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        fill({"TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA"}, fleet());
    }
    QStringList statement(const char* start, const char* stop)
    {
        const plan::shell::RunResult r =
            run(kWindow, kItem, {set("picDateStart", start), set("picDateStop", stop), select("Ми-8Т RA-1")});
        EXPECT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();
        return staging(kStaging, 9);
    }
    // The statement as the day-by-day queries give it.
    QStringList walk(const QDate& start, const QDate& stop)
    {
        const auto hm = [](long long m) { return plan::sheets::otizTime(m); };
        const auto minutes = [](const plan::Dataset& ds, int pos) {
            const QTime t = ds.field(pos).asTime();
            return t.isValid() ? t.hour() * 60 + t.minute() : 0;
        };
        QStringList out;
        long long a = 0, b = 0, s = 0;
        for (QDate d = start; d <= stop; d = d.addDays(1)) {
            auto ds = plan::openQuery(conn.get(), QStringLiteral("Select * From SPRAVKA Where TIP_VS='Ми-8Т' And "
                                                                 "BORTOVOI_NOMER='RA-1' And DATA_POLETA=") +
                                                      plan::frames::sqlDate(d) + QStringLiteral(" Order By ID, DATA_POLETA;"));
            const QString day = QStringLiteral("Ми-8Т;RA-1;") + d.toString(QStringLiteral("dd.MM.yyyy"));
            if (ds->eof()) out << day + QStringLiteral(";00:00;%1;00:00;%2;00:00;%3").arg(hm(a), hm(b), hm(s));
            for (; !ds->eof(); ds->next()) {
                const int g = std::max({minutes(*ds, 3), minutes(*ds, 21), minutes(*ds, 27)}), air = minutes(*ds, 6);
                a += g, b += air, s += g + air;
                out << day + QStringLiteral(";%1;%2;%3;%4;%5;%6").arg(hm(g), hm(a), hm(air), hm(b), hm(g + air), hm(s));
            }
        }
        out << QStringLiteral(";;Итого:;;%1;;%2;;%3").arg(hm(a), hm(b), hm(s));
        return out;
    }
};

} // namespace

TEST(OTiZRules, TimeText)
{
    struct Case { long long minutes; const char* shown; };
    for (const Case& c : {Case{0, "00:00"}, Case{85, "01:25"}, Case{303, "05:03"}, Case{600, "10:00"}, Case{6005, "100:05"}})
        EXPECT_EQ(plan::sheets::otizTime(c.minutes), QString::fromUtf8(c.shown));
}

// Day by day with the running totals: the largest of the three times, a
// day without records, two records in a day in their order.
TEST_F(OTiZ, DayByDayWithRunningTotals)
{
    const QStringList rows = statement("01.06.2026", "05.06.2026");
    EXPECT_EQ(rows, walk(QDate(2026, 6, 1), QDate(2026, 6, 5)));
    EXPECT_EQ(rows, (QStringList{"Ми-8Т;RA-1;01.06.2026;00:00;00:00;00:00;00:00;00:00;00:00",
                                 "Ми-8Т;RA-1;02.06.2026;01:25;01:25;02:00;02:00;03:25;03:25",
                                 "Ми-8Т;RA-1;02.06.2026;00:05;01:30;03:53;05:53;03:58;07:23",
                                 "Ми-8Т;RA-1;03.06.2026;00:00;01:30;00:00;05:53;00:00;07:23",
                                 "Ми-8Т;RA-1;04.06.2026;00:45;02:15;00:30;06:23;01:15;08:38",
                                 "Ми-8Т;RA-1;05.06.2026;00:00;02:15;00:00;06:23;00:00;08:38",
                                 ";;Итого:;;02:15;;06:23;;08:38"}));
}

// Three days without flights, and a stop date before the start.
TEST_F(OTiZ, EmptyDaysAndAReversedPeriod)
{
    EXPECT_EQ(statement("08.06.2026", "10.06.2026"),
              (QStringList{"Ми-8Т;RA-1;08.06.2026;00:00;00:00;00:00;00:00;00:00;00:00",
                           "Ми-8Т;RA-1;09.06.2026;00:00;00:00;00:00;00:00;00:00;00:00",
                           "Ми-8Т;RA-1;10.06.2026;00:00;00:00;00:00;00:00;00:00;00:00", ";;Итого:;;00:00;;00:00;;00:00"}));
    EXPECT_EQ(statement("05.06.2026", "01.06.2026"), QStringList{";;Итого:;;00:00;;00:00;;00:00"});
    EXPECT_EQ(statement("01.05.2026", "30.06.2026"), walk(QDate(2026, 5, 1), QDate(2026, 6, 30)));
}
