// The desktop host application: a main window with a child-window area and
// a menu of the planning windows. It opens the maintenance database, makes
// the report datasets and calls the module's exported entry points through
// the loaded library (libplanmodule.so next to the executable).
//   planhost [--db CS] [--db-user USER] [--db-password PASSWORD] [--home DIR] [--user NAME] [--today YYYY-MM-DD]
// The database user and password: the options, else the connection settings
// of the window (the user is kept in the settings file, the password only for
// the session), else ISC_USER / ISC_PASSWORD.
#include "data/FleetCheck.h"
#include "platform/Clock.h"
#include "platform/Connection.h"
#include "platform/Dataset.h"
#include "platform/DbError.h"
#include "platform/IniFile.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "shell/HostMainWindow.h"
#include "shell/StartPlan.h"
#include "shell/WindowSettings.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

namespace {

const QString HostSection = QStringLiteral("PLANHOST");
const QString HostDbKey = QStringLiteral("DATABASE");
const QString HostDbUserKey = QStringLiteral("DB_USER");

bool haveDisplay()
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The module's ten functions, resolved from the library.
struct Module {
    LoadFrm2Fn prognoz = nullptr, spravka = nullptr, zaiavProdl = nullptr, zaiavSLG = nullptr;
    LoadFrm3Fn report = nullptr;
    LoadFrm1Fn udoShum = nullptr;
    LoadFrmTuneFn tuneReports = nullptr, tuneSpravka = nullptr;
    RestorePositionFn restoreAll = nullptr, restoreActive = nullptr;

    QString load(QLibrary& lib)
    {
        if (!lib.load()) return lib.errorString();
        auto get = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib.resolve(name));
            return fn != nullptr;
        };
        const bool ok = get(prognoz, "LoadFrmPlanPrognoz") && get(report, "LoadFrmPlanReport") &&
                        get(spravka, "LoadFrmPlanSpravka") && get(udoShum, "LoadFrmPlanUdoShum") &&
                        get(zaiavProdl, "LoadFrmPlanZaiavProdl") && get(zaiavSLG, "LoadFrmPlanZaiavSLG") &&
                        get(tuneReports, "LoadFrmTuneReports") && get(tuneSpravka, "LoadFrmTuneSpravka") &&
                        get(restoreAll, "RestorePositionAllWindows") && get(restoreActive, "RestorePositionActiveWindow");
        return ok ? QString() : QStringLiteral("%1 lacks an entry point").arg(lib.fileName());
    }
};

// Embedded database file or a server connection string.
class DatabaseDialog : public QDialog {
public:
    DatabaseDialog(const QString& current, const QString& user, QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("База данных"));
        auto* form = new QFormLayout(this);
        m_embedded = new QRadioButton(QStringLiteral("Файл базы данных"), this);
        m_server = new QRadioButton(QStringLiteral("Сервер Firebird (host:путь или host/порт:путь)"), this);
        auto* group = new QButtonGroup(this);
        group->addButton(m_embedded);
        group->addButton(m_server);
        m_file = new QLineEdit(this);
        auto* browse = new QPushButton(QStringLiteral("Обзор…"), this);
        auto* fileRow = new QHBoxLayout;
        fileRow->addWidget(m_file, 1);
        fileRow->addWidget(browse);
        m_target = new QLineEdit(this);
        form->addRow(m_embedded);
        form->addRow(QStringLiteral("Файл:"), fileRow);
        form->addRow(m_server);
        form->addRow(QStringLiteral("Строка подключения:"), m_target);
        m_user = new QLineEdit(user, this);
        m_user->setPlaceholderText(QStringLiteral("ISC_USER"));
        m_password = new QLineEdit(this);
        m_password->setEchoMode(QLineEdit::Password);
        m_password->setPlaceholderText(QStringLiteral("ISC_PASSWORD"));
        form->addRow(QStringLiteral("Пользователь:"), m_user);
        form->addRow(QStringLiteral("Пароль:"), m_password);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(browse, &QPushButton::clicked, this, [this] {
            const QString f = QFileDialog::getOpenFileName(this, QStringLiteral("База данных"), m_file->text(),
                                                           QStringLiteral("Firebird (*.fdb *.gdb);;Все файлы (*)"));
            if (!f.isEmpty()) {
                m_file->setText(f);
                m_embedded->setChecked(true);
            }
        });
        const bool embedded = plan::Connection::parse(current).embedded;
        (embedded ? m_embedded : m_server)->setChecked(true);
        (embedded ? m_file : m_target)->setText(current);
        resize(560, sizeHint().height());
    }
    QString connectionString() const { return (m_embedded->isChecked() ? m_file : m_target)->text().trimmed(); }
    QString user() const { return m_user->text().trimmed(); }
    QString password() const { return m_password->text(); }

