#include "FixedClock.h"
#include "RecordingMessages.h"
#include "data/SessionState.h"
#include "sales/InstalmentReport.h"
#include "sales/InstalmentTicket.h"
#include "sales/InstalmentVoucher.h"
#include "printing/PdfTicketSink.h"
#include "printing/RecordingReportPreview.h"
#include "printing/RecordingTicketSink.h"
#include "printing/TicketSinkSeam.h"
#include "printing/URCaja.h"

#include <QDir>
#include <QtTest>

namespace {

// MARIA paying 10.50 of her credit sale of 9 December (68, 20 paid before) on 10 December; the
// supplier side is ANDINA's purchase of 9 December (100, 40 paid before).
InstalmentVoucher Voucher(bool purchase)
{
    InstalmentVoucher v;
    v.purchase = purchase;
    v.orderNumber = QStringLiteral("000000012");
    v.date = QDate(2026, 12, 9);
    v.paymentDate = QDate(2026, 12, 10);
    v.nitCi = purchase ? QStringLiteral("1023456027") : QStringLiteral("4567890");
    v.name = purchase ? QStringLiteral("EMBOTELLADORA ANDINA SA") : QStringLiteral("MARIA QUISPE CONDORI");
    v.total = purchase ? 100 : 68;
    v.paidBefore = purchase ? 40 : 20;
    v.amount = 10.5;
    v.balance = v.total - v.paidBefore - v.amount;
    return v;
}

QStringList Column(const LaidOutPage& page, const QString& name)
{
    QStringList texts;
    for (const PlacedElement& item : page.items)
        if (item.name == name)
            texts << item.text;
    return texts;
}

}

