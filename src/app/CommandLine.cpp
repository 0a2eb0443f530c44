#include "app/CommandLine.h"

#include "app/ConsistencyCheck.h"
#include "app/ShopSimulator.h"
#include "data/ClockSeam.h"
#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/EngineConnection.h"
#include "data/ReadOnlyDatabase.h"
#include "data/ShopBackup.h"
#include "data/ShopFileProbe.h"
#include "data/ShopRestore.h"
#include "data/ShopTransfer.h"
#include "data/UDataModule.h"
#include "masterdata/ProductImport.h"
#include "tax/CertificationRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <limits>

namespace {

constexpr int kDemoHistoryDays = 30;
constexpr int kDemoSalesPerDay = 40;
constexpr quint64 kDemoSeed = 20;
// Ten years of simulated trade is more than any test or demonstration needs.
constexpr qint64 kMostDays = 3660;
constexpr qint64 kMostSalesPerDay = 100000;

// What the parser found for the one tool asked for: its own value and the arguments after it.
struct Request {
    const QCommandLineParser& parser;
    QString value;
    QStringList extra;

    bool isSet(const char* option) const { return parser.isSet(QLatin1String(option)); }
    QString text(const char* option) const { return parser.value(QLatin1String(option)); }
};

using ToolRun = int (*)(const Request&, QTextStream&, QTextStream&);

struct Tool {
    const char* option;
    const char* valueName;
    QStringList extraNames;  // the arguments that follow its value, in order
    QStringList allowed;     // the other options it takes
    const char* usage;
    ToolRun run;
};

int usageError(QTextStream& err, const QString& why, const QString& usage)
{
    err << "cvi-zelto: " << why << "\n" << usage << "\n";
    return 2;
}

// The exit status of each trouble a shop file can have, so a nightly job can tell them apart.
int statusOf(ShopFileProbe::Kind kind)
{
    switch (kind) {
    case ShopFileProbe::Kind::Good: return 0;
    case ShopFileProbe::Kind::Missing:
    case ShopFileProbe::Kind::NotAShop: return 3;
    case ShopFileProbe::Kind::Busy: return 4;
    case ShopFileProbe::Kind::Damaged: return 5;
    case ShopFileProbe::Kind::ReadOnly: return 6;
    case ShopFileProbe::Kind::Newer: return 7;
    }
    return 3;
}

// Says what is the matter with the shop file `path` and returns its status; 0 when the tool may
// go on (a server is examined by the tool itself).
int troubleOf(const QString& path, ShopFileProbe::Use use, QTextStream& err, bool fullCheck = false)
{
    if (EngineConnection::engineOf(path) != EngineKind::SQLite)
        return 0;
    const ShopFileProbe::Finding finding = ShopFileProbe::Examine(path, use, fullCheck);
    if (finding.kind != ShopFileProbe::Kind::Good)
        err << finding.message << "\n";
    return statusOf(finding.kind);
}

// A whole number between `least` and `most`, written in plain digits (no wrap past 32 bits, no
// sign tricks, no "1e3").
bool wholeNumber(const QString& text, qint64 least, qint64 most, qint64* value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    if (!digits.match(text).hasMatch())
        return false;
    bool ok = false;
    *value = text.toLongLong(&ok);
    return ok && *value >= least && *value <= most;
}

// `fallback` when the option is absent; the refusal (empty when fine) otherwise.
QString numberOption(const Request& request, const char* option, qint64 least, qint64 most, qint64 fallback, qint64* value)
{
    if (!request.isSet(option)) {
        *value = fallback;
        return {};
    }
    if (wholeNumber(request.text(option), least, most, value))
        return {};
    return QStringLiteral("--%1 debe ser un numero entero de %2 a %3 (se dio \"%4\")")
        .arg(QLatin1String(option))
        .arg(least)
        .arg(most)
        .arg(request.text(option));
}

// Runs the simulation on the file; prints the progress on `err` (when `showProgress`), the summary
// on `out`. Returns the exit status.
int runSimulation(const QString& path, const SimulationOptions& options, QTextStream& out, QTextStream& err,
                  bool showProgress = true)
{
    TDataModule1& db = TDataModule1::instance();
    if (const QString error = db.open(path); !error.isEmpty()) {
        err << error << "\n";
        return 2;
    }
    SimulationSummary summary;
    int status = 0;
    try {
        const QString refusal = ShopSimulator::Run(options, &summary, [&](const QString& line) {
            if (!showProgress)
                return;
            err << line << "\n";
            err.flush();
        });
        if (!refusal.isEmpty()) {
            err << refusal << "\n";
            status = 1;
        }
    } catch (const DatabaseError& e) {
        err << "La simulacion se detuvo: " << e.text() << "\n";
        status = 1;
    }
    db.close();
    if (summary.days > 0 || status == 0)
        out << summary.line() << "\n";
    return status;
}

// The last days before today, so the newcomer finds figures everywhere and opens today's session
// himself.
int addDemoHistory(const QString& path, int days, QTextStream& out, QTextStream& err)
{
    SimulationOptions options;
    options.days = days;
    options.salesPerDay = kDemoSalesPerDay;
    options.seed = kDemoSeed;
    options.from = ClockSeam::current().today().addDays(-days);
    return runSimulation(path, options, out, err, false);
}

// Names the engine would not take as a plain file: an empty name or ":memory:" is a database
// that vanishes when the program ends, "file:..." is read as an address with options.
bool plainFileName(const QString& path)
{
    const QString name = path.trimmed();
    return !name.isEmpty() && name != QLatin1String(":memory:")
           && !name.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

const char kCreateUsage[] = "Uso: cvi-zelto --create-database ARCHIVO|postgresql://... [--demo [--days N]] [--nit NIT] "
                            "[--name RAZON_SOCIAL]";

int createDatabase(const Request& request, QTextStream& out, QTextStream& err)
{
    const QString path = request.value;
    if (EngineConnection::engineOf(path) == EngineKind::SQLite && !plainFileName(path))
        return usageError(err, QStringLiteral("\"%1\" no es un nombre de archivo").arg(path), QLatin1String(kCreateUsage));
    NewDatabaseOptions options;
    options.demo = request.isSet("demo");
    options.waitingOrders = options.demo;
    if (request.isSet("nit"))
        options.taxpayerNit = request.text("nit");
    if (request.isSet("name"))
        options.taxpayerName = request.text("name");
    else if (options.demo)
        options.taxpayerName = QStringLiteral("COMERCIAL LA ESQUINA");
    if (request.isSet("days") && !options.demo)
        return usageError(err, QStringLiteral("--days solo va con --demo"), QLatin1String(kCreateUsage));
    qint64 days = 0;
    if (const QString refusal = numberOption(request, "days", 0, kMostDays, options.demo ? kDemoHistoryDays : 0, &days);
        !refusal.isEmpty())
        return usageError(err, refusal, QLatin1String(kCreateUsage));

    const QString error = DatabaseCreator::create(path, options);
    if (!error.isEmpty()) {
        err << error << "\n";
        return 1;
    }
    // A demo shop file whose history could not be made is not left behind half made.
    if (days > 0 && addDemoHistory(path, int(days), out, err) != 0) {
        if (EngineConnection::engineOf(path) == EngineKind::SQLite)
            for (const char* suffix : {"", "-wal", "-shm"})
                QFile::remove(path + QLatin1String(suffix));
        err << "No se pudo preparar la historia de la tienda de demostracion\n";
        return 1;
    }
    out << "Base de datos creada: " << EngineConnection::displayName(path) << "\n";
    return 0;
}

const char kSimulateUsage[] = "Uso: cvi-zelto --simulate ARCHIVO [--days N] [--sales-per-day M] [--from AAAA-MM-DD] "
                              "[--seed S]";

// A day written as AAAA-MM-DD that exists; invalid otherwise.
QDate strictDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    return shape.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
}

int simulate(const Request& request, QTextStream& out, QTextStream& err)
{
    SimulationOptions options;
    qint64 days = 0, perDay = 0, seed = 0;
    QString refusal = numberOption(request, "days", 1, kMostDays, options.days, &days);
    if (refusal.isEmpty())
        refusal = numberOption(request, "sales-per-day", 0, kMostSalesPerDay, options.salesPerDay, &perDay);
    if (refusal.isEmpty())
        refusal = numberOption(request, "seed", 0, std::numeric_limits<qint64>::max(), qint64(options.seed), &seed);
    if (refusal.isEmpty() && request.isSet("from")) {
        // The shop stores its days as four-digit years: the whole run must end by 9999-12-31.
        options.from = strictDate(request.text("from"));
        if (!options.from.isValid() || options.from.year() < ShopSimulator::kFirstYear
            || options.from.addDays(days - 1) > ShopSimulator::lastStorableDay())
            refusal = QStringLiteral("--from debe ser un dia AAAA-MM-DD entre %1-01-01 y %2 (con los dias pedidos)")
                          .arg(ShopSimulator::kFirstYear)
                          .arg(ShopSimulator::lastStorableDay().toString(Qt::ISODate));
    }
    if (!refusal.isEmpty())
        return usageError(err, refusal, QLatin1String(kSimulateUsage));
    options.days = int(days);
    options.salesPerDay = int(perDay);
    options.seed = quint64(seed);
    if (const int trouble = troubleOf(request.value, ShopFileProbe::Use::Write, err))
        return trouble;
    return runSimulation(request.value, options, out, err);
}

// Every broken rule on its own line, then the count; exit 0 only with none, 1 with some, the
// file's trouble status when it could not be checked at all.
int check(const Request& request, QTextStream& out, QTextStream& err)
{
    if (const int trouble = troubleOf(request.value, ShopFileProbe::Use::Read, err))
        return trouble;
    const ConsistencyCheck::Outcome outcome = ConsistencyCheck::Run(request.value);
    if (!outcome.failure.isEmpty()) {
        err << outcome.failure << "\n";
        return 3;
    }
    if (!outcome.notice.isEmpty())
        err << outcome.notice << "\n";
    for (const ConsistencyCheck::Problem& problem : outcome.problems)
        out << problem.line() << "\n";
    out << outcome.problems.size() << " problems\n";
    return outcome.problems.isEmpty() ? 0 : 1;
}

const char kMigrateUsage[] = "Uso: cvi-zelto --migrate ARCHIVO postgresql://usuario@servidor[:puerto]/basededatos";

// Moves a shop file onto a server: every table into the empty database the connection text
// names, in one transaction, then counts, sums and counters compared; any difference undoes it.
// The file is only read.
int migrate(const Request& request, QTextStream& out, QTextStream& err)
{
    const QString file = request.value;
    const QString server = request.extra.value(0);
    if (EngineConnection::engineOf(server) != EngineKind::PostgreSQL)
        return usageError(err, QStringLiteral("el destino no es un servidor postgresql://"), QLatin1String(kMigrateUsage));
    // Every page is read before anything moves: a damaged shop must not arrive as a good one.
    if (const int trouble = troubleOf(file, ShopFileProbe::Use::Read, err, true))
        return trouble;
    const ReadOnlyDatabase source(file, ReadOnlyDatabase::Open::Tidy);
    const QString target = QStringLiteral("cvi-zelto-migrate-target");
    QString error = source.error();
    if (error.isEmpty())
        error = EngineConnection::open(server, target);
    int status = 1;
    if (error.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        ShopTransfer transfer({source.connection(), EngineKind::SQLite},
                              {QSqlDatabase::database(target, false), EngineKind::PostgreSQL});
        error = transfer.run();
        for (const QString& line : transfer.report())
            out << line << "\n";
        if (error.isEmpty()) {
            out << "Tienda copiada a " << EngineConnection::displayName(server) << ": " << transfer.rowsCopied()
                << " filas en " << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s; filas, sumas y contadores "
                << "coinciden. El archivo no se modifico.\n";
            status = 0;
        }
    }
    EngineConnection::remove(target);
    if (!error.isEmpty())
        err << error << "\n";
    return status;
}

// Exit status 0 only when every case of the file reproduced; a file without cases proves nothing.
int certify(const Request& request, QTextStream& out, QTextStream& err)
{
    CertificationRun::Counts counts;
    if (!CertificationRun::runFile(request.value, out, err, &counts))
        return 2;
    if (counts.passed + counts.failed == 0) {
        err << "El archivo no contiene casos: " << request.value << "\n";
        return 1;
    }
    return counts.failed == 0 ? 0 : 1;
}

// A checked copy for a nightly job; the folder keeps the newest copies only.
int backup(const Request& request, QTextStream& out, QTextStream& err)
{
    if (const int trouble = troubleOf(request.value, ShopFileProbe::Use::Read, err))
        return trouble;
    const ShopBackup::Outcome outcome = ShopBackup::FromFile(request.value, request.extra.value(0));
    if (!outcome.notice.isEmpty()) {
        err << outcome.notice << "\n";
        return 1;
    }
    if (!outcome.failure.isEmpty()) {
        err << outcome.failure << "\n";
        return outcome.sourceDamaged ? statusOf(ShopFileProbe::Kind::Damaged) : 1;
    }
    out << "Copia de seguridad revisada: " << QDir::toNativeSeparators(outcome.copyPath) << "\n";
    return 0;
}

int restore(const Request& request, QTextStream& out, QTextStream& err)
{
    const QString file = request.extra.value(0);
    if (const QString refusal = ShopRestore::Restore(request.value, file); !refusal.isEmpty()) {
        err << refusal << "\n";
        return 1;
    }
    out << "Base de datos restaurada: " << QDir::toNativeSeparators(file) << "\n";
    return 0;
}

// The user the products are recorded under: the computer's user, as no one logs in here.
QString commandLineUser()
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME")).toLower().left(15);
    return user.isEmpty() ? QStringLiteral("cvi-zelto") : user;
}

