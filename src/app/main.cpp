#include "app/CommandLine.h"
#include "data/UDataModule.h"

#include <QApplication>
#include <QDir>
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
    QTextStream out(stdout);
    QTextStream err(stderr);

    // The command-line tools need no display.
    if (IsCommandLineRequest(rawArguments(argc, argv))) {
        QCoreApplication app(argc, argv);
        return RunCommandLine(QCoreApplication::arguments(), out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("CVI Zelto"));

    // Until the windows exist the program proves that the shop database beside it opens.
    const QString path = QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("dbzelto.sqlite"));
    const QString error = TDataModule1::instance().open(path);
    if (!error.isEmpty()) {
        err << error << "\n";
        return 1;
    }
    out << "Base de datos abierta: " << path << "\n";
    TDataModule1::instance().close();
    return 0;
}
