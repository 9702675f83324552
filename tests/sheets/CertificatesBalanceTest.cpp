// The certificate expiry sheet and the weight and balance sheet as the
// planning office makes them, read back by position from their staging
// tables. Today is 15.06.2026.
#include "support/FrameFixture.h"

#include "sheets/TfrPlanSprVesTcentr.h"

#include <QVariant>

using namespace frametest;

namespace {

const QString kWindow = QStringLiteral("frmPlanSpravka");

// One register row: board, state, airworthiness and noise expiry dates
// (nullptr: none), balance figure (nullptr: empty).
QString aircraft(const char* type, const char* board, int state, const char* slg, const char* noise,
                 const char* balance = nullptr)
{
    const auto quoted = [](const char* v) { return v ? QStringLiteral("'%1'").arg(QString::fromUtf8(v)) : QStringLiteral("NULL"); };
    return QStringLiteral("INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, STATUS_TO, SERTIFIKAT_LG, DATA_UDOSNOVERENIE_DO, "
                          "UDOST_SHUM, DATA_DO_UDO_SHUM, CENTROVKA_PUSTOGO, CENTROVKA_MAX) VALUES ('%1', '%2', %3, 'С-%2', "
                          "%4, 'Ш-%2', %5, '+0.15', %6)")
        .arg(QString::fromUtf8(type), QString::fromUtf8(board))
        .arg(state)
        .arg(quoted(slg), quoted(noise), balance ? QString::fromUtf8(balance) : QStringLiteral("NULL"));
}

const QStringList kTables = {"TIPOVYE_DANNYE_VS", "REESTR", "SOBSTVENNIKI", "OBSHIE"};

QStringList fleet()
{
    return {"INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8Т')",
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-26')",
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-2 HIDE')",
            "INSERT INTO SOBSTVENNIKI (ID_NAME, NAME, HIDE) VALUES ('7', 'ГТЛК', 0)",
            "INSERT INTO OBSHIE (VLADELETS, DOLGNOST_PDO, NACH_PDO, PHONE_PDO) VALUES ('7', 'Начальник ПДО', 'Петров П.П.', '22-33')",
            // Five airworthiness dates (RA-1 in state 11 with the earliest),
            // seven noise dates; RA-8 has neither; the hidden type is left out.
            aircraft("Ми-8Т", "RA-1", 11, "2026-01-01", "2026-01-01", "0.0125"),
            aircraft("Ми-8Т", "RA-2", 0, "2026-03-10", "2026-05-01", "-0.004"),
            aircraft("Ка-26", "RA-3", 1, "2026-07-01", "2026-04-01", "0"),
            aircraft("Ка-26", "RA-4", 0, "2026-02-01", "2026-06-01"),
            aircraft("Ми-8Т", "RA-5", 0, "2027-01-01", "2026-09-01", "0.00004"),
            aircraft("Ми-8Т", "RA-6", 0, nullptr, "2026-02-15", "-0.00001"),
            aircraft("Ми-8Т", "RA-7", 0, nullptr, "2026-03-15"),
            aircraft("Ми-8Т", "RA-8", 0, nullptr, nullptr),
            aircraft("Ми-2 HIDE", "RA-0", 0, "2025-01-01", "2025-01-01")};
}

class Sheets : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        fill(kTables, fleet());
    }
    std::vector<QStringList> rows(const QString& item, const QString& query, std::vector<plan::shell::RunStep> steps)
    {
        const plan::shell::RunResult r = run(kWindow, item, steps);
        EXPECT_EQ(r.status, 0) << r.errors.join(QLatin1Char('\n')).toStdString();
        std::vector<QStringList> out;
        for (const QString& row : staging(query, 13)) out.push_back(QStringList{QString()} + row.split(QLatin1Char(';')));
        return out;
    }
};

} // namespace

