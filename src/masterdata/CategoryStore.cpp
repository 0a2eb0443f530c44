#include "masterdata/CategoryStore.h"

#include "data/UDataModule.h"

namespace CategoryStore {

QList<Category> Of(int inventory)
{
    SqlRows rows = TDataModule1::instance().query(
        QStringLiteral("SELECT IdCategoria, Inventario, Categoria, Icono, Estado FROM Categorias WHERE Inventario=? "
                       "ORDER BY IdCategoria"),
        {inventory});
    QList<Category> categories;
    for (; !rows.atEnd(); rows.next())
        categories.append({int(rows.integer(0)), int(rows.integer(1)), rows.text(2), rows.blob(3), int(rows.integer(4))});
    return categories;
}

bool Update(const Category& c, const std::optional<QByteArray>& newIcon)
{
    auto& db = TDataModule1::instance();
    if (newIcon)
        return db.execute(QStringLiteral("UPDATE Categorias SET Inventario=?, Categoria=?, Estado=?, Icono=? "
                                         "WHERE IdCategoria=?"),
                          {c.Inventario, c.Categoria, c.Estado, *newIcon, c.IdCategoria})
               > 0;
    return db.execute(QStringLiteral("UPDATE Categorias SET Inventario=?, Categoria=?, Estado=? WHERE IdCategoria=?"),
                      {c.Inventario, c.Categoria, c.Estado, c.IdCategoria})
           > 0;
}

}
