#include "QrDecoder.h"
#include "SaleSamples.h"

#include "sales/InvoiceTicket.h"
#include "sales/Quotation.h"
#include "sales/QuotationTicket.h"
#include "printing/RecordingTicketSink.h"
#include "sales/SaleTicket.h"
#include "printing/TicketSinkSeam.h"
#include "printing/TicketText.h"

#include <QtTest>

using TicketText::CenterText;

namespace {

const QString kRule = QString(40, QLatin1Char('-'));
const QString kHeading = QStringLiteral("CANT CONCEPTO                P.U.  TOTAL");

// The marks a ticket should leave, written down line by line with the ticket's own stepping:
// header lines leave a gap of 5 below them, body lines none.
struct Expected {
    int y;
    int h;
    QStringList marks;

    void header(const QString& text)
    {
        marks << QStringLiteral("6,%1 %2").arg(y).arg(text);
        y += h + 5;
    }
    void body(const QString& text)
    {
        marks << QStringLiteral("6,%1 %2").arg(y).arg(text);
        y += h;
    }
};

}

class TstSaleTickets : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        TicketSinkSeam::install(&m_recorder);
        m_recorder.jobs.clear();
    }
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        SessionState::reset();
    }

    // The invoice ticket of a new sale, and a stored one printed again with its own dosage (whose
    // deadline and legend differ from the session's active one) and the two-blank mark line.
    void invoiceTicket_data()
    {
        QTest::addColumn<int>("branch");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<bool>("reprint");
        QTest::newRow("head office, 70-character legend") << 0 << "JUAN PEREZ MAMANI" << SaleSamples::kLegend << false;
        QTest::newRow("branch 2, no owner, no legend") << 2 << ""
                                                       << "" << false;
        QTest::newRow("reprint under its own dosage") << 0 << "JUAN PEREZ MAMANI"
                                                      << "" << true;
    }
    void invoiceTicket()
    {
        QFETCH(int, branch);
        QFETCH(QString, owner);
        QFETCH(QString, legend);
        QFETCH(bool, reprint);
        SaleSamples::FillShop(branch, owner, legend);
        SaleVoucher sale = SaleSamples::Invoice();
        QString deadline = QStringLiteral("31/01/2027");
        QStringList legendLines = SessionState::current().InvoiceLegendLines;
        if (reprint) {
            sale.dosage = VoucherDosage{QDate(2026, 6, 30), SaleSamples::kLegend};
            deadline = QStringLiteral("30/06/2026");
            legendLines = InvoiceLegendLines(SaleSamples::kLegend);
            QCOMPARE(PrintInvoiceTicketReprint(sale), QString());
        } else {
            QCOMPARE(PrintInvoiceTicket(sale), QString());
        }
        QCOMPARE(m_recorder.jobs.size(), 1);
        const TicketJob& job = m_recorder.jobs.first();
        QCOMPARE(job.title, QStringLiteral("FACTURA"));

        Expected e{20, m_recorder.lineHeight(), {}};
        e.header(CenterText("MI NEGOCIO"));
        if (!owner.isEmpty())
            e.header(CenterText(owner));
        if (branch == 0) {
            e.header("              CASA MATRIZ");
            e.header(CenterText("AV. 6 DE AGOSTO NRO 1234"));
            e.header(CenterText("LA PAZ BOLIVIA"));
        } else {
            e.header("               SUCURSAL 2");
            e.header(CenterText("C. COMERCIO 55"));
            e.header(CenterText("EL ALTO BOLIVIA"));
        }
        e.header(reprint ? "            FACTURA  ORIGINAL" : "            FACTURA ORIGINAL");
        e.body(kRule);
        e.body("           NIT: 1000000010");
        e.body("         FACTURA Nº: 00000150");
        e.body("    AUTORIZACION Nº: 29040011007");
        e.body(kRule);
        e.body("Actividad Económica: ");
        e.body("VENTA AL POR MENOR DE ALIMENTOS");
        e.body("FECHA: 09/12/2026  HORA: 10:30:00");
        e.body("NOMBRE: MARIA QUISPE CONDORI");
        e.body("NIT/CI: 4567890");
        e.body(kRule);
        e.body(kHeading);
        e.body(kRule);
        e.body("2 COCA COLA 2L              12.50  25.00");
        e.body("2.5 AZUCAR 1KG               8.20  20.50");
        e.body(kRule);
        e.body("                        TOTAL Bs.: 45.50");
        e.body("SON: CUARENTA Y CINCO 50/100 Bs");
        e.body(kRule);
        e.body("CODIGO DE CONTROL: 7B-F3-48-A8");
        e.body("FECHA LIMITE DE EMISION: " + deadline);
        e.y += 10;
        e.marks << QStringLiteral("image 166,%1 200x200").arg(e.y - 5);
        const int qrIndex = int(e.marks.size()) - 1;
        e.y += 180 + e.h;
        e.body("\"ESTA FACTURA CONTRIBUYE AL DESARROLLO");
        e.body("DEL PAIS, EL USO ILICITO DE ESTA SERA");
        e.body("SANCIONADO DE ACUERDO A LEY\"");
        if (!legendLines.isEmpty()) {
            QVERIFY(legendLines.size() == 3 || legendLines.size() == 4);
            e.y += e.h;  // one blank line above the legend
            for (const QString& line : legendLines)
                e.body(line);
        }
        e.body(kRule);
        e.body("GRACIAS POR SU PREFERENCIA... 12");
        QCOMPARE(job.describe(), e.marks);

        // The symbol reads back as the invoice's QR text: the number without its display zeros.
        QCOMPARE(QrDecoder::Decode(job.marks.at(qrIndex).image), QStringList{SaleSamples::kInvoiceQr});
    }

    void saleTicket_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<double>("cash");
        QTest::addColumn<bool>("named");
        QTest::addColumn<QStringList>("tail");  // the lines after the 42 hyphens
        QTest::newRow("cash") << 1 << 25.0 << true
                              << QStringList{"                            TOTAL: 20.00",
                                             "                         EFECTIVO: 25.00",
                                             "                            CAMBIO: 5.00"};
        QTest::newRow("credit 100/30 owes")
            << 2 << 5.0 << true
            << QStringList{"                            TOTAL: 20.00", "                          EFECTIVO: 5.00",
                           "                            SALDO: 15.00"};
        QTest::newRow("card gives change")
            << 3 << 20.0 << true
            << QStringList{"                            TOTAL: 20.00", "                         EFECTIVO: 20.00",
                           "                            CAMBIO: 0.00"};
        QTest::newRow("no client name") << 1 << 20.0 << false
                                        << QStringList{"                            TOTAL: 20.00",
                                                       "                         EFECTIVO: 20.00",
                                                       "                            CAMBIO: 0.00"};
    }
    void saleTicket()
    {
        QFETCH(int, form);
        QFETCH(double, cash);
        QFETCH(bool, named);
        QFETCH(QStringList, tail);
        SaleSamples::FillShop(0, "", "");
        SaleVoucher sale = SaleSamples::Sale(form, 2, cash);
        sale.clientNameTyped = named;
        QCOMPARE(PrintSaleTicket(sale), QString());
        QCOMPARE(m_recorder.jobs.size(), 1);
        QCOMPARE(m_recorder.jobs.first().title, QStringLiteral("TICKET"));

        Expected e{15, m_recorder.lineHeight(), {}};
        e.header("MI NEGOCIO");
        e.header("");  // the owner's line is printed even when empty
        e.header("Nº Orden: 12 Fecha: 09/12/2026");
        if (named)
            e.header("Cliente: MARIA QUISPE CONDORI");
        e.body(kRule);
        e.body(kHeading);
        e.body(kRule);
        e.body("1 PRODUCTO 1                10.00  10.00");
        e.body("1 PRODUCTO 2                10.00  10.00");
        e.body(kRule);  // every rule of the ticket is as wide as its lines
        for (const QString& line : tail)
            e.body(line);
        e.body("      GRACIAS POR SU PREFERENCIA");
        QCOMPARE(m_recorder.jobs.first().describe(), e.marks);
    }

    // A stored sale's ticket printed again: the amounts as stored, the balance as "SALDO: " only
    // for a credit sale, no owner line, 40 hyphens under the items and its own closing line.
    void saleTicketReprint_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<double>("paid");
        QTest::addColumn<double>("balance");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("credit") << 2 << 5.0 << 15.0
                                << QStringList{"                            TOTAL: 20.00",
                                               "                          EFECTIVO: 5.00",
                                               "                            SALDO: 15.00"};
        QTest::newRow("cash") << 1 << 20.0 << 0.0
                              << QStringList{"                            TOTAL: 20.00",
                                             "                         EFECTIVO: 20.00",
                                             "                            CAMBIO: 0.00"};
    }
    void saleTicketReprint()
    {
        QFETCH(int, form);
        QFETCH(double, paid);
        QFETCH(double, balance);
        QFETCH(QStringList, tail);
        SaleSamples::FillShop(0, "JUAN PEREZ MAMANI", "");
        SaleVoucher sale = SaleSamples::Sale(form, 2, paid);
        sale.cashReceived = paid;
        sale.changeOrBalance = balance;
        QCOMPARE(PrintSaleTicketReprint(sale), QString());
        QCOMPARE(m_recorder.jobs.size(), 1);
        QCOMPARE(m_recorder.jobs.first().title, QStringLiteral("Ticket Venta"));

        Expected e{15, m_recorder.lineHeight(), {}};
        e.header("MI NEGOCIO");
        e.header("Nº Orden: 12 Fecha: 09/12/2026");
        e.header("Cliente: MARIA QUISPE CONDORI");
        e.body(kRule);
        e.body(kHeading);
        e.body(kRule);
        e.body("1 PRODUCTO 1                10.00  10.00");
        e.body("1 PRODUCTO 2                10.00  10.00");
        e.body(kRule);
        for (const QString& line : tail)
            e.body(line);
        e.body("       GRACIAS POR SU PREFERENCIA");
        QCOMPARE(m_recorder.jobs.first().describe(), e.marks);
    }

    // The quotation on the roll printer: the owner's line stays even when empty, the client's line
    // only when a name is given.
    void quotationTicket_data()
    {
        QTest::addColumn<QString>("client");
        QTest::newRow("no client") << "";
        QTest::newRow("named client") << "MARIA QUISPE CONDORI";
    }
    void quotationTicket()
    {
        QFETCH(QString, client);
        SaleSamples::FillShop(0, "", "");
        Quotation q;
        q.date = QDate(2026, 12, 9);
        q.clientName = client;
        q.total = 45.5;
        q.lines = SaleSamples::Invoice().lines;
        QCOMPARE(PrintQuotationTicket(q), QString());
        QCOMPARE(m_recorder.jobs.size(), 1);
        QCOMPARE(m_recorder.jobs.first().title, QStringLiteral("TICKET CUENTA"));

        Expected e{15, m_recorder.lineHeight(), {}};
        e.header("MI NEGOCIO");
        e.header("");
        e.header("COTIZACION/CUENTA Fecha: 09/12/2026");
        if (!client.isEmpty())
            e.header("Cliente: " + client);
        e.body(kRule);
        e.body(kHeading);
        e.body(kRule);
        e.body("2 COCA COLA 2L              12.50  25.00");
        e.body("2.5 AZUCAR 1KG               8.20  20.50");
        e.body(kRule);  // every rule of the ticket is as wide as its lines
        e.body("                            TOTAL: 45.50");
        e.body("      GRACIAS POR SU PREFERENCIA");
        QCOMPARE(m_recorder.jobs.first().describe(), e.marks);
    }

    void freeSaleTicketShowsZeros()
    {
        SaleSamples::FillShop(0, "JUAN PEREZ MAMANI", "");
        SaleVoucher sale = SaleSamples::Sale(0, 1, 0);
        sale.lines.first().unitPrice = 0;
        sale.lines.first().lineTotal = 0;
        sale.total = 0;
        sale.changeOrBalance = 0;
        QCOMPARE(PrintSaleTicket(sale), QString());
        QStringList texts;
        for (const TicketMark& mark : m_recorder.jobs.first().marks)
            texts << mark.text;
        for (const char* line : {"1 PRODUCTO 1                 0.00   0.00", "                             TOTAL: 0.00",
                                 "                          EFECTIVO: 0.00", "                            CAMBIO: 0.00"})
            QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
    }

    void refusedJobLeavesNothing()
    {
        SaleSamples::FillShop(0, "", "");
        m_recorder.failNextBegin(QStringLiteral("La impresora 3 no existe"));
        QCOMPARE(PrintInvoiceTicket(SaleSamples::Invoice()), QStringLiteral("La impresora 3 no existe"));
        QVERIFY(m_recorder.jobs.isEmpty());
    }

private:
    RecordingTicketSink m_recorder;
};

QTEST_MAIN(TstSaleTickets)
#include "tst_saletickets.moc"
