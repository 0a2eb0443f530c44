#include "app/AppStartup.h"
#include "app/ui/CommandIcons.h"
#include "app/CommandLine.h"
#include "app/ui/DesktopSeams.h"
#include "app/ProgramFolder.h"
#include "app/ui/SingleInstance.h"
#include "app/ui/StartTrace.h"
#include "app/ui/ULogo.h"
#include "app/ui/UPrincipal.h"
#include "data/ServerAddress.h"
#include "widgets/GuardedApplication.h"
#include "widgets/UMensajes.h"

#include <QApplication>
#include <QTextStream>
#include <cstring>

namespace {

QStringList rawArguments(int argc, char* argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// A server's password given in a connection text on the command line is masked in the process's
// own arguments once they are read, so that `ps` stops showing it.
void hideServerPasswords(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QByteArray masked = ServerAddress::masked(argument).toLocal8Bit();
        const size_t length = std::strlen(argv[i]);
        if (masked != argv[i] && size_t(masked.size()) <= length) {
            std::memset(argv[i], 0, length);
            std::memcpy(argv[i], masked.constData(), size_t(masked.size()));
        }
    }
}

}

int main(int argc, char* argv[])
{
    // The command-line tools need no display.
    if (IsCommandLineRequest(rawArguments(argc, argv))) {
        QCoreApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        hideServerPasswords(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCommandLine(arguments, out, err);
    }

    // A fault escaping a window's handler is told to the cashier and logged; the program goes on.
    GuardedApplication app(argc, argv);
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
