#pragma once
#include "sales/SaleVoucher.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One line of a stored sale with its product as the lists show it.
struct StoredSaleLine {
    double quantity = 0;
    QString productId;
    int categoryId = 0;
    QString brand;
    QString product;  // empty when the product was deleted since
    QString presentation;
    QString unit;
    double minimumStock = 0;
    double unitPrice = 0;
    double lineTotal = 0;
    QString barcode;
};

// A sale as it is stored (its Ventas row), with its lines, the client's company and the dosage its
// invoice was issued under, read back to be shown, printed again or annulled.
struct StoredSale {
    QString IdVenta;
    QDate FechaV;
    qint64 NroFact = 0;
    QString NroAut;  // "0" without invoice
    QString Estado;  // "V" valid, "A" annulled
    QString NitCI;
    QString Cliente;
    double TotalF = 0;
    double TotalE = 0;
    double Saldo = 0;
    QString CodigoC;
    int Sucursal = 0;
    QString HoraV;
    int FormaP = 1;
    int Comprobante = 0;
    QString IdCaja;
    int IdDosificacion = 0;
    QString Obs;
    QString Cajero;

    QList<StoredSaleLine> lines;
    QString clientCompany;                // Clientes.Empresa of its NIT/CI; empty without a client row
    std::optional<VoucherDosage> dosage;  // the dosage of its authorization number, when stored

    bool isAnnulled() const { return Estado.compare(QLatin1String("V"), Qt::CaseInsensitive) != 0; }
    // The key's nine digits, as the sale number fields show them.
    QString numberText() const { return IdVenta.mid(1); }
    // What its vouchers print: the stored values, the amount paid as the cash and the balance as
    // the change or what is owed, and the sale's own dosage.
    SaleVoucher voucher() const;
};

namespace StoredSales {

// "V" + the number zero-padded to 9 digits ("123" gives V000000123); empty text for a text that
// is not a whole number of at most 9 digits.
QString SaleKey(const QString& numberText);

// The sale with that key, its lines (in the order they were sold; a line whose product was
// deleted keeps its quantity and prices), the client's company and its dosage; nothing when no
// sale has that key. Throws DatabaseError.
std::optional<StoredSale> Find(const QString& saleId);

// The reads of Find (sale, lines, company, dosage), for checking their query plans.
QStringList ReadStatements();

}
