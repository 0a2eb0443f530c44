#include "ShopFixture.h"

#include "data/DatabaseCreator.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"

#include "TestServer.h"

ShopFixture::ShopFixture(bool demo, Place place)
{
    MessageSeam::install(&messages);
    ProgramEndSeam::install(&programEnd);
    ClockSeam::install(&clock);
    FileDialogSeam::install(&files);
    DesktopSeam::install(&desktop);
    SessionState::reset();
    MainStatus::clear();
    SessionState::current().AppFolder = folder();
    SessionState::current().WorkDate = clock.today();

    m_onServer = place == Place::TestEngine && TestServer::enabled();
    m_path = m_onServer ? TestServer::createDatabase() : m_dir.filePath(QStringLiteral("dbzelto.sqlite"));
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("the test server gave no database");
        return;
    }
    NewDatabaseOptions options;
    options.demo = demo;
    m_error = DatabaseCreator::create(m_path, options);
    if (m_error.isEmpty())
        m_error = TDataModule1::instance().open(m_path);
    // A shop in use: its administrator chose his own password long ago (it happens to be "admin").
    // The first-day tests put the shipped state back with keepShippedPassword().
    if (m_error.isEmpty())
        TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET CambiarClave=0"));
}

void ShopFixture::keepShippedPassword()
{
    TDataModule1::instance().execute(QStringLiteral("UPDATE Usuario SET CambiarClave=1 WHERE Login='admin'"));
}

ShopFixture::~ShopFixture()
{
    TDataModule1::instance().close();
    if (m_onServer)
        TestServer::dropDatabase(m_path);
    SessionState::reset();
    MainStatus::clear();
    MessageSeam::install(nullptr);
    ProgramEndSeam::install(nullptr);
    ClockSeam::install(nullptr);
    FileDialogSeam::install(nullptr);
    DesktopSeam::install(nullptr);
}

void ShopFixture::login(const QString& user, const QString& password)
{
    SessionState& s = SessionState::current();
    s.DatabasePath = m_path;
    s.UserLogin = user.toLower().trimmed();
    s.UserPassword = password;
    SessionLoader::LoadUser(SessionLoader::FindActiveUser(s.UserLogin, s.UserPassword));
    SessionLoader::LoadCashSession();
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
}

QString ShopFixture::openCashSession(const QDate& date, double initialAmount)
{
    const QString id = AllocateKey(CashSessionCounter, [&](const QString& key) {
        db().execute(QStringLiteral("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero) VALUES(?, ?, ?, ?)"),
                     {key, Formats::IsoDate(date), initialAmount, SessionState::current().UserLogin});
    });
    SessionState& s = SessionState::current();
    s.CashOpen = 1;
    s.CashSessionId = id;
    s.WorkDate = date;
    s.CashInitialAmount = initialAmount;
    return id;
}
