#pragma once
#include <QString>
#include <QStringList>
#include <array>

// Which column of a product spreadsheet holds which value of a product. Columns are found by
// their titles, in any letter case and with or without accents ("Código de Barras", "CODIGO");
// the owner may choose others before the import.
namespace ImportColumns {

enum Field {
    Name,
    Brand,
    Presentation,
    Unit,
    Category,
    Cost,
    Price,
    PriceWithInvoice,
    Minimum,
    Barcode,
    Stock,
    Inventory,
    FieldCount
};

// The column index of each field, -1 for none.
using Map = std::array<int, FieldCount>;

// The field's name as the import window shows it ("Precio de Venta").
QString Caption(Field field);
// Name, category and price must come from a column.
bool Required(Field field);
// Each field's column, by title; a column serves one field at most.
Map Guess(const QStringList& titles);
// "Falta la columna de: Nombre, Precio de Venta", or empty text when every required field has one.
QString MissingRequired(const Map& map);
// A title as compared: lower case, without accents, words separated by single blanks.
QString Normalized(const QString& title);

}
