#include "purchases/InventoryCount.h"

#include "data/StockMoves.h"
#include "data/UDataModule.h"

#include <QRegularExpression>

namespace {

using Move = std::function<bool(int row)>;

QString Changed(const ListedStock& item)
{
    return QStringLiteral("El stock de \"%1\" cambio despues de GENERAR la lista (una venta, compra o entrega de otra "
                          "caja). Vuelva a GENERAR y revise las cantidades; no se guardo ningun cambio.")
        .arg(item.name);
}

QString Gone(const ListedStock& item)
{
    return QStringLiteral("\"%1\" ya no esta registrado. Vuelva a GENERAR la lista; no se guardo ningun cambio.").arg(item.name);
}

// The listed counters, read again under the write lock; the refusal for the first that changed.
QString CheckUnchanged(const QList<ListedStock>& items)
{
    auto& db = TDataModule1::instance();
    for (const ListedStock& item : items) {
        const SqlRows stored =
            db.query(QStringLiteral("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto=?"), {item.productId});
        if (stored.isEmpty())
            return Gone(item);
        if (stored.number(0) != item.ingreso || stored.number(1) != item.egreso)
            return Changed(item);
    }
    return {};
}

ListedStock StoredCounters(const ListedStock& item)
{
    const SqlRows stored = TDataModule1::instance().query(
        QStringLiteral("SELECT Ingreso, Egreso FROM Productos WHERE IdProducto=?"), {item.productId});
    ListedStock now = item;
    now.ingreso = stored.number(0);
    now.egreso = stored.number(1);
    return now;
}

// One transaction: the check, then `move` for every row (false: the row was left alone).
InventoryResult Run(const QList<ListedStock>& items, const Move& move, const InventoryCount::Progress& progress)
{
    InventoryResult result;
    WriteTransaction transaction;
    result.refusal = CheckUnchanged(items);
    if (!result.refusal.isEmpty())
        return result;
    for (int row = 0; row < items.size(); ++row) {
        result.written << move(row);
        result.items << (result.written.last() ? StoredCounters(items.at(row)) : items.at(row));
        if (progress)
            progress(row);
    }
    transaction.commit();
    return result;
}

QList<ListedStock> ItemsOf(const QList<CountedStock>& rows)
{
    QList<ListedStock> items;
    for (const CountedStock& row : rows)
        items << row.item;
    return items;
}

}

bool InventoryCount::IsWholeCount(const QString& text)
{
    static const QRegularExpression whole(QStringLiteral("^[0-9]{1,9}$"));
    return whole.match(text).hasMatch();
}

InventoryResult InventoryCount::Count(const QList<CountedStock>& rows, const Progress& progress)
{
    for (const CountedStock& row : rows)
        if (row.countedText != row.stockText && !IsWholeCount(row.countedText))
            return {QStringLiteral("La cantidad fisica de \"%1\" debe ser un numero entero, 0 o mas (se escribio \"%2\"). "
                                   "No se guardo ningun cambio.")
                        .arg(row.item.name, row.countedText),
                    {},
                    {}};
    return Run(
        ItemsOf(rows),
        [&rows](int row) {
            const CountedStock& counted = rows.at(row);
            if (counted.countedText == counted.stockText)
                return false;
            StockMoves::SetCountedStock(counted.item.productId, counted.countedText.toDouble());
            return true;
        },
        progress);
}

InventoryResult InventoryCount::RollOver(const QList<ListedStock>& rows, const Progress& progress)
{
    return Run(
        rows, [&rows](int row) { return StockMoves::RollOver(rows.at(row).productId); }, progress);
}

InventoryResult InventoryCount::Reset(const QList<ListedStock>& rows, const Progress& progress)
{
    return Run(
        rows, [&rows](int row) { return StockMoves::ResetStock(rows.at(row).productId); }, progress);
}
