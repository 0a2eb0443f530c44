// Tickets through a real print system: the suite's private CUPS scheduler (tests/support/
// cups-server.sh) with a queue whose printer keeps every job as the PDF it received. The program
// prints through its own printer path; the kept jobs are measured with poppler's tools and the QR
// symbol read back with zbar.
#include "QrDecoder.h"
#include "SaleSamples.h"

#include "cash/ClosingTicket.h"
#include "data/SessionState.h"
#include "printing/PrintedInvoice.h"
#include "printing/TicketSinkSeam.h"
#include "printing/ui/InstalledPrinters.h"
#include "printing/ui/SystemTicketSink.h"
#include "sales/InvoiceTicket.h"
#include "sales/SaleTicket.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString StateFile(const QString& name)
{
    QFile file(QDir(qEnvironmentVariable("CVI_CUPS_STATE")).filePath(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct KeptJob {
    QString path;
    double widthMm = 0;
    double heightMm = 0;
    int pages = 0;
};

// pdfinfo's "Page size: 226.77 x 400 pts" and "Pages: 1".
KeptJob Measure(const QString& path)
{
    KeptJob job{path};
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    job.widthMm = size.captured(1).toDouble() * 25.4 / 72;
    job.heightMm = size.captured(2).toDouble() * 25.4 / 72;
    job.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    return job;
}

// Width in millimetres of every picture on the page, from pdfimages' list (width and x-ppi).
QList<double> PictureWidthsMm(const QString& path)
{
    QList<double> widths;
    const QStringList lines = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(' ');
        if (f.size() >= 14 && f.at(12).toDouble() > 0)
            widths << f.at(3).toDouble() / f.at(12).toDouble() * 25.4;
    }
    return widths;
}

}

class TstCupsPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString server = StateFile(QStringLiteral("server"));
        QVERIFY2(!server.isEmpty(), "the CUPS test scheduler is not running (fixture cupsserver)");
        qputenv("CUPS_SERVER", server.toUtf8());
        m_queue = StateFile(QStringLiteral("queue"));
        m_jobs.setPath(StateFile(QStringLiteral("jobs")));
        if (const QMap<int, QString> earlier = keptJobs(); !earlier.isEmpty())
            m_lastJob = earlier.lastKey();
        QVERIFY2(InstalledPrinters::names().contains(m_queue), qPrintable(InstalledPrinters::names().join(',')));
    }
    void init()
    {
        SessionState::reset();
        SaleSamples::FillShop(0, QStringLiteral("JUAN PEREZ"), SaleSamples::kLegend);
        SessionState::current().TicketPrinterIndex = int(InstalledPrinters::names().indexOf(m_queue));
        SessionState::current().AppFolder = m_folder.path() + QStringLiteral("/");
        TicketSinkSeam::install(&m_sink);
    }
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        SessionState::reset();
    }

    // The invoice on an 80 mm roll page: its QR 25 mm wide and readable, carrying the invoice's text.
    void invoiceTicket()
    {
        const SaleVoucher sale = SaleSamples::Invoice();
        QCOMPARE(PrintInvoiceTicket(sale), QString());
        const KeptJob job = Measure(nextJob());
        QVERIFY2(qAbs(job.widthMm - 80) < 0.5, qPrintable(QString::number(job.widthMm)));
        QCOMPARE(job.pages, 1);
        const QList<double> pictures = PictureWidthsMm(job.path);
        QCOMPARE(pictures.size(), 1);
        qInfo("QR through CUPS: %.2f mm wide", pictures.first());
        QVERIFY2(pictures.first() >= 24 && pictures.first() <= 26, qPrintable(QString::number(pictures.first())));

        QTemporaryDir raster;
        Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), job.path, raster.filePath(QStringLiteral("page"))});
        const QStringList pages = QDir(raster.path()).entryList({QStringLiteral("*.png")});
        QCOMPARE(pages.size(), 1);
        QCOMPARE(QrDecoder::Decode(QImage(raster.filePath(pages.first()))), QStringList{sale.printedInvoice().qrText});
    }

    // A long ticket is one page as long as itself, never cut by a paper size.
    void longTicketsAreOnePage_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<double>("minimumMm");
        QTest::newRow("a sale of 40 lines") << "sale" << 40 * 3.0;
        QTest::newRow("the closing") << "closing" << 100.0;
    }
    void longTicketsAreOnePage()
    {
        QFETCH(QString, which);
        QFETCH(double, minimumMm);
        if (which == QLatin1String("sale")) {
            QCOMPARE(PrintSaleTicket(SaleSamples::Sale(1, 40, 500)), QString());
        } else {
            ClosingTicketData closing;
            closing.taxpayerName = QStringLiteral("MI NEGOCIO");
            closing.workDate = QDate(2026, 12, 9);
            closing.cashier = QStringLiteral("admin");
            closing.printed = QDateTime(QDate(2026, 12, 9), QTime(20, 0));
            QCOMPARE(PrintClosingTicket(closing), QString());
        }
        const KeptJob job = Measure(nextJob());
        QVERIFY2(qAbs(job.widthMm - 80) < 0.5, qPrintable(QString::number(job.widthMm)));
        QCOMPARE(job.pages, 1);
        QVERIFY2(job.heightMm > minimumMm, qPrintable(QString::number(job.heightMm)));
    }

private:
    // The jobs the printer has kept, by CUPS's job number.
    QMap<int, QString> keptJobs() const
    {
        QMap<int, QString> kept;
        for (const QString& name : m_jobs.entryList({QStringLiteral("job-*.pdf")}, QDir::Files))
            kept.insert(name.mid(4).chopped(4).toInt(), m_jobs.filePath(name));
        return kept;
    }
    // The next job the printer keeps, waiting for CUPS to hand it over.
    QString nextJob()
    {
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired()) {
            const QMap<int, QString> kept = keptJobs();
            for (auto job = kept.begin(); job != kept.end(); ++job) {
                if (job.key() > m_lastJob) {
                    m_lastJob = job.key();
                    return job.value();
                }
            }
            QTest::qWait(100);
        }
        return {};
    }

    QTemporaryDir m_folder;
    SystemTicketSink m_sink;
    QString m_queue;
    QDir m_jobs;
    int m_lastJob = 0;
};

QTEST_MAIN(TstCupsPrinting)
#include "tst_cupsprinting.moc"
