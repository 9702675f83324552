// Window size, state and scale through the user settings file, and the two
// restore functions.
#include "shell/ShellFixture.h"

#include "shell/ClassRegistry.h"
#include "shell/HostMainWindow.h"
#include "shell/HostWindow.h"
#include "shell/WindowSettings.h"
#include "tuning/TuneReports.h"
#include "tuning/TuneSpravka.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <memory>

using namespace plan;
using namespace plan::shell;
using shelltest::ShellTest;

namespace {

struct GeometryCase {
    const char* name;
    const char* resDat;      // "res.dat" in the installation folder, nullptr = none
    const char* userIni;     // the user settings file before opening, nullptr = none
    const char* settingsName; // where the window keeps its settings
    int height, width;
    const char* notCreated;  // a settings file that must not appear
};

class GeometryTest : public ShellTest, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(GeometryTest, OpensWithStoredOrDefaultSizeAndSavesOnClose)
{
    const GeometryCase& c = GetParam();
    if (c.resDat) writeHome(QStringLiteral("res.dat"), QString::fromUtf8(c.resDat));
    if (c.userIni) writeUser(QString::fromUtf8(c.userIni), QString::fromUtf8(c.settingsName));

    THostWindow* w = loadHostWindow(QStringLiteral("frmPlanSpravka"), nullptr, nullptr, nullptr, QStringLiteral("u"),
                                    ShowMode::NoLoop);
    EXPECT_EQ(w->height(), c.height);
    EXPECT_EQ(w->width(), c.width);
    EXPECT_FALSE(w->isMaximized());
    EXPECT_EQ(w->settingsFileName(), QString::fromUtf8(c.settingsName));

