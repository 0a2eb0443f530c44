#include "cash/ClosingTicket.h"

#include "data/Formats.h"
#include "printing/TicketDocument.h"

namespace {

const QString kRule = QString(40, QLatin1Char('-'));
const QString kShortRule = QStringLiteral("                   ---------------------");
const QString kHeader = QStringLiteral("CONCEPTO                 VENTAS  COMPRAS");

QString padBetween(const QString& label, const QString& figures)
{
    const qsizetype blanks = qMax<qsizetype>(0, 40 - label.size() - figures.size());
    return label + QString(blanks, QLatin1Char(' ')) + figures;
}

QString money(double v) { return Formats::Money(v); }
QString count(int v) { return QString::number(v); }

}

QString ClosingTwoFigureRow(const QString& label, const QString& sales, const QString& purchases, int fieldWidth)
{
    return padBetween(label, sales + purchases.rightJustified(fieldWidth, QLatin1Char(' ')));
}

QString ClosingOneFigureRow(const QString& label, const QString& figure) { return padBetween(label, figure); }

QVector<ClosingTicketRow> ClosingTicketRows(const ClosingTicketData& data, int h)
{
    const ClosingFigures& f = data.figures;
    auto amounts = [](const char* label, double sales, double purchases) {
        return ClosingTwoFigureRow(QString::fromLatin1(label), money(sales), money(purchases), 9);
    };
    auto counts = [](const char* label, int sales, int purchases) {
        return ClosingTwoFigureRow(QString::fromLatin1(label), count(sales), count(purchases), 5);
    };

    QVector<ClosingTicketRow> rows{
        {15, data.taxpayerName},
        {h + 20, QStringLiteral("CIERRE DE CAJA [") + Formats::Date(data.workDate) + QLatin1Char(']')},
        {2 * h + 45, QStringLiteral("       RESUMEN DE VENTAS Y COMPRAS      ")},
        {3 * h + 45, kRule},
        {4 * h + 45, kHeader},
        {5 * h + 45, kRule},
        {6 * h + 45, ClosingTwoFigureRow(QStringLiteral("SALDO INICIAL"), money(f.InitialAmount), QStringLiteral("0.00"), 9)},
        {7 * h + 45, amounts("CONTADO", f.VentasEf, f.ComprasEf)},
        {8 * h + 45, amounts("C/P POR CREDITO", f.VentasCr, f.ComprasCr)},
        {9 * h + 45, amounts("TARJETA o CHEQUE", f.VentasDo, f.ComprasDo)},
        {10 * h + 45, kShortRule},
        {11 * h + 45, amounts("SUBTOTAL", f.salesSubtotal(), f.purchasesSubtotal())},
        {12 * h + 45, kShortRule},
        {13 * h + 45, ClosingOneFigureRow(QStringLiteral("TOTAL(Ventas-Compras)"), money(f.expectedCash()))},
        {15 * h + 55, QStringLiteral("    RESUMEN DEUDAS VENTAS Y COMPRAS     ")},
        {16 * h + 60, kRule},
        {17 * h + 60, kHeader},
        {18 * h + 60, kRule},
        {19 * h + 60, amounts("DEUDAS", f.PCobrar, f.PPagar)},
        {21 * h + 70, QStringLiteral("     ESTADISTICAS VENTAS Y COMPRAS      ")},
        {22 * h + 75, kRule},
        {23 * h + 75, kHeader},
        {24 * h + 75, kRule},
        {25 * h + 75, counts("CONTADO", f.NVentasEf, f.NComprasEf)},
        {26 * h + 75, counts("C/P POR CREDITO", f.NVentasCr, f.NComprasCr)},
        {27 * h + 75, counts("TARJETA o CHEQUE", f.NVentasDo, f.NComprasDo)},
        {28 * h + 75, counts("SIN COSTO-GRATIS", f.NVentasSC, f.NComprasSC)},
        {29 * h + 75, counts("TOTAL", f.salesCount(), f.purchasesCount())},
        {30 * h + 75, counts("ANULADOS", f.NVentasA, f.NComprasA)},
        {32 * h + 85, kRule},
        {33 * h + 85, QStringLiteral("             CIERRE DE CAJA             ")},
        {34 * h + 85, kRule},
        {35 * h + 85, ClosingOneFigureRow(QStringLiteral("TOTAL EFECTIVO"), money(f.CountedCash))},
        {36 * h + 85, ClosingOneFigureRow(QStringLiteral("TOTAL TRASPASO"), money(f.Traspaso))},
        {37 * h + 85, ClosingOneFigureRow(QStringLiteral("SALDO"), money(f.Saldo))},
    };
    if (f.SobFal != 0)
        rows.append({38 * h + 85, ClosingOneFigureRow(f.differenceCaption().toUpper(), money(qAbs(f.SobFal)))});

    const int last = rows.last().y;
    rows.append({last + 4 * h + 20, QString(22, QLatin1Char('-'))});
    rows.append({last + 5 * h + 20, data.cashier});
    rows.append({last + 6 * h + 20, QStringLiteral("NOTA: Las Ventas y Compras por TARJETA o")});
    rows.append({last + 7 * h + 20, QStringLiteral("CHEQUE no suman ni restan en el EFECTIVO")});
    rows.append({last + 8 * h + 20, QStringLiteral("Fecha: ") + Formats::Date(data.printed.date())
                                        + QStringLiteral(" Hora: ") + Formats::Time(data.printed.time())});
    return rows;
}

QString PrintClosingTicket(const ClosingTicketData& data)
{
    TicketDocument ticket;
    if (!ticket.Begin(QStringLiteral("Cierre de Caja"), 15))
        return ticket.errorText();
    // Every row sits at its own y; the gaps between blocks are skipped.
    for (const ClosingTicketRow& row : ClosingTicketRows(data, ticket.h())) {
        ticket.Skip(row.y - ticket.y());
        ticket.BodyLine(row.text);
    }
    // The closing's count of the drawer's cash starts with the drawer open.
    ticket.OpenDrawer();
    return ticket.End() ? QString() : ticket.errorText();
}
