#include "platform/IniFile.h"
#include "support/TestSupport.h"

#include <QFile>
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
