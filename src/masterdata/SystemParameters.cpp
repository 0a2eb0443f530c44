#include "masterdata/SystemParameters.h"

#include "data/SessionState.h"
#include "data/UDataModule.h"

void SystemParameters::save() const
{
    TDataModule1::instance().execute(QStringLiteral("UPDATE Codigos SET Facturar=?, ImprimirTC=?, Parametro1=? WHERE IdC=1"),
                                     {invoicingEnabled, printFormat, printerIndex});
    SessionState& s = SessionState::current();
    s.InvoicingEnabled = invoicingEnabled;
    s.PrintFormat = printFormat;
    s.TicketPrinterIndex = printerIndex;
}