private:
    QRadioButton* m_embedded;
    QRadioButton* m_server;
    QLineEdit* m_file;
    QLineEdit* m_target;
    QLineEdit* m_user;
    QLineEdit* m_password;
};

class HostWindow : public QMainWindow {
public:
    HostWindow(Module module, QString user) : m_module(module), m_user(std::move(user))
    {
        setWindowTitle(QStringLiteral("Планирование ТОиР"));
        m_area = new QMdiArea(this);
        setCentralWidget(m_area);
        plan::shell::HostMainWindow::setMdiArea(m_area);

        QMenu* db = menuBar()->addMenu(QStringLiteral("&Файл"));
        db->addAction(QStringLiteral("База данных…"), this, [this] { chooseDatabase(); });
        db->addSeparator();
        db->addAction(QStringLiteral("Выход"), this, &QWidget::close);

        QMenu* win = menuBar()->addMenu(QStringLiteral("&Планирование"));
        for (const auto& w : plan::shell::moduleWindows()) {
            const QString key = w.key;
            win->addAction(w.caption, this, [this, key] { openWindow(key); });
            if (key == QLatin1String("frmPlanZaiavSLG")) win->addSeparator();
        }
        QMenu* service = menuBar()->addMenu(QStringLiteral("&Сервис"));
        service->addAction(QStringLiteral("Проверка данных парка…"), this, [this] { checkFleetData(); });
        QMenu* place = menuBar()->addMenu(QStringLiteral("&Окна"));
        place->addAction(QStringLiteral("Восстановить положение всех окон"), this,
                         [this] { m_module.restoreAll(QApplication::instance()); });
        place->addAction(QStringLiteral("Восстановить положение активного окна"), this,
                         [this] { m_module.restoreActive(QApplication::instance()); });
        place->addSeparator();
        place->addAction(QStringLiteral("Каскадом"), m_area, &QMdiArea::cascadeSubWindows);
        place->addAction(QStringLiteral("Мозаикой"), m_area, &QMdiArea::tileSubWindows);
        resize(1400, 900);
    }

    // Opens the database and makes the three report datasets on it.
    bool openDatabase(const QString& cs)
    {
        if (cs.isEmpty()) {
            statusBar()->showMessage(QStringLiteral("База данных не выбрана (Файл → База данных…)"));
            return false;
        }
        for (auto& d : m_ds) d.reset();
        m_conn = std::make_unique<plan::Connection>();
        try {
            m_conn->open(cs);
        } catch (const plan::DbError& e) {
            m_conn.reset();
            plan::MessageService::show(e.message(), plan::MessageService::Kind::Error, this);
            return false;
        }
        plan::Connection::setDefaultTarget(cs);
        for (auto& d : m_ds) d = std::make_unique<plan::Dataset>(m_conn.get());
        statusBar()->showMessage(QStringLiteral("База данных: %1").arg(cs));
        return true;
    }

private:
    void chooseDatabase()
    {
        plan::IniFile settings(plan::shell::readSettingsLocation().path);
        DatabaseDialog dlg(plan::Connection::defaultConnectionString(), settings.readString(HostSection, HostDbUserKey), this);
        if (dlg.exec() != QDialog::Accepted || dlg.connectionString().isEmpty()) return;
        plan::Connection::setDefaultCredentials(dlg.user(), dlg.password());
        if (!openDatabase(dlg.connectionString())) return;
        settings.writeString(HostSection, HostDbKey, dlg.connectionString());
        settings.writeString(HostSection, HostDbUserKey, dlg.user());
    }

