#include "purchases/PurchaseRegistration.h"

#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"

#include <QRegularExpression>
#include <cmath>
#include <functional>

namespace {

// Thrown by a check, before or inside the transaction: nothing is (or stays) written.
struct Refusal {
    QString text;
    bool conversion = false;
    int line = -1;
};

// The header as it is stored.
struct HeaderRecord {
    bool invoice = false;
    qint64 number = 0;  // NroFact: the invoice's or the receipt's number
    QString dui;
    QString authorization;
    double total = 0;    // TotalF
    double paid = 0;     // TotalE
    double balance = 0;  // Saldo
    double exempt = 0;
    double subTotal = 0;
    double discounts = 0;
    double taxBase = 0;
    double taxCredit = 0;
};

qint64 Cents(double amount) { return std::llround(amount * 100.0); }

TDataModule1& Db() { return TDataModule1::instance(); }

// An amount of the purchase: a number of at most two decimals, never below zero.
bool ReadMoney(const QString& text, double* value)
{
    static const QRegularExpression money(QStringLiteral("^\\d*(\\.\\d{0,2})?$"));
    const QString trimmed = text.trimmed();
    return money.match(trimmed).hasMatch() && Formats::ParseAmount(trimmed, value) && *value >= 0;
}

double Money(const QString& text, const QString& caption)
{
    double value = 0;
    if (!ReadMoney(text, &value))
        throw Refusal{
            QStringLiteral("El monto de %1 no es valido: \"%2\" (escriba un numero con hasta dos decimales)").arg(caption, text),
            true};
    return value;
}

qint64 WholeNumber(const QString& text, const QString& caption)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,15}$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch())
        throw Refusal{QStringLiteral("El %1 debe ser un numero entero: \"%2\"").arg(caption, text), true};
    return trimmed.toLongLong();
}

// A line's quantity: a number above zero ("0.0" and "00" are none).
bool ReadQuantity(const QString& text, double* value) { return Formats::ParseAmount(text, value) && *value > 0; }

void CheckSupplierGiven(const PurchaseHeaderInput& in)
{
    if (in.nitCi.trimmed().isEmpty() || in.supplierName.trimmed().isEmpty())
        throw Refusal{QStringLiteral("Llene correctamente los Datos del Proveedor")};
}

// A free purchase and a credit purchase are receipts: an invoice on credit would count its
// whole total as paid.
void CheckPaymentForm(const PurchaseHeaderInput& in)
{
    if (in.paymentForm < PurchaseCodes::Free || in.paymentForm > PurchaseCodes::Cheque)
        throw Refusal{QStringLiteral("Seleccione la Forma de Pago")};
    const bool receiptOnly = in.paymentForm == PurchaseCodes::Free || in.paymentForm == PurchaseCodes::Credit;
    if (receiptOnly && in.voucherKind != PurchaseCodes::ReceiptVoucher)
        throw Refusal{QStringLiteral("Una compra SIN COSTO (Gratis) o a CREDITO solo se registra con el primer "
                                     "Comprobante (Recibo)")};
}

HeaderRecord CheckInvoice(const PurchaseHeaderInput& in)
{
    for (const QString* field :
         {&in.invoiceNumber, &in.authorization, &in.dui, &in.invoiceTotal, &in.exempt, &in.discounts, &in.controlCode})
        if (field->trimmed().isEmpty())
            throw Refusal{QStringLiteral("Llene correctamente los Datos de la Factura")};
    if (in.purchaseType < 1 || in.purchaseType > 5)
        throw Refusal{QStringLiteral("Llene correctamente los Datos de la Factura")};

    HeaderRecord r;
    r.invoice = true;
    r.number = WholeNumber(in.invoiceNumber.trimmed().left(15), QStringLiteral("Nro. de Factura"));
    r.authorization = in.authorization.trimmed().left(15);
    r.dui = in.dui.trimmed().left(15);
    r.total = Money(in.invoiceTotal, QStringLiteral("Total Compra Bs."));
    r.exempt = Money(in.exempt, QStringLiteral("Exentos de Cred. Fiscal"));
    r.discounts = Money(in.discounts, QStringLiteral("Descuentos"));
    // The taxable base is never below zero.
    if (Cents(r.exempt) + Cents(r.discounts) > Cents(r.total))
        throw Refusal{QStringLiteral("Los Exentos y Descuentos no pueden ser mayores al Total de la Factura")};
    r.paid = r.total;
    r.subTotal = Formats::RoundCents(r.total - r.exempt);
    r.taxBase = Formats::RoundCents(r.subTotal - r.discounts);
    r.taxCredit = Formats::RoundCents(r.taxBase * 0.13);
    return r;
}

