#include "platform/MessageService.h"

#include <QtGlobal>
#include <cstdio>

#include <QApplication>
#include <QMessageBox>

namespace plan {
namespace {
bool g_headless = false;
bool g_answer = true;
QStringList g_recorded;
} // namespace

bool MessageService::show(const QString& text, Kind kind, QWidget* parent, const QString& boxTitle)
{
    if (g_headless || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        g_recorded << text;
        return kind == Kind::Question ? g_answer : true;
    }
    const QString title = boxTitle.isEmpty() ? QStringLiteral("Планирование") : boxTitle;
    switch (kind) {
    case Kind::Information: QMessageBox::information(parent, title, text); return true;
    case Kind::Warning: QMessageBox::warning(parent, title, text); return true;
    case Kind::Error: QMessageBox::critical(parent, title, text); return true;
    case Kind::Question:
        return QMessageBox::question(parent, title, text) == QMessageBox::Yes;
    }
    return true;
}

void MessageService::setHeadless(bool headless) { g_headless = headless; }
bool MessageService::headless() { return g_headless; }
void MessageService::setHeadlessAnswer(bool yes) { g_answer = yes; }
QStringList MessageService::recorded() { return g_recorded; }
void MessageService::clear() { g_recorded.clear(); }

namespace {
QtMessageHandler g_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& ctx, const QString& msg)
{
    if (msg.contains(QLatin1String("XDG_RUNTIME_DIR")) || msg.contains(QLatin1String("propagateSizeHints"))) return;
    if (g_previousHandler) g_previousHandler(type, ctx, msg);
    else std::fputs((msg + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}
} // namespace

void MessageService::quietPlatformNoise()
{
    static const bool installed = [] {
        g_previousHandler = qInstallMessageHandler(quietHandler);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace plan