    // The records of the fleet the reports cannot trust, in a window of their own.
    void checkFleetData()
    {
        if (!m_conn) {
            plan::MessageService::show(QStringLiteral("Сначала выберите базу данных (Файл → База данных…)"),
                                       plan::MessageService::Kind::Warning, this);
            return;
        }
        std::vector<plan::Doubt> found;
        try {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            found = plan::data::checkFleet(*m_conn);
            QApplication::restoreOverrideCursor();
        } catch (const plan::DbError& e) {
            QApplication::restoreOverrideCursor();
            plan::MessageService::show(e.message(), plan::MessageService::Kind::Error, this);
            return;
        }
        const QString summary = found.empty()
                                    ? QStringLiteral("Проверка данных парка: записей, требующих проверки, нет.")
                                    : QStringLiteral("Проверка данных парка: записей, требующих проверки: %1.").arg(found.size());
        statusBar()->showMessage(summary);
        QDialog dlg(this);
        dlg.setWindowTitle(QStringLiteral("Проверка данных парка"));
        auto* layout = new QVBoxLayout(&dlg);
        layout->addWidget(new QLabel(summary, &dlg));
        auto* list = new QPlainTextEdit(&dlg);
        list->setReadOnly(true);
        QStringList lines;
        for (const plan::Doubt& d : found) lines << d.text();
        list->setPlainText(lines.join(QLatin1Char('\n')));
        layout->addWidget(list, 1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
        connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
        layout->addWidget(buttons);
        dlg.resize(900, 500);
        dlg.exec();
    }

    void openWindow(const QString& key)
    {
        if (!m_conn) {
            plan::MessageService::show(QStringLiteral("Сначала выберите базу данных (Файл → База данных…)"),
                                       plan::MessageService::Kind::Warning, this);
            return;
        }
        void* app = QApplication::instance();
        void* d1 = m_ds[0].get();
        void* d2 = m_ds[1].get();
        void* d3 = m_ds[2].get();
        const QByteArray user = m_user.toUtf8();
        if (key == QLatin1String("frmPlanPrognoz")) m_module.prognoz(app, d1, d2, user.constData());
        else if (key == QLatin1String("frmPlanReport")) m_module.report(app, d1, d2, d3, user.constData());
        else if (key == QLatin1String("frmPlanSpravka")) m_module.spravka(app, d1, d2, user.constData());
        else if (key == QLatin1String("frmPlanUdoShum")) m_module.udoShum(app, d1, user.constData());
        else if (key == QLatin1String("frmPlanZaiavProdl")) m_module.zaiavProdl(app, d1, d2, user.constData());
        else if (key == QLatin1String("frmPlanZaiavSLG")) m_module.zaiavSLG(app, d1, d2, user.constData());
        else if (key == QLatin1String("frmTuneReports")) m_module.tuneReports(app, user.constData());
        else if (key == QLatin1String("frmTuneSpravka")) m_module.tuneSpravka(app, user.constData());
    }

    Module m_module;
    QString m_user;
    QMdiArea* m_area = nullptr;
    std::unique_ptr<plan::Connection> m_conn;
    std::unique_ptr<plan::Dataset> m_ds[3];
};

} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay()) {
        std::fprintf(stderr, "planhost: a display is needed (no DISPLAY or WAYLAND_DISPLAY is set)\n");
        return 3;
    }
    QApplication app(argc, argv);
    const QString clockError = plan::Clock::initFromEnvironment();
    if (!clockError.isEmpty()) { std::fprintf(stderr, "planhost: %s\n", clockError.toUtf8().constData()); return 2; }

    QString db, dbUser, dbPassword, user = qEnvironmentVariable("PLAN_USER", QStringLiteral("planner"));
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--db") && hasValue) db = args[++i];
        else if (a == QLatin1String("--db-user") && hasValue) dbUser = args[++i];
        else if (a == QLatin1String("--db-password") && hasValue) dbPassword = args[++i];
        else if (a == QLatin1String("--user") && hasValue) user = args[++i];
        else if (a == QLatin1String("--home") && hasValue) plan::Paths::setHome(args[++i]);
        else if (a == QLatin1String("--today") && hasValue) {
            QDate d;
            if (!plan::Clock::parseToday(args[++i], &d)) { std::fprintf(stderr, "planhost: --today takes YYYY-MM-DD\n"); return 2; }
            plan::Clock::setToday(d);
        } else {
            std::fprintf(stderr, "usage: planhost [--db CS] [--db-user USER] [--db-password PASSWORD] [--home DIR] "
                                 "[--user NAME] [--today YYYY-MM-DD]\n");
            return 2;
        }
    }
    // The database: --db, else the one chosen last time, else PLAN_DB.
    const plan::IniFile settings(plan::shell::readSettingsLocation().path);
    if (db.isEmpty()) db = settings.readString(HostSection, HostDbKey);
    if (db.isEmpty()) db = qEnvironmentVariable("PLAN_DB");
    if (dbUser.isEmpty()) dbUser = settings.readString(HostSection, HostDbUserKey);
    plan::Connection::setDefaultCredentials(dbUser, dbPassword);

    QLibrary lib(QCoreApplication::applicationDirPath() + QStringLiteral("/libplanmodule.so"));
    Module module;
    const QString loadError = module.load(lib);
    if (!loadError.isEmpty()) {
        std::fprintf(stderr, "planhost: cannot load the planning module: %s\n", loadError.toUtf8().constData());
        return 1;
    }
    HostWindow w(module, user);
    w.show();
    w.openDatabase(db);
    return app.exec();
}
