#pragma once
#include "data/SqlRows.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// The one gateway to the shop's database: it owns the connection and runs every statement.
// Values always travel as bound parameters ("?" placeholders), never pasted into the text.
// Statements that fail throw DatabaseError; writes of several statements run inside a
// WriteTransaction so they all happen or none does.
class TDataModule1 {
public:
    static TDataModule1& instance();

    // Opens an existing shop database. Returns empty text on success, otherwise the message to
    // show; a failed open leaves the file untouched and the module closed. Tables are never
    // created here.
    QString open(const QString& path);
    void close();
    bool isOpen() const;
    QString path() const { return m_path; }

    SqlRows query(const QString& sql, const QVariantList& values = {});
    // INSERT, UPDATE, DELETE; returns the number of rows changed.
    int execute(const QString& sql, const QVariantList& values = {});
    // The auto-increment key given to the last inserted row.
    qint64 lastInsertId() const { return m_lastInsertId; }

    // Transactions nest: the outermost takes the write lock at once (so a second station waits
    // instead of failing half-way), inner ones are save points. A commit that fails rolls its
    // level back before it throws, so the connection is never left inside a transaction.
    void begin();
    // A read snapshot: the statements up to the matching rollback() see one state of the file,
    // without taking the write lock. Inside a transaction it is a save point of it.
    void beginRead();
    void commit();
    void rollback();
    int transactionDepth() const { return m_depth; }

    QSqlDatabase connection() const;
    static QString connectionName();

    // Turns an engine refusal into the text the user reads.
    static QString describeError(const QString& engineText);

private:
    TDataModule1() = default;
    void runPlain(const QString& sql);
    // The statement of this text, prepared once per connection and kept: a sale runs the same
    // few dozen statements every time, and preparing them again each time cost more than running
    // them.
    QSqlQuery& prepared(const QString& sql);
    QSqlQuery& bound(const QString& sql, const QVariantList& values);

    QString m_path;
    QHash<QString, QSqlQuery> m_statements;
    int m_depth = 0;
    qint64 m_lastInsertId = 0;
};

// Reads the statements of one result (a report's figures) from one snapshot of the file, so a
// commit of another station in between is either wholly seen or not at all. Ends with its scope.
class ReadTransaction {
public:
    explicit ReadTransaction(TDataModule1& db = TDataModule1::instance()) : m_db(db) { m_db.beginRead(); }
    ~ReadTransaction() { m_db.rollback(); }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    TDataModule1& m_db;
};

// Runs the writes of one operation together; rolls back unless commit() was reached.
class WriteTransaction {
public:
    explicit WriteTransaction(TDataModule1& db = TDataModule1::instance());
    ~WriteTransaction();
    void commit();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

private:
    TDataModule1& m_db;
    bool m_done = false;
};
