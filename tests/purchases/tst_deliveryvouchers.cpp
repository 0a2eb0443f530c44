#include "ProgramFiles.h"
#include "FixedClock.h"
#include "RecordingMessages.h"
#include "data/SessionState.h"
#include "printing/PdfTicketSink.h"
#include "printing/RecordingReportPreview.h"
#include "printing/RecordingTicketSink.h"
#include "purchases/SupplyDeliveryTicket.h"
#include "purchases/SupplyDeliveryVoucher.h"
#include "printing/TicketSinkSeam.h"
#include "printing/URVenta.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The shop the vouchers are printed for.
void FillShop()
{
    SessionState& s = SessionState::current();
    s.TaxpayerName = QStringLiteral("PANADERIA LA ESPIGA");
    s.OwnerName = QStringLiteral("JUAN PEREZ MAMANI");
    s.BranchNumber = 0;
    s.HeadOfficeAddress = QStringLiteral("AV. 6 DE AGOSTO NRO 1234");
    s.HeadOfficePhone = QStringLiteral("2245678");
    s.HeadOfficeCity = QStringLiteral("LA PAZ");
}

// Delivery 12 of 9 December 2026 with `lines` supplies of 2.5 KILO each.
SupplyDeliveryVoucher Delivery(int lines, const QString& recipient = QStringLiteral("PEDRO MAMANI"))
{
    SupplyDeliveryVoucher d;
    d.deliveryId = QStringLiteral("E000000012");
    d.date = QDate(2026, 12, 9);
    d.nitCi = QStringLiteral("6012345");
    d.recipient = recipient;
    d.observation = QStringLiteral("PARA EL HORNO 2");
    for (int i = 1; i <= lines; ++i)
        d.lines << SupplyDeliveryLine{QStringLiteral("2.5"), QStringLiteral("HARINA %1").arg(i), QStringLiteral("KILO")};
    return d;
}

// Every placed element of that name on the page, in order, empty ones included.
QStringList Column(const LaidOutPage& page, const QString& name)
{
    QStringList texts;
    for (const PlacedElement& item : page.items)
        if (item.name == name)
            texts << item.text;
    return texts;
}

QString Text(const LaidOutPage& page, const QString& name)
{
    const PlacedElement* item = page.find(name);
    return item ? item->text : QStringLiteral("<none>");
}

QStringList Padded(QStringList values)
{
    while (values.size() < 7)
        values << QString();
    return values;
}

}

