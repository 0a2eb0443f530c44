// Tickets on a thermal printer driven directly: the bytes a network printer on 127.0.0.1 receives
// when the program sells and closes, read back command by command.
#include "FakeEscPosPrinter.h"
#include "SalesShop.h"

#include "cash/ClosingTicket.h"
#include "data/TicketPrinterSettings.h"
#include "printing/EscPos.h"
#include "printing/PrintedInvoice.h"
#include "printing/TicketSinkSeam.h"
#include "printing/ui/SystemTicketSink.h"
#include "sales/PaymentForms.h"
#include "sales/SaleVoucherPrinting.h"
#include "sales/StoredSale.h"

#include <QElapsedTimer>

namespace {

const QString kMaria = QStringLiteral("4567890");
const QString kCoca = QStringLiteral("P000000001");

// One ticket as the printer reads it.
struct PrintedBytes {
    QList<QByteArray> lines;  // text, in the printer's code page
    QList<QByteArray> qr;     // the data of each stored QR symbol
    int qrPrinted = 0;
    int cuts = 0;
    int drawerPulses = 0;
    int codePage = -1;     // ESC t n
    bool unknown = false;  // a byte sequence the reader does not know

    static PrintedBytes read(const QByteArray& b)
    {
        PrintedBytes p;
        QByteArray line;
        for (qsizetype i = 0; i < b.size();) {
            const char c = b.at(i);
            const char next = i + 1 < b.size() ? b.at(i + 1) : char(0);
            if (c == EscPos::ESC && (next == '@')) {
                i += 2;
            } else if (c == EscPos::ESC && (next == 't' || next == '3' || next == 'J' || next == 'a')) {
                if (next == 't')
                    p.codePage = uchar(b.at(i + 2));
                i += 3;
            } else if (c == EscPos::ESC && next == 'p') {
                ++p.drawerPulses;
                i += 5;
            } else if (c == EscPos::GS && next == 'V') {
                ++p.cuts;
                i += (uchar(b.at(i + 2)) >= 65 ? 4 : 3);
            } else if (c == EscPos::GS && next == '(' && b.at(i + 2) == 'k') {
                const int length = uchar(b.at(i + 3)) + 256 * uchar(b.at(i + 4));
                const QByteArray body = b.mid(i + 5, length);
                if (body.at(1) == 80)
                    p.qr << body.mid(3);
                if (body.at(1) == 81)
                    ++p.qrPrinted;
                i += 5 + length;
            } else if (c == EscPos::DLE) {
                i += 3;
            } else if (c == '\n') {
                p.lines << line;
                line.clear();
                ++i;
            } else if (uchar(c) < 0x20) {
                p.unknown = true;
                ++i;
            } else {
                line.append(c);
                ++i;
            }
        }
        return p;
    }
    bool hasLine(const QByteArray& part) const
    {
        return std::any_of(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.contains(part); });
    }
};

ClosingTicketData SampleClosing()
{
    ClosingTicketData data;
    data.taxpayerName = QStringLiteral("MI NEGOCIO");
    data.workDate = QDate(2026, 12, 9);
    data.cashier = QStringLiteral("admin");
    data.printed = QDateTime(QDate(2026, 12, 9), QTime(20, 0));
    return data;
}

}

