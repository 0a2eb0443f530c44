#include "masterdata/ProductImport.h"

#include "data/Formats.h"
#include "data/SharedFunctions.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"
#include "masterdata/ProductStore.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ProductImport {

namespace {

using ImportColumns::Field;

constexpr int kSaleInventory = 1;
constexpr int kSupplyInventory = 2;
// The supply category the catalogue never renames.
const QString kFixedSupplyCategory = QStringLiteral("INSUMOS");

// The widths of the catalogue's columns; a product name is shorter while tickets are printed on
// the roll (its line holds 22 characters).
constexpr int kRollNameWidth = 22, kLetterNameWidth = 45, kBrandWidth = 30, kUnitWidth = 20, kPresentationWidth = 100,
              kCategoryWidth = 30, kBarcodeWidth = 20;

QString upper(const QString& text) { return text.simplified().toUpper(); }

bool isNoBarcode(const QString& code) { return code.isEmpty() || code == QLatin1String("0"); }

// "12.50", "12,50", "1.234,50", "1,234.50", "Bs 12" all read as the number they show.
std::optional<double> parseNumber(QString text)
{
    text.remove(QLatin1Char(' '));
    if (text.startsWith(QLatin1String("bs"), Qt::CaseInsensitive))
        text = text.mid(2);
    if (text.startsWith(QLatin1Char('.')) && text.size() > 1 && !text.at(1).isDigit())
        text = text.mid(1);
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.')), comma = text.lastIndexOf(QLatin1Char(','));
    if (dot >= 0 && comma >= 0) {
        text.remove(comma > dot ? QLatin1Char('.') : QLatin1Char(','));
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (comma >= 0) {
        if (text.count(QLatin1Char(',')) > 1)
            text.remove(QLatin1Char(','));
        else
            text.replace(QLatin1Char(','), QLatin1Char('.'));
    } else if (text.count(QLatin1Char('.')) > 1) {
        text.remove(QLatin1Char('.'));
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int inventoryOf(const QString& text)
{
    const QString plain = ImportColumns::Normalized(text);
    static const QStringList sale = {QStringLiteral("productos a la venta"), QStringLiteral("productos"),
                                     QStringLiteral("producto"), QStringLiteral("venta"), QStringLiteral("1")};
    static const QStringList supply = {
        QStringLiteral("insumos materias primas"), QStringLiteral("insumos"),       QStringLiteral("insumo"),
        QStringLiteral("materias primas"),         QStringLiteral("materia prima"), QStringLiteral("2")};
    if (plain.isEmpty() || sale.contains(plain))
        return kSaleInventory;
    return supply.contains(plain) ? kSupplyInventory : 0;
}

struct Slot {
    int id = 0;
    QString name;              // upper case
    std::optional<bool> used;  // found when first asked
};

// The shop's catalogue as the import finds it.
struct Catalogue {
    QSet<QString> productNames;        // upper case
    QHash<QString, QString> barcodes;  // code -> product name
    QSet<QString> brands, units;       // upper case
    QList<Slot> places[2];             // the categories of each inventory, in key order
    int nameWidth = kRollNameWidth;

    static Catalogue Load();
    bool slotUsed(Slot& slot) const;
};

Catalogue Catalogue::Load()
{
    TDataModule1& db = TDataModule1::instance();
    Catalogue c;
    for (SqlRows rows = db.query(QStringLiteral("SELECT Producto, CodigoB FROM Productos")); !rows.atEnd(); rows.next()) {
        c.productNames.insert(upper(rows.text(0)));
        if (const QString code = rows.text(1).trimmed(); !isNoBarcode(code))
            c.barcodes.insert(code.toUpper(), rows.text(0));
    }
    for (SqlRows rows = db.query(QStringLiteral("SELECT Marca FROM Marcas")); !rows.atEnd(); rows.next())
        c.brands.insert(upper(rows.text(0)));
    for (SqlRows rows = db.query(QStringLiteral("SELECT UMedida FROM UMedida")); !rows.atEnd(); rows.next())
        c.units.insert(upper(rows.text(0)));
    for (SqlRows rows =
             db.query(QStringLiteral("SELECT IdCategoria, Inventario, Categoria FROM Categorias ORDER BY IdCategoria"));
         !rows.atEnd(); rows.next()) {
        const int inventory = int(rows.integer(1));
        if (inventory == kSaleInventory || inventory == kSupplyInventory)
            c.places[inventory - 1].append({int(rows.integer(0)), upper(rows.text(2)), std::nullopt});
    }
    c.nameWidth = db.query(QStringLiteral("SELECT ImprimirTC FROM Codigos WHERE IdC=1")).integer(0) == 0 ? kRollNameWidth
                                                                                                         : kLetterNameWidth;
    return c;
}

// A category is free while no product, and no line of any sale, purchase or delivery, names it.
bool Catalogue::slotUsed(Slot& slot) const
{
    if (!slot.used) {
        TDataModule1& db = TDataModule1::instance();
        bool used = false;
        for (const char* table : {"Productos", "DetalleV", "DetalleC", "DetalleEI"})
            used = used
                   || !db.query(QStringLiteral("SELECT 1 FROM %1 WHERE IdCategoria=? LIMIT 1").arg(QLatin1String(table)),
                                {slot.id})
                           .isEmpty();
        slot.used = used;
    }
    return *slot.used;
}

struct ImportRow {
    int line = 0;
    ProductStore::Product product;
    double stock = 0;
    QString category;  // upper case
};

// Reads and checks the rows one by one against the catalogue and the rows before them.
class Checker {
public:
    Checker(Catalogue& catalogue, const ImportColumns::Map& map) : m_catalogue(catalogue), m_map(map) {}

    void add(const ImportTable::Row& row);
    // Gives every row its category, making room for the new ones; run after the last row.
    void placeCategories();

    Outcome outcome;
    QList<ImportRow> rows;
    QList<QPair<int, QString>> renames;  // category id, new name

private:
    QString cell(const ImportTable::Row& row, Field field) const
    {
        return m_map[field] >= 0 ? row.cells.value(m_map[field]).trimmed() : QString();
    }
    bool readNumber(const ImportTable::Row& row, Field field, const QString& what, double* value);
    bool readText(const ImportTable::Row& row, Field field, const QString& what, int width, QString* value);
    void problem(int line, const QString& reason) { outcome.problems.append({line, reason}); }

    Catalogue& m_catalogue;
    const ImportColumns::Map& m_map;
    QHash<QString, int> m_nameLines, m_barcodeLines;  // first line of each name and code in the file
    bool m_rowBad = false;
};

bool Checker::readNumber(const ImportTable::Row& row, Field field, const QString& what, double* value)
{
    const QString text = cell(row, field);
    if (text.isEmpty())
        return true;
    const std::optional<double> number = parseNumber(text);
    if (!number) {
        problem(row.line, QStringLiteral("%1 no es un número: \"%2\"").arg(what, text));
        return false;
    }
    if (*number < 0) {
        problem(row.line, QStringLiteral("%1 no puede ser negativo: %2").arg(what, text));
        return false;
    }
    *value = *number;
    return true;
}

bool Checker::readText(const ImportTable::Row& row, Field field, const QString& what, int width, QString* value)
{
    *value = upper(cell(row, field));
    if (value->size() <= width)
        return true;
    problem(
        row.line,
        QStringLiteral("%1 tiene %2 caracteres (se admiten %3): \"%4\"").arg(what).arg(value->size()).arg(width).arg(*value));
    return false;
}

void Checker::add(const ImportTable::Row& source)
{
    const qsizetype before = outcome.problems.size();
    ImportRow row;
    row.line = source.line;
    ProductStore::Product& p = row.product;

    p.Inventario = inventoryOf(cell(source, Field::Inventory));
    if (p.Inventario == 0)
        problem(row.line,
                QStringLiteral("inventario desconocido: \"%1\" (PRODUCTOS o INSUMOS)").arg(cell(source, Field::Inventory)));

    if (readText(source, Field::Name, QStringLiteral("el nombre"), m_catalogue.nameWidth, &p.Producto)) {
        if (p.Producto.isEmpty())
            problem(row.line, QStringLiteral("falta el nombre del producto"));
        else if (m_catalogue.productNames.contains(p.Producto))
            problem(row.line, QStringLiteral("el producto \"%1\" ya existe en la tienda").arg(p.Producto));
        else if (const int first = m_nameLines.value(p.Producto); first > 0)
            problem(row.line, QStringLiteral("el producto \"%1\" ya está en la línea %2").arg(p.Producto).arg(first));
        else
            m_nameLines.insert(p.Producto, row.line);
    }
    if (readText(source, Field::Category, QStringLiteral("la categoría"), kCategoryWidth, &row.category)
        && row.category.isEmpty())
        problem(row.line, QStringLiteral("falta la categoría"));
    readText(source, Field::Brand, QStringLiteral("la marca"), kBrandWidth, &p.Marca);
    readText(source, Field::Unit, QStringLiteral("la unidad"), kUnitWidth, &p.UMedida);
    readText(source, Field::Presentation, QStringLiteral("la presentación"), kPresentationWidth, &p.Presentacion);

    p.CodigoB = cell(source, Field::Barcode);
    if (isNoBarcode(p.CodigoB)) {
        p.CodigoB = QStringLiteral("0");
    } else if (p.CodigoB.size() > kBarcodeWidth) {
        problem(
            row.line,
            QStringLiteral("el código de barras tiene %1 caracteres (se admiten %2)").arg(p.CodigoB.size()).arg(kBarcodeWidth));
    } else if (const QString owner = m_catalogue.barcodes.value(p.CodigoB.toUpper()); !owner.isEmpty()) {
        problem(row.line, QStringLiteral("el código de barras %1 ya es del producto \"%2\"").arg(p.CodigoB, owner));
    } else if (const int first = m_barcodeLines.value(p.CodigoB.toUpper()); first > 0) {
        problem(row.line, QStringLiteral("el código de barras %1 ya está en la línea %2").arg(p.CodigoB).arg(first));
    } else {
        m_barcodeLines.insert(p.CodigoB.toUpper(), row.line);
    }

    const bool forSale = p.Inventario != kSupplyInventory;
    readNumber(source, Field::Cost, QStringLiteral("el costo"), &p.PCompra);
    readNumber(source, Field::Minimum, QStringLiteral("el stock mínimo"), &p.StockM);
    readNumber(source, Field::Stock, QStringLiteral("el stock inicial"), &row.stock);
    if (forSale) {
        if (cell(source, Field::Price).isEmpty())
            problem(row.line, QStringLiteral("falta el precio de venta"));
        else if (readNumber(source, Field::Price, QStringLiteral("el precio de venta"), &p.PVenta))
            p.PVentaIVA = p.PVenta;
        readNumber(source, Field::PriceWithInvoice, QStringLiteral("el precio con factura"), &p.PVentaIVA);
    }
    if (outcome.problems.size() == before)
        rows << row;
}

void Checker::placeCategories()
{
    QHash<QString, int> placed[2];
    QSet<QString> named[2];  // the categories the file names, which keep their places
    for (const ImportRow& row : rows)
        named[row.product.Inventario - 1].insert(row.category);
    QList<ImportRow> kept;
    for (ImportRow& row : rows) {
        const int side = row.product.Inventario - 1;
        QList<Slot>& places = m_catalogue.places[side];
        int id = placed[side].value(row.category);
        for (const Slot& slot : places)
            if (!id && slot.name == row.category)
                id = slot.id;
        for (Slot& slot : places) {
            if (id)
                break;
            // A slot another name of the file already took, or whose name the file uses, stays.
            if (named[side].contains(slot.name) || !placed[side].key(slot.id).isEmpty() || slot.name == kFixedSupplyCategory
                || m_catalogue.slotUsed(slot))
                continue;
            id = slot.id;
            renames.append({slot.id, row.category});
            outcome.newCategories << QStringLiteral("%1 (en lugar de %2)").arg(row.category, slot.name);
        }
        if (!id) {
            problem(row.line, QStringLiteral("no hay lugar para la categoría \"%1\": las %2 categorías de %3 ya tienen "
                                             "productos (cambie el nombre de una en \"Gestionar Almacen\")")
                                  .arg(row.category)
                                  .arg(places.size())
                                  .arg(side == 0 ? QStringLiteral("productos a la venta") : QStringLiteral("insumos")));
            continue;
        }
        placed[side].insert(row.category, id);
        row.product.IdCategoria = id;
        kept << row;
    }
    rows = kept;
}

// The brands and units the rows name that the shop lacks, in the order the file first names them.
QStringList missingNames(const QList<ImportRow>& rows, QString ProductStore::Product::*field, const QSet<QString>& known)
{
    QStringList missing;
    for (const ImportRow& row : rows) {
        const QString& name = row.product.*field;
        if (!name.isEmpty() && !known.contains(name) && !missing.contains(name))
            missing << name;
    }
    return missing;
}

void store(const Checker& checked, const QString& user, Outcome* outcome)
{
    TDataModule1& db = TDataModule1::instance();
    for (const QString& brand : outcome->newBrands)
        db.execute(QStringLiteral("INSERT INTO Marcas(Marca, Procedencia, Estado) VALUES(?, '', 1)"), {brand});
    for (const QString& unit : outcome->newUnits)
        db.execute(QStringLiteral("INSERT INTO UMedida(UMedida, Estado) VALUES(?, 1)"), {unit});
    for (const auto& [id, name] : checked.renames)
        db.execute(QStringLiteral("UPDATE Categorias SET Categoria=?, Estado=1 WHERE IdCategoria=?"), {name, id});
    const QStringList keys = AllocateKeys(ProductCounter, int(checked.rows.size()));
    for (qsizetype i = 0; i < checked.rows.size(); ++i) {
        const ImportRow& row = checked.rows.at(i);
        const ProductStore::Product& p = row.product;
        db.execute(QStringLiteral("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Marca, Producto, "
                                  "Presentacion, UMedida, StockM, PCompra, PVenta, PVentaIVA, CodigoB, Usuario) "
                                  "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {keys.at(i), p.Inventario, p.IdCategoria, p.Marca, p.Producto, p.Presentacion, p.UMedida, p.StockM,
                    p.PCompra, p.PVenta, p.PVentaIVA, p.CodigoB, user});
        if (row.stock > 0)
            StockMoves::AddIntake(keys.at(i), row.stock);
    }
    outcome->written = true;
}

Outcome run(const ImportTable& table, const ImportColumns::Map& map, const QString* user)
{
    Outcome outcome;
    outcome.failure = ImportColumns::MissingRequired(map);
    if (!outcome.failure.isEmpty())
        return outcome;
    if (table.rows.isEmpty()) {
        outcome.failure = QStringLiteral("El archivo no tiene productos bajo los títulos");
        return outcome;
    }
    Catalogue catalogue = Catalogue::Load();
    Checker checker(catalogue, map);
    for (const ImportTable::Row& row : table.rows)
        checker.add(row);
    checker.placeCategories();
    outcome = checker.outcome;
    std::stable_sort(outcome.problems.begin(), outcome.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    outcome.products = int(checker.rows.size());
    for (const ImportRow& row : checker.rows)
        outcome.stock += row.stock;
    outcome.newBrands = missingNames(checker.rows, &ProductStore::Product::Marca, catalogue.brands);
    outcome.newUnits = missingNames(checker.rows, &ProductStore::Product::UMedida, catalogue.units);
    if (user && outcome.ok())
        store(checker, *user, &outcome);
    return outcome;
}

}

QString Problem::text() const { return QStringLiteral("Línea %1: %2").arg(line).arg(reason); }

QStringList Outcome::report() const
{
    if (!failure.isEmpty())
        return {failure};
    QStringList lines;
    if (!problems.isEmpty()) {
        QSet<int> badLines;
        for (const Problem& problem : problems)
            badLines.insert(problem.line);
        lines << QStringLiteral("%1 filas con errores; no se importó ningún producto.").arg(badLines.size());
        for (const Problem& problem : problems)
            lines << problem.text();
        return lines;
    }
    lines << (written ? QStringLiteral("Productos importados: %1") : QStringLiteral("Productos a importar: %1")).arg(products);
    lines << QStringLiteral("Stock inicial: %1 unidades").arg(Formats::General(stock));
    if (!newBrands.isEmpty())
        lines << QStringLiteral("Marcas nuevas: ") + newBrands.join(QStringLiteral(", "));
    if (!newUnits.isEmpty())
        lines << QStringLiteral("Unidades nuevas: ") + newUnits.join(QStringLiteral(", "));
    if (!newCategories.isEmpty())
        lines << QStringLiteral("Categorías nuevas: ") + newCategories.join(QStringLiteral(", "));
    return lines;
}

Outcome Check(const ImportTable& table, const ImportColumns::Map& map)
{
    ReadTransaction snapshot;
    return run(table, map, nullptr);
}

Outcome Import(const ImportTable& table, const ImportColumns::Map& map, const QString& user)
{
    WriteTransaction transaction;
    Outcome outcome = run(table, map, &user);
    if (outcome.written)
        transaction.commit();
    return outcome;
}

}
