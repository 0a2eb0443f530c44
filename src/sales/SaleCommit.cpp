#include "sales/SaleCommit.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"
#include "sales/PaymentForms.h"
#include "sales/SaleAmounts.h"
#include "tax/ControlCode.h"

#include <cmath>

const QString SaleCommit::KeyTakenMessage = QStringLiteral("Operación no procede, intente nuevamente");

namespace {

// Thrown inside the transaction: it rolls back and the sale is refused with this text.
struct Refusal {
    QString text;
};
// The key the counter gives is already stored: the counter is out of step with the sales.
struct KeyTaken {};

// What validation read from the input.
struct CheckedSale {
    QList<double> quantities;
    QList<double> unitPrices;
    QStringList lineTotals;
    double total = 0;
    double cash = 0;
};

qint64 Cents(double amount) { return std::llround(amount * 100.0); }

SaleCommitResult Refused(const QString& text, bool conversionError = false)
{
    SaleCommitResult result;
    result.outcome = SaleCommitResult::Outcome::Refused;
    result.message = text;
    result.conversionError = conversionError;
    return result;
}

bool ClientGiven(const SaleInput& in) { return !in.nitCi.trimmed().isEmpty() && !in.clientName.trimmed().isEmpty(); }

// The checks that need no database, in the order the cashier meets them. Empty text when the sale
// may go on; *conversion tells a number that cannot be read.
QString Validate(const SaleInput& in, CheckedSale* sale, bool* conversion)
{
    if (in.saleNumberText.trimmed().isEmpty())
        return QStringLiteral("Inserte y/o seleccione correctamente los Datos");
    if (in.lines.isEmpty())
        return QStringLiteral("Inserte Productos a Vender");
    for (const SaleLine& line : in.lines) {
        double quantity = 0, price = 0;
        if (!Formats::ParseAmount(line.quantity, &quantity) || quantity <= 0 || !Formats::ParseAmount(line.unitPrice, &price)
            || price < 0) {
            *conversion = true;
            return QStringLiteral("Cantidad o precio no valido en %1").arg(line.productName);
        }
        sale->quantities << quantity;
        sale->unitPrices << price;
        sale->lineTotals << SaleAmounts::LineTotal(quantity, price);
    }
    if (in.cashText.trimmed().isEmpty())
        return QStringLiteral("Inserte el Efectivo");
    if (const QString error = SaleAmounts::ReadCash(in.cashText, &sale->cash); !error.isEmpty()) {
        *conversion = true;
        return error;
    }
    sale->total = SaleAmounts::Total(sale->lineTotals);
    if (!in.invoicingEnabled && in.voucherKind == InvoiceVoucher)
        return QStringLiteral("Facturación Deshabilitada, para poder emitir facturas habilite la opcion de Facturar "
                              "en Parametros de Configuración");
    if (in.voucherKind < 0)
        return QStringLiteral("Seleccione el tipo de Comprobante");

    switch (in.paymentForm) {
    case PaymentForms::Free:
        // Nothing is charged: a free sale carries no prices, so what it stores adds up.
        if (Cents(sale->total) != 0)
            return QStringLiteral("Una venta SIN COSTO (Gratis) no lleva precios, revise e intente nuevamente");
        return {};
    case PaymentForms::Cash:
    case PaymentForms::Card:
        if (!ClientGiven(in))
            return QStringLiteral("Inserte datos del Cliente");
        if (Cents(sale->cash) < Cents(sale->total))
            return QStringLiteral("No esta cancelando el Total, revise e intente nuevamente");
        return {};
    case PaymentForms::Credit:
        if (!ClientGiven(in))
            return QStringLiteral("Inserte datos del Cliente");
        // What is paid now plus what is owed must be the total, and a credit leaves a debt: a sale
        // paid in full would sit in the debt lists for good and count against the allowance.
        if (Cents(sale->cash) >= Cents(sale->total))
            return QStringLiteral("En una venta a CREDITO el Efectivo debe ser menor al Total; si paga el Total, elija "
                                  "la forma de pago EFECTIVO");
        return {};
    default: return QStringLiteral("Seleccione la Forma de Pago");
    }
}

TDataModule1& Db() { return TDataModule1::instance(); }

// The reads a sale makes inside its transaction; each finds its rows through an index.
const QString kClientCredits = QStringLiteral("SELECT NCreditos FROM Clientes WHERE NitCI=?");
const QString kOpenCredits = QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE NitCI=? AND Estado='V' AND FormaP=2");
const QString kActiveDosage =
    QStringLiteral("SELECT IdDosificacion FROM Dosificaciones WHERE Estado=1 ORDER BY IdDosificacion DESC LIMIT 1");
const QString kKeyStored = QStringLiteral("SELECT COUNT(*) FROM Ventas WHERE IdVenta=?");
const QString kClientStored = QStringLiteral("SELECT COUNT(*) FROM Clientes WHERE NitCI=?");

// Only open credit sales count against the client's allowance: annulled ones are no debt, and a
// paid-off one has had its payment form rewritten.
void CheckCredit(const QString& nitCi)
{
    const qint64 allowed = Db().query(kClientCredits, {nitCi}).integer(0);
    if (allowed <= 0)
        throw Refusal{QStringLiteral("A este CLIENTE no se le permite CREDITOS")};
    const qint64 open = Db().query(kOpenCredits, {nitCi}).integer(0);
    if (open >= allowed)
        throw Refusal{QStringLiteral("El CLIENTE ha alcanzado el Nro. de CREDITOS permitidos, ya no corresponde")};
}

// Another station may have entered a new dosage: an invoice under the old one would carry a
// superseded authorization.
void CheckDosage(int dosageId)
{
    const SqlRows active = Db().query(kActiveDosage);
    if (active.isEmpty() || active.integer(0) != dosageId)
        throw Refusal{QStringLiteral("La Dosificación de Facturas ha cambiado, cierre la sesión (Archivo - Cerrar) "
                                     "y vuelva a ingresar para seguir facturando")};
}

// Takes the invoice number, computes the control code with that very number and advances the
// counter.
void TakeInvoiceNumber(const SaleInput& in, SaleRecord& record)
{
    CheckDosage(in.dosageId);
    bool digits = false;
    in.authorizationNumber.toLongLong(&digits);
    if (!digits)
        throw Refusal{
            QStringLiteral("El Nro. de Autorizacion de la Dosificación no es valido: %1").arg(in.authorizationNumber)};
    record.InvoiceNumber = ReadInvoiceCounter();
    QString error;
    record.SaleControlCode = ControlCode::GenerateControlCode(
        QString::number(record.InvoiceNumber), record.ClientNit, in.workDate.toString(QStringLiteral("yyyyMMdd")),
        QString::number(ControlCode::RoundInvoiceAmount(record.Total)), in.dosageKey, in.authorizationNumber, &error);
    if (record.SaleControlCode.isEmpty())
        throw Refusal{error};
    AdvanceInvoiceCounter();
}

void InsertSale(const QString& key, const SaleInput& in, const SaleRecord& r)
{
    if (Db().query(kKeyStored, {key}).integer(0) > 0)
        throw KeyTaken{};
    const QVariant authorization =
        r.VoucherKind == InvoiceVoucher ? QVariant(in.authorizationNumber.toLongLong()) : QVariant(0);
    Db().execute(QStringLiteral("INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, "
                                "TotalE, Saldo, Neto, IVA, CodigoC, Sucursal, HoraV, FormaP, Comprobante, IdCaja, "
                                "IdDosificacion, Obs, Cajero) "
                                "VALUES(?, ?, ?, ?, 'V', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {key,
                  Formats::IsoDate(r.SaleDate),
                  r.InvoiceNumber,
                  authorization,
                  r.ClientNit,
                  r.ClientName,
                  r.Total,
                  r.AmountSettled,
                  r.Balance,
                  r.NetAmount,
                  r.VatAmount,
                  r.SaleControlCode,
                  in.branchNumber,
                  r.SaleTime,
                  r.PaymentForm,
                  r.VoucherKind,
                  in.cashSessionId,
                  in.dosageId,
                  in.observation,
                  in.cashier});
}

void InsertLines(const QString& key, const SaleInput& in, const CheckedSale& sale)
{
    for (int i = 0; i < in.lines.size(); ++i) {
        const SaleLine& line = in.lines.at(i);
        Db().execute(QStringLiteral("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                                    "VALUES(?, ?, ?, ?, ?, ?)"),
                     {sale.quantities.at(i), line.productId, sale.unitPrices.at(i), sale.lineTotals.at(i).toDouble(), key,
                      line.categoryId});
        if (!StockMoves::AddOutflow(line.productId, sale.quantities.at(i)))
            throw Refusal{QStringLiteral("El producto %1 ya no existe, quitelo de la venta").arg(line.productName)};
    }
}

// A client with a NIT/CI is counted and named by the sale: the stored row when there is one (read
// here, not from the register's lookup, which another station may have outdated), else a new one.
void RecordClient(const SaleInput& in, const SaleRecord& r)
{
    const QString nit = in.nitCi.trimmed();
    if (nit.isEmpty() || nit == QLatin1String("0"))
        return;
    const bool known = Db().query(kClientStored, {nit}).integer(0) > 0;
    if (!known) {
        Db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente, NVentas, Usuario) VALUES(?, ?, 1, ?)"),
                     {nit, r.ClientName, in.cashier});
    } else if (in.clientName.trimmed().isEmpty()) {
        // No name typed: the stored name stays rather than being wiped out.
        Db().execute(QStringLiteral("UPDATE Clientes SET NVentas=NVentas+1 WHERE NitCI=?"), {nit});
    } else {
        Db().execute(QStringLiteral("UPDATE Clientes SET Cliente=?, NVentas=NVentas+1 WHERE NitCI=?"), {in.clientName, nit});
    }
}

