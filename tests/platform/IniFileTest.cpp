#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>
#include <gtest/gtest.h>

using plan::IniFile;

namespace {
QString iniPath(const char* name) { return plantest::scratchDir() + QStringLiteral("/ini/") + QString::fromUtf8(name); }

QString readAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(IniFile, ReadsWithoutRegardToCaseAndSkipsMalformedLines)
{
    const QString path = iniPath("read.ini");
    // Saved by a Windows editor: a byte-order mark before the first section.
    plantest::writeFile(path, QString(QChar(0xFEFF)) + QStringLiteral(
        "[PLAN_REPORT]\n"
        "Форма 8-ОАСУ=1\n"
        "this line is malformed\n"
        "Состояние парка ВС = 0\n"
        "[main]\n"
        "SCALE=1,5\n"
        "Count=12\n"
        "Bad=12x\n"
        "[Пустой\n"
        "Orphan=1\n"));
    IniFile ini(path);
    struct Case { const char* section; const char* key; bool expected; };
    const Case bools[] = {
        {"plan_report", "форма 8-оасу", true},   // Cyrillic key, other case
        {"PLAN_REPORT", "СОСТОЯНИЕ ПАРКА ВС", false},
        {"PLAN_REPORT", "this line is malformed", false}, // not a key: default
        {"PLAN_REPORT", "Отсутствует", false},
    };
    for (const auto& c : bools)
        EXPECT_EQ(ini.readBool(QString::fromUtf8(c.section), QString::fromUtf8(c.key), false), c.expected) << c.key;
    EXPECT_DOUBLE_EQ(ini.readFloat("MAIN", "scale", 1.0), 1.5);
    EXPECT_EQ(ini.readInteger("Main", "COUNT", 0), 12);
    EXPECT_EQ(ini.readInteger("Main", "Bad", 7), 7);
    EXPECT_EQ(ini.readInteger("Main", "Missing", 730), 730);
    // A key after a broken section header belongs to no section.
    EXPECT_FALSE(ini.valueExists("Пустой", "Orphan"));
    EXPECT_FALSE(ini.valueExists("MAIN", "Orphan"));
}

TEST(IniFile, MissingFileGivesDefaultsAndWritesAreSavedAtOnce)
{
    const QString path = iniPath("sub/new.ini");
    QFile::remove(path);
    IniFile ini(path);
    EXPECT_EQ(ini.readString("APPLICATION", "INIFILE", "DerOvorav.ini"), QStringLiteral("DerOvorav.ini"));
    EXPECT_FALSE(QFile::exists(path));

    ini.writeInteger("frmPlanPrognoz", "Heidht", 730);
    ini.writeBool("frmPlanPrognoz", "MAXIMIZED", false);
    ini.writeBool("frmplanprognoz", "Maximized", true); // same key, other case: replaced
    ini.writeString("Сведения", "Ключ", "Значение");
    ASSERT_TRUE(QFile::exists(path));

    IniFile again(path);
    EXPECT_EQ(again.readInteger("FRMPLANPROGNOZ", "heidht", 0), 730);
    EXPECT_TRUE(again.readBool("frmPlanPrognoz", "MAXIMIZED", false));
    EXPECT_EQ(again.readString("сведения", "ключ"), QStringLiteral("Значение"));
    const QString text = readAll(path);
    EXPECT_TRUE(text.contains("MAXIMIZED=1\n")) << text.toStdString();
    EXPECT_EQ(text.count("MAXIMIZED", Qt::CaseInsensitive), 1);
    again.writeBool("frmPlanPrognoz", "MAXIMIZED", false);
    EXPECT_TRUE(readAll(path).contains("MAXIMIZED=0\n"));
}

// A full disk while saving: the write fails, the old settings stay whole and
// the error says so. The disk is filled by a limit on the size of the files
// this process may write, so that the failure comes from the system itself.
TEST(IniFile, FullDiskLeavesTheOldSettingsIntact)
{
    const QString path = iniPath("full.ini");
    plantest::writeFile(path, QStringLiteral("[frmPlanPrognoz]\nHeidht=730\nWidth=1240\n"));
    const QString before = readAll(path);
    IniFile ini(path);
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    QString message;
    try {
        ini.writeString(QStringLiteral("MAIN"), QStringLiteral("BIG"), QString(20000, QLatin1Char('x')));
    } catch (const std::runtime_error& e) {
        threw = true;
        message = QString::fromUtf8(e.what());
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_TRUE(threw);
    EXPECT_TRUE(message.contains(QStringLiteral("Не удалось сохранить файл настроек"))) << message.toStdString();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(IniFile(path).readInteger(QStringLiteral("frmPlanPrognoz"), QStringLiteral("Heidht"), 0), 730);
    // With room on the disk the same write goes through.
    ini.writeString(QStringLiteral("MAIN"), QStringLiteral("BIG"), QStringLiteral("small"));
    EXPECT_EQ(IniFile(path).readString(QStringLiteral("MAIN"), QStringLiteral("BIG")), QStringLiteral("small"));
}

// Reading is linear in the size: 20,000 keys (once 48 s) are read at once,
// and the same contents opened again are not parsed again; a changed file is.
TEST(IniFile, LargeFilesReadInLinearTime)
{
    const QString path = iniPath("large.ini");
    QString text = QStringLiteral("[PLAN_PROGNOZ]\n");
    for (int i = 0; i < 20000; ++i) text += QStringLiteral("Отчет %1=%2\n").arg(i).arg(i % 2);
    text += QStringLiteral("[MAIN]\nRESURS=150\n");
    plantest::writeFile(path, text);
    QElapsedTimer t;
    t.start();
    const IniFile first(path);
    EXPECT_EQ(first.keys(QStringLiteral("PLAN_PROGNOZ")).size(), 20000);
    EXPECT_TRUE(first.readBool(QStringLiteral("plan_prognoz"), QStringLiteral("ОТЧЕТ 19999"), false));
    for (int i = 0; i < 2000; ++i) IniFile(path).readInteger(QStringLiteral("MAIN"), QStringLiteral("RESURS"), 100);
    EXPECT_LT(t.elapsed(), 5000);
    plantest::writeFile(path, text.replace(QStringLiteral("RESURS=150"), QStringLiteral("RESURS=250")));
    EXPECT_EQ(IniFile(path).readInteger(QStringLiteral("MAIN"), QStringLiteral("RESURS"), 100), 250);
}
