#pragma once
#include <QString>
#include <QVector>

struct InstalmentVoucher;

// One row of the instalment ticket at its y, in device units (h being the ticket's line height).
struct InstalmentTicketRow {
    int y;
    QString text;

    bool operator==(const InstalmentTicketRow&) const = default;
};

// The roll voucher of a client's instalment ("COMPROBANTE PAGOS POR VENTA A CREDITO") or of a
// payment to a supplier ("... POR COMPRA A CREDITO"): the shop, the order, the dates and the other
// party, the sale's or purchase's figures 40 columns wide, and room for the signature.
QVector<InstalmentTicketRow> InstalmentTicketRows(const InstalmentVoucher& voucher, const QString& taxpayerName, int h);

// "LABEL        figure" ending at column 40 (no blanks when the figure fills the row).
QString InstalmentFigureRow(const QString& label, double amount);

// Prints it on the ticket printer (job "Ticket Amortizacion"), the shop's name from the session
// record. Empty text when printed, otherwise why it failed.
QString PrintInstalmentTicket(const InstalmentVoucher& voucher);
