#include "tax/BookLines.h"

#include "data/Formats.h"
#include "data/SqlRows.h"
#include "data/Windows1252.h"

QDate BookPeriod::from() const { return QDate(year, month == 0 ? 1 : month, 1); }

QDate BookPeriod::until() const { return month == 0 ? from().addYears(1) : from().addMonths(1); }

QString BookPeriod::monthName() const { return BookLines::MonthNames().value(month); }

namespace BookLines {

QStringList MonthNames()
{
    return {QStringLiteral("ANUAL"),    QStringLiteral("ENERO"),      QStringLiteral("FEBRERO"), QStringLiteral("MARZO"),
            QStringLiteral("ABRIL"),    QStringLiteral("MAYO"),       QStringLiteral("JUNIO"),   QStringLiteral("JULIO"),
            QStringLiteral("AGOSTO"),   QStringLiteral("SEPTIEMBRE"), QStringLiteral("OCTUBRE"), QStringLiteral("NOVIEMBRE"),
            QStringLiteral("DICIEMBRE")};
}

QString FileName(BookKind kind, const BookPeriod& period, const QString& nit)
{
    return QStringLiteral("%1_%2%3_%4.txt")
        .arg(kind == BookKind::Sales ? QStringLiteral("Ventas") : QStringLiteral("Compras"))
        .arg(period.month, 2, 10, QLatin1Char('0'))
        .arg(period.year, 4, 10, QLatin1Char('0'))
        .arg(nit);
}

int FileFields(BookKind kind) { return kind == BookKind::Sales ? SCodigoC + 1 : CTipoC + 1; }

QStringList SaleCells(const SqlRows& sale, int number)
{
    const auto money = [&](const char* column) { return Formats::Money(sale.amount(QLatin1String(column))); };
    const QString total = money("TotalF");
    return {QStringLiteral("3"),
            QString::number(number),
            Formats::Date(sale.date(QStringLiteral("FechaV"))),
            sale.text(QStringLiteral("NroFact")),
            sale.text(QStringLiteral("NroAut")),
            sale.text(QStringLiteral("Estado")),
            sale.text(QStringLiteral("NitCI")),
            sale.text(QStringLiteral("Cliente")),
            total,
            money("ICE"),
            money("Exentos"),
            QStringLiteral("0.00"),
            total,
            QStringLiteral("0.00"),
            money("Neto"),
            money("IVA"),
            sale.text(QStringLiteral("CodigoC")),
            sale.text(QStringLiteral("Sucursal")),
            sale.text(QStringLiteral("IdVenta"))};
}

QStringList PurchaseCells(const SqlRows& purchase, int number)
{
    const auto money = [&](const char* column) { return Formats::Money(purchase.amount(QLatin1String(column))); };
    return {QStringLiteral("1"),
            QString::number(number),
            Formats::Date(purchase.date(QStringLiteral("FechaC"))),
            purchase.text(QStringLiteral("NitCI")),
            purchase.text(QStringLiteral("Proveedor")),
            purchase.text(QStringLiteral("NroFact")),
            purchase.text(QStringLiteral("NroDUI")),
            purchase.text(QStringLiteral("NroAut")),
            money("TotalF"),
            money("Exentos"),
            money("SubTotal"),
            money("Descuentos"),
            money("ImpBase"),
            money("CreditoF"),
            purchase.text(QStringLiteral("CodigoC")),
            purchase.text(QStringLiteral("TipoC"))};
}

QStringList NoMovementCells()
{
    QStringList cells(SalesColumnCount);
    for (int column : {SEsp, SFecha, SNroFact, SNroAut, SEstado, SCodigoC})
        cells[column] = QStringLiteral("0");
    cells[SNro] = QStringLiteral("1");
    cells[SNombre] = QStringLiteral("Sin Movimiento");
    for (int column = STotal; column <= SIva; ++column)
        cells[column] = QStringLiteral("0.00");
    return cells;
}

QString FileLine(const QStringList& cells, int fields)
{
    QStringList kept;
    kept.reserve(fields);
    for (int i = 0; i < fields; ++i) {
        QString cell = cells.value(i);
        for (QChar& c : cell)
            if (c == QLatin1Char('|') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028)
                || c == QChar(0x2029) || c == QChar(0x0085))
                c = QLatin1Char(' ');
        kept << cell;
    }
    return kept.join(QLatin1Char('|'));
}

QByteArray FileText(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += Windows1252::Encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

}
