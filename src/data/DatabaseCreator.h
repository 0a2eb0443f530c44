#pragma once
#include "data/EngineConnection.h"

#include <QString>
#include <QStringList>

// Prepares a new shop database: every table, index and fixed row, and with `demo` a small shop
// to sell from at once. The program (command line) and the tests use this same code.
struct NewDatabaseOptions {
    bool demo = false;
    // With the demo shop: two orders waiting for dispatch (the program's demo shop shows them; the
    // tests' shops start without, so their lines never mix with the sale lines a test reads).
    bool waitingOrders = false;
    QString taxpayerNit = QStringLiteral("1000000010");
    QString taxpayerName = QStringLiteral("MI NEGOCIO");
};

class DatabaseCreator {
public:
    // `name` is a file path or a server's connection text. Returns empty text on success,
    // otherwise the message. Never overwrites an existing file nor fills a server's database that
    // already holds tables; a failure leaves no file and no table behind.
    static QString create(const QString& name, const NewDatabaseOptions& options = {});
    // The statements that create every table and index of the current version on an engine.
    static QStringList schemaStatements(EngineKind engine);

    static constexpr const char* kAdminLogin = "admin";
    static constexpr const char* kAdminPassword = "admin";
    // The demo dosage's key and authorisation number (a test key, not a real one).
    static constexpr const char* kDemoDosageKey = "9rCB7Sv4X29d)5k7N%3ab89p-3(5[A";
    static constexpr const char* kDemoAuthorization = "29040011007";

private:
    static QString createFile(const QString& path, const NewDatabaseOptions& options);
    static QString createOnServer(const QString& text, const NewDatabaseOptions& options);
};
