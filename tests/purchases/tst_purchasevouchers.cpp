#include "PurchaseWindow.h"

#include "data/Formats.h"
#include "data/SharedFunctions.h"
#include "sales/SaleVoucher.h"
#include "printing/URVenta.h"
#include "purchases/StoredPurchases.h"

namespace {

const QString kAddress = QStringLiteral("\nDirección:\nAV. 6 DE AGOSTO NRO 1234\n Telf.: 2245678\nLA PAZ - Bolivia");
const QString kPrinted = QStringLiteral("Fecha y Hora de Impresión: 09/12/2026 10:30:00");

// Every placed element of that name on the page, in order, empty ones included.
QStringList Column(const LaidOutPage& page, const char* name)
{
    QStringList texts;
    for (const PlacedElement& item : page.items)
        if (item.name == QLatin1String(name))
            texts << item.text;
    return texts;
}

QString Text(const LaidOutPage& page, const char* name)
{
    const PlacedElement* item = page.find(QLatin1String(name));
    return item ? item->text : QStringLiteral("<none>");
}

QStringList Padded(QStringList values)
{
    while (values.size() < VoucherDetailRows)
        values << QString();
    return values;
}

void WriteSample(const RecordingReportPreview& preview, int index, const QString& name)
{
    if (!qEnvironmentVariableIsSet("CVI_SAMPLE_DIR"))
        return;
    QCOMPARE(preview.writePdf(index, QDir(qEnvironmentVariable("CVI_SAMPLE_DIR")).filePath(name)), QString());
}

// A credit sale's delivery note names a client company and prints the commitment.
SaleVoucher CreditSale()
{
    SaleVoucher sale;
    sale.saleId = QStringLiteral("V000000012");
    sale.date = QDate(2026, 12, 9);
    sale.nitCi = QStringLiteral("1020304025");
    sale.clientName = QStringLiteral("RESTAURANTE EL SOL SRL");
    sale.clientCompany = QStringLiteral("EL SOL SRL");
    sale.paymentForm = 2;
    sale.paymentFormText = QStringLiteral("CREDITO");
    sale.total = 100;
    sale.cashReceived = 30;
    sale.changeOrBalance = 70;
    return sale;
}

// The supplier's texts of a purchase voucher, and nothing of a client.
void CheckPurchaseHeader(const LaidOutPage& page, const QString& id, const QString& form)
{
    QCOMPARE(Text(page, "QRMDireccionR"), kAddress);
    QCOMPARE(Text(page, "LNOrden"), QStringLiteral("Nº: ") + id);
    QCOMPARE(Text(page, "LFecha"), QStringLiteral("09/12/2026"));
    QCOMPARE(Text(page, "LNitCP"), QStringLiteral("Nit/CI Proveedor:"));
    QCOMPARE(Text(page, "LNombreCP"), QStringLiteral("Proveedor:"));
    QCOMPARE(Text(page, "LCI"), QString::fromLatin1(PurchaseShop::Andina));
    QCOMPARE(Text(page, "LCliente"), QString::fromLatin1(PurchaseShop::AndinaName));
    QCOMPARE(Text(page, "LFPago"), QStringLiteral("Forma de Pago: ") + form);
    QCOMPARE(Text(page, "LEmpresa"), QString());
    QCOMPARE(Text(page, "MCompromiso"), QString());
    QCOMPARE(Text(page, "LRecibi"), QStringLiteral("Recibi Conforme (PROVEEDOR)"));
    QCOMPARE(Text(page, "LFechaI"), kPrinted);
    QVERIFY(!page.find(QStringLiteral("Logo01"))->image.isNull());
}

}

