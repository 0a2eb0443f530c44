#include "app/CommandGates.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"

namespace {

MessageSeam& messages() { return MessageSeam::current(); }

bool storeOpen()
{
    const SqlRows rows = TDataModule1::instance().query(QStringLiteral("SELECT StockVD FROM Codigos WHERE IdC=1"));
    return rows.text(0) != QLatin1String("N");
}

bool invoiceDeadlineAllows(const SessionState& s)
{
    const qint64 days = s.WorkDate.daysTo(s.InvoiceDeadline);
    const QString deadline = Formats::Date(s.InvoiceDeadline);
    if (days < 6)
        messages().information(QStringLiteral("La Fecha Limite de Facturacion Vence en ") + QString::number(days)
                               + QStringLiteral(" Dia(s) [") + deadline + QLatin1Char(']'));
    if (s.WorkDate >= s.InvoiceDeadline) {
        messages().information(QStringLiteral("La Fecha Limite de Facturacion ha Vencido el ") + deadline
                               + QStringLiteral(" por tanto no puede seguir Facturando"));
        return false;
    }
    return true;
}

}

namespace CommandGates {

bool CashGate()
{
    if (SessionState::current().CashOpen != 0)
        return true;
    messages().information(QStringLiteral("La CAJA no esta Abierta"));
    return false;
}

bool SalesGate()
{
    if (!CashGate())
        return false;
    try {
        if (!storeOpen()) {
            messages().information(QStringLiteral("Almacen cerrado ya no puede seguir vendiendo"));
            return false;
        }
    } catch (const DatabaseError& e) {
        messages().error(e.text());
        return false;
    }
    const SessionState& s = SessionState::current();
    if (s.InvoicingEnabled != 1)
        return true;
    if (s.DosageId == 0) {
        messages().information(QStringLiteral("No existe Dosificación de Facturas, antes Dosifique para poder Facturar..."));
        return false;
    }
    return invoiceDeadlineAllows(s);
}

bool TaxpayerKnown()
{
    const SessionState& s = SessionState::current();
    return !s.HeadOfficeCity.trimmed().isEmpty() && !s.EconomicActivity.trimmed().isEmpty()
           && !s.HeadOfficeAddress.trimmed().isEmpty();
}

bool TaxpayerDataComplete()
{
    if (TaxpayerKnown())
        return true;
    messages().information(QStringLiteral("Complete los Datos del Contribuyente (Ciudad, Actividad Economica y "
                                          "Direccion) antes de abrir la Caja"));
    return false;
}

bool CashSessionToClose()
{
    if (SessionState::current().CashOpen != 0)
        return true;
    messages().information(QStringLiteral("La Caja no esta Abierta"));
    return false;
}

}
