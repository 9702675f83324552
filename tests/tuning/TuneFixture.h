#pragma once
// A small maintenance database for the tuning editors: a few types (two of
// them with "hide" in the name, one at the start), their standard lists and
// saved lines of TUNE_REPORTS and TUNE_DOCS; a fresh installation and user
// settings folder for every test.
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "shell/StartPlan.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\n  " << l.join(QStringLiteral("\n  ")).toStdString() << "\n}"; }

namespace tunetest {

inline const QString kMainUnits = QStringLiteral("Продление - «Основные агрегаты»");
inline const QString kActItem = QStringLiteral("Сертификация - «Акт оценки тех.состояния ВС»");

class TuneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db = plantest::createSchemaDatabase(QStringLiteral("tune"));
        con = plantest::connect(db);
        con->executeScript(QString::fromUtf8(
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8');\n"
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ка-32');\n"
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('Ми-8 Hide');\n"
            "INSERT INTO TIPOVYE_DANNYE_VS (TIP_VS) VALUES ('hide Ан-2');\n"
            "INSERT INTO ETAPLANER (TIP_VS) VALUES ('Ми-8');\n"
            "INSERT INTO ETAPLANER (TIP_VS) VALUES ('Ка-32');\n"
            "INSERT INTO ETADVIG (TIP_VS, NAZVANIE_DVIGATELIA) VALUES ('Ми-8', 'ТВ3-117');\n"
            "INSERT INTO ETADVIG (TIP_VS, NAZVANIE_DVIGATELIA) VALUES ('Ка-32', 'ТВ3-117');\n"
            "INSERT INTO ETADVIG (TIP_VS, NAZVANIE_DVIGATELIA) VALUES ('Ка-32', 'ТВ3-117ВМА');\n"
            "INSERT INTO ETADVIG (TIP_VS, NAZVANIE_DVIGATELIA) VALUES ('hide Ан-2', 'АШ-62');\n"
            "INSERT INTO ETADVIG (TIP_VS, NAZVANIE_DVIGATELIA) VALUES ('Ми-8 Hide', 'ГТД-350');\n"
            "INSERT INTO ETAREDUCTOR (TIP_VS, NAZVANIE_REDUCTORA) VALUES ('Ми-8', 'ВР-14');\n"
            "INSERT INTO ETA_VTULKA_NV (ID, TIP_VS, CHERT_NOMER) VALUES (1, 'Ми-8', '8-1930');\n"
            "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, NAZVANIE, CHERT_NOMER, SYSTEMA) VALUES "
            "('Ми-8', '1', 'Генератор', 'Генератор', 'ГС-18', 'Электро');\n"
            "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, NAZVANIE, CHERT_NOMER, SYSTEMA, KOL_VO) VALUES "
            "('Ми-8', '2', 'Стартер', 'Стартер', 'СТГ-3', 'Электро', 2);\n"
            "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, NAZVANIE, CHERT_NOMER, SYSTEMA, KOL_VO) VALUES "
            "('Ми-8', '3', 'Насос', 'Насос', 'НШ-39', 'Гидро', 0);\n"
            "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, NAZVANIE, CHERT_NOMER, KOL_VO, MESTO_USTANOVKI) VALUES "
            "('Ми-8', '4', 'Фара', 'Фара', 'ФПП-7', 7, 'Левая;Правая;');\n"
            "INSERT INTO ETAAGREGAT (TIP_VS, ID_NAME, NAME, NAZVANIE, CHERT_NOMER) VALUES ('Ка-32', '9', 'Фара', 'Фара', 'ФПП-7');\n"
            "INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON, SYSTEMA, KOL_VO_NA_VS) "
            "VALUES ('Ми-8', 'PRODLENIE', 'Основные агрегаты', 2, 'Стартер', 'СТГ-3', 'Agregat', '2', 'Электро', '3');\n"
            "INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON) "
            "VALUES ('Ми-8', 'PRODLENIE', 'Основные агрегаты', 1, 'Двигатели', 'ТВ3-117', 'Dvigatel', '0');\n"
            "INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON) "
            "VALUES ('Ка-32', 'PRODLENIE', 'Основные агрегаты', 1, 'Двигатели', 'ТВ3-117', 'Dvigatel', '0');\n"
            "INSERT INTO TUNE_REPORTS (TIP_VS, TIP_REPORT, NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON) "
            "VALUES ('Ми-8', 'SLG', 'Акт оценки тех.состояния ВС', 1, 'Двигатели', 'ТВ3-117', 'Dvigatel', '0');\n"
            "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON) "
            "VALUES ('Сведения о ВС', 1, 'Двигатели', 'ТВ3-117', 'Dvigatel', '0');\n"
            "INSERT INTO TUNE_DOCS (NAME_REPORT, NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON) "
            "VALUES ('Сведения о ВС', 2, 'Генератор', 'ГС-18', 'Agregat', 'ГС-18');\n"));
        plan::Connection::setDefaultTarget(db);

        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base = plantest::scratchDir() + QLatin1Char('/') + QString::fromLatin1(info->test_suite_name()) + QLatin1Char('-') +
               QString::fromLatin1(info->name()).replace(QLatin1Char('/'), QLatin1Char('_'));
        QDir(base).removeRecursively();
        home = base + QStringLiteral("/home");
        user = base + QStringLiteral("/user");
        QDir().mkpath(home);
        QDir().mkpath(user);
        plan::Paths::setHome(home);
        plan::Paths::setUserRoot(user);
        plan::MessageService::setHeadless(true);
        plan::MessageService::setHeadlessAnswer(true);
        plan::MessageService::clear();
    }

    void TearDown() override
    {
        for (const auto& w : plan::shell::moduleWindows()) delete plan::shell::moduleWindow(w.key);
        plan::MessageService::clear();
    }

    void switchOn(const QString& text) const { plantest::writeFile(home + QStringLiteral("/reports.ini"), text); }
    void switchAll() const
    {
        switchOn(QStringLiteral("[PRODLENIE]\nОсновные агрегаты=1\n[SLG]\nАкт оценки тех.состояния ВС=1\n"
                                "[PLAN_SPRAVKA]\nСведения о ВС=1\n"));
    }

    // The rows of a query, each as its columns joined by "|".
    QStringList rows(const QString& sql) const
    {
        plan::Dataset ds(con.get());
        ds.setCommandText(sql);
        ds.open();
        QStringList out;
        for (; !ds.eof(); ds.next()) {
            QStringList cells;
            for (int i = 0; i < ds.fieldCount(); ++i) cells << (ds.field(i).isNull() ? QStringLiteral("NULL") : ds.str(i));
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    QStringList reportRows(const QString& type = QStringLiteral("Ми-8")) const
    {
        return rows(QStringLiteral("Select NUMBER_LINE, NAZVANIE, TIP_AGREGATA, ID_ETALON, SYSTEMA, KOL_VO_NA_VS, MESTA_USTANOVKI, "
                                   "SVODNY_PASPORT From TUNE_REPORTS Where TIP_VS='%1' And TIP_REPORT='PRODLENIE' "
                                   "And NAME_REPORT='Основные агрегаты' Order By NUMBER_LINE, ID")
                        .arg(type));
    }
    QStringList docRows(const QString& sheet = QStringLiteral("Сведения о ВС")) const
    {
        return rows(QStringLiteral("Select NUMBER_LINE, NAZVANIE, CHERT_NOMER, TIP_AGREGATA, ID_ETALON From TUNE_DOCS "
                                   "Where NAME_REPORT='%1' Order By NUMBER_LINE, ID")
                        .arg(sheet));
    }

    QString db, base, home, user;
    std::unique_ptr<plan::Connection> con;
};

} // namespace tunetest
