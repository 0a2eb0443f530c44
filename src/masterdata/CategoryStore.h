#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The fixed categories (table Categorias): their name, state and icon are edited, never their
// number. Engine failures throw DatabaseError.
namespace CategoryStore {

struct Category {
    int IdCategoria = 0;
    int Inventario = 0;
    QString Categoria;
    QByteArray Icono;  // JPEG, 52 x 52; empty when none
    int Estado = 1;
};

// The categories of one inventory, in key order (enabled or not).
QList<Category> Of(int inventory);
// Writes inventory, name and state, and the icon when one is given. False when the category is
// not there.
bool Update(const Category& category, const std::optional<QByteArray>& newIcon);

}