SaleRecord MakeRecord(const SaleInput& in, const CheckedSale& sale)
{
    SaleRecord r;
    r.SaleDate = in.workDate;
    r.Total = sale.total;
    r.PaymentForm = in.paymentForm;
    r.VoucherKind = in.voucherKind;
    r.SaleTime = Formats::Time(ClockSeam::current().now().time());
    switch (in.paymentForm) {
    case PaymentForms::Free: break;
    case PaymentForms::Credit:
        r.AmountSettled = sale.cash;
        r.Balance = Formats::RoundCents(sale.total - sale.cash);
        break;
    default: r.AmountSettled = sale.total; break;
    }
    if (in.voucherKind == InvoiceVoucher) {
        r.ClientNit = in.nitCi;
        r.ClientName = in.clientName;
        r.SaleAuthorization = in.authorizationNumber;
        r.NetAmount = sale.total;
        r.VatAmount = SaleAmounts::Vat(sale.total);
    } else {
        r.ClientNit = in.nitCi.isEmpty() ? QStringLiteral("0") : in.nitCi;
        r.ClientName = in.clientName.isEmpty() ? QStringLiteral("S/N") : in.clientName;
        r.SaleAuthorization = QStringLiteral("0");
        r.SaleControlCode = QStringLiteral("0");
    }
    return r;
}