class TstDeliveryVouchers : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        FillShop();
        // The program's folder as a fresh build leaves it: its own logo, no shop logo.
        SessionState::current().AppFolder = ProgramFiles::buildFolder();
        TicketSinkSeam::install(&m_tickets);
        ReportPreview::install(&m_preview);
        MessageSeam::install(&m_messages);
        ClockSeam::install(&m_clock);
        m_tickets.jobs.clear();
        m_preview.shown.clear();
        m_preview.reports.clear();
        m_messages.clear();
    }
    void cleanup()
    {
        TicketSinkSeam::install(nullptr);
        ReportPreview::install(nullptr);
        MessageSeam::install(nullptr);
        ClockSeam::install(nullptr);
        SessionState::reset();
    }

    // The whole ticket: its title, every text with its position, and nothing more.
    void ticket_data()
    {
        QTest::addColumn<QString>("recipient");
        QTest::addColumn<QString>("supply");
        QTest::addColumn<QString>("itemLine");
        // 2.5, a blank and 20 characters: four blanks widen it to 28.
        QTest::newRow("with recipient") << "PEDRO MAMANI"
                                        << "HARINA DE TRIGO 50KG"
                                        << "2.5 HARINA DE TRIGO 50KG    KILO";
        QTest::newRow("without recipient") << ""
                                           << "HARINA DE TRIGO 50KG"
                                           << "2.5 HARINA DE TRIGO 50KG    KILO";
        // 2.5, a blank and 26 characters: 30 characters, neither cut nor widened.
        QTest::newRow("concept of 28 or more") << "PEDRO MAMANI"
                                               << "ACEITE VEGETAL EN BIDON 20L"
                                               << "2.5 ACEITE VEGETAL EN BIDON 20LKILO";
    }
    void ticket()
    {
        QFETCH(QString, recipient);
        QFETCH(QString, supply);
        QFETCH(QString, itemLine);
        SupplyDeliveryVoucher delivery = Delivery(0, recipient);
        delivery.lines = {{"2.5", supply, "KILO"}, {"10", "BOLSA PLASTICA MEDIANA", "UNIDAD"}};
        QCOMPARE(PrintSupplyDeliveryTicket(delivery), QString());
        QCOMPARE(m_tickets.jobs.size(), 1);
        QCOMPARE(m_tickets.jobs.first().title, QStringLiteral("TICKET"));

        const int h = m_tickets.lineHeight();
        int y = 15;
        QStringList expected;
        auto line = [&](const QString& text, int advance) {
            expected << QStringLiteral("6,%1 %2").arg(y).arg(text);
            y += advance;
        };
        line("PANADERIA LA ESPIGA", h + 5);
        line("JUAN PEREZ MAMANI", h + 5);
        line("Nº Orden: 12 Fecha: 09/12/2026", h + 5);
        line("     COMPROBANTE ENTREGA DE INSUMOS     ", h + 5);
        if (!recipient.isEmpty())
            line("Entregado a: PEDRO MAMANI", h + 5);
        line(QString(40, '-'), h);
        line("CANT CONCEPTO                     UNIDAD", h);
        line(QString(40, '-'), h);
        line(itemLine, h);
        line("10 BOLSA PLASTICA MEDIANA   UNIDAD", h);
        line(QString(42, '-'), h);
        y += 6 * h;
        line("   ---------------    ---------------   ", h);
        line("      RECIBIDO          ENTREGADO", h);
        QCOMPARE(m_tickets.jobs.first().describe(), expected);
    }

    void ticketThatCannotPrintSaysWhy()
    {
        m_tickets.failNextBegin(QStringLiteral("La impresora no existe"));
        QCOMPARE(PrintSupplyDeliveryTicket(Delivery(2)), QStringLiteral("La impresora no existe"));
        QVERIFY(m_tickets.jobs.isEmpty());
    }

    // Not a check: the ticket on roll paper, for a person to look at when CVI_SAMPLE_DIR is set.
    void sampleTicketPdf()
    {
        if (!qEnvironmentVariableIsSet("CVI_SAMPLE_DIR"))
            QSKIP("set CVI_SAMPLE_DIR to write the delivery ticket");
        PdfTicketSink pdf(QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath("ticket-entrega-insumos.pdf"));
        TicketSinkSeam::install(&pdf);
        SupplyDeliveryVoucher delivery = Delivery(0);
        delivery.lines = {{"2.5", "HARINA DE TRIGO 50KG", "KILO"},
                          {"100", "BOLSA PLASTICA MEDIANA", "UNIDAD"},
                          {"1", "ACEITE VEGETAL EN BIDON DE 20L", "UNIDAD"}};
        QCOMPARE(PrintSupplyDeliveryTicket(delivery), QString());
    }

    // Every copy has exactly seven detail rows: the lines, the observation with its stars in the
    // unit column, and empty rows up to the seventh.
    void letterNote_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("number");
        QTest::newRow("2 lines, 2 copies at the counter") << 2 << 2 << "000000012";
        QTest::newRow("6 lines, 1 copy from the year list") << 6 << 1 << "E000000012";
    }
    void letterNote()
    {
        QFETCH(int, lines);
        QFETCH(int, copies);
        QFETCH(QString, number);
        const SupplyDeliveryVoucher delivery = Delivery(lines);
        QVERIFY(TFRVenta::instance().ShowSupplyDeliveryNote(delivery.letterForm(number), copies));
        QVERIFY(m_messages.all.isEmpty());
        QCOMPARE(m_preview.shown.size(), 1);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.title, QStringLiteral("Nota Entrega de Insumos"));
        QCOMPARE(doc.pageCount(), copies);

        QStringList quantities, supplies, units;
        for (const SupplyDeliveryLine& l : delivery.lines) {
            quantities << l.quantity;
            supplies << l.supply;
            units << l.unit;
        }
        for (const LaidOutPage& page : doc.pages) {
            QCOMPARE(Column(page, "LCantidadE"), Padded(quantities));
            QCOMPARE(Column(page, "LProductoE"), Padded(supplies + QStringList{"PARA EL HORNO 2"}));
            QCOMPARE(Column(page, "LUMedidaE"), Padded(units + QStringList{"********"}));
            QCOMPARE(Text(page, "LNOrdenE"), QStringLiteral("Nº: ") + number);
            QCOMPARE(Text(page, "LFechaE"), QStringLiteral("09/12/2026"));
            QCOMPARE(Text(page, "LTrabajador"), QStringLiteral("PEDRO MAMANI [6012345]"));
            QCOMPARE(Text(page, "MDireccionE"),
                     QStringLiteral("\nDirección:\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia"));
            QCOMPARE(Text(page, "LFechaIE"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
            QVERIFY(!page.find("ImagenE")->image.isNull());
            for (const char* fixed : {"NOTA REMISION", "DETALLE", "Recibido por:", "Cantidad", " Producto",
                                      "Unidad de Medida", "Entregué Conforme (CAJERO)", "Recibí Conforme"})
                QVERIFY2(page.texts().contains(QString::fromUtf8(fixed)), fixed);
        }
        if (qEnvironmentVariableIsSet("CVI_SAMPLE_DIR")) {
            const QString path = QDir(qEnvironmentVariable("CVI_SAMPLE_DIR"))
                                     .filePath(QStringLiteral("nota-entrega-insumos-%1-lineas.pdf").arg(lines));
            QCOMPARE(m_preview.writePdf(0, path), QString());
        }
    }

    void letterNoteWithoutLogoShowsNothing()
    {
        SessionState::current().AppFolder = m_folder.path() + QStringLiteral("/");  // no pictures at all
        QVERIFY(!TFRVenta::instance().ShowSupplyDeliveryNote(Delivery(2).letterForm(QStringLiteral("000000012")), 2));
        QVERIFY(m_preview.shown.isEmpty());
        QCOMPARE(m_messages.errors.size(), 1);
    }

private:
    QTemporaryDir m_folder;
    RecordingTicketSink m_tickets;
    RecordingReportPreview m_preview;
    RecordingMessages m_messages;
    FixedClock m_clock;
};

QTEST_MAIN(TstDeliveryVouchers)
#include "tst_deliveryvouchers.moc"
