#include "masterdata/CatalogNames.h"

#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "masterdata/StoreText.h"

namespace CatalogNames {

namespace {

struct Table {
    QString list, count, insert, update, remove;
    QString empty, taken, gone;
    QVariantList insertValues(const Entry& e) const;
    QVariantList updateValues(const Entry& e) const;
    bool brand;
};

QVariantList Table::insertValues(const Entry& e) const
{
    return brand ? QVariantList{StoreText(e.name), StoreText(e.origin), e.estado} : QVariantList{StoreText(e.name), e.estado};
}

QVariantList Table::updateValues(const Entry& e) const
{
    return brand ? QVariantList{StoreText(e.name), StoreText(e.origin), e.estado, e.id}
                 : QVariantList{StoreText(e.name), e.estado, e.id};
}

const Table& TableOf(Kind kind)
{
    static const Table brands{QStringLiteral("SELECT IdMarca, Marca, Procedencia, Estado FROM Marcas ORDER BY IdMarca"),
                              QStringLiteral("SELECT COUNT(*) FROM Marcas WHERE Marca=? AND IdMarca<>?"),
                              QStringLiteral("INSERT INTO Marcas(Marca, Procedencia, Estado) VALUES(?, ?, ?)"),
                              QStringLiteral("UPDATE Marcas SET Marca=?, Procedencia=?, Estado=? WHERE IdMarca=?"),
                              QStringLiteral("DELETE FROM Marcas WHERE IdMarca=?"),
                              QStringLiteral("Inserte correctamente la Marca"),
                              QStringLiteral("El Nombre de la Marca ya existe, intente con otro Nombre"),
                              QStringLiteral("La Marca ya no esta Registrada"),
                              true};
    static const Table units{
        QStringLiteral("SELECT IdUMedida, UMedida, '' AS Procedencia, Estado FROM UMedida ORDER BY IdUMedida"),
        QStringLiteral("SELECT COUNT(*) FROM UMedida WHERE UMedida=? AND IdUMedida<>?"),
        QStringLiteral("INSERT INTO UMedida(UMedida, Estado) VALUES(?, ?)"),
        QStringLiteral("UPDATE UMedida SET UMedida=?, Estado=? WHERE IdUMedida=?"),
        QStringLiteral("DELETE FROM UMedida WHERE IdUMedida=?"),
        QStringLiteral("Inserte correctamente el Campo Unidad de Medida"),
        QStringLiteral("El Nombre Unidad de Medida ya existe, intente con otro Nombre"),
        QStringLiteral("La Unidad de Medida ya no esta Registrada"),
        false};
    return kind == Kind::Brand ? brands : units;
}

// The names compare ignoring letter case (the column's collation), whatever the other's state.
bool Taken(const Table& table, const QString& name, qint64 exceptId)
{
    return TDataModule1::instance().query(table.count, {StoreText(name), exceptId}).integer(0) > 0;
}

}

SqlRows List(Kind kind) { return TDataModule1::instance().query(TableOf(kind).list); }

QString Insert(Kind kind, const Entry& entry)
{
    const Table& table = TableOf(kind);
    if (entry.name.trimmed().isEmpty())
        return table.empty;
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        if (Taken(table, entry.name, 0))
            return table.taken;
        db.execute(table.insert, table.insertValues(entry));
        transaction.commit();
    } catch (const DatabaseError&) {
        // Another station may have stored the same name first.
        if (Taken(table, entry.name, 0))
            return table.taken;
        throw;
    }
    return {};
}

QString Update(Kind kind, const Entry& entry, const QString& chosenName)
{
    const Table& table = TableOf(kind);
    if (entry.name.trimmed().isEmpty())
        return table.empty;
    auto& db = TDataModule1::instance();
    try {
        WriteTransaction transaction(db);
        if (entry.name != chosenName && Taken(table, entry.name, entry.id))
            return table.taken;
        if (db.execute(table.update, table.updateValues(entry)) == 0)
            return table.gone;
        transaction.commit();
    } catch (const DatabaseError&) {
        if (Taken(table, entry.name, entry.id))
            return table.taken;
        throw;
    }
    return {};
}

void Remove(Kind kind, qint64 id) { TDataModule1::instance().execute(TableOf(kind).remove, {id}); }

}