// A product list from a spreadsheet into a shop: every row or none. Exit 0 when stored, 1 when
// some row is bad (each named on the error stream with its line), 2 when the file or the shop
// cannot be read.
int importProducts(const Request& request, QTextStream& out, QTextStream& err)
{
    QElapsedTimer timer;
    timer.start();
    ImportTable table;
    if (const QString error = ImportTable::Read(request.value, &table); !error.isEmpty()) {
        err << error << "\n";
        return 2;
    }
    if (const int trouble = troubleOf(request.extra.value(0), ShopFileProbe::Use::Write, err))
        return trouble;
    TDataModule1& db = TDataModule1::instance();
    if (const QString error = db.open(request.extra.value(0)); !error.isEmpty()) {
        err << error << "\n";
        return 2;
    }
    int status = 0;
    try {
        const ProductImport::Outcome outcome =
            ProductImport::Import(table, ImportColumns::Guess(table.titles), commandLineUser());
        for (const QString& line : outcome.report())
            (outcome.written ? out : err) << line << "\n";
        if (outcome.written)
            out << "Tiempo: " << QString::number(timer.elapsed() / 1000.0, 'f', 2) << " s\n";
        status = outcome.written ? 0 : 1;
    } catch (const DatabaseError& e) {
        err << "No se importo ningun producto: " << e.text() << "\n";
        status = 1;
    }
    db.close();
    return status;
}