class TstDirectPrinter : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        TicketPrinterSettings::reset();
    }

    void textInTheCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("codePage");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Spanish letters, 850")
            << "ÑñáéíóúÁÉÍÓÚü" << 850 << QByteArray("\xa5\xa4\xa0\x82\xa1\xa2\xa3\xb5\x90\xd6\xe0\xe9\x81");
        QTest::newRow("number signs") << "Nº 1ª ¿¡" << 850 << QByteArray("N\xa7 1\xa6 \xa8\xad");
        QTest::newRow("euro in 858") << "10 €" << 858 << QByteArray("10 \xd5");
        QTest::newRow("no euro in 850") << "10 €" << 850 << QByteArray("10 ?");
        QTest::newRow("dotless i only in 850") << "ı" << 858 << QByteArray("?");
        QTest::newRow("outside both") << "Ω→" << 850 << QByteArray("??");
    }
    void textInTheCodePage()
    {
        QFETCH(QString, text);
        QFETCH(int, codePage);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EscPos::encodeText(text, codePage), bytes);
    }

    // The invoice QR through the printer's own command: module size for about 25 mm with its margin.
    void qrModuleSizeAimsAt25mm()
    {
        const QString text = QStringLiteral("1000000010|150|29040011007|09/12/2026|45.50|45.50|7B-F3-48-A8|4567890|0|0|0|0");
        const int module = EscPos::qrModuleSize(text, 200);
        QVERIFY2(module >= 3 && module <= 6, qPrintable(QString::number(module)));
    }

    // A cash invoice sale prints the invoice and the sale ticket: each one cut; the QR carries the
    // stored invoice's text; the drawer opens once, with the sale ticket.
    void cashInvoiceSale_data()
    {
        QTest::addColumn<int>("codePage");
        QTest::addColumn<bool>("drawer");
        QTest::newRow("PC850, drawer on") << 850 << true;
        QTest::newRow("PC858, drawer off") << 858 << false;
    }
    void cashInvoiceSale()
    {
        QFETCH(int, codePage);
        QFETCH(bool, drawer);
        SalesShop s;
        FakeEscPosPrinter printer;
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        TicketPrinterSettings::current() = TicketPrinterSettings{printer.address(), codePage, drawer};

        const SaleCommitResult r = SaleCommit::Commit(SalesShop::sale(
            PaymentForms::Cash, 1, "50", kMaria, QStringLiteral("MARIA PEÑA"), {SalesShop::line(kCoca, "2", "12.5")}));
        QVERIFY(r.stored());
        QVERIFY(PrintSaleVoucher(r.voucher));
        QVERIFY2(s.shop.messages.errors.isEmpty(), qPrintable(s.shop.messages.errors.join('\n')));

        const QList<QByteArray> jobs = printer.jobs(2);
        QCOMPARE(jobs.size(), 2);
        const PrintedBytes invoice = PrintedBytes::read(jobs.at(0));
        const PrintedBytes ticket = PrintedBytes::read(jobs.at(1));
        const std::optional<StoredSale> stored = StoredSales::Find(r.voucher.saleId);
        QVERIFY(stored);
        QCOMPARE(invoice.qr, QList<QByteArray>{stored->voucher().printedInvoice().qrText.toUtf8()});
        QCOMPARE(invoice.qrPrinted, 1);
        QCOMPARE(invoice.codePage, codePage == 858 ? 19 : 2);
        QVERIFY(invoice.hasLine("NOMBRE: MARIA PE\xa5"
                                "A"));
        QVERIFY(invoice.hasLine("FACTURA N\xa7: "));
        QVERIFY(!invoice.unknown && !ticket.unknown);
        QCOMPARE(invoice.cuts, 1);
        QCOMPARE(ticket.cuts, 1);
        QCOMPARE(invoice.drawerPulses, 0);
        QCOMPARE(ticket.drawerPulses, drawer ? 1 : 0);
        QVERIFY(ticket.qr.isEmpty());
    }

    void creditSaleKeepsTheDrawerShut()
    {
        SalesShop s;
        FakeEscPosPrinter printer;
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        TicketPrinterSettings::current().directPrinter = printer.address();
        const SaleCommitResult r =
            SaleCommit::Commit(SalesShop::sale(PaymentForms::Credit, 0, "5", kMaria, QStringLiteral("MARIA QUISPE CONDORI"),
                                               {SalesShop::line(kCoca, "2", "12.5")}));
        QVERIFY(r.stored());
        QVERIFY(PrintSaleVoucher(r.voucher));
        const QList<QByteArray> jobs = printer.jobs(1);
        QCOMPARE(jobs.size(), 1);
        const PrintedBytes ticket = PrintedBytes::read(jobs.at(0));
        QCOMPARE(ticket.cuts, 1);
        QCOMPARE(ticket.drawerPulses, 0);
        QVERIFY(ticket.hasLine("SALDO: "));
    }

    void closingOpensTheDrawer()
    {
        FakeEscPosPrinter printer;
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        TicketPrinterSettings::current().directPrinter = printer.address();
        QCOMPARE(PrintClosingTicket(SampleClosing()), QString());
        const QList<QByteArray> jobs = printer.jobs(1);
        QCOMPARE(jobs.size(), 1);
        const PrintedBytes ticket = PrintedBytes::read(jobs.at(0));
        QCOMPARE(ticket.cuts, 1);
        QCOMPARE(ticket.drawerPulses, 1);
        QVERIFY(ticket.hasLine("MI NEGOCIO"));
    }

    // A printer that does not answer is reported within seconds; the sale is stored once and the
    // register can print it again later.
    void printerThatDoesNotAnswer_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("connects, never answers") << true;
        QTest::newRow("nothing listens") << false;
    }
    void printerThatDoesNotAnswer()
    {
        QFETCH(bool, listening);
        SalesShop s;
        FakeEscPosPrinter silent(true);
        int closedPort = 0;
        {
            FakeEscPosPrinter gone;
            closedPort = gone.port();
        }
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        const QString address = listening ? silent.address() : QStringLiteral("127.0.0.1:%1").arg(closedPort);
        TicketPrinterSettings::current().directPrinter = address;
        const SaleCommitResult r = SaleCommit::Commit(SalesShop::sale(
            PaymentForms::Cash, 0, "50", kMaria, QStringLiteral("MARIA"), {SalesShop::line(kCoca, "1", "12.5")}));
        QVERIFY(r.stored());
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!PrintSaleVoucher(r.voucher));
        QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(s.shop.messages.errors.size(), 1);
        QVERIFY2(s.shop.messages.errors.first().contains(address + " no responde"),
                 qPrintable(s.shop.messages.errors.first()));
        QCOMPARE(s.number("SELECT COUNT(*) FROM Ventas"), 1);
    }
};

QTEST_MAIN(TstDirectPrinter)
#include "tst_directprinter.moc"
