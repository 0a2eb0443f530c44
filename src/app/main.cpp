#include "app/AppStartup.h"
#include "app/CommandIcons.h"
#include "app/CommandLine.h"
#include "app/DesktopOpener.h"
#include "app/ProgramFolder.h"
#include "app/SingleInstance.h"
#include "app/StartTrace.h"
#include "app/ULogo.h"
#include "app/UPrincipal.h"
#include "data/UMensajes.h"

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

    AppStartup::applyFixedFormats();
    QApplication::setApplicationName(QStringLiteral("CVI Zelto"));
    QApplication::setApplicationDisplayName(QStringLiteral("CVI Zelto"));
    QApplication::setWindowIcon(CommandIcons::program());

    {
        TFLogo logo(ProgramFolder::Current());
        logo.exec();
    }

    DesktopOpener desktop;
    DesktopSeam::install(&desktop);
    TFPrincipal principal;
    TFMensajes mensajes(&principal);
    QObject::connect(&instance, &SingleInstance::activationRequested, &principal, &TFPrincipal::bringToFront);
    principal.show();
    return app.exec();
}
