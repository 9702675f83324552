// The extension-application lists and the noise-certificate source data on a
// small fleet: RA-1 (Ми-8, variant "т" in lower case, never overhauled) with
// two engines, an APU, six main-rotor blades, a tail rotor and units of the
// equipment list, RA-3 (Ан-2, an aeroplane whose type has no appendix title)
// with one engine, RA-2 (Ми-2) without a tuned list and without an APU.
// Today is 15.06.2026.
#include "applications/ProdlCommon.h"
#include "applications/TfrPlanUdoShumIshodInfo.h"
#include "applications/TfrPlanZaiavProdlAiREO.h"
#include "applications/TfrPlanZaiavProdlDublicat.h"
#include "applications/TfrPlanZaiavProdlOsnAgr.h"
#include "support/FrameFixture.h"

using namespace frametest;
using namespace plan::applications;
using plan::shell::RunStep;

namespace {

const QStringList kTables = {"EXPLUATANTY", "OBSHIE", "TIPOVYE_DANNYE_VS", "REESTR", "SPRAVKA", "DVIGATEL", "REDUCTOR",
                             "VSU", "LOPAST", "HVOSTOVOY_VINT", "VTULKA_NV", "AGREGAT", "SHLANG", "ETAAGREGAT",
                             "ETA_VTULKA_NV", "TUNE_REPORTS", "REPORT_PRODLENIE_OSN_AGREGATY", "REPORT_PRODLENIE_AIREO",
                             "REPORT_PRODLENIE_DUBLICAT", "REPORT_UDOSHUM_ISH_INF"};

QString blade(const char* serial, const char* made, const char* rotor = "Несущий")
{
    return QStringLiteral("INSERT INTO LOPAST (TIP_VS, TIP_VINTA, NAZVANIE, ZAVODSKOY_NOMER, GDE_STOIT, IZGOTOVLEN_DATA, "
                          "NARABOTKA_SNE, VSEGO_REMONTOV, DUBLICAT) VALUES ('Ми-8', '%3', '8АТ-2710-000', '%1', 'RA-1', "
                          "'%2', '500:00', 0, '0')")
        .arg(QString::fromUtf8(serial), QString::fromLatin1(made), QString::fromUtf8(rotor));
}

QString unit(const char* serial, const char* id, const char* place, const char* note = "", const char* dub = "0",
             int overhauls = 0)
{
    return QStringLiteral("INSERT INTO AGREGAT (TIP_VS, NAZVANIE, CHERT_NOMER, ZAVODSKOY_NOMER, IZGOTOVLEN_DATA, "
                          "VSEGO_REMONTOV, REMONT_DATA, REMONT_ZAVOD, SYSTEMA, MESTO_USTANOVKI, NARABOTKA_SNE, NARABOTKA_PPR, "
                          "DUBLICAT, ED_IZMERENIA, DATA_USTANOVKI, GDE_STOIT, ID_NAME, NEPRERYVNO) VALUES ('Ми-8', 'Агрегат', "
                          "'Ч-1', '%1', '2001-02-03', %6, '2020-05-06', 'АРЗ-1', '%4', '%3', '1200:00', '300:00', '%5', '0', "
                          "'2010-01-01', 'RA-1', '%2', 0)")
        .arg(QString::fromUtf8(serial), QString::fromLatin1(id), QString::fromUtf8(place), QString::fromUtf8(note),
             QString::fromLatin1(dub))
        .arg(overhauls);
}

QStringList fleet()
{
    return {
        "INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('E1', 'Авиакомпания', 0)",
        "INSERT INTO OBSHIE (EXPLUATANT, FIO_IAS, DOLGNOST_IAS, NACH_PDO, DOLGNOST_PDO, PHONE_PDO, EMAIL_PREDPRIATIE) "
        "VALUES ('E1', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', 'Начальник ПДО', '12-34', 'ias@avia.ru')",
        "INSERT INTO TIPOVYE_DANNYE_VS (KOD_VS, TIP_VS) VALUES (1, 'Ми-8')",
        "INSERT INTO TIPOVYE_DANNYE_VS (KOD_VS, TIP_VS) VALUES (1, 'Ми-2')",
        "INSERT INTO TIPOVYE_DANNYE_VS (KOD_VS, TIP_VS) VALUES (0, 'Ан-2')",
        "INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, DATA_IGOTOVLEN, NARABOTKA_SNE, "
        "NARABOTKA_PPR, VSEGO_REMONTOV, MEZHREM_CHASOV, MEZHREM_LET, MASSA_PUSTOGO) VALUES ('Ми-8', 'т', 'RA-1', '9876', "
        "'2000-06-20', '1000:00', '100:00', 0, 1500, '5.00', 7000)",
        "INSERT INTO REESTR (TIP_VS, VARIANT_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, REMONT_DATA, VSEGO_REMONTOV, "
        "MEZHREM_LET) VALUES ('Ми-2', 'П', 'RA-2', '555', '2024-06-01', 1, '6.00')",
        "INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, ZAVODSKOI_NOMER, NARABOTKA_SNE) VALUES ('Ан-2', 'RA-3', '1Г1', '9000:00')",
        "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, VSEGO_REMONTOV, "
        "NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, ODIN_DVA, DUBLICAT) VALUES ('Ми-8', 'ТВ2-117', 'E-1', '2005-01-15', 0, "
        "'1000:00', '', 'RA-1', '0', '1')",
        "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, IZGOTOVLEN_DATA, VSEGO_REMONTOV, REMONT_DATA, "
        "REMONT_ZAVOD, NARABOTKA_SNE, NARABOTKA_PPR, GDE_STOIT, ODIN_DVA, DUBLICAT) VALUES ('Ми-8', 'ТВ2-117', 'E-2', "
        "'2006-02-16', 1, '2024-06-01', 'ОАО 570 АРЗ', '2000:00', '200:00', 'RA-1', '1', '0')",
        "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_SNE, GDE_STOIT, ODIN_DVA) "
        "VALUES ('Ан-2', 'АШ-62ИР', 'M-1', '3000:00', 'RA-3', '0')",
        "INSERT INTO VSU (NAZVANIE, ZAVODSKOY_NOMER, TIP_VS, IZGOTOVLEN_DATA, MESTO_USTANOVKI, OBSHAIA_SNE, ZAPUSKI_SNE, "
        "VSEGO_REMONTOV) VALUES ('АИ-9В', 'A-1', 'Ми-8', '2015-01-01', 'RA-1', '300:00', 900, 0)",
        blade("L_6", "2011-01-06"), blade("L_2", "2011-01-02"), blade("L_4", "2011-01-04"), blade("L_1", "2011-01-01"),
        blade("L_5", "2011-01-05"), blade("L_3", "2011-01-03"), blade("T-1", "2012-02-01", "Хвостовой"),
        "INSERT INTO HVOSTOVOY_VINT (TIP_VS, NAZVANIE_VINT, ZAVODSKOY_NOMER, IZGOTOVLEN_DATA, GDE_STOIT) "
        "VALUES ('Ми-8', '246-3925-00', 'HV-1', '2013-03-01', 'RA-1')",
        "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8', 'ГА-1', 'Насос', 'Насос НШ', '7')",
        "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8', 'АГ-2', 'Гироагрегат', 'Гироагрегат', '8')",
        "INSERT INTO ETAAGREGAT (TIP_VS, CHERT_NOMER, NAZVANIE, NAME, ID_NAME) VALUES ('Ми-8', 'Р-3', 'Радиостанция', 'Радиостанция', '9')",
    };
}

QString tuned(const char* document, int line, const char* kind, const char* id = "0", const char* quantity = "1",
              const char* system = "", const char* combined = "", const char* places = "", const char* type = "Ми-8")
{
    return QStringLiteral("INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, "
                          "TIP_AGREGATA, ID_ETALON, KOL_VO_NA_VS, SYSTEMA, SVODNY_PASPORT, MESTA_USTANOVKI) VALUES ('%9', "
                          "'PRODLENIE', '%1', %2, 'Строка %2', '-', '%3', '%4', '%5', '%6', '%7', '%8')")
        .arg(QString::fromUtf8(document)).arg(line)
        .arg(QString::fromLatin1(kind), QString::fromLatin1(id), QString::fromLatin1(quantity), QString::fromUtf8(system),
             QString::fromUtf8(combined), QString::fromUtf8(places), QString::fromUtf8(type));
}

const char* const kOsn = "Основные агрегаты";
const char* const kReo = "Пилотажно-навигационные и АиРЭО";
const char* const kDub = "Агрегаты с дубликатами паспортов";
const char* const kShum = "Перечень исходной информации";
const QString kOsnQuery = QStringLiteral("SELECT * From REPORT_PRODLENIE_OSN_AGREGATY ORDER BY ID, NOMER_PP;");
const QString kReoQuery = QStringLiteral("SELECT * From REPORT_PRODLENIE_AIREO ORDER BY ID, NOMER_PP;");
const QString kDubQuery = QStringLiteral("SELECT * From REPORT_PRODLENIE_DUBLICAT ORDER BY NOMER_PP;");
const QString kShumQuery = QStringLiteral("Select * From REPORT_UDOSHUM_ISH_INF Order By ID;");

const QString thirdEngine = "INSERT INTO DVIGATEL (TIP_VS, NAZVANIE_DVIGATELYA, ZAVODSKOI_NOMER, NARABOTKA_SNE, GDE_STOIT, "
                            "ODIN_DVA) VALUES ('Ми-8', 'ТВ2-117', 'E-3', '10:00', 'RA-1', '2')";

struct DocCase {
    const char* name;
    QStringList extra; // rows beside the fleet
    const char* window;
    const char* item;
    const char* aircraft;
    QString query;
    int row; // 0-based row of the staging query
    int pos; // position in the row
    const char* expected;
};

class ExtensionDocumentTest : public FrameTest, public ::testing::WithParamInterface<DocCase> {};

TEST_P(ExtensionDocumentTest, WritesThePosition)
{
    const DocCase& c = GetParam();
    fill(kTables, fleet() + c.extra);
    const auto r = run(QString::fromLatin1(c.window), QString::fromUtf8(c.item), {select(c.aircraft)});
    ASSERT_EQ(r.status, 0) << r.errors.join('\n').toStdString();
    const QStringList rows = staging(c.query);
    if (c.row < 0) {
        EXPECT_TRUE(rows.isEmpty()) << rows.join('\n').toStdString();
        return;
    }
    ASSERT_GT(rows.size(), c.row) << rows.join('\n').toStdString();
    const QStringList cols = rows[c.row].split(QLatin1Char(';'));
    const QString got = cols.size() >= c.pos ? cols[c.pos - 1] : QString();
    EXPECT_EQ(got, QString::fromUtf8(c.expected)) << rows[c.row].toStdString();
}

const char* const P = "frmPlanZaiavProdl";
const char* const S = "frmPlanUdoShum";
const QString osnEngines = tuned(kOsn, 1, "Dvigatel");

INSTANTIATE_TEST_SUITE_P(
    Documents, ExtensionDocumentTest,
    ::testing::Values(
        // Main units: engine places by the count of engines on the board.
        DocCase{"TwoEnginesLeft", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 3, "ТВ2-117 (левый)"},
        DocCase{"TwoEnginesRight", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 3, "ТВ2-117 (правый)"},
        DocCase{"ThreeEnginesFirst", {osnEngines, thirdEngine}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 3, "ТВ2-117 (первый)"},
        DocCase{"ThreeEnginesSecond", {osnEngines, thirdEngine}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 3, "ТВ2-117 (второй)"},
        DocCase{"ThreeEnginesThird", {osnEngines, thirdEngine}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 2, 3, "ТВ2-117 (третий)"},
        DocCase{"ZeroOverhaulsCount", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 6, "-"},
        DocCase{"ZeroOverhaulsDate", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 7, "-"},
        DocCase{"ZeroOverhaulsPlant", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 8, "-"},
        DocCase{"ZeroOverhaulsSinceOverhaul", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 10, "-"},
        DocCase{"OverhauledPlant", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 8, "ОАО 570 АРЗ"},
        DocCase{"EveryEngineRowCaptioned", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 2, "Двигатели"},
        DocCase{"OverhauledSinceOverhaul", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 10, "200:00"},
        DocCase{"OperatorPrepared", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 13, "Начальник ПДО~Петров П.П."},
        DocCase{"OperatorPhone", {osnEngines}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 15, " тел.12-34"},
        // The aircraft line: appendix title, wording and heading by type.
        DocCase{"Mi8AppendixTitle", {tuned(kOsn, 1, "Plane")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 11,
                "Приложение № 1 к Программе ИП-Ми-8/2022"},
        DocCase{"Mi8HeadingWithVariant", {tuned(kOsn, 1, "Plane")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 12,
                "о вертолёте Ми-8т RA-1, его основных агрегатах и комплектующих изделиях."},
        DocCase{"OtherTypeNoAppendixTitle", {tuned(kOsn, 1, "Plane", "0", "1", "", "", "", "Ан-2")}, P, kOsn, "Ан-2 RA-3",
                kOsnQuery, 0, 11, ""},
        DocCase{"AeroplaneCaption", {tuned(kOsn, 1, "Plane", "0", "1", "", "", "", "Ан-2")}, P, kOsn, "Ан-2 RA-3",
                kOsnQuery, 0, 2, "Самолет"},
        DocCase{"AeroplaneHeading", {tuned(kOsn, 1, "Plane", "0", "1", "", "", "", "Ан-2")}, P, kOsn, "Ан-2 RA-3",
                kOsnQuery, 0, 12, "о самолете Ан-2 -RA-3, его основных агрегатах и комплектующих изделиях."},
        DocCase{"OneEngineIsLeft", {tuned(kOsn, 1, "Dvigatel", "0", "1", "", "", "", "Ан-2")}, P, kOsn, "Ан-2 RA-3",
                kOsnQuery, 0, 3, "АШ-62ИР (левый)"},
        DocCase{"BladeSerialBlanks", {tuned(kOsn, 1, "LopastNV")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 4, "L 6"},
        DocCase{"ApuTwoRowsStarts", {tuned(kOsn, 1, "VSU")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 1, 9, "900"},
        // Units by their standard row; a tuned unit the board lacks.
        DocCase{"UnitStandardName", {tuned(kOsn, 1, "Agregat", "7"), unit("N-1", "7", "", "нет")}, P, kOsn, "Ми-8 RA-1",
                kOsnQuery, 0, 2, "Насос НШ"},
        DocCase{"UnitNoteNetLeftOut", {tuned(kOsn, 1, "Agregat", "7"), unit("N-1", "7", "", "нет")}, P, kOsn, "Ми-8 RA-1",
                kOsnQuery, 0, 3, "ГА-1"},
        DocCase{"UnitNoteLowerCase", {tuned(kOsn, 1, "Agregat", "7"), unit("N-1", "7", "", "Левый")}, P, kOsn, "Ми-8 RA-1",
                kOsnQuery, 0, 3, "ГА-1 (левый)"},
        DocCase{"UnitStoredHours", {tuned(kOsn, 1, "Agregat", "7"), unit("N-1", "7", "")}, P, kOsn, "Ми-8 RA-1", kOsnQuery,
                0, 9, "1200:00"},
        DocCase{"MissingUnitNameOnly", {tuned(kOsn, 1, "Agregat", "9")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 2, "Радиостанция"},
        DocCase{"MissingUnitNoSerial", {tuned(kOsn, 1, "Agregat", "9")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 4, ""},
        DocCase{"MissingUnitOperatorTexts", {tuned(kOsn, 1, "Agregat", "9")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, 0, 14, "Петров П.П."},
        DocCase{"MissingUnitQuantityZeroNoRow", {tuned(kOsn, 1, "Agregat", "9", "0")}, P, kOsn, "Ми-8 RA-1", kOsnQuery, -1, 0, ""},
        // Equipment: a combined passport on two positions, each unit its row.
        DocCase{"CombinedSystemRow",
                {tuned(kReo, 1, "Agregat", "8", "2", "Навигация", "Сводный", "Первый;Второй;"), unit("G-1", "8", "Первый"),
                 unit("G-2", "8", "Второй"), unit("G-3", "8", "Третий")},
                P, kReo, "Ми-8 RA-1", kReoQuery, 0, 2, "Навигация"},
        DocCase{"CombinedFirstPosition",
                {tuned(kReo, 1, "Agregat", "8", "2", "Навигация", "Сводный", "Первый;Второй;"), unit("G-1", "8", "Первый"),
                 unit("G-2", "8", "Второй"), unit("G-3", "8", "Третий")},
                P, kReo, "Ми-8 RA-1", kReoQuery, 1, 3, "G-1"},
        DocCase{"CombinedSecondPosition",
                {tuned(kReo, 1, "Agregat", "8", "2", "Навигация", "Сводный", "Первый;Второй;"), unit("G-1", "8", "Первый"),
                 unit("G-2", "8", "Второй"), unit("G-3", "8", "Третий")},
                P, kReo, "Ми-8 RA-1", kReoQuery, 2, 2, "Строка 1 (сводный паспорт)"},
        DocCase{"CombinedThirdPositionNotListed",
                {tuned(kReo, 1, "Agregat", "8", "2", "Навигация", "Сводный", "Первый;Второй;"), unit("G-1", "8", "Первый"),
                 unit("G-2", "8", "Второй"), unit("G-3", "8", "Третий"), tuned(kReo, 2, "Agregat", "9", "1", "Связь")},
                P, kReo, "Ми-8 RA-1", kReoQuery, 3, 2, "Связь"},
        DocCase{"EquipmentMissingNameOnly", {tuned(kReo, 1, "Agregat", "9", "1", "Связь")}, P, kReo, "Ми-8 RA-1", kReoQuery, 1, 2,
                "Строка 1"},
        DocCase{"EquipmentZeroOverhaulsDash", {tuned(kReo, 1, "Agregat", "8", "1", "Навигация"), unit("G-1", "8", "")}, P, kReo,
                "Ми-8 RA-1", kReoQuery, 1, 5, "-"},
        DocCase{"EquipmentOverhaulDate", {tuned(kReo, 1, "Agregat", "8", "1", "Навигация"), unit("G-1", "8", "", "", "0", 2)}, P,
                kReo, "Ми-8 RA-1", kReoQuery, 1, 5, "06.05.2020"},
        DocCase{"EquipmentOperatorPost", {tuned(kReo, 1, "Agregat", "8", "1", "Навигация"), unit("G-1", "8", "")}, P, kReo,
                "Ми-8 RA-1", kReoQuery, 1, 14, "Начальник ПДО"},
        DocCase{"EquipmentOperatorPhone", {tuned(kReo, 1, "Agregat", "8", "1", "Навигация"), unit("G-1", "8", "")}, P, kReo,
                "Ми-8 RA-1", kReoQuery, 1, 13, " тел.12-34"},
        DocCase{"EquipmentAppendixTitle", {tuned(kReo, 1, "Agregat", "8", "1", "Навигация"), unit("G-1", "8", "")}, P, kReo,
                "Ми-8 RA-1", kReoQuery, 1, 10, "Приложение № 2 к Программе ИП-Ми-8/2022"},
        // Duplicates: only the records marked '1'.
        DocCase{"DuplicateEngineOnly", {tuned(kDub, 1, "Dvigatel")}, P, kDub, "Ми-8 RA-1", kDubQuery, 0, 3, "E-1"},
        DocCase{"DuplicateReason", {tuned(kDub, 1, "Dvigatel")}, P, kDub, "Ми-8 RA-1", kDubQuery, 0, 10, "пришел в негодность"},
        DocCase{"DuplicateBulletinMi8", {tuned(kDub, 1, "Dvigatel")}, P, kDub, "Ми-8 RA-1", kDubQuery, 0, 15,
                "(из перечня приложения к бюллетеню № М3613-БЭ-Г)"},
        DocCase{"DuplicateAircraftHeading", {tuned(kDub, 1, "Dvigatel")}, P, kDub, "Ми-8 RA-1", kDubQuery, 0, 14,
                "Ми-8 RA-1 заводской № 9876"},
        DocCase{"DuplicateUnitSecondAfterEngine",
                {tuned(kDub, 1, "Dvigatel"), tuned(kDub, 2, "Agregat", "7"), unit("N-1", "7", "", "", "1"), unit("N-2", "7", "")},
                P, kDub, "Ми-8 RA-1", kDubQuery, 1, 3, "N-1"},
        DocCase{"DuplicateNoneNoRows", {tuned(kDub, 1, "Reductor")}, P, kDub, "Ми-8 RA-1", kDubQuery, -1, 0, ""},
        // Noise-certificate source data.
        DocCase{"LowerCaseTransport", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 2, "транспортное"},
        DocCase{"LowerCaseCargo", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 6, "грузовое"},
        DocCase{"PassengerNotTransport", {}, S, kShum, "Ми-2 RA-2", kShumQuery, 0, 2, ""},
        DocCase{"NeverOverhauledNoDate", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 8, ""},
        DocCase{"OverhauledDate", {}, S, kShum, "Ми-2 RA-2", kShumQuery, 0, 8, "01.06.2024г."},
        DocCase{"CalendarLeft", {}, S, kShum, "Ми-2 RA-2", kShumQuery, 0, 10, "4л. 0м."},
        DocCase{"Mass", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 7, "7000кг."},
        // Hours left to overhaul: 1500 h less the time since overhaul, the
        // remainder's last character removed (tens of minutes remain).
        DocCase{"HoursLeftLastCharacterRemoved", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 9, "1400:0"},
        DocCase{"HoursLeftTensOfMinutes", {"UPDATE REESTR SET NARABOTKA_PPR='99:25' WHERE BORTOVOI_NOMER='RA-1'"}, S,
                kShum, "Ми-8 RA-1", kShumQuery, 0, 9, "1400:3"},
        DocCase{"HoursLeftWithoutLimit", {}, S, kShum, "Ми-2 RA-2", kShumQuery, 0, 9, ""},
        DocCase{"MadeLongDate", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 5, "20.06.2000г."},
        DocCase{"SecondEngineSerial", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 15, "E-2"},
        DocCase{"FirstBladeBySerial", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 21, "L 1"},
        DocCase{"FifthBladeLast", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 29, "L 5"},
        DocCase{"FifthBladeDate", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 30, "05.01.2011г."},
        DocCase{"SixthBladeLeftOut", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 31, "246-3925-00"},
        DocCase{"TailBlade", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 35, "T-1"},
        DocCase{"Apu", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 17, "АИ-9В"},
        DocCase{"NoiseOperatorPhone", {}, S, kShum, "Ми-8 RA-1", kShumQuery, 0, 40, "12-34"}),
    [](const auto& info) { return std::string(info.param.name); });

// What stops a document: the message, and the staging table as it was.
struct StopCase {
    const char* name;
    QStringList extra;
    const char* window;
    const char* item;
    const char* aircraft;
    QString table;
    const char* message; // its parts, "|"-separated
};

class ExtensionStopTest : public FrameTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ExtensionStopTest, ShowsTheMessageAndTouchesNothing)
{
    const StopCase& c = GetParam();
    fill(kTables, fleet() + c.extra +
                      QStringList{QStringLiteral("INSERT INTO %1 (C2) VALUES ('прежняя строка')").arg(c.table)});
    const auto r = run(QString::fromLatin1(c.window), QString::fromUtf8(c.item), {select(c.aircraft)});
    EXPECT_EQ(r.status, 1);
    ASSERT_FALSE(r.errors.isEmpty());
    for (const QString& part : QString::fromUtf8(c.message).split(QLatin1Char('|')))
        EXPECT_TRUE(r.errors.join('\n').contains(part)) << r.errors.join('\n').toStdString() << " / " << part.toStdString();
    EXPECT_TRUE(r.html.isEmpty());
    const QStringList rows = staging(QStringLiteral("Select * From %1 Order By ID;").arg(c.table));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].contains(QStringLiteral("прежняя строка")));
}

const char* const kNoList = "Перечень оборудования для типа ВС Ми-2 не найден, продолжение не возможно.";

INSTANTIATE_TEST_SUITE_P(
    Stops, ExtensionStopTest,
    ::testing::Values(
        StopCase{"NoListMainUnits", {}, P, kOsn, "Ми-2 RA-2", "REPORT_PRODLENIE_OSN_AGREGATY", kNoList},
        StopCase{"NoListEquipment", {}, P, kReo, "Ми-2 RA-2", "REPORT_PRODLENIE_AIREO", kNoList},
        StopCase{"NoListDuplicates", {}, P, kDub, "Ми-2 RA-2", "REPORT_PRODLENIE_DUBLICAT", kNoList},
        StopCase{"OtherDocumentsListDoesNotCount", {tuned(kOsn, 1, "Dvigatel", "0", "1", "", "", "", "Ми-2")}, P, kDub,
                 "Ми-2 RA-2", "REPORT_PRODLENIE_DUBLICAT", kNoList},
        StopCase{"BadUnitRunningTime",
                 {tuned(kOsn, 1, "Agregat", "7"), unit("N-1", "7", ""),
                  "UPDATE AGREGAT SET NEPRERYVNO=1, NARABOTKA_SNE='1200-00' WHERE ZAVODSKOY_NOMER='N-1'"},
                 P, kOsn, "Ми-8 RA-1", "REPORT_PRODLENIE_OSN_AGREGATY", "RA-1|N-1|NARABOTKA_SNE|\"1200-00\""},
        StopCase{"LimitWithoutPoint", {"UPDATE REESTR SET MEZHREM_LET='5,06' WHERE BORTOVOI_NOMER='RA-2'"}, S, kShum,
                 "Ми-2 RA-2", "REPORT_UDOSHUM_ISH_INF", "RA-2|MEZHREM_LET|\"5,06\""},
        StopCase{"LimitWithLetters", {"UPDATE REESTR SET MEZHREM_LET='6 лет' WHERE BORTOVOI_NOMER='RA-2'"}, S, kShum,
                 "Ми-2 RA-2", "REPORT_UDOSHUM_ISH_INF", "RA-2|MEZHREM_LET|\"6 лет\""}),
    [](const auto& info) { return std::string(info.param.name); });

class NoiseTemplateTest : public FrameTest {};

// The template follows the APU: the form without an APU line when the
// aircraft has none.
TEST_F(NoiseTemplateTest, ChosenByTheApu)
{
    fill(kTables, fleet());
    const auto with = run(QString::fromLatin1(S), QString::fromUtf8(kShum), {select("Ми-8 RA-1")});
    ASSERT_EQ(with.status, 0) << with.errors.join('\n').toStdString();
    ASSERT_FALSE(with.html.isEmpty());
    EXPECT_TRUE(with.html.join(' ').contains(QStringLiteral("ВСУ: тип")));
    const auto without = run(QString::fromLatin1(S), QString::fromUtf8(kShum), {select("Ми-2 RA-2")});
    ASSERT_EQ(without.status, 0) << without.errors.join('\n').toStdString();
    ASSERT_FALSE(without.html.isEmpty());
    EXPECT_FALSE(without.html.join(' ').contains(QStringLiteral("ВСУ: тип")));
    EXPECT_TRUE(without.html.join(' ').contains(QStringLiteral("(без ВСУ)")));
}

TEST(ExtensionTexts, AppendixTitlesPlacesAndNotes)
{
    struct Case {
        const char* type;
        bool equipment;
        const char* title;
        const char* note;
    } cases[] = {
        {"Ми-8", false, "Приложение № 1 к Программе ИП-Ми-8/2022", "(из перечня приложения к бюллетеню № М3613-БЭ-Г)"},
        {"Ми-8", true, "Приложение № 2 к Программе ИП-Ми-8/2022", "(из перечня приложения к бюллетеню № М3613-БЭ-Г)"},
        {"Ми-8АМТ", false, "Приложение № 1 к Программе ИП-МТВ/АМТ-2022", "(из перечня приложения к бюллетеню № М2775-БЭ-Г)"},
        {"Ми-8МТВ-1", true, "Приложение № 2 к Программе «ИП-МТВ/АМТ-2022»", "(из перечня приложения к бюллетеню № М2775-БЭ-Г)"},
        {"Ми-8Т", false, "", ""}, // exact names only
        {"ми-8", true, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(appendixTitle(QString::fromUtf8(c.type), c.equipment), QString::fromUtf8(c.title)) << c.type;
        EXPECT_EQ(bulletinNote(QString::fromUtf8(c.type)), QString::fromUtf8(c.note)) << c.type;
    }
    EXPECT_EQ(enginePlace("5", 2), " (правый)");
    EXPECT_EQ(enginePlace("0", 1), " (левый)");
    EXPECT_EQ(installPlaces("Первый;Второй;"), (QStringList{"Первый", "Второй"}));
    EXPECT_EQ(installPlaces(" Первый ; ;"), QStringList{"Первый"});
    EXPECT_TRUE(installPlaces("").isEmpty());
}

} // namespace