SaleVoucher MakeVoucher(const SaleInput& in, const CheckedSale& sale, const SaleRecord& r)
{
    SaleVoucher v;
    v.saleId = r.SaleId;
    v.date = r.SaleDate;
    v.time = r.SaleTime;
    v.voucherKind = r.VoucherKind;
    v.invoiceNumber = r.InvoiceNumber;
    v.authorization = r.SaleAuthorization;
    v.controlCode = r.SaleControlCode;
    v.nitCi = r.ClientNit;
    v.clientName = r.ClientName;
    v.clientNameTyped = !in.clientName.isEmpty();
    v.clientCompany = in.clientCompany;
    v.paymentForm = r.PaymentForm;
    v.paymentFormText = PaymentForms::Name(r.PaymentForm);
    v.total = r.Total;
    v.cashReceived = in.paymentForm == PaymentForms::Free ? 0 : sale.cash;
    if (in.paymentForm == PaymentForms::Credit)
        v.changeOrBalance = r.Balance;
    else if (in.paymentForm != PaymentForms::Free)
        v.changeOrBalance = Formats::RoundCents(sale.cash - sale.total);
    v.observation = in.observation;
    v.cashier = in.cashier;
    for (int i = 0; i < in.lines.size(); ++i) {
        const SaleLine& line = in.lines.at(i);
        v.lines.append(SaleVoucherLine{line.quantity, line.productName, line.unit, sale.unitPrices.at(i),
                                       sale.lineTotals.at(i).toDouble()});
    }
    return v;
}

}