HeaderRecord CheckReceipt(const PurchaseHeaderInput& in)
{
    for (const QString* field : {&in.receiptNumber, &in.receiptTotal, &in.receiptCash, &in.receiptBalance})
        if (field->trimmed().isEmpty())
            throw Refusal{QStringLiteral("Llene correctamente los Datos del Recibo")};
    HeaderRecord r;
    r.number = WholeNumber(in.receiptNumber, QStringLiteral("Nro. de Recibo"));
    r.total = Money(in.receiptTotal, QStringLiteral("Total Compra Bs."));
    r.paid = Money(in.receiptCash, QStringLiteral("Efectivo a Pagar"));
    if (in.paymentForm == PurchaseCodes::Credit) {
        // What is paid now plus what is owed is the total, and a credit leaves a debt.
        if (Cents(r.paid) >= Cents(r.total))
            throw Refusal{QStringLiteral("En una compra a CREDITO el Efectivo a Pagar debe ser menor al Total de "
                                         "Compra; si paga el Total, elija la forma de pago EFECTIVO")};
        r.balance = Formats::RoundCents(r.total - r.paid);
    } else {
        if (Cents(r.paid) < Cents(r.total))
            throw Refusal{
                QStringLiteral("El Efectivo a Pagar no puede ser menor al Total de Compra, revise y vuelva a intentar")};
        r.balance = Formats::RoundCents(r.paid - r.total);  // the change the supplier gives back
    }
    return r;
}

// The checks that need no database, in the order the cashier meets them.
HeaderRecord CheckHeader(const PurchaseHeaderInput& in)
{
    CheckSupplierGiven(in);
    CheckPaymentForm(in);
    if (!in.date.isValid())
        throw Refusal{QStringLiteral("Seleccione la Fecha de la Compra")};
    return in.voucherKind == PurchaseCodes::InvoiceVoucher ? CheckInvoice(in) : CheckReceipt(in);
}

struct GoodsLine {
    double quantity = 0;
    double unitCost = 0;
    double lineCost = 0;
};

QList<GoodsLine> CheckGoodsLines(const QList<GoodsLineInput>& lines)
{
    QList<GoodsLine> checked;
    for (int i = 0; i < lines.size(); ++i) {
        const GoodsLineInput& in = lines.at(i);
        GoodsLine line;
        if (!ReadQuantity(in.quantity, &line.quantity))
            throw Refusal{QStringLiteral("Revise la cantidad Entrante del Producto: ") + in.name, false, i};
        if (!ReadMoney(in.lineCost, &line.lineCost))
            throw Refusal{QStringLiteral("Revise el Costo Total del Producto: ") + in.name, false, i};
        line.unitCost = Formats::RoundCents(line.lineCost / line.quantity);
        checked << line;
    }
    return checked;
}

struct ServiceLine {
    double quantity = 0;
    double amount = 0;
};

QList<ServiceLine> CheckServiceLines(const QList<ServiceLineInput>& lines)
{
    QList<ServiceLine> checked;
    for (int i = 0; i < lines.size(); ++i) {
        const ServiceLineInput& in = lines.at(i);
        ServiceLine line;
        if (!ReadQuantity(in.quantity, &line.quantity))
            throw Refusal{QStringLiteral("Revise la cantidad Entrante del Servicio: ") + in.detail, false, i};
        if (!ReadMoney(in.amount, &line.amount))
            throw Refusal{QStringLiteral("Revise el monto del Servicio: ") + in.detail, false, i};
        checked << line;
    }
    return checked;
}

const QString kSupplierKnown = QStringLiteral("SELECT COUNT(*) FROM Proveedores WHERE NitCI=?");
// Any stored purchase, of goods or services, with the supplier's invoice.
const QString kInvoiceStored = QStringLiteral("SELECT COUNT(*) FROM Compras WHERE NitCI=? AND NroFact=? AND NroAut=?");

// Under the write lock: what another counter may have changed since the window was filled.
void CheckStillValid(const PurchaseHeaderInput& in, const HeaderRecord& r)
{
    if (!CashSessionIsOpen(in.cashSessionId))
        throw Refusal{QStringLiteral("La CAJA no esta Abierta")};
    if (Db().query(kSupplierKnown, {in.nitCi.trimmed()}).integer(0) == 0)
        throw Refusal{QStringLiteral("El Proveedor con ese Numero de Nit/CI no Existe")};
    if (r.invoice && Db().query(kInvoiceStored, {in.nitCi.trimmed(), r.number, r.authorization}).integer(0) > 0)
        throw Refusal{QStringLiteral("La Compra con dicha Factura ya fue Registrada")};
}

