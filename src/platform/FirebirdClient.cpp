#include "platform/FirebirdClient.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <ibase.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace plan::firebird {
namespace {
std::atomic<int> g_signal{0};
int g_wake[2] = {-1, -1};
bool g_ignored[2] = {false, false};
const int Watched[2] = {SIGINT, SIGTERM};

[[noreturn]] void endProcess()
{
    const int sig = g_signal.load();
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(128 + (sig ? sig : SIGTERM));
}

// Only what is safe in a signal handler: note the signal, wake the closer.
void recordSignal(int sig)
{
    int expected = 0;
    if (!g_signal.compare_exchange_strong(expected, sig)) return; // already closing
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(g_wake[1], &byte, 1);
}

// Waits for a signal, then has the client shut down: every attachment is
// closed and its transactions rolled back, and onShutdown() ends the process.
void closer()
{
    char byte = 0;
    while (read(g_wake[0], &byte, 1) < 0 && errno == EINTR) {
    }
    fb_shutdown(10000, fb_shutrsn_signal);
    endProcess();
}

// Runs inside fb_shutdown once the attachments are closed.
int onShutdown(const int reason, const int mask, void*)
{
    if (reason == fb_shutrsn_signal && mask == fb_shut_finish) endProcess();
    return 0;
}

// The client library's own folder (firebird.msg lies there): found from
// where the library is loaded, so that nothing in it runs before FIREBIRD is set.
QString clientRoot()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&isc_attach_database), &info) || !info.dli_fname) return {};
    const QString dir = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalPath();
    const QString root = dir + QStringLiteral("/firebird/3.0");
    return QFile::exists(root + QStringLiteral("/firebird.msg")) ? root : QString();
}

void writeConfig()
{
    const QString folder = configFolder();
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/firebird.conf");
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && QString::fromUtf8(current.readAll()) == configText()) return;
    current.close();
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(configText().toUtf8());
        f.commit();
    }
}
} // namespace

QString configFolder() { return Paths::userRoot() + QStringLiteral("firebird"); }

QString configText()
{
    return QStringLiteral(
        "# Engine settings of the planning module (written by the module).\n"
        "# SuperClassic lets the host window and a plan batch open one database\n"
        "# file at the same time; each attachment keeps its own page cache.\n"
        "ServerMode = SuperClassic\n"
        "DefaultDbCachePages = 2048\n");
}

void prepareClient()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (qEnvironmentVariableIsEmpty("FIREBIRD")) {
            writeConfig();
            qputenv("FIREBIRD", QFile::encodeName(configFolder()));
        }
        const QString root = clientRoot();
        if (qEnvironmentVariableIsEmpty("FIREBIRD_MSG") && !root.isEmpty()) qputenv("FIREBIRD_MSG", QFile::encodeName(root));
        // A program started with a signal ignored (in the background, under nohup) keeps ignoring it.
        for (int i = 0; i < 2; ++i) {
            struct sigaction current{};
            sigaction(Watched[i], nullptr, &current);
            g_ignored[i] = !(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_IGN;
        }
        ISC_STATUS_ARRAY status;
        fb_shutdown_callback(status, onShutdown, fb_shut_finish, nullptr);
        if (pipe2(g_wake, O_CLOEXEC) == 0) std::thread(closer).detach();
    });
    // In place before the first attach, so that the client does not put its own in.
    watchSignals();
}

void watchSignals()
{
    if (g_wake[1] < 0) return;
    for (int i = 0; i < 2; ++i) {
        const __sighandler_t wanted = g_ignored[i] ? SIG_IGN : recordSignal;
        struct sigaction current{};
        sigaction(Watched[i], nullptr, &current);
        if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == wanted) continue;
        struct sigaction action{};
        sigemptyset(&action.sa_mask);
        action.sa_handler = wanted;
        sigaction(Watched[i], &action, nullptr);
    }
}

QStringList processesHolding(const QString& path)
{
    QStringList out;
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty()) return out;
    const QString self = QString::number(QCoreApplication::applicationPid());
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self) continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        for (const QFileInfo& fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() != target) continue;
            QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
            const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
            out << QStringLiteral("%1, процесс %2").arg(name.isEmpty() ? QStringLiteral("?") : name, pid);
            break;
        }
    }
    return out;
}

QString lockConflictMessage(const QString& path, const QString& engineText)
{
    if (!engineText.contains(QLatin1String("already opened with engine instance"), Qt::CaseInsensitive)) return {};
    const QStringList holders = processesHolding(path);
    const QString who = holders.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(holders.join(QStringLiteral("; ")));
    return QStringLiteral("База данных «%1» открыта другой программой%2, которая запущена с иной настройкой Firebird "
                          "и не допускает второй программы на этом файле. Закройте ту программу (окно планирования "
                          "planhost или команду plan) и повторите; чтобы работать в обеих сразу, запускайте их без "
                          "переменной FIREBIRD или с firebird.conf, где ServerMode = SuperClassic, либо подключайтесь "
                          "к базе через сервер Firebird (host:путь).")
        .arg(QDir::toNativeSeparators(path), who);
}

} // namespace plan::firebird
