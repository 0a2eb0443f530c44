#include "app/CommandLine.h"

#include "data/DatabaseCreator.h"
#include "tax/CertificationRun.h"

namespace {

QString optionValue(const QStringList& args, const QString& name)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

int createDatabase(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString path = optionValue(args, QStringLiteral("--create-database"));
    if (path.isEmpty() || path.startsWith(QLatin1String("--"))) {
        err << "Uso: cvi-zelto --create-database ARCHIVO [--demo] [--nit NIT] [--name RAZON_SOCIAL]\n";
        return 2;
    }
    NewDatabaseOptions options;
    options.demo = args.contains(QStringLiteral("--demo"));
    options.waitingOrders = options.demo;
    if (const QString nit = optionValue(args, QStringLiteral("--nit")); !nit.isEmpty())
        options.taxpayerNit = nit;
    if (const QString name = optionValue(args, QStringLiteral("--name")); !name.isEmpty())
        options.taxpayerName = name;
    if (options.demo && !args.contains(QStringLiteral("--name")))
        options.taxpayerName = QStringLiteral("COMERCIAL LA ESQUINA");

    const QString error = DatabaseCreator::create(path, options);
    if (!error.isEmpty()) {
        err << error << "\n";
        return 1;
    }
    out << "Base de datos creada: " << path << "\n";
    return 0;
}

// Exit status 0 only when every case of the file reproduced; a file without cases proves nothing.
int certify(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString path = optionValue(args, QStringLiteral("--certify"));
    if (path.isEmpty() || path.startsWith(QLatin1String("--"))) {
        err << "Uso: cvi-zelto --certify ARCHIVO\n";
        return 2;
    }
    CertificationRun::Counts counts;
    if (!CertificationRun::runFile(path, out, err, &counts))
        return 2;
    if (counts.passed + counts.failed == 0) {
        err << "El archivo no contiene casos: " << path << "\n";
        return 1;
    }
    return counts.failed == 0 ? 0 : 1;
}

}

bool IsCommandLineRequest(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--create-database")) || arguments.contains(QStringLiteral("--certify"));
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.contains(QStringLiteral("--create-database")))
        return createDatabase(arguments, out, err);
    if (arguments.contains(QStringLiteral("--certify")))
        return certify(arguments, out, err);
    err << "Opcion desconocida\n";
    return 2;
}
