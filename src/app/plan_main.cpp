// The command-line driver: headless runs of the planning windows and frames.
#include "app/Driver.h"
#include "platform/MessageService.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    plan::MessageService::quietPlatformNoise();
    QApplication app(argc, argv);
    return plan::runDriver(app.arguments().mid(1));
}