class TstPurchaseVouchers : public QObject {
    Q_OBJECT
private slots:
    // Registering a receipt shows its voucher once: two lines, the closing row and empty rows to
    // the seventh. A delivery note shown before it leaves nothing of its client behind.
    void voucherOfARegisteredReceipt()
    {
        PurchaseWindow w;
        TFRVenta::instance().ShowDeliveryNote(CreditSale().deliveryNote(CreditSale().saleNumberText()), 2);
        w.enter({"P000000001|4|40", "P000000008|2.5|17.5"});
        w.type("EEfectivoR", "60");
        w.type("ENRecibo", "77");
        w.click("SBInsertarP");
        QCOMPARE(w.p.shop.messages.all, QStringList{});
        QCOMPARE(w.print.previews.shown.size(), 2);
        const ReportDocument doc = w.print.previews.shown.last();
        QCOMPARE(doc.title, QStringLiteral("NOTA DE REMISION"));
        QCOMPARE(doc.pageCount(), 1);  // one copy
        const LaidOutPage& page = doc.pages.first();
        CheckPurchaseHeader(page, QStringLiteral("P000000001"), QStringLiteral("EFECTIVO"));
        QCOMPARE(Text(page, "LBolivianos"), AmountInWords(QStringLiteral("57.50")).trimmed());
        QCOMPARE(Text(page, "LTotalBs"), QStringLiteral("57.50"));
        QCOMPARE(Text(page, "LCancelar"), QStringLiteral("60.00"));
        QCOMPARE(Text(page, "LSaldo"), QStringLiteral("CAMBIO Bs."));
        QCOMPARE(Text(page, "LCambio"), QStringLiteral("2.50"));
        QCOMPARE(Column(page, "LCantidad"), Padded({"4", "2.5"}));
        QCOMPARE(Column(page, "LProducto"), Padded({"COCA COLA 2L", "LECHE PIL 1L", ""}));
        QCOMPARE(Column(page, "LUnidad"), Padded({"UNIDAD", "UNIDAD"}));
        QCOMPARE(Column(page, "LPUnitario"), Padded({"10.00", "7.00"}));
        QCOMPARE(Column(page, "LTotal"), Padded({"40.00", "17.50", "********"}));
        WriteSample(w.print.previews, 1, QStringLiteral("compra-recibo-2-lineas.pdf"));

        // The print button of the stored purchase prints the same voucher again.
        w.click("SBPrimero");
        w.click("SBImprimir");
        QCOMPARE(w.print.previews.shown.size(), 3);
        QCOMPARE(w.print.previews.shown.last().allTexts(), doc.allTexts());

        // And a delivery note after it is the client's again.
        TFRVenta::instance().ShowDeliveryNote(CreditSale().deliveryNote(CreditSale().saleNumberText()), 2);
        const LaidOutPage note = w.print.previews.shown.last().pages.first();
        QCOMPARE(Text(note, "LNitCP"), QStringLiteral("Nit/CI Cliente:"));
        QCOMPARE(Text(note, "LNombreCP"), QStringLiteral("N.  Cliente:"));
        QCOMPARE(Text(note, "LRecibi"), QStringLiteral("Recibi Conforme (CLIENTE)"));
        QCOMPARE(Text(note, "LEmpresa"), QStringLiteral("EL SOL SRL"));
        QVERIFY(Text(note, "MCompromiso").startsWith(QStringLiteral("El suscrito cliente se compromete")));
    }

    // Nine lines print the first seven and no closing row; a credit purchase prints what it owes.
    void reprintOfNineLinesOnCredit()
    {
        QStringList names;
        PurchaseWindow w(PurchasePanel::ProductsMode, [&names](PurchaseShop& p) {
            QList<GoodsLineInput> lines;
            for (SqlRows r = p.row("SELECT IdProducto, Producto FROM Productos WHERE Inventario=1 ORDER BY IdProducto "
                                   "LIMIT 9");
                 !r.atEnd(); r.next()) {
                lines << PurchaseShop::line(r.text(0), QStringLiteral("2"), QStringLiteral("10"), r.text(1));
                names << r.text(1);
            }
            PurchaseHeaderInput credit = PurchaseShop::receipt("90");
            credit.paymentForm = PurchaseCodes::Credit;
            credit.receiptCash = QStringLiteral("25");
            QVERIFY(PurchaseRegistration::RegisterGoods(credit, lines).stored());
        });
        w.click("SBPrimero");
        w.click("SBImprimir");
        QCOMPARE(w.print.previews.shown.size(), 1);
        const LaidOutPage& page = w.print.previews.shown.first().pages.first();
        CheckPurchaseHeader(page, QStringLiteral("P000000001"), QStringLiteral("CREDITO"));
        QCOMPARE(Text(page, "LTotalBs"), QStringLiteral("90.00"));
        QCOMPARE(Text(page, "LCancelar"), QStringLiteral("25.00"));
        QCOMPARE(Text(page, "LSaldo"), QStringLiteral("SALDO Bs."));
        QCOMPARE(Text(page, "LCambio"), QStringLiteral("65.00"));
        QCOMPARE(Text(page, "LBolivianos"), QStringLiteral("NOVENTA 00/100 Bs"));
        QCOMPARE(Column(page, "LProducto"), names.mid(0, 7));
        QCOMPARE(Column(page, "LTotal"), QStringList(7, QStringLiteral("10.00")));
        QCOMPARE(Column(page, "LPUnitario"), QStringList(7, QStringLiteral("5.00")));
        WriteSample(w.print.previews, 0, QStringLiteral("compra-credito-9-lineas.pdf"));
    }

