#include "sales/SaleAnnulment.h"

#include "data/SharedFunctions.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"

const QString SaleAnnulment::QuestionTitle = QStringLiteral("Anular Venta");
const QString SaleAnnulment::Question = QStringLiteral("Esta Seguro de querer Anular esta Venta? ");
const QString SaleAnnulment::Annulled = QStringLiteral("Venta Anulada Correctamente");
const QString SaleAnnulment::NotFound = QStringLiteral("No existe Venta con ese Nº de Orden");
const QString SaleAnnulment::OtherSession = QStringLiteral("El Nº de Orden pertenece a otra Fecha (Caja)");
const QString SaleAnnulment::AlreadyAnnulled = QStringLiteral("La Venta ya fue Anulada");

namespace {

const QString kSession = QStringLiteral("SELECT IdCaja FROM Ventas WHERE IdVenta=?");
// Only a valid sale changes: a second annulment (another counter, a stale screen) finds nothing.
const QString kAnnulSale =
    QStringLiteral("UPDATE Ventas SET Estado='A', NitCI='0', Cliente='ANULADO', TotalF=0, TotalE=0, Saldo=0, Neto=0, IVA=0, "
                   "CodigoC='0' WHERE IdVenta=? AND Estado='V'");
const QString kLines =
    QStringLiteral("SELECT IdProducto, Cantidad FROM DetalleV WHERE IdVenta=? AND Estado='V' ORDER BY IdDetalleV");
const QString kAnnulLines = QStringLiteral("UPDATE DetalleV SET PrecioU=0, PrecioT=0, Estado='A' WHERE IdVenta=?");

SaleAnnulment::Result Refused(const QString& message) { return {false, message}; }

}

SaleAnnulment::Result SaleAnnulment::Annul(const QString& saleId, const QString& openSession)
{
    TDataModule1& db = TDataModule1::instance();
    WriteTransaction transaction;
    if (!openSession.isEmpty() && !CashSessionIsOpen(openSession))
        return Refused(QStringLiteral("La CAJA no esta Abierta"));
    const SqlRows sale = db.query(kSession, {saleId});
    if (sale.isEmpty())
        return Refused(NotFound);
    if (!openSession.isEmpty() && sale.text(0).compare(openSession, Qt::CaseInsensitive) != 0)
        return Refused(OtherSession);
    if (db.execute(kAnnulSale, {saleId}) == 0)
        return Refused(AlreadyAnnulled);
    // The stock comes back from the stored lines, whatever a window shows; a product deleted since
    // has no stock to take it.
    for (SqlRows line = db.query(kLines, {saleId}); !line.atEnd(); line.next())
        if (line.number(1) > 0)
            StockMoves::ReturnOutflow(line.text(0), line.number(1));
    db.execute(kAnnulLines, {saleId});
    transaction.commit();
    return {true, Annulled};
}

QStringList SaleAnnulment::Statements() { return {kSession, kAnnulSale, kLines, kAnnulLines}; }