// Two lists side by side: 5 airworthiness and 7 noise dates give 7 rows,
// rows 6 and 7 without the first list; state 11 comes last whatever its
// date; 10 March 2026 less 40 days is 29 January (28 days in February: 10
// back to 28 February, 28 more to 31 January, 2 more).
TEST_F(Sheets, CertificateListsSideBySide)
{
    const auto r = rows(QStringLiteral("СЛГ и удостоверения по шуму"),
                        QStringLiteral("Select * From REPORT_DATE_SLG_I_SHUM Order By ID;"),
                        {set("cboSobst", "ГТЛК"), set("picDate", "01.06.2026")});
    ASSERT_EQ(r.size(), 7u);
    QStringList slg, noise;
    for (const QStringList& row : r) {
        slg << row.mid(1, 6).join(QLatin1Char('|'));
        noise << row.mid(7, 6).join(QLatin1Char('|'));
        EXPECT_EQ(row.value(13), QStringLiteral("ГТЛК  01.06.2026"));
    }
    const QStringList expectedSlg = {
        "Ка-26|RA-4|С-RA-4|01.02.2026|23.12.2025|0", "Ми-8Т|RA-2|С-RA-2|10.03.2026|29.01.2026|0",
        "Ка-26|RA-3|С-RA-3|01.07.2026|22.05.2026|1", "Ми-8Т|RA-5|С-RA-5|01.01.2027|22.11.2026|0",
        "Ми-8Т|RA-1|С-RA-1|01.01.2026|22.11.2025|11", "|||||", "|||||"};
    const QStringList expectedNoise = {
        "Ми-8Т|RA-6|Ш-RA-6|15.02.2026|06.01.2026|0", "Ми-8Т|RA-7|Ш-RA-7|15.03.2026|03.02.2026|0",
        "Ка-26|RA-3|Ш-RA-3|01.04.2026|20.02.2026|1", "Ми-8Т|RA-2|Ш-RA-2|01.05.2026|22.03.2026|0",
        "Ка-26|RA-4|Ш-RA-4|01.06.2026|22.04.2026|0", "Ми-8Т|RA-5|Ш-RA-5|01.09.2026|23.07.2026|0",
        "Ми-8Т|RA-1|Ш-RA-1|01.01.2026|22.11.2025|11"};
    EXPECT_EQ(slg, expectedSlg);
    EXPECT_EQ(noise, expectedNoise);
}

TEST(VesTcentrRules, BalanceFigure)
{
    struct Case { QVariant value; const char* shown; };
    for (const Case& c : {Case{0.0125, "+12.5"}, Case{-0.004, "-4.0"}, Case{0.0, "0.0"}, Case{QVariant(), "!"},
                          Case{0.00004, "0.0"}, Case{-0.00001, "0.0"}, Case{0.1234, "+123.4"}, Case{QStringLiteral(""), "!"}})
        EXPECT_EQ(plan::sheets::balanceText(c.value), QString::fromUtf8(c.shown)) << c.value.toString().toStdString();
}

// One row per visible aircraft by type and board; the owner's details; an
// owner not in the list leaves only the fixed texts.
TEST_F(Sheets, WeightAndBalanceRows)
{
    const QString query = QStringLiteral("Select * From REPORT_VES_TCENTROVKA Order By ID;");
    auto r = rows(QStringLiteral("Справка в ЛО (вес и центровка)"), query,
                  {set("cboSobst", "ГТЛК"), set("picDate", "01.06.2026")});
    QStringList shown;
    for (const QStringList& row : r) shown << row.mid(1, 4).join(QLatin1Char('|'));
    EXPECT_EQ(shown, (QStringList{"Ка-26|RA-3|+0.15|0.0", "Ка-26|RA-4|+0.15|!", "Ми-8Т|RA-1|+0.15|+12.5",
                                  "Ми-8Т|RA-2|+0.15|-4.0", "Ми-8Т|RA-5|+0.15|0.0", "Ми-8Т|RA-6|+0.15|0.0",
                                  "Ми-8Т|RA-7|+0.15|!", "Ми-8Т|RA-8|+0.15|!"}));
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0].mid(5, 4), (QStringList{"01.06.2026г.", "ГТЛК", "Начальник ПДО~Петров П.П.", "Исп. Петров П.П.  тел.22-33"}));

    fill({"SOBSTVENNIKI"}, {});
    r = rows(QStringLiteral("Справка в ЛО (вес и центровка)"), query, {});
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r[0].value(7), QStringLiteral("~"));
    EXPECT_EQ(r[0].value(8), QStringLiteral("Исп.   тел."));
}