QStringList SaleCommit::ReadStatements() { return {kClientCredits, kOpenCredits, kActiveDosage, kKeyStored, kClientStored}; }

SaleInput SaleInput::fromSession()
{
    const SessionState& s = SessionState::current();
    SaleInput in;
    in.cashSessionId = s.CashSessionId;
    in.workDate = s.WorkDate;
    in.cashier = s.UserLogin;
    in.branchNumber = s.BranchNumber;
    in.invoicingEnabled = s.InvoicingEnabled == 1;
    in.dosageId = s.DosageId;
    in.authorizationNumber = s.AuthorizationNumber;
    in.dosageKey = s.DosageKey;
    return in;
}

SaleCommitResult SaleCommit::Commit(const SaleInput& in, const std::function<void(int)>& progress)
{
    auto report = [&](int position) {
        if (progress)
            progress(position);
    };
    CheckedSale sale;
    bool conversion = false;
    if (const QString refusal = Validate(in, &sale, &conversion); !refusal.isEmpty())
        return Refused(refusal, conversion);

    SaleRecord record = MakeRecord(in, sale);
    // A NIT/CI or an amount the control code cannot take is refused before anything is written.
    if (in.voucherKind == InvoiceVoucher) {
        const QString error = ControlCode::ValidateControlCodeInput(
            QString::number(ReadInvoiceCounter()), record.ClientNit, in.workDate.toString(QStringLiteral("yyyyMMdd")),
            QString::number(ControlCode::RoundInvoiceAmount(record.Total)));
        if (!error.isEmpty())
            return Refused(error);
    }

    try {
        WriteTransaction transaction;
        if (!CashSessionIsOpen(in.cashSessionId))
            throw Refusal{QStringLiteral("La CAJA no esta Abierta")};
        if (in.paymentForm == PaymentForms::Credit)
            CheckCredit(in.nitCi.trimmed());
        if (in.voucherKind == InvoiceVoucher)
            TakeInvoiceNumber(in, record);
        record.SaleId = AllocateKey(SaleCounter, [&](const QString& key) { InsertSale(key, in, record); });
        report(3);
        InsertLines(record.SaleId, in, sale);
        report(6);
        RecordClient(in, record);
        report(8);
        transaction.commit();
    } catch (const Refusal& refusal) {
        return Refused(refusal.text);
    } catch (const KeyTaken&) {
        SaleCommitResult result = Refused(KeyTakenMessage);
        result.outcome = SaleCommitResult::Outcome::KeyTaken;
        return result;
    }

    SaleCommitResult result;
    result.outcome = SaleCommitResult::Outcome::Stored;
    result.record = record;
    result.voucher = MakeVoucher(in, sale, record);
    return result;
}
