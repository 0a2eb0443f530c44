#pragma once
#include "data/EngineConnection.h"

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>

struct SchemaTable;

// Copies a whole shop from one database into an empty one, of either engine: a shop file moving
// onto a server, or a server's shop written to a file as a copy. All of it happens inside one
// transaction of the target: the tables are created, every row copied, and then row counts, the
// sum of every amount column and the counters are compared on both sides. Any difference, or any
// failure, rolls everything back. The source is only read (from one snapshot).
class ShopTransfer {
public:
    struct Side {
        QSqlDatabase db;
        EngineKind engine;
    };

    ShopTransfer(Side source, Side target) : m_source(std::move(source)), m_target(std::move(target)) {}

    // Returns empty text when the shop was copied and everything agreed; otherwise the reason, and
    // nothing stays in the target. report() holds the comparison either way (when it got that far).
    QString run();
    const QStringList& report() const { return m_report; }
    qint64 rowsCopied() const { return m_rows; }

private:
    QString checkSource();
    QString checkTargetEmpty();
    void createTables();
    void copyTable(const SchemaTable& table);
    bool compare();

    Side m_source;
    Side m_target;
    QHash<QString, QVector<int>> m_shared;  // per table, the schema columns the source has
    QStringList m_report;
    qint64 m_rows = 0;
};