const QList<Tool>& tools()
{
    static const QList<Tool> all{
        {"create-database", "ARCHIVO", {}, {"demo", "days", "nit", "name"}, kCreateUsage, createDatabase},
        {"simulate", "ARCHIVO", {}, {"days", "sales-per-day", "from", "seed"}, kSimulateUsage, simulate},
        {"check", "ARCHIVO", {}, {}, "Uso: cvi-zelto --check ARCHIVO|postgresql://...", check},
        {"certify", "ARCHIVO", {}, {}, "Uso: cvi-zelto --certify ARCHIVO", certify},
        {"migrate", "ARCHIVO", {QStringLiteral("SERVIDOR")}, {}, kMigrateUsage, migrate},
        {"backup", "ARCHIVO", {QStringLiteral("CARPETA")}, {}, "Uso: cvi-zelto --backup ARCHIVO CARPETA", backup},
        {"restore", "COPIA", {QStringLiteral("ARCHIVO")}, {}, "Uso: cvi-zelto --restore COPIA ARCHIVO", restore},
        {"import-products",
         "ARCHIVO",
         {QStringLiteral("TIENDA")},
         {},
         "Uso: cvi-zelto --import-products ARCHIVO.csv|ARCHIVO.xlsx TIENDA",
         importProducts},
    };
    return all;
}