    w->close();
    EXPECT_FALSE(w->isVisible()); // hidden, not destroyed
    const IniFile ini(userFile(QString::fromUtf8(c.settingsName)));
    EXPECT_EQ(ini.readString("frmPlanSpravka", "Heidht"), QString::number(c.height));
    EXPECT_EQ(ini.readString("frmPlanSpravka", "Width"), QString::number(c.width));
    EXPECT_EQ(ini.readString("frmPlanSpravka", "MAXIMIZED"), "0");
    if (!c.userIni || !QString::fromUtf8(c.userIni).contains("Height"))
        EXPECT_FALSE(ini.valueExists("frmPlanSpravka", "Height"));
    if (c.notCreated) EXPECT_FALSE(QFileInfo::exists(userFile(QString::fromUtf8(c.notCreated))));
}

INSTANTIATE_TEST_SUITE_P(
    Placement, GeometryTest,
    ::testing::Values(
        GeometryCase{"NoFiles", nullptr, nullptr, "DerOvorav.ini", 730, 1240, nullptr},
        GeometryCase{"Scale15", nullptr, "[MAIN]\nSCALE=1.5\n", "DerOvorav.ini", 1095, 1860, nullptr},
        GeometryCase{"Scale09", nullptr, "[MAIN]\nSCALE=0.9\n", "DerOvorav.ini", 657, 1116, nullptr},
        // 730 × 0.7 is 510.99999… in binary arithmetic; the decimal product is 511.
        GeometryCase{"Scale07", nullptr, "[MAIN]\nSCALE=0.7\n", "DerOvorav.ini", 511, 868, nullptr},
        GeometryCase{"StoredSize", nullptr, "[MAIN]\nSCALE=1.5\n[frmPlanSpravka]\nHeidht=500\nWidth=900\n",
                     "DerOvorav.ini", 500, 900, nullptr},
        // The key is "Heidht"; a "Height" key is not the window's height.
        GeometryCase{"HeightMisspeltIsIgnored", nullptr, "[frmPlanSpravka]\nHeight=500\n", "DerOvorav.ini", 730, 1240,
                     nullptr},
        GeometryCase{"ResDatNamesTheFile", "[APPLICATION]\nINIFILE=Other.ini\n", "[MAIN]\nSCALE=1.5\n", "Other.ini",
                     1095, 1860, "DerOvorav.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, MaximizedWindowOpensMaximizedAndStoresItsMaximizedSize)
{
    writeUser(QStringLiteral("[frmPlanPrognoz]\nHeidht=400\nWidth=500\nMAXIMIZED=1\n"));
    THostWindow* w = loadHostWindow(QStringLiteral("frmPlanPrognoz"), nullptr, nullptr, nullptr, {}, ShowMode::NoLoop);
    EXPECT_TRUE(w->isMaximized());
    const QSize shown = w->size();
    w->close();
    const IniFile ini(userFile());
    EXPECT_TRUE(ini.readBool("frmPlanPrognoz", "MAXIMIZED", false));
    EXPECT_EQ(ini.readInteger("frmPlanPrognoz", "Heidht", 0), shown.height());
    EXPECT_EQ(ini.readInteger("frmPlanPrognoz", "Width", 0), shown.width());
}

// The sections every window has after a restore at scale 1.5, as key=value lists.
QStringList sectionOf(const IniFile& ini, const QString& section)
{
    QStringList out;
    for (const QString& k : ini.keys(section)) out << k + QLatin1Char('=') + ini.readString(section, k);
    out.sort();
    return out;
}

const QStringList HostDefaults15 = {"Heidht=1095", "MAXIMIZED=0", "Width=1860"};
const QStringList TuneReportsDefaults15 = {"PanAgregat_Width=562", "PanBottom_Heidht=111"};
const QStringList TuneSpravkaDefaults15 = {"Heidht=924", "PanAgregat_Width=577", "PanBottom_Heidht=93", "Width=1177"};

TEST_F(ShellTest, RestoreAllWithoutChildWindowRewritesEverySection)
{
    writeUser(QStringLiteral("[MAIN]\nSCALE=1.5\n[frmPlanReport]\nHeidht=10\nWidth=20\nMAXIMIZED=1\n"
                             "[frmTuneReports]\nPanBottom_Heidht=1\nPanAgregat_Width=2\n"));
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    HostMainWindow::setMdiArea(area); // a main window without child windows

    RestorePositionAllWindows(nullptr);

    const IniFile ini(userFile());
    for (const QString& key : restoreOrder()) {
        SCOPED_TRACE(key.toStdString());
        if (key == "frmTuneReports") EXPECT_EQ(sectionOf(ini, key), TuneReportsDefaults15);
        else if (key == "frmTuneSpravka") EXPECT_EQ(sectionOf(ini, key), TuneSpravkaDefaults15);
        else EXPECT_EQ(sectionOf(ini, key), HostDefaults15);
    }
    EXPECT_EQ(ini.readString("MAIN", "SCALE"), "1.5");
    HostMainWindow::setMdiArea(nullptr);
}

struct ActiveChildCase {
    const char* name;
    bool allWindows;     // RestorePositionAllWindows, else RestorePositionActiveWindow
    const char* child;   // key of the active child window
};

class RestoreActiveTest : public ShellTest, public ::testing::WithParamInterface<ActiveChildCase> {};

TEST_P(RestoreActiveTest, ResetsTheLiveActiveChildAndLeavesItsSection)
{
    const ActiveChildCase& c = GetParam();
    const QString stored = QStringLiteral("[MAIN]\nSCALE=1.5\n[frmTuneReports]\nPanBottom_Heidht=50\nPanAgregat_Width=60\n"
                                          "[frmTuneSpravka]\nHeidht=300\nWidth=400\nPanBottom_Heidht=50\nPanAgregat_Width=60\n");
    writeUser(stored);
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    main.resize(2400, 1600);
    main.show();
    HostMainWindow::setMdiArea(area);

    TPlanWindow* w = loadTuneWindow(QString::fromUtf8(c.child), {}, ShowMode::Modeless);
    ASSERT_EQ(HostMainWindow::childCount(), 1);
    ASSERT_EQ(HostMainWindow::activeChild(), w);
    const QString key = QString::fromUtf8(c.child);
    auto* reports = qobject_cast<tuning::TfrmTuneReports*>(w);
    auto* spravka = qobject_cast<tuning::TfrmTuneSpravka*>(w);
    if (reports) {
        EXPECT_EQ(reports->panBottomHeight(), 50);
        EXPECT_EQ(reports->panAgregatWidth(), 60);
    } else {
        EXPECT_EQ(spravka->panBottomHeight(), 50);
        EXPECT_EQ(w->size(), QSize(400, 300));
    }
    const QSize before = w->size();

    if (c.allWindows) RestorePositionAllWindows(nullptr);
    else RestorePositionActiveWindow(nullptr);

    if (reports) {
        EXPECT_EQ(reports->panBottomHeight(), 111);
        EXPECT_EQ(reports->panAgregatWidth(), 562);
        EXPECT_EQ(w->size(), before); // the editor's window size is left alone
    } else {
        EXPECT_EQ(spravka->panBottomHeight(), 93);
        EXPECT_EQ(spravka->panAgregatWidth(), 577);
        EXPECT_EQ(w->size(), QSize(1177, 924));
    }
    const IniFile ini(userFile());
    plantest::writeFile(base + QStringLiteral("/original.ini"), stored);
    const IniFile original(base + QStringLiteral("/original.ini"));
    // The active child's section is not written.
    EXPECT_EQ(sectionOf(ini, key), sectionOf(original, key));
    if (c.allWindows) {
        EXPECT_EQ(sectionOf(ini, "frmPlanPrognoz"), HostDefaults15);
        EXPECT_EQ(sectionOf(ini, "frmPlanUdoShum"), HostDefaults15);
        const QString other = reports ? QStringLiteral("frmTuneSpravka") : QStringLiteral("frmTuneReports");
        EXPECT_EQ(sectionOf(ini, other), reports ? TuneSpravkaDefaults15 : TuneReportsDefaults15);
    } else {
        // Only the live window: the file is as it was.
        EXPECT_EQ(readAll(userFile()), stored);
    }
    HostMainWindow::setMdiArea(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Placement, RestoreActiveTest,
                         ::testing::Values(ActiveChildCase{"AllTuneReports", true, "frmTuneReports"},
                                           ActiveChildCase{"AllTuneSpravka", true, "frmTuneSpravka"},
                                           ActiveChildCase{"ActiveTuneReports", false, "frmTuneReports"},
                                           ActiveChildCase{"ActiveTuneSpravka", false, "frmTuneSpravka"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, RestoreActiveWithoutChildWritesNothing)
{
    RestorePositionActiveWindow(nullptr);
    EXPECT_FALSE(QFileInfo::exists(userFile()));
}

TEST_F(ShellTest, WindowClassesAreRegisteredOnLoad)
{
    for (const auto& w : moduleWindows()) EXPECT_TRUE(ClassRegistry::isRegistered(w.className)) << w.className.toStdString();
}

} // namespace
