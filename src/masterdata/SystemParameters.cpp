#include "masterdata/SystemParameters.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"

void SystemParameters::save() const
{
    // Never a null text: the column holds '' for "the installed printer".
    QString address = QStringLiteral("");
    address += direct.directPrinter.trimmed();
    TDataModule1::instance().execute(
        QStringLiteral("UPDATE Codigos SET Facturar=?, ImprimirTC=?, Parametro1=?, ImpresoraDirecta=?, PaginaCodigos=?, "
                       "AbrirCajon=? WHERE IdC=1"),
        {invoicingEnabled, printFormat, printerIndex, address, direct.codePage, direct.cashDrawer ? 1 : 0});
    SessionState& s = SessionState::current();
    s.InvoicingEnabled = invoicingEnabled;
    s.PrintFormat = printFormat;
    s.TicketPrinterIndex = printerIndex;
    TicketPrinterSettings::current() = direct;
    TicketPrinterSettings::current().directPrinter = address;
}
