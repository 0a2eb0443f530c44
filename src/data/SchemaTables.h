#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

// The tables of the shop schema with their columns in order, read from the compiled-in schema
// file: what copying a shop from one database to another walks through.
struct SchemaColumn {
    enum class Kind { Text, Integer, Amount, Date, Blob };
    QString name;
    Kind kind = Kind::Text;
};

struct SchemaTable {
    QString name;
    QVector<SchemaColumn> columns;
    QString generatedKey;  // the column the database numbers itself (AUTOINCREMENT), if any

    QStringList columnNames() const;
};

// In the schema's order, which is also an order that never inserts a row before the row it
// refers to.
const QVector<SchemaTable>& SchemaTables();

// The names of the indexes the schema creates besides the keys.
QStringList SchemaIndexNames();