    void serviceVoucher_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("three lines, the closing row and three empty rows") << 3;
        QTest::newRow("eight lines print the first seven") << 8;
    }
    void serviceVoucher()
    {
        QFETCH(int, lines);
        PurchaseWindow w;
        TFRVenta::instance().ShowDeliveryNote(CreditSale().deliveryNote(CreditSale().saleNumberText()), 2);
        const QList<ServiceLineInput> all = {{"1", "FLETE LA PAZ - EL ALTO", "100"},
                                             {"2", "ESTIBADORES", "50"},
                                             {"0.5", "LIMPIEZA DE DEPOSITO", "12.5"},
                                             {"1", "S4", "1"},
                                             {"1", "S5", "1"},
                                             {"1", "S6", "1"},
                                             {"1", "S7", "1"},
                                             {"1", "S8", "1"}};
        const QList<ServiceLineInput> chosen = all.mid(0, lines);
        double total = 0;
        for (const ServiceLineInput& line : chosen)
            total += line.amount.toDouble();
        PurchaseHeaderInput header = PurchaseShop::receipt(Formats::Money(total));
        header.receiptCash = QStringLiteral("200");
        const PurchaseRegistrationResult stored = PurchaseRegistration::RegisterServices(header, chosen);
        QVERIFY2(stored.stored(), qPrintable(stored.message));
        const auto voucher = StoredPurchases::Voucher(stored.purchaseId);
        QVERIFY(voucher);
        QVERIFY(TFRVenta::instance().ShowServiceVoucher(voucher->serviceForm()));

        const ReportDocument doc = w.print.previews.shown.last();
        QCOMPARE(doc.title, QStringLiteral("Nota Entrega de Insumos"));
        QCOMPARE(doc.pageCount(), 1);
        const LaidOutPage& page = doc.pages.first();
        QCOMPARE(Text(page, "MDireccionS"), kAddress);
        QCOMPARE(Text(page, "LNOrdenS"), QStringLiteral("Nº: P000000001"));
        QCOMPARE(Text(page, "LFechaS"), QStringLiteral("09/12/2026"));
        QCOMPARE(Text(page, "LTrabajadorS"), QStringLiteral("EMBOTELLADORA ANDINA SA [1023456027]"));
        QCOMPARE(Text(page, "LBsLiteral"), AmountInWords(Formats::Money(total)).trimmed());
        QCOMPARE(Text(page, "LTotalS"), Formats::Money(total));
        QCOMPARE(Text(page, "LEfectivoS"), QStringLiteral("200.00"));
        QCOMPARE(Text(page, "LSaldoC"), QStringLiteral("CAMBIO Bs."));
        QCOMPARE(Text(page, "LSaldoS"), Formats::Money(200 - total));
        QCOMPARE(Text(page, "LFormaPS"), QStringLiteral("Forma de Pago: EFECTIVO"));
        QCOMPARE(Text(page, "LFechaIS"), kPrinted);
        QVERIFY(!page.find(QStringLiteral("ImagenS"))->image.isNull());
        QStringList quantities, concepts, amounts;
        for (const ServiceLineInput& line : chosen.mid(0, VoucherDetailRows)) {
            quantities << line.quantity;
            concepts << line.detail;
            amounts << line.amount;
        }
        if (lines < VoucherDetailRows)
            amounts << QStringLiteral("********");
        QCOMPARE(Column(page, "LCantidadS"), Padded(quantities));
        QCOMPARE(Column(page, "LConceptoS"), Padded(concepts));
        QCOMPARE(Column(page, "LSTotal"), Padded(amounts));
        WriteSample(w.print.previews, int(w.print.previews.shown.size()) - 1,
                    QStringLiteral("compra-servicios-%1-lineas.pdf").arg(lines));
    }
};

QTEST_MAIN(TstPurchaseVouchers)
#include "tst_purchasevouchers.moc"
