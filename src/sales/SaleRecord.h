#pragma once
#include <QDate>
#include <QString>

// The values of one stored sale (its Ventas row), filled by the commit step by step.
struct SaleRecord {
    QString SaleId;             // IdVenta: "V" + 9 digits
    QDate SaleDate;             // FechaV: the session's business date
    qint64 InvoiceNumber = 0;   // NroFact: 0 without invoice
    QString SaleAuthorization;  // NroAut: "0" without invoice
    QString ClientNit;          // NitCI: "0" for an anonymous client
    QString ClientName;         // Cliente: "S/N" for an anonymous client
    double Total = 0;           // TotalF: the total shown, to the cent
    double AmountSettled = 0;   // TotalE
    double Balance = 0;         // Saldo
    double NetAmount = 0;       // Neto
    double VatAmount = 0;       // IVA
    QString SaleControlCode;    // CodigoC: "0" without invoice
    QString SaleTime;           // HoraV: hh:mm:ss
    int PaymentForm = 1;        // FormaP: 0 free, 1 cash, 2 credit, 3 card or cheque
    int VoucherKind = 0;        // Comprobante: 1 = invoice
};
