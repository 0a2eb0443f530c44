#include "ProgramFiles.h"
#include "QrDecoder.h"
#include "SaleSamples.h"

#include "FixedClock.h"
#include "RecordingMessages.h"
#include "data/Formats.h"
#include "printing/RecordingReportPreview.h"
#include "sales/Quotation.h"
#include "printing/ReportLayouter.h"
#include "printing/UIFacturaD.h"
#include "printing/URVenta.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

void WriteSample(const RecordingReportPreview& preview, int index, const QString& name)
{
    if (!qEnvironmentVariableIsSet("CVI_SAMPLE_DIR"))
        return;
    const QString path = QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath(name);
    QCOMPARE(preview.writePdf(index, path), QString());
}

}

class TstSaleForms : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        // The program's folder as a fresh build leaves it: its own logo, no shop logo.
        SessionState::current().AppFolder = ProgramFiles::buildFolder();
        MessageSeam::install(&m_messages);
        ClockSeam::install(&m_clock);
        ReportPreview::install(&m_preview);
        m_messages.clear();
        m_preview.shown.clear();
        m_preview.reports.clear();
    }
    void cleanup()
    {
        ReportPreview::install(nullptr);
        MessageSeam::install(nullptr);
        ClockSeam::install(nullptr);
        SessionState::reset();
    }

    void sevenRowRule_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("observation");
        QTest::newRow("six lines and the observation") << 6 << "ENTREGAR EN PUERTA";
        QTest::newRow("two lines, four empty rows") << 2 << "";
        QTest::newRow("no lines") << 0 << "X";
    }
    void sevenRowRule()
    {
        QFETCH(int, lines);
        QFETCH(QString, observation);
        QList<VoucherRow> given;
        for (int i = 0; i < lines; ++i)
            given << VoucherRow{"1", QStringLiteral("P%1").arg(i), "U", "1.00", "1.00"};
        const QList<VoucherRow> rows = SevenVoucherRows(given, observation);
        QCOMPARE(rows.size(), 7);
        for (int i = 0; i < lines; ++i)
            QCOMPARE(rows.at(i).description, given.at(i).description);
        QCOMPARE(rows.at(lines).description, observation);
        QCOMPARE(rows.at(lines).total, QStringLiteral("********"));
        QCOMPARE(rows.at(lines).quantity, QString());
        for (int i = lines + 1; i < 7; ++i)
            QVERIFY(rows.at(i).description.isEmpty() && rows.at(i).total.isEmpty() && rows.at(i).quantity.isEmpty());
    }

    void deliveryNote_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("cash");
        QTest::addColumn<int>("branch");
        QTest::addColumn<QString>("balanceCaption");
        QTest::addColumn<QString>("balance");
        QTest::newRow("cash, 2 lines, head office") << 1 << 2 << 50.0 << 0 << "CAMBIO Bs."
                                                    << "30.00";
        QTest::newRow("credit, 6 lines, branch") << 2 << 6 << 30.0 << 2 << "SALDO Bs."
                                                 << "30.00";
    }
    void deliveryNote()
    {
        QFETCH(int, form);
        QFETCH(int, lines);
        QFETCH(double, cash);
        QFETCH(int, branch);
        QFETCH(QString, balanceCaption);
        QFETCH(QString, balance);
        SaleSamples::FillShop(branch, "JUAN PEREZ MAMANI", "");
        SaleVoucher sale = SaleSamples::Sale(form, lines, cash);
        sale.clientCompany = QStringLiteral("EL SOL SRL");

        QVERIFY(TFRVenta::instance().ShowDeliveryNote(sale.deliveryNote(sale.saleNumberText()), 2));
        QVERIFY(m_messages.all.isEmpty());
        QCOMPARE(m_preview.shown.size(), 1);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.title, QStringLiteral("NOTA DE REMISION"));
        QCOMPARE(doc.pageCount(), 2);  // two identical copies
        QStringList products, totals;
        for (const SaleVoucherLine& l : sale.lines) {
            products << l.product;
            totals << QStringLiteral("10.00");
        }
        for (const LaidOutPage& page : doc.pages) {
            // Every copy starts from the first row again.
            QCOMPARE(Column(page, "LProducto"), Padded(products + QStringList{"ENTREGAR EN PUERTA"}));
            QCOMPARE(Column(page, "LTotal"), Padded(totals + QStringList{"********"}));
            QCOMPARE(Column(page, "LUnidad"), Padded(QStringList(lines, "UNIDAD")));
            QCOMPARE(Text(page, "LNOrden"), QStringLiteral("Nº: 000000012"));
            QCOMPARE(Text(page, "LFecha"), QStringLiteral("09/12/2026"));
            QCOMPARE(Text(page, "LCI"), QStringLiteral("4567890"));
            QCOMPARE(Text(page, "LCliente"), QStringLiteral("MARIA QUISPE CONDORI"));
            QCOMPARE(Text(page, "LNitCP"), QStringLiteral("Nit/CI Cliente:"));
            QCOMPARE(Text(page, "LNombreCP"), QStringLiteral("N.  Cliente:"));
            QCOMPARE(Text(page, "LRecibi"), QStringLiteral("Recibi Conforme (CLIENTE)"));
            QCOMPARE(Text(page, "LEmpresa"), QStringLiteral("EL SOL SRL"));
            QCOMPARE(Text(page, "LTotalBs"), Formats::Money(10.0 * lines));
            QCOMPARE(Text(page, "LCancelar"), Formats::Money(cash));
            QCOMPARE(Text(page, "LSaldo"), balanceCaption);
            QCOMPARE(Text(page, "LCambio"), balance);
            QCOMPARE(Text(page, "LFPago"), QStringLiteral("Forma de Pago: ") + sale.paymentFormText);
            QCOMPARE(Text(page, "LFechaI"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
            QCOMPARE(Text(page, "LBolivianos"), AmountInWords(Formats::Money(10.0 * lines)).trimmed());
            QCOMPARE(Text(page, "MCompromiso").startsWith(QStringLiteral("El suscrito cliente se compromete")), form == 2);
            const QString address = branch == 0 ? "\nDirección:\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia"
                                                : "\nDirección:\nC. COMERCIO 55\n Telf.: 2812345\nEL ALTO - Bolivia";
            QCOMPARE(Text(page, "QRMDireccionR"), address);
            QVERIFY(!page.find("Logo01")->image.isNull());
        }
        WriteSample(m_preview, 0, QStringLiteral("nota-remision-%1-lineas.pdf").arg(lines));
    }

    void letterInvoice_data()
    {
        QTest::addColumn<int>("branch");
        QTest::addColumn<QString>("address");
        QTest::newRow("head office") << 0 << "\nCASA MATRIZ\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia";
        QTest::newRow("branch 2") << 2
                                  << "CASA MATRIZ\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia\n\nSUCURSAL 2\n"
                                     "C. COMERCIO 55 Telf.: 2812345";
    }
    void letterInvoice()
    {
        QFETCH(int, branch);
        QFETCH(QString, address);
        SaleSamples::FillShop(branch, "JUAN PEREZ MAMANI", SaleSamples::kLegend);
        QVERIFY(TFIFacturaD::instance().ShowInvoice(SaleSamples::Invoice().printedInvoice()));
        QCOMPARE(m_preview.shown.size(), 1);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.pageCount(), 2);
        const QStringList marks = {"O R I G I N A L", "C O P I A"};
        for (int p = 0; p < 2; ++p) {
            const LaidOutPage& page = doc.pages.at(p);
            QCOMPARE(Text(page, "LCopia"), marks.at(p));
            QCOMPARE(Text(page, "LNit"), QStringLiteral("NIT: 1000000010"));
            QCOMPARE(Text(page, "LNumero"), QStringLiteral("FACTURA Nº: 00000150"));
            QCOMPARE(Text(page, "LAutorizacion"), QStringLiteral("AUTORIZACION Nº: 29040011007"));
            QCOMPARE(Text(page, "MDireccion"), address);
            QCOMPARE(Text(page, "MActividad"), QStringLiteral("VENTA AL POR MENOR DE ALIMENTOS"));
            QCOMPARE(Text(page, "LLugarFecha"), QStringLiteral("LA PAZ, 09 de diciembre de 2026"));
            QCOMPARE(Text(page, "LCliente"), QStringLiteral("MARIA QUISPE CONDORI"));
            QCOMPARE(Text(page, "LNitCI"), QStringLiteral("4567890"));
            QCOMPARE(Column(page, "LCantidad"), Padded({"2", "2.5"}));
            QCOMPARE(Column(page, "LDescripcion"), Padded({"COCA COLA 2L", "AZUCAR 1KG", "ENTREGAR EN PUERTA"}));
            QCOMPARE(Column(page, "LPUnitario"), Padded({"12.50", "8.20"}));
            QCOMPARE(Column(page, "LTotal"), Padded({"25.00", "20.50", "********"}));
            QCOMPARE(Text(page, "MSon"), QStringLiteral("CUARENTA Y CINCO 50/100 Bs"));
            QCOMPARE(Text(page, "LTotalN"), QStringLiteral("45.50"));
            QCOMPARE(Text(page, "LCodigoC"), QStringLiteral("Código de Control: 7B-F3-48-A8"));
            QCOMPARE(Text(page, "LIdCajero"), QStringLiteral("ID/Cajero: 12/admin"));
            QCOMPARE(Text(page, "LFechaLimite"), QStringLiteral("Fecha Límite de Emisión: 31/01/2027"));
            QCOMPARE(Text(page, "LHora"), QStringLiteral("Hora: 10:30:00"));
            QCOMPARE(Text(page, "MLeyendaF"), QStringLiteral("\"ESTA FACTURA CONTRIBUYE AL DESARROLLO DEL PAIS, EL USO "
                                                             "ILICITO DE ESTA SERA SANCIONADO DE ACUERDO A LEY\""));
            QCOMPARE(Text(page, "MLeyenda"), QStringLiteral("LEY Nº 453: \"") + SaleSamples::kLegend + "\"");
            QCOMPARE(QrDecoder::Decode(page.find("IQR")->image), QStringList{SaleSamples::kInvoiceQr});
        }
        WriteSample(m_preview, 0, QStringLiteral("factura-carta-%1.pdf").arg(branch == 0 ? "matriz" : "sucursal"));
    }

    // A stored invoice printed again: one copy on its 216 x 140 mm page, from the stored values and
    // the sale's own dosage, numbered for the user who prints it.
    void letterInvoiceReprint_data()
    {
        QTest::addColumn<int>("branch");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("place");
        QTest::newRow("head office, two lines")
            << 0 << 2 << "\nCASA MATRIZ\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia"
            << "LA PAZ, 09 de diciembre de 2026";
        QTest::newRow("branch 2, eight lines")
            << 2 << 8
            << "CASA MATRIZ\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia\n\nSUCURSAL 2\n"
               "C. COMERCIO 55 Telf.: 2812345"
            << "EL ALTO, 09 de diciembre de 2026";
    }
    void letterInvoiceReprint()
    {
        QFETCH(int, branch);
        QFETCH(int, lines);
        QFETCH(QString, address);
        QFETCH(QString, place);
        SaleSamples::FillShop(branch, "JUAN PEREZ MAMANI", QStringLiteral("la del dia"));
        SessionState::current().UserLogin = QStringLiteral("ana");
        SaleVoucher sale = SaleSamples::Invoice();
        sale.dosage = VoucherDosage{QDate(2026, 12, 31), SaleSamples::kLegend};
        for (int i = int(sale.lines.size()); i < lines; ++i)
            sale.lines.append({QStringLiteral("1"), QStringLiteral("PRODUCTO %1").arg(i), QStringLiteral("UNIDAD"), 1, 1});

        QVERIFY(TFRVenta::instance().ShowInvoiceReprint(sale.printedInvoice()));
        QVERIFY(m_messages.all.isEmpty());
        QCOMPARE(m_preview.shown.size(), 1);
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.title, QStringLiteral("Imprimir Factura"));
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.first();
        const QSizeF paper = page.setup.pageLayout().fullRect(QPageLayout::Millimeter).size();
        QCOMPARE(qRound(paper.width()), 216);
        QCOMPARE(qRound(paper.height()), 140);
        QCOMPARE(Text(page, "LCopia"), QStringLiteral("O r i g i n a l"));
        QCOMPARE(Text(page, "QRSucursal"), address);
        QCOMPARE(Text(page, "LFechaF"), place);
        QCOMPARE(Text(page, "LActividad"), QStringLiteral("VENTA AL POR MENOR DE ALIMENTOS"));
        QCOMPARE(Text(page, "LNit"), QStringLiteral("NIT: 1000000010"));
        QCOMPARE(Text(page, "LNroFact"), QStringLiteral("FACTURA Nº: 00000150"));
        QCOMPARE(Text(page, "LNroAut"), QStringLiteral("AUTORIZACION Nº: 29040011007"));
        QCOMPARE(Text(page, "LClienteF"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(Text(page, "LNitCI"), QStringLiteral("4567890"));
        QCOMPARE(Text(page, "LTotalF"), QStringLiteral("45.50"));
        QCOMPARE(Text(page, "LLiteralBs"), QStringLiteral("CUARENTA Y CINCO 50/100 Bs"));
        QCOMPARE(Text(page, "LCodigoC"), QStringLiteral("Código de Control: 7B-F3-48-A8"));
        QCOMPARE(Text(page, "LFechaL"), QStringLiteral("Fecha Límite de Emisión: 31/12/2026"));
        QCOMPARE(Text(page, "LHora"), QStringLiteral("Hora: 10:30:00"));
        QCOMPARE(Text(page, "LFichaC"), QStringLiteral("ID/Cajero: 12/ana"));
        QCOMPARE(Text(page, "QRLeyenda"), QStringLiteral("LEY Nº 453: \"") + SaleSamples::kLegend + "\"");
        QCOMPARE(QrDecoder::Decode(page.find("ImageQR")->image), QStringList{SaleSamples::kInvoiceQr});
        // Seven rows: the lines, then the observation row while there is room for it.
        QStringList descriptions;
        for (int i = 0; i < qMin(lines, 7); ++i)
            descriptions << sale.lines.at(i).product;
        if (lines < 7)
            descriptions << QStringLiteral("ENTREGAR EN PUERTA");
        QCOMPARE(Column(page, "LDescripcion"), Padded(descriptions));
        QCOMPARE(Column(page, "LSubTotal").contains(QStringLiteral("********")), lines < 7);
        WriteSample(m_preview, 0, QStringLiteral("factura-reimpresion-%1-lineas.pdf").arg(lines));
    }

    // A stored sale's delivery note printed again: one copy, numbered with the whole sale key.
    void deliveryNoteReprintIsOneCopy()
    {
        SaleSamples::FillShop(0, "JUAN PEREZ MAMANI", "");
        SaleVoucher sale = SaleSamples::Sale(2, 3, 10);
        sale.clientCompany = QStringLiteral("EL SOL SRL");
        QVERIFY(TFRVenta::instance().ShowDeliveryNote(sale.deliveryNote(sale.saleId), 1));
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.first();
        QCOMPARE(Text(page, "LNOrden"), QStringLiteral("Nº: V000000012"));
        QCOMPARE(Text(page, "LEmpresa"), QStringLiteral("EL SOL SRL"));
        QCOMPARE(Text(page, "LSaldo"), QStringLiteral("SALDO Bs."));
        QCOMPARE(Text(page, "LCambio"), QStringLiteral("20.00"));
        QCOMPARE(Column(page, "LProducto"), Padded({"PRODUCTO 1", "PRODUCTO 2", "PRODUCTO 3", "ENTREGAR EN PUERTA"}));
        WriteSample(m_preview, 0, QStringLiteral("nota-remision-reimpresion.pdf"));
    }

    void quotation_data()
    {
        QTest::addColumn<bool>("invoice");
        QTest::addColumn<QString>("vat");
        QTest::newRow("invoice prices") << true << "Incluye IVA";
        QTest::newRow("note prices") << false << "";
    }
    void quotation()
    {
        QFETCH(bool, invoice);
        QFETCH(QString, vat);
        SaleSamples::FillShop(0, "JUAN PEREZ MAMANI", "");
        const SaleVoucher sale = SaleSamples::Invoice();
        Quotation q;
        q.date = QDate(2026, 12, 9);
        q.clientName = sale.clientName;
        q.nitCi = sale.nitCi;
        q.clientCompany = QStringLiteral("EL SOL SRL");
        q.observation = QStringLiteral("PRECIOS AL CONTADO");
        q.invoice = invoice;
        q.total = sale.total;
        q.lines = sale.lines;
        QVERIFY(TFRVenta::instance().ShowQuotation(q.letterForm()));
        const ReportDocument& doc = m_preview.shown.first();
        QCOMPARE(doc.title, QStringLiteral("PROFORMA DE COTIZACION"));
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.first();
        QCOMPARE(Text(page, "LFecha"), QStringLiteral("09/12/2026"));
        QCOMPARE(Text(page, "LCliente"), QStringLiteral("MARIA QUISPE CONDORI"));
        QCOMPARE(Text(page, "LNitCI"), QStringLiteral("4567890"));
        QCOMPARE(Text(page, "LEmpresa"), QStringLiteral("EL SOL SRL"));
        QCOMPARE(Text(page, "MDireccion"),
                 QStringLiteral("\nDirección:\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia"));
        QCOMPARE(Column(page, "LProducto"), Padded({"COCA COLA 2L", "AZUCAR 1KG", "PRECIOS AL CONTADO"}));
        QCOMPARE(Column(page, "LUnidad"), Padded({"UNIDAD", "KILO"}));
        QCOMPARE(Column(page, "LTotal"), Padded({"25.00", "20.50", "********"}));
        QCOMPARE(Text(page, "MSon"), QStringLiteral("CUARENTA Y CINCO 50/100 Bs"));
        QCOMPARE(Text(page, "LTotalN"), QStringLiteral("45.50"));
        QCOMPARE(Text(page, "LIncluyeIVA"), vat);
        QCOMPARE(Text(page, "LValidez"), QStringLiteral("Cotización valida por 5 dias habiles"));
        QCOMPARE(Text(page, "LFechaImp"), QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00"));
        if (invoice)
            WriteSample(m_preview, 0, QStringLiteral("proforma-cotizacion.pdf"));
    }

    // A preview laid out again (the dialog repaints, prints) shows the same rows.
    void previewLaidOutAgainKeepsItsRows()
    {
        SaleSamples::FillShop(0, "", "");
        const SaleVoucher sale = SaleSamples::Sale(1, 3, 30);
        QVERIFY(TFRVenta::instance().ShowDeliveryNote(sale.deliveryNote(sale.saleNumberText()), 2));
        const QList<ReportDefinition*> reports = m_preview.reports.first();
        const ReportDocument again = ReportLayouter::layout(reports);
        QCOMPARE(Column(again.pages.at(1), "LProducto"), Column(m_preview.shown.first().pages.at(1), "LProducto"));
    }

    void missingLogoShowsNothing()
    {
        SaleSamples::FillShop(0, "", "");
        SessionState::current().AppFolder = m_folder.path() + QStringLiteral("/");  // no pictures at all
        QVERIFY(!TFIFacturaD::instance().ShowInvoice(SaleSamples::Invoice().printedInvoice()));
        QVERIFY(!TFRVenta::instance().ShowDeliveryNote(SaleSamples::Sale(1, 1, 10).deliveryNote(QStringLiteral("000000001")),
                                                       2));
        QCOMPARE(m_messages.errors.size(), 2);
        QVERIFY(m_preview.shown.isEmpty());
    }

private:
    QTemporaryDir m_folder;
    RecordingMessages m_messages;
    FixedClock m_clock;
    RecordingReportPreview m_preview;
};

QTEST_MAIN(TstSaleForms)
#include "tst_saleforms.moc"