QString usage()
{
    QStringList lines;
    for (const Tool& tool : tools())
        lines << QString::fromLatin1(tool.usage);
    lines << QStringLiteral("Uso: cvi-zelto --help | --version");
    return lines.join(QLatin1Char('\n'));
}

QString helpText()
{
    return QStringLiteral("cvi-zelto: ventas e inventarios. Sin argumentos abre el programa de ventanas.\n\n"
                          "Herramientas (una por vez, sin ventanas):\n"
                          "  --create-database ARCHIVO|postgresql://...  prepara una tienda nueva; --demo la llena de\n"
                          "        ejemplo con N dias de historia (--days N, 0 a %1; 30 si no se dice)\n"
                          "  --simulate ARCHIVO  hace dias enteros de ventas (--days 1 a %1, --sales-per-day 0 a %2,\n"
                          "        --from AAAA-MM-DD, --seed S)\n"
                          "  --check ARCHIVO|postgresql://...  lista cada regla rota de los libros (solo lee)\n"
                          "  --certify ARCHIVO  comprueba el codigo de control con el archivo de casos\n"
                          "  --migrate ARCHIVO postgresql://...  lleva una tienda a un servidor vacio\n"
                          "  --backup ARCHIVO CARPETA  escribe una copia revisada de la tienda en la carpeta\n"
                          "  --restore COPIA ARCHIVO  pone una copia revisada como ARCHIVO nuevo\n"
                          "  --import-products ARCHIVO TIENDA  trae una lista de productos (.csv o .xlsx)\n"
                          "  --help, --version\n\n"
                          "La clave de un servidor se toma de PGPASSWORD o de ~/.pgpass; no la escriba en la orden.\n\n"
                          "Estado de salida:\n"
                          "  0  hecho\n"
                          "  1  la herramienta se nego o encontro problemas (el mensaje dice por que)\n"
                          "  2  orden mal escrita: opcion desconocida, argumento de mas o de menos, numero fuera de\n"
                          "     rango; o el archivo de --certify o --import-products no se puede leer\n"
                          "  3  la tienda no existe o no es una base de datos del sistema (un servidor: no responde)\n"
                          "  4  la tienda esta ocupada por otro programa: vuelva a intentarlo\n"
                          "  5  la tienda esta danada: restaure la ultima copia de seguridad\n"
                          "  6  la tienda es de solo lectura y la herramienta debe escribir en ella\n"
                          "  7  la tienda es de una version mas reciente del programa\n")
        .arg(kMostDays)
        .arg(kMostSalesPerDay);
}