void InsertHeader(const QString& key, const PurchaseHeaderInput& in, const HeaderRecord& r)
{
    const QString nit = in.nitCi.trimmed();
    const QString date = Formats::IsoDate(in.date);
    if (r.invoice) {
        Db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, NroDUI, NroAut, "
                                    "TotalF, TotalE, Exentos, SubTotal, Descuentos, ImpBase, CreditoF, CodigoC, TipoC, "
                                    "FormaP, Comprobante, Inventario, Cajero, IdCaja) "
                                    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {key,
                      date,
                      nit,
                      in.supplierName,
                      r.number,
                      r.dui,
                      r.authorization,
                      r.total,
                      r.paid,
                      r.exempt,
                      r.subTotal,
                      r.discounts,
                      r.taxBase,
                      r.taxCredit,
                      in.controlCode.trimmed(),
                      in.purchaseType,
                      in.paymentForm,
                      in.voucherKind,
                      in.inventory,
                      in.cashier,
                      in.cashSessionId});
        return;
    }
    Db().execute(QStringLiteral("INSERT INTO Compras(IdCompra, FechaC, NitCI, Proveedor, NroFact, TotalF, TotalE, Saldo, "
                                "FormaP, Comprobante, Inventario, Cajero, IdCaja) "
                                "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {key, date, nit, in.supplierName, r.number, r.total, r.paid, r.balance, in.paymentForm, in.voucherKind,
                  in.inventory, in.cashier, in.cashSessionId});
}

// Checks, then the one transaction; `writeLines` stores the lines under the new key.
PurchaseRegistrationResult Register(const PurchaseHeaderInput& in, int lineCount, const std::function<void()>& checkLines,
                                    const std::function<void(const QString& key)>& writeLines)
{
    PurchaseRegistrationResult result;
    if (lineCount == 0) {
        result.outcome = PurchaseRegistrationResult::Outcome::NoLines;
        return result;
    }
    try {
        const HeaderRecord record = CheckHeader(in);
        checkLines();
        WriteTransaction transaction;
        CheckStillValid(in, record);
        result.purchaseId = AllocateKey(PurchaseCounter, [&](const QString& key) { InsertHeader(key, in, record); });
        writeLines(result.purchaseId);
        transaction.commit();
    } catch (const Refusal& refusal) {
        result.outcome = PurchaseRegistrationResult::Outcome::Refused;
        result.message = refusal.text;
        result.conversionError = refusal.conversion;
        result.line = refusal.line;
        result.purchaseId.clear();
        return result;
    }
    result.outcome = PurchaseRegistrationResult::Outcome::Stored;
    return result;
}

}

PurchaseHeaderInput PurchaseHeaderInput::fromSession(int inventory)
{
    const SessionState& s = SessionState::current();
    PurchaseHeaderInput in;
    in.inventory = inventory;
    in.date = s.WorkDate;
    in.cashSessionId = s.CashSessionId;
    in.cashier = s.UserLogin;
    return in;
}

PurchaseRegistrationResult PurchaseRegistration::RegisterGoods(const PurchaseHeaderInput& header,
                                                               const QList<GoodsLineInput>& lines)
{
    QList<GoodsLine> checked;
    return Register(
        header, int(lines.size()), [&] { checked = CheckGoodsLines(lines); },
        [&](const QString& key) {
            for (int i = 0; i < lines.size(); ++i) {
                const GoodsLineInput& in = lines.at(i);
                const GoodsLine& line = checked.at(i);
                Db().execute(QStringLiteral("INSERT INTO DetalleC(IdCategoria, IdProducto, CInicial, CEntrante, PrecioU, "
                                            "PrecioT, IdCompra) VALUES(?, ?, ?, ?, ?, ?, ?)"),
                             {in.categoryId, in.productId, in.initialStock, line.quantity, line.unitCost, line.lineCost, key});
                if (!StockMoves::AddIntake(in.productId, line.quantity))
                    throw Refusal{QStringLiteral("El producto %1 ya no existe, quitelo de la compra").arg(in.name), false, i};
                // The item's last purchase cost is this line's unit cost.
                Db().execute(QStringLiteral("UPDATE Productos SET PCompra=? WHERE IdProducto=?"),
                             {line.unitCost, in.productId});
            }
        });
}

PurchaseRegistrationResult PurchaseRegistration::RegisterServices(const PurchaseHeaderInput& header,
                                                                  const QList<ServiceLineInput>& lines)
{
    PurchaseHeaderInput services = header;
    services.inventory = PurchaseCodes::Services;
    QList<ServiceLine> checked;
    return Register(
        services, int(lines.size()), [&] { checked = CheckServiceLines(lines); },
        [&](const QString& key) {
            for (int i = 0; i < lines.size(); ++i)
                Db().execute(QStringLiteral("INSERT INTO DetalleS(Cantidad, Concepto, PrecioT, IdCompra) VALUES(?, ?, ?, ?)"),
                             {checked.at(i).quantity, lines.at(i).detail, checked.at(i).amount, key});
        });
}

QStringList PurchaseRegistration::ReadStatements() { return {kSupplierKnown, kInvoiceStored}; }
