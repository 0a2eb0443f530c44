#pragma once
#include "FixedClock.h"
#include "RecordingDesktop.h"
#include "RecordingMessages.h"
#include "RecordingProgramEnd.h"
#include "ScriptedFileDialogs.h"

#include "data/UDataModule.h"

#include <QTemporaryDir>

// A fresh shop for one test: its own folder, a database prepared by the program's own creation
// code (the demo shop unless asked otherwise) and opened, recording seams installed and an empty
// session record with AppFolder pointing at the folder. Everything is put back on destruction.
// When the test program runs for the server (TestServer::enabled()), the shop is a database of
// its own on the test run's PostgreSQL server instead of a file, dropped at the end.
class ShopFixture {
public:
    // Where the shop lives: on the engine this run of the test program is for, or in a file always.
    enum class Place { TestEngine, File };
    explicit ShopFixture(bool demo = true, Place place = Place::TestEngine);
    ~ShopFixture();
    ShopFixture(const ShopFixture&) = delete;
    ShopFixture& operator=(const ShopFixture&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    // The file path, or the server's connection text: what the login would open.
    QString databasePath() const { return m_path; }
    bool onServer() const { return m_onServer; }
    TDataModule1& db() { return TDataModule1::instance(); }

    // Fills the session record as a successful login of this user would.
    void login(const QString& user = QStringLiteral("admin"), const QString& password = QStringLiteral("admin"));
    // The administrator has the password the program ships with, as in a shop just made: his next
    // login asks for his own.
    void keepShippedPassword();
    // Opens a cash session row directly (no window), as the opening would store it.
    QString openCashSession(const QDate& date, double initialAmount = 0);

    RecordingMessages messages;
    RecordingProgramEnd programEnd;
    FixedClock clock;
    ScriptedFileDialogs files;
    RecordingDesktop desktop;

private:
    QTemporaryDir m_dir;
    QString m_path;
    QString m_error;
    bool m_onServer = false;
};
