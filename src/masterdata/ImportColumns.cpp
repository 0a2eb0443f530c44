#include "masterdata/ImportColumns.h"

#include <algorithm>

namespace ImportColumns {

namespace {

struct FieldTitles {
    const char* caption;
    bool required;
    const char* titles;  // normalized, separated by "|"
};

const FieldTitles kFields[FieldCount] = {
    {"Nombre", true, "nombre|producto|nombre producto|nombre del producto|descripcion|articulo"},
    {"Marca", false, "marca|procedencia marca"},
    {"Presentación", false, "presentacion"},
    {"Unidad", false, "unidad|unidad de medida|u medida|umedida|medida"},
    {"Categoría", true, "categoria|rubro|grupo|familia"},
    {"Costo", false, "costo|precio compra|precio de compra|p compra|pcompra|costo unitario"},
    {"Precio de Venta", true, "precio|precio venta|precio de venta|p venta|pventa|pvp"},
    {"Precio con Factura", false, "precio con factura|precio factura|precio venta iva|precio con iva|pventaiva|p venta iva"},
    {"Stock Mínimo", false, "minimo|stock minimo|stockm|stock min"},
    {"Código de Barras", false, "codigo|codigo de barras|codigo barras|codigob|cod barras|ean|barras"},
    {"Stock Inicial", false, "stock|stock inicial|cantidad|existencia|existencias|saldo inicial"},
    {"Inventario", false, "inventario|tipo"},
};

}

QString Caption(Field field) { return QString::fromUtf8(kFields[field].caption); }

bool Required(Field field) { return kFields[field].required; }

QString Normalized(const QString& title)
{
    QString plain;
    for (const QChar c : title.normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c.isLetterOrNumber() ? c.toLower() : QLatin1Char(' ');
    }
    return plain.simplified();
}

Map Guess(const QStringList& titles)
{
    Map map;
    map.fill(-1);
    QStringList normalized;
    for (const QString& title : titles)
        normalized << Normalized(title);
    for (int field = 0; field < FieldCount; ++field) {
        const QStringList accepted = QString::fromLatin1(kFields[field].titles).split(QLatin1Char('|'));
        for (int column = 0; column < normalized.size() && map[field] < 0; ++column)
            if (accepted.contains(normalized.at(column)) && !std::count(map.begin(), map.end(), column))
                map[field] = column;
    }
    return map;
}

QString MissingRequired(const Map& map)
{
    QStringList missing;
    for (int field = 0; field < FieldCount; ++field)
        if (Required(Field(field)) && map[field] < 0)
            missing << Caption(Field(field));
    return missing.isEmpty() ? QString() : QStringLiteral("Falta la columna de: ") + missing.join(QStringLiteral(", "));
}

}
