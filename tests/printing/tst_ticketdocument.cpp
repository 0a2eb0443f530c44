#include "printing/ui/InstalledPrinters.h"
#include "printing/PdfTicketSink.h"
#include "printing/RecordingTicketSink.h"
#include "printing/ui/SystemTicketSink.h"
#include "printing/TicketDocument.h"
#include "printing/TicketSinkSeam.h"
#include "printing/TicketText.h"

#include "FixedClock.h"
#include "RecordingMessages.h"
#include "data/MainStatus.h"
#include "data/SessionState.h"

#include <QtTest>

namespace {
QString At(int y, const QString& text) { return QStringLiteral("6,%1 %2").arg(y).arg(text); }

QImage Square(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}
}

class TstTicketDocument : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        MessageSeam::install(&m_messages);
        ClockSeam::install(&m_clock);
        m_messages.clear();
    }
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        InstalledPrinters::install({});
        MessageSeam::install(nullptr);
        ClockSeam::install(nullptr);
        SessionState::reset();
    }

    void lineHeightIsTheRollPrintersYy()
    {
        RecordingTicketSink recorder;
        // 8 points at 203 dpi is 22.5 dots of em; the line is a little taller than that.
        QVERIFY2(recorder.lineHeight() >= 22 && recorder.lineHeight() <= 34,
                 qPrintable(QString::number(recorder.lineHeight())));
    }

    void headerAndBodyLinesStepDifferently()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        TicketDocument ticket;
        QVERIFY(ticket.Begin("FACTURA", 20));
        const int h = ticket.h();
        QCOMPARE(h, recorder.lineHeight());
        QCOMPARE(ticket.y(), 20);
        ticket.HeaderLine("TIENDA");
        ticket.HeaderLine("NIT: 123");
        ticket.BodyLine("----------------------------------------");
        ticket.BodyLine("TOTAL");
        ticket.Skip(120);
        ticket.DrawImage(90, ticket.y(), Square(100));
        ticket.Skip(110);
        ticket.BodyLine("GRACIAS");
        QCOMPARE(ticket.y(), 20 + 2 * (h + 5) + 3 * h + 230);
        QVERIFY(ticket.End());

        QCOMPARE(recorder.jobs.size(), 1);
        const TicketJob& job = recorder.jobs.first();
        QCOMPARE(job.title, QStringLiteral("FACTURA"));
        const int imageTop = 20 + 2 * (h + 5) + 2 * h + 120;
        const QStringList expected = {
            At(20, "TIENDA"),
            At(20 + h + 5, "NIT: 123"),
            At(20 + 2 * (h + 5), "----------------------------------------"),
            At(20 + 2 * (h + 5) + h, "TOTAL"),
            QStringLiteral("image 90,%1 100x100").arg(imageTop),
            At(imageTop + 110, "GRACIAS"),
        };
        QCOMPARE(job.describe(), expected);
        QCOMPARE(job.marks.at(4).imageRect(), QRect(90, imageTop, 100, 100));
    }

    void drawImageLeavesThePenWhereItWas()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        TicketDocument ticket;
        QVERIFY(ticket.Begin("TICKET", 15));
        ticket.DrawImage(10, 500, Square(8));
        QCOMPARE(ticket.y(), 15);
        ticket.BodyLine("A");
        QVERIFY(ticket.End());
        QCOMPARE(recorder.jobs.first().describe(), QStringList({QStringLiteral("image 10,500 8x8"), At(15, "A")}));
    }

    // The closing ticket places its rows at k*h + c from the exposed h and Skip.
    void rowsAtMultiplesOfH()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        TicketDocument ticket;
        QVERIFY(ticket.Begin("Cierre de Caja", 15));
        const int h = ticket.h();
        ticket.HeaderLine("TIENDA");                       // 15
        ticket.HeaderLine("CIERRE DE CAJA [09/12/2026]");  // h + 20
        ticket.Skip(2 * h + 45 - ticket.y());
        ticket.BodyLine(TicketText::CenterText("RESUMEN"));  // 2h + 45
        QVERIFY(ticket.End());
        QCOMPARE(recorder.jobs.first().describe(), QStringList({At(15, "TIENDA"), At(h + 20, "CIERRE DE CAJA [09/12/2026]"),
                                                                At(2 * h + 45, TicketText::CenterText("RESUMEN"))}));
    }

    void everyTicketIsItsOwnJob()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        for (const QString& title : {QStringLiteral("TICKET"), QStringLiteral("Ticket Amortizacion")}) {
            TicketDocument ticket;
            QVERIFY(ticket.Begin(title, 15));
            ticket.BodyLine(title);
            QVERIFY(ticket.End());
        }
        QCOMPARE(recorder.jobs.size(), 2);
        QCOMPARE(recorder.jobs.at(0).title, QStringLiteral("TICKET"));
        QCOMPARE(recorder.jobs.at(1).title, QStringLiteral("Ticket Amortizacion"));
        QCOMPARE(recorder.jobs.at(1).describe(), QStringList({At(15, "Ticket Amortizacion")}));
    }

    void failedBeginSendsNothing()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        recorder.failNextBegin("sin papel");
        TicketDocument ticket;
        QVERIFY(!ticket.Begin("TICKET", 15));
        ticket.HeaderLine("A");
        ticket.DrawImage(0, 0, Square(4));
        QVERIFY(!ticket.End());
        QCOMPARE(ticket.errorText(), QStringLiteral("sin papel"));
        QVERIFY(recorder.jobs.isEmpty());
    }

    // A ticket whose code stops half-way (an exception, an early return) is dropped, not
    // printed truncated; the next ticket prints as usual.
    void abandonedTicketPrintsNothing()
    {
        RecordingTicketSink recorder;
        TicketSinkSeam::install(&recorder);
        {
            TicketDocument ticket;
            QVERIFY(ticket.Begin("FACTURA", 15));
            ticket.HeaderLine("TIENDA");
        }
        QVERIFY(recorder.jobs.isEmpty());
        QVERIFY(!recorder.open());
        QCOMPARE(recorder.discarded, 1);

        TicketDocument next;
        QVERIFY(next.Begin("TICKET", 15));
        next.BodyLine("A");
        QVERIFY(next.End());
        QCOMPARE(recorder.jobs.size(), 1);
        QCOMPARE(recorder.jobs[0].describe(), QStringList{At(15, "A")});
    }

    void abandonedTicketWritesNoPdf()
    {
        QTemporaryDir appDir;
        SessionState::current().AppFolder = appDir.path() + "/";
        InstalledPrinters::install([] { return QStringList(); });
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        {
            TicketDocument ticket;
            QVERIFY(ticket.Begin("Cierre de Caja", 15));
            ticket.HeaderLine("TIENDA");
        }
        QCOMPARE(QDir(appDir.path() + "/tickets").entryList(QDir::Files), QStringList());
        QVERIFY(m_messages.all.isEmpty());
    }

    void noPrinterWritesPdfBesideTheDatabase_data()
    {
        QTest::addColumn<bool>("withDatabase");
        QTest::newRow("folder of the database") << true;
        QTest::newRow("program folder when no database") << false;
    }
    void noPrinterWritesPdfBesideTheDatabase()
    {
        QFETCH(bool, withDatabase);
        QTemporaryDir dbDir, appDir;
        SessionState& session = SessionState::current();
        session.AppFolder = appDir.path() + "/";
        if (withDatabase)
            session.DatabasePath = dbDir.filePath("dbzelto.sqlite");
        session.TicketPrinterIndex = 0;
        InstalledPrinters::install([] { return QStringList(); });
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);

        TicketDocument ticket;
        QVERIFY(ticket.Begin("Cierre de Caja", 15));
        ticket.HeaderLine("TIENDA");
        QVERIFY2(ticket.End(), qPrintable(ticket.errorText()));

        const QString folder = (withDatabase ? dbDir.path() : appDir.path()) + "/tickets/";
        const QString file = folder + "Cierre de Caja 20261209-103000.pdf";
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(m_messages.infos.size(), 1);
        QVERIFY(m_messages.infos.first().contains(QDir::toNativeSeparators(QDir::cleanPath(folder))));
        QVERIFY(m_messages.errors.isEmpty());
    }

    // A shop without printer: one box per session and folder, not one per ticket; the status bar
    // keeps naming the folder.
    void noPrinterTellsTheFolderOncePerSession()
    {
        QTemporaryDir firstShop, secondShop;
        SessionState& session = SessionState::current();
        session.DatabasePath = firstShop.filePath("dbzelto.sqlite");
        InstalledPrinters::install([] { return QStringList(); });
        MainStatus::clear();
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        const auto print = [] {
            TicketDocument ticket;
            QVERIFY(ticket.Begin("TICKET", 15));
            ticket.BodyLine("A");
            QVERIFY(ticket.End());
        };
        for (int i = 0; i < 3; ++i)
            print();
        const QString first = QDir::toNativeSeparators(firstShop.path() + "/tickets");
        QCOMPARE(m_messages.infos.size(), 1);
        QVERIFY(m_messages.infos.first().contains(first));
        QCOMPARE(MainStatus::text(MainStatus::kTicketsPanel), "Tickets en PDF: " + first);

        session.DatabasePath = secondShop.filePath("dbzelto.sqlite");
        print();
        print();
        const QString second = QDir::toNativeSeparators(secondShop.path() + "/tickets");
        QCOMPARE(m_messages.infos.size(), 2);
        QVERIFY(m_messages.infos.last().contains(second));
        QCOMPARE(MainStatus::text(MainStatus::kTicketsPanel), "Tickets en PDF: " + second);
        MainStatus::clear();
    }

    void ticketsInTheSameSecondGetTheirOwnFiles()
    {
        QTemporaryDir appDir;
        SessionState::current().AppFolder = appDir.path() + "/";
        InstalledPrinters::install([] { return QStringList(); });
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);
        for (int i = 0; i < 2; ++i) {
            TicketDocument ticket;
            QVERIFY(ticket.Begin("TICKET", 15));
            ticket.BodyLine("A");
            QVERIFY(ticket.End());
        }
        QDir tickets(appDir.path() + "/tickets");
        QCOMPARE(tickets.entryList(QDir::Files).size(), 2);
    }

    void indexThatNamesNoPrinterFails_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("past the list") << 2;
        QTest::newRow("negative") << -1;
    }
    void indexThatNamesNoPrinterFails()
    {
        QFETCH(int, index);
        QTemporaryDir appDir;
        SessionState::current().AppFolder = appDir.path() + "/";
        SessionState::current().TicketPrinterIndex = index;
        InstalledPrinters::install([] { return QStringList{"Termica", "Laser"}; });
        SystemTicketSink sink;
        TicketSinkSeam::install(&sink);

        TicketDocument ticket;
        QVERIFY(!ticket.Begin("FACTURA", 20));
        ticket.HeaderLine("TIENDA");
        QVERIFY(!ticket.End());
        QVERIFY(ticket.errorText().contains(QString::number(index)));
        QVERIFY(ticket.errorText().contains("2 impresora"));
        QVERIFY(!QFileInfo::exists(appDir.path() + "/tickets"));
        QVERIFY(m_messages.all.isEmpty());
    }

    // Writes the sample roll ticket to $CVI_SAMPLE_DIR (or a temporary folder) as a PDF.
    void sampleTicketPdf()
    {
        QTemporaryDir tmp;
        const QString folder =
            qEnvironmentVariableIsSet("CVI_SAMPLE_DIR") ? qEnvironmentVariable("CVI_SAMPLE_DIR") : tmp.path();
        const QString path = QDir(folder).filePath("sample-ticket.pdf");
        PdfTicketSink pdf(path);
        TicketSinkSeam::install(&pdf);

        TicketDocument ticket;
        QVERIFY(ticket.Begin("TICKET", 15));
        ticket.HeaderLine(TicketText::CenterText("TIENDA DON PEPE"));
        ticket.HeaderLine(TicketText::CenterText("NIT: 1234567"));
        ticket.HeaderLine(TicketText::CenterText("TICKET Nro. 000123"));
        ticket.BodyLine(QString(40, '-'));
        ticket.BodyLine("CANT CONCEPTO                P.U.  TOTAL");
        ticket.BodyLine(QString(40, '-'));
        ticket.BodyLine(TicketText::ItemLine("1", "COCA COLA 2L", 12.5, 12.5));
        ticket.BodyLine(TicketText::ItemLine("2", "PAN", 5, 10));
        ticket.BodyLine(TicketText::ItemLine("10", "SILLA PLEGABLE", 125, 1250));
        ticket.BodyLine(QString(42, '-'));
        ticket.BodyLine(TicketText::RightAlign40("TOTAL: " + TicketText::MoneyText(1272.5)));
        ticket.Skip(10);
        ticket.DrawImage(150, ticket.y(), Square(160));
        ticket.Skip(170);
        ticket.BodyLine(TicketText::CenterText("GRACIAS POR SU COMPRA"));
        QVERIFY2(ticket.End(), qPrintable(ticket.errorText()));
        QVERIFY(QFileInfo(path).size() > 500);
    }

private:
    RecordingMessages m_messages;
    FixedClock m_clock;
};

QTEST_MAIN(TstTicketDocument)
#include "tst_ticketdocument.moc"
