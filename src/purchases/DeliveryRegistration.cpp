#include "purchases/DeliveryRegistration.h"

#include "data/ClockSeam.h"
#include "data/Formats.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "data/StockMoves.h"
#include "data/UDataModule.h"
#include "purchases/SupplyDeliveries.h"

#include <optional>

namespace {

// Thrown inside the transaction: it rolls back and the delivery is refused with this text.
struct Refusal {
    QString text;
};

TDataModule1& Db() { return TDataModule1::instance(); }

DeliveryResult Refused(const QString& text, bool conversionError = false)
{
    DeliveryResult result;
    result.message = text;
    result.conversionError = conversionError;
    return result;
}

// The checks that need no database. Empty text when the delivery may go on; *conversion tells a
// quantity that cannot be read.
QString Validate(const DeliveryInput& in, QList<double>* quantities, bool* conversion)
{
    if (in.orderNumberText.trimmed().isEmpty())
        return QStringLiteral("Inserte y/o seleccione correctamente los Datos");
    if (in.lines.isEmpty())
        return QStringLiteral("Inserte Insumos a Entregar");
    for (const DeliveryLine& line : in.lines) {
        double quantity = 0;
        if (!Formats::ParseAmount(line.quantity, &quantity) || quantity <= 0) {
            *conversion = true;
            return QStringLiteral("Cantidad no valida en %1").arg(line.supplyName);
        }
        *quantities << quantity;
    }
    return {};
}

bool KeptAsClient(const QString& nit) { return !nit.isEmpty() && nit != QLatin1String("0"); }

// A recipient with a NIT/CI is kept among the clients. He is looked up here, inside the
// transaction, rather than trusted from the panel's lookup: that one runs only when the field is
// left, and another counter may have added him since. Null when he is not a client yet.
std::optional<QString> KnownName(const QString& nit)
{
    if (!KeptAsClient(nit))
        return std::nullopt;
    return SupplyDeliveries::ClientName(nit);
}

// A new recipient becomes a client; a known one is renamed only when a name was typed.
void RecordRecipient(const DeliveryInput& in, const QString& nit, const std::optional<QString>& knownName)
{
    if (!KeptAsClient(nit))
        return;
    if (!knownName)
        Db().execute(QStringLiteral("INSERT INTO Clientes(NitCI, Cliente, NVentas, Usuario) VALUES(?, ?, 0, ?)"),
                     {nit, in.recipient, in.cashier});
    else if (!in.recipient.isEmpty())
        Db().execute(QStringLiteral("UPDATE Clientes SET Cliente=? WHERE NitCI=?"), {in.recipient, nit});
}

}

DeliveryInput DeliveryInput::fromSession()
{
    const SessionState& s = SessionState::current();
    DeliveryInput in;
    in.cashSessionId = s.CashSessionId;
    in.workDate = s.WorkDate;
    in.cashier = s.UserLogin;
    in.branchNumber = s.BranchNumber;
    return in;
}

DeliveryResult DeliveryRegistration::Register(const DeliveryInput& in, const std::function<void(int)>& progress)
{
    auto report = [&](int position) {
        if (progress)
            progress(position);
    };
    QList<double> quantities;
    bool conversion = false;
    if (const QString refusal = Validate(in, &quantities, &conversion); !refusal.isEmpty())
        return Refused(refusal, conversion);

    SupplyDeliveryVoucher voucher;
    voucher.date = in.workDate;
    voucher.nitCi = in.nitCi.trimmed();
    voucher.observation = in.observation;
    const QString time = Formats::Time(ClockSeam::current().now().time());
    try {
        WriteTransaction transaction;
        if (!CashSessionIsOpen(in.cashSessionId))
            throw Refusal{QStringLiteral("La CAJA no esta Abierta")};
        // No name typed for a known recipient: the delivery records the name he is known by.
        const std::optional<QString> knownName = KnownName(voucher.nitCi);
        voucher.recipient = in.recipient.isEmpty() && knownName ? *knownName : in.recipient;
        voucher.deliveryId = AllocateKey(DeliveryCounter, [&](const QString& key) {
            Db().execute(QStringLiteral("INSERT INTO EntregaI(IdEntrega, FechaE, NitCI, Cliente, HoraE, Obs, Sucursal, "
                                        "Cajero, IdCaja) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         {key, Formats::IsoDate(in.workDate), voucher.nitCi, voucher.recipient, time, in.observation,
                          in.branchNumber, in.cashier, in.cashSessionId});
        });
        report(2);
        for (int i = 0; i < in.lines.size(); ++i) {
            const DeliveryLine& line = in.lines.at(i);
            Db().execute(QStringLiteral("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) "
                                        "VALUES(?, ?, ?, ?)"),
                         {quantities.at(i), line.supplyId, voucher.deliveryId, line.categoryId});
            if (!StockMoves::AddOutflow(line.supplyId, quantities.at(i)))
                throw Refusal{QStringLiteral("El insumo %1 ya no existe, quitelo de la entrega").arg(line.supplyName)};
            voucher.lines << SupplyDeliveryLine{Formats::General(quantities.at(i)), line.supplyName, line.unit};
            report(4);
        }
        report(6);
        RecordRecipient(in, voucher.nitCi, knownName);
        report(8);
        transaction.commit();
    } catch (const Refusal& refusal) {
        return Refused(refusal.text);
    }

    DeliveryResult result;
    result.stored = true;
    result.voucher = voucher;
    return result;
}