QString programVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return QStringLiteral("cvi-zelto %1").arg(version.isEmpty() ? QStringLiteral(CVI_PROGRAM_VERSION) : version);
}

void addOptions(QCommandLineParser& parser)
{
    for (const Tool& tool : tools())
        parser.addOption({QString::fromLatin1(tool.option), QString(), QString::fromLatin1(tool.valueName)});
    parser.addOption({QStringLiteral("demo"), QString()});
    for (const char* name : {"days", "sales-per-day", "seed"})
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("N")});
    parser.addOption({QStringLiteral("from"), QString(), QStringLiteral("AAAA-MM-DD")});
    parser.addOption({QStringLiteral("nit"), QString(), QStringLiteral("NIT")});
    parser.addOption({QStringLiteral("name"), QString(), QStringLiteral("RAZON_SOCIAL")});
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QString()});
}

// The options the window program leaves to Qt itself ("-platform offscreen", "-reverse"...).
bool isWindowOption(const QString& argument, bool* takesValue)
{
    static const QStringList withValue{QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
                                       QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
                                       QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
                                       QStringLiteral("-qwindowtitle"),    QStringLiteral("-style"),
                                       QStringLiteral("-stylesheet"),      QStringLiteral("-session"),
                                       QStringLiteral("-display"),         QStringLiteral("-geometry")};
    static const QStringList flags{QStringLiteral("-reverse"), QStringLiteral("-widgetcount"), QStringLiteral("-nograb"),
                                   QStringLiteral("-dograb"), QStringLiteral("-sync")};
    *takesValue = withValue.contains(argument);
    return *takesValue || flags.contains(argument);
}