class TstInstalmentVouchers : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        SessionState::current().TaxpayerName = QStringLiteral("PANADERIA LA ESPIGA");
        TicketSinkSeam::install(&m_tickets);
        ReportPreview::install(&m_preview);
        MessageSeam::install(&m_messages);
        ClockSeam::install(&m_clock);
        m_tickets.jobs.clear();
        m_preview.shown.clear();
        m_preview.reports.clear();
    }
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        ReportPreview::install(nullptr);
        MessageSeam::install(nullptr);
        ClockSeam::install(nullptr);
        SessionState::reset();
    }

    // The whole roll ticket: its title, every text at its place, nothing more.
    void ticket_data()
    {
        QTest::addColumn<bool>("purchase");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("client") << false
                                << QStringList{"COMPROBANTE PAGOS POR VENTA A CREDITO",
                                               "Fecha de Venta: 09/12/2026",
                                               "CI. Y NOMBRE DEL CLIENTE",
                                               "4567890",
                                               "MARIA QUISPE CONDORI",
                                               "DATOS DE LA VENTA",
                                               "TOTAL VENTA                        68.00",
                                               "CANCELADO                          20.00",
                                               "SALDO                              37.50"};
        QTest::newRow("supplier") << true
                                  << QStringList{"COMPROBANTE PAGOS POR COMPRA A CREDITO",
                                                 "Fecha de Compra: 09/12/2026",
                                                 "CI. Y NOMBRE DEL PROVEEDOR",
                                                 "1023456027",
                                                 "EMBOTELLADORA ANDINA SA",
                                                 "DATOS DE LA COMPRA",
                                                 "TOTAL COMPRA                      100.00",
                                                 "CANCELADO                          40.00",
                                                 "SALDO                              49.50"};
    }
    void ticket()
    {
        QFETCH(bool, purchase);
        QFETCH(QStringList, texts);
        QCOMPARE(PrintInstalmentTicket(Voucher(purchase)), QString());
        QCOMPARE(m_tickets.jobs.size(), 1);
        QCOMPARE(m_tickets.jobs.first().title, QStringLiteral("Ticket Amortizacion"));
        const int h = m_tickets.lineHeight();
        const QString rule(40, '-');
        const QList<QPair<int, QString>> rows{
            {15, "PANADERIA LA ESPIGA"},
            {h + 20, texts.at(0)},
            {2 * h + 25, "Nº Orden Referente: 000000012"},
            {3 * h + 30, texts.at(1)},
            {4 * h + 35, "Fecha Amortización: 10/12/2026"},
            {5 * h + 40, texts.at(2)},
            {6 * h + 45, texts.at(3)},
            {7 * h + 50, texts.at(4)},
            {8 * h + 55, rule},
            {9 * h + 55, texts.at(5)},
            {10 * h + 55, rule},
            {11 * h + 55, texts.at(6)},
            {12 * h + 55, texts.at(7)},
            {13 * h + 55, "AMORTIZANDO                        10.50"},
            {14 * h + 55, texts.at(8)},
            {15 * h + 55, rule},
            {21 * h + 55, "          --------------------"},
            {22 * h + 55, "            RECIBI  CONFORME"},
        };
        QStringList expected;
        for (const auto& [y, text] : rows)
            expected << QStringLiteral("6,%1 %2").arg(y).arg(text);
        QCOMPARE(m_tickets.jobs.first().describe(), expected);
    }

    void figureRows_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("row");
        QTest::newRow("blanks between") << "SALDO" << 0.0 << "SALDO                               0.00";
        QTest::newRow("figure fills the row") << QString(33, 'X') << 1234.5 << QString(33, 'X') + "1234.50";
        QTest::newRow("wider than the row, nothing cut") << QString(35, 'X') << 1234.5 << QString(35, 'X') + "1234.50";
    }
    void figureRows()
    {
        QFETCH(QString, label);
        QFETCH(double, amount);
        QFETCH(QString, row);
        QCOMPARE(InstalmentFigureRow(label, amount), row);
    }

    void ticketThatCannotPrintSaysWhy()
    {
        m_tickets.failNextBegin(QStringLiteral("La impresora no existe"));
        QCOMPARE(PrintInstalmentTicket(Voucher(false)), QStringLiteral("La impresora no existe"));
        QVERIFY(m_tickets.jobs.isEmpty());
    }

    void letterReportIsTheForm()
    {
        TFRCaja form;
        const ReportDefinition& r = form.QRAmortizar();
        QCOMPARE(r.title, QStringLiteral("Reporte Amortización"));
        QVERIFY(r.page.paper == ReportPageSetup::Paper::Letter);
        QCOMPARE(r.page.marginsMm, QMarginsF(15, 15, 15, 15));
        QCOMPARE(r.fontFamily, QStringLiteral("Arial"));
        for (const char* name : {"LTituloA", "LNOrden", "LTFechaVC", "LFechaVC", "LTNombreVC", "LNombreVC", "LDatosVC",
                                 "LTTotalVC", "LTotalVC2", "LCanceladoVC", "LAmortizadoVC", "LSaldoVC", "LFechaIVC"})
            QVERIFY2(r.label(QLatin1String(name)), name);
        QVERIFY(!r.detailBand.present() && !r.rowCallback());
        QCOMPARE(r.label("LTituloA")->font.pixels, 21);
        QVERIFY(r.label("LTituloA")->font.bold && r.label("LTituloA")->font.underline);
        const ReportDefinition& composite = form.report("QRAmortizacion");
        QCOMPARE(composite.title, QStringLiteral("Nota de Remisión"));
        QVERIFY(composite.page.paper == ReportPageSetup::Paper::Legal);
    }

    // Both copies on one Legal page, the second exactly half the paper lower, with the same texts.
    void letterVoucher_data()
    {
        QTest::addColumn<bool>("purchase");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("client") << false
                                << QStringList{"COMPROBANTE PAGOS POR VENTA A CREDITO",
                                               "Fecha de Venta:",
                                               "     Cliente:",
                                               "MARIA QUISPE CONDORI [4567890]",
                                               "DATOS DE LA VENTA",
                                               "TOTAL VENTA:",
                                               "68.00",
                                               "20.00",
                                               "10.50",
                                               "37.50"};
        QTest::newRow("supplier") << true
                                  << QStringList{"COMPROBANTE PAGOS POR COMPRA A CREDITO",
                                                 "Fecha de Compra:",
                                                 "Proveedor:",
                                                 "EMBOTELLADORA ANDINA SA [1023456027]",
                                                 "DATOS DE LA COMPRA",
                                                 "TOTAL COMPRA:",
                                                 "100.00",
                                                 "40.00",
                                                 "10.50",
                                                 "49.50"};
    }
    void letterVoucher()
    {
        QFETCH(bool, purchase);
        QFETCH(QStringList, texts);
        m_clock.moment = QDateTime(QDate(2026, 12, 10), QTime(9, 15, 0));
        ShowInstalmentVoucher(Voucher(purchase));
        QCOMPARE(m_preview.shown.size(), 1);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.title, QStringLiteral("Nota de Remisión"));
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.first();
        QVERIFY(page.setup.paper == ReportPageSetup::Paper::Legal);
        const char* names[] = {"LTituloA",  "LTFechaVC", "LTNombreVC",   "LNombreVC",     "LDatosVC",
                               "LTTotalVC", "LTotalVC2", "LCanceladoVC", "LAmortizadoVC", "LSaldoVC"};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(Column(page, QLatin1String(names[i])), (QStringList{texts.at(i), texts.at(i)}));
        QCOMPARE(Column(page, "LNOrden"), (QStringList{"000000012", "000000012"}));
        QCOMPARE(Column(page, "LFechaVC"), (QStringList{"09/12/2026", "09/12/2026"}));
        QCOMPARE(Column(page, "LFechaIVC"), QStringList(2, "Fecha y Hora de Impresión: 10/12/2026 09:15:00"));
        QList<double> tops;
        for (const PlacedElement& item : page.items)
            if (item.name == "LTituloA" || item.name == "LFechaIVC")
                tops << item.rect.top();
        QCOMPARE(tops.size(), 4);
        QCOMPARE(tops.at(2) - tops.at(0), page.setup.paperPixels().height() / 2);
        // Each copy ends above the next and inside the page.
        QVERIFY(tops.at(1) < tops.at(2));
        QVERIFY(tops.at(3) + 18 < page.setup.contentPixels().bottom());
    }

    // Not a check: the roll ticket, for a person to look at when CVI_SAMPLE_DIR is set.
    void sampleTicketPdf()
    {
        if (!qEnvironmentVariableIsSet("CVI_SAMPLE_DIR"))
            QSKIP("set CVI_SAMPLE_DIR to write the instalment ticket");
        PdfTicketSink pdf(QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath("ticket-amortizacion.pdf"));
        TicketSinkSeam::install(&pdf);
        QCOMPARE(PrintInstalmentTicket(Voucher(false)), QString());
    }

private:
    RecordingTicketSink m_tickets;
    RecordingReportPreview m_preview;
    RecordingMessages m_messages;
    FixedClock m_clock;
};

QTEST_MAIN(TstInstalmentVouchers)
#include "tst_instalmentvouchers.moc"
