#include "app/AppStartup.h"
#include "app/ui/CommandIcons.h"
#include "app/CommandLine.h"
#include "app/ui/DesktopSeams.h"
#include "app/ProgramFolder.h"
#include "app/ui/SingleInstance.h"
#include "app/ui/StartTrace.h"
#include "app/ui/ULogo.h"
#include "app/ui/UPrincipal.h"
#include "widgets/UMensajes.h"

#include <QApplication>
#include <QTextStream>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

}

int main(int argc, char* argv[])
{
    // The command-line tools need no display.
    if (IsCommandLineRequest(rawArguments(argc, argv))) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCommandLine(QCoreApplication::arguments(), out, err);
    }

    QApplication app(argc, argv);
    StartTrace::installIfAsked();
    SingleInstance instance(SingleInstance::defaultServerName());
    if (instance.notifyRunningCopy())
        return 0;
    instance.listen();
    DesktopSeams seams;

    AppStartup::applyFixedFormats();
    AppStartup::loadQtSpanish();
    QApplication::setApplicationName(QStringLiteral("CVI Zelto"));
    QApplication::setApplicationDisplayName(QStringLiteral("CVI Zelto"));
    QApplication::setWindowIcon(CommandIcons::program());

    {
        TFLogo logo(ProgramFolder::Current());
        logo.exec();
    }

    TFPrincipal principal;
    TFMensajes mensajes(&principal);
    QObject::connect(&instance, &SingleInstance::activationRequested, &principal, &TFPrincipal::bringToFront);
    principal.showMaximized();
    return app.exec();
}
