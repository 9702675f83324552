// `plan tune-reports` and `plan tune-sheets` run as the user runs them:
// what they print, their exit status and what they leave in the database.
#include "TuneFixture.h"

#include <QCoreApplication>
#include <QProcess>

using namespace tunetest;

namespace {

struct DriverCase {
    const char* name;
    QStringList args;
    int status;
    QString out;     // a text stdout contains
    QString err;     // a text stderr contains
    QStringList main; // the saved lines of Ми-8 / "Основные агрегаты" afterwards; empty: unchanged
    QStringList sheet; // the saved lines of "Сведения о ВС" afterwards; empty: unchanged
};

class TuneDriverTest : public TuneTest, public ::testing::WithParamInterface<DriverCase> {};

const QStringList kMain = {"1|Двигатели|Dvigatel|0|NULL|NULL|NULL|NULL", "2|Стартер|Agregat|2|Электро|3|NULL|NULL"};

} // namespace

TEST_P(TuneDriverTest, Runs)
{
    const DriverCase& c = GetParam();
    switchAll();
    const QStringList mainBefore = reportRows(), sheetBefore = docRows();
    ASSERT_EQ(mainBefore, kMain);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PLAN_USER_ROOT"), user);
    env.remove(QStringLiteral("PLAN_DB"));
    p.setProcessEnvironment(env);
    con->close();
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/plan"),
            QStringList{"--db", db, "--home", home} + c.args);
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput()), err = QString::fromUtf8(p.readAllStandardError());
    con->open(db);
    EXPECT_EQ(p.exitCode(), c.status) << err.toStdString();
    EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
    EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
    EXPECT_EQ(reportRows(), c.main.isEmpty() ? mainBefore : c.main);
    EXPECT_EQ(docRows(), c.sheet.isEmpty() ? sheetBefore : c.sheet);
}

INSTANTIATE_TEST_SUITE_P(
    Tune, TuneDriverTest,
    ::testing::Values(
        DriverCase{"List", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--list"}, 0,
                   "1\tДвигатели\tТВ3-117\t\t\t\t\tDvigatel\t0\n2\tСтартер\tСТГ-3\t\tЭлектро\t3\t\tAgregat\t2\n", "", {}, {}},
        DriverCase{"AddWithoutSaveWritesNothing", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--add", "Насос"}, 0,
                   "3\tНасос\tНШ-39\t\tГидро\t1\t\tAgregat\t3", "не сохранено", {}, {}},
        DriverCase{"AddAndSave", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--add", "Насос", "Воздушное судно", "--save"},
                   0, "сохранено строк: 4", "добавлено строк: 2",
                   kMain + QStringList{"3|Воздушное судно|Plane|0|NULL|NULL|NULL|NULL", "4|Насос|Agregat|3|Гидро|1|NULL|NULL"}, {}},
        DriverCase{"MoveAndSave", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--move", "2", "1", "--save"}, 0,
                   "сохранено строк: 2", "", {"1|Стартер|Agregat|2|Электро|3|NULL|NULL", "2|Двигатели|Dvigatel|0|NULL|NULL|NULL|NULL"}, {}},
        DriverCase{"DeleteOutOfRange", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--delete", "1", "3", "--save"}, 2,
                   "", "строки 3 нет: в документе строк: 2", {}, {}},
        DriverCase{"HiddenTypeUnknown", {"tune-reports", "--type", "Ми-8 Hide", "--document", kMainUnits, "--list"}, 2, "",
                   "типа ВС «Ми-8 Hide» нет", {}, {}},
        DriverCase{"DocumentSwitchedOff", {"tune-reports", "--type", "Ми-8", "--document", "Сертификация - «Отчет о контрольном полете ВС»",
                   "--list"}, 2, "", "документа «Сертификация - «Отчет о контрольном полете ВС»» нет", {}, {}},
        DriverCase{"UnknownCaption", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--add", "Насос", "Компас", "--save"}, 2, "",
                   "«Компас» нет в списке доступных для Ми-8", {}, {}},
        DriverCase{"TwoActions", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--list", "--repair"}, 2, "",
                   "--list и --repair вместе не указываются", {}, {}},
        DriverCase{"Repair", {"tune-reports", "--type", "Ми-8", "--document", kMainUnits, "--repair"}, 0, "Готово!", "", {}, {}},
        DriverCase{"SheetsDeleteAndSave", {"tune-sheets", "--document", "Сведения о ВС", "--delete", "1", "--save"}, 0, "сохранено строк: 1", "", {},
                   {"1|Генератор|ГС-18|Agregat|ГС-18"}},
        DriverCase{"SheetsNoRepair", {"tune-sheets", "--document", "Сведения о ВС", "--repair"}, 2, "", "неизвестный параметр «--repair»", {}, {}},
        DriverCase{"SheetsMoveOutOfRange", {"tune-sheets", "--document", "Сведения о ВС", "--move", "1", "5", "--save"}, 2, "",
                   "строки 5 нет", {}, {}},
        DriverCase{"SheetsComplexForecastAlwaysOffered",
                   {"tune-sheets", "--document", "Комплексный прогноз на замену агрегатов", "--add", "Воздушное судно", "Воздушное судно"}, 0,
                   "1\tВоздушное судно\tМи-8\tPlane\t0\n", "добавлено строк: 1", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