// Checks what the parser found against the tool asked for; the refusal, empty when it may run.
QString misuse(const QCommandLineParser& parser, const Tool& tool)
{
    const QString own = QString::fromLatin1(tool.option);
    for (const QString& name : parser.optionNames()) {
        if (name != own && !tool.allowed.contains(name))
            return QStringLiteral("la opcion --%1 no va con --%2").arg(name, own);
        if (parser.optionNames().count(name) > 1)
            return QStringLiteral("la opcion --%1 se dio mas de una vez").arg(name);
    }
    const QString value = parser.value(own);
    if (value.isEmpty() || value.startsWith(QLatin1Char('-')))
        return QStringLiteral("falta %1 despues de --%2").arg(QLatin1String(tool.valueName), own);
    const QStringList extra = parser.positionalArguments();
    if (extra.size() < tool.extraNames.size())
        return QStringLiteral("falta %1").arg(tool.extraNames.mid(extra.size()).join(QLatin1Char(' ')));
    if (extra.size() > tool.extraNames.size())
        return QStringLiteral("argumento de mas: %1").arg(extra.at(tool.extraNames.size()));
    return {};
}

}

bool IsCommandLineRequest(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        bool takesValue = false;
        if (!isWindowOption(arguments.at(i), &takesValue))
            return true;
        if (takesValue)
            ++i;
    }
    return false;
}

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return usageError(err, QStringLiteral("opcion desconocida: %1%2").arg(dashes, unknown.first()), usage());
        }
        // Otherwise an option that takes a value ends the command without it.
        const Tool* named = nullptr;
        for (const Tool& tool : tools())
            if (arguments.contains(QStringLiteral("--") + QLatin1String(tool.option)))
                named = &tool;
        return usageError(err, QStringLiteral("falta el valor de %1").arg(arguments.value(arguments.size() - 1)),
                          named ? QString::fromLatin1(named->usage) : usage());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << helpText() << "\n" << usage() << "\n";
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << programVersion() << "\n";
        return 0;
    }
    const Tool* asked = nullptr;
    for (const Tool& tool : tools()) {
        if (!parser.isSet(QString::fromLatin1(tool.option)))
            continue;
        if (asked)
            return usageError(err,
                              QStringLiteral("una sola herramienta por vez (--%1 y --%2)")
                                  .arg(QLatin1String(asked->option), QLatin1String(tool.option)),
                              usage());
        asked = &tool;
    }
    if (!asked)
        return usageError(err, QStringLiteral("no se indico ninguna herramienta"), usage());
    if (const QString refusal = misuse(parser, *asked); !refusal.isEmpty())
        return usageError(err, refusal, QString::fromLatin1(asked->usage));
    const Request request{parser, parser.value(QString::fromLatin1(asked->option)), parser.positionalArguments()};
    return asked->run(request, out, err);
}
