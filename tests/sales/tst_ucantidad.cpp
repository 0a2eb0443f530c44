#include "RecordingMessages.h"
#include "WindowDriver.h"

#include "data/SessionState.h"
#include "sales/ui/UCantidad.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

QuantityRequest Prepare(int mode)
{
    QuantityRequest q;
    q.Mode = mode;
    q.BrandOrId = QStringLiteral("P000000001");
    q.ProductName = QStringLiteral("COCA COLA 2L");
    q.Presentation = QStringLiteral("BOTELLA PET 2 LITROS");
    q.Unit = QStringLiteral("UNIDAD");
    q.SaleQuantity = 1;
    q.PurchaseQuantity = 1;
    q.TotalCost = 0;
    q.UnitCost = 12.5;
    return q;
}

}

class TstUCantidad : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SessionState::reset();
        SessionState::current().AppFolder = m_folder.path() + QStringLiteral("/");
        MessageSeam::install(&m_messages);
        m_messages.clear();
        TFCantidad::setRunner({});
    }
    void cleanup()
    {
        TFCantidad::setRunner({});
        MessageSeam::install(nullptr);
        SessionState::reset();
    }

    void captionsAndPanels_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("button");
        QTest::newRow("1") << 1 << "Cantidad de Venta"
                           << "PCantidadV"
                           << "BAceptar";
        QTest::newRow("2") << 2 << "Cantidad de Compra"
                           << "PCantidadC"
                           << "BAceptar";
        QTest::newRow("3") << 3 << "Costo Unitario"
                           << "PECosto"
                           << "BAceptar";
        QTest::newRow("4") << 4 << "Foto Producto"
                           << "PImagen"
                           << "BCerrar";
        QTest::newRow("5") << 5 << "Cantidad de Insumo"
                           << "PCantidadV"
                           << "BAceptar";
        QTest::newRow("6") << 6 << "Foto Insumo"
                           << "PImagen"
                           << "BCerrar";
        QTest::newRow("7") << 7 << "Detalle de Servicio"
                           << "PDServicio"
                           << "BAceptar";
    }
    void captionsAndPanels()
    {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, panel);
        QFETCH(QString, button);
        TFCantidad dialog(Prepare(mode));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), caption);
        int shown = 0;
        for (const char* name : {"PCantidadV", "PCantidadC", "PECosto", "PImagen", "PDServicio"}) {
            const bool visible = Drive::visible(dialog, name);
            QCOMPARE(visible, panel == QLatin1String(name));
            shown += visible;
        }
        QCOMPARE(shown, 1);
        QVERIFY(Drive::visible(dialog, button.toLatin1().constData()));
        // The product's labels stand above the number panels.
        QCOMPARE(Drive::visible(dialog, "LProducto"), mode != 4 && mode != 6 && mode != 7);
    }

    void prefilledAndSelected()
    {
        QuantityRequest request = Prepare(1);
        request.SaleQuantity = 2.5;
        TFCantidad dialog(request);
        dialog.show();
        auto* field = Drive::control<QLineEdit>(dialog, "ECantidadV");
        QCOMPARE(field->text(), QStringLiteral("2.5"));
        QCOMPARE(field->selectedText(), QStringLiteral("2.5"));
        QCOMPARE(field->maxLength(), 7);
        QCOMPARE(Drive::control<QLabel>(dialog, "LMarca")->text(), QStringLiteral("P000000001"));
        QCOMPARE(Drive::control<QLabel>(dialog, "LPresentacion")->text(), QStringLiteral("BOTELLA PET 2 LITROS"));
    }

    // Typed values, by mode, and what comes back. The dialog closes whatever was typed.
    void confirm_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("typed");  // field name=value
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<double>("value");  // the number the mode returns first
        QTest::newRow("quantity") << 1 << QStringList{"ECantidadV=3"} << true << 3.0;
        QTest::newRow("quantity with a fraction") << 1 << QStringList{"ECantidadV=2.5"} << true << 2.5;
        QTest::newRow("quantity empty") << 1 << QStringList{"ECantidadV="} << false << 1.0;
        QTest::newRow("quantity 0") << 1 << QStringList{"ECantidadV=0"} << false << 1.0;
        QTest::newRow("quantity 00") << 1 << QStringList{"ECantidadV=00"} << false << 1.0;
        QTest::newRow("quantity 0.0") << 1 << QStringList{"ECantidadV=0.0"} << false << 1.0;
        QTest::newRow("quantity point") << 1 << QStringList{"ECantidadV=."} << false << 1.0;
        QTest::newRow("quantity two points") << 1 << QStringList{"ECantidadV=1.2."} << false << 1.0;
        QTest::newRow("supply quantity") << 5 << QStringList{"ECantidadV=4"} << true << 4.0;
        QTest::newRow("purchase") << 2 << QStringList{"ECantidadC=2", "ECTotalC=15.5"} << true << 2.0;
        QTest::newRow("purchase free of cost") << 2 << QStringList{"ECantidadC=2", "ECTotalC=0"} << true << 2.0;
        QTest::newRow("purchase without total") << 2 << QStringList{"ECantidadC=2", "ECTotalC="} << false << 1.0;
        QTest::newRow("purchase of nothing") << 2 << QStringList{"ECantidadC=0", "ECTotalC=9"} << false << 1.0;
        QTest::newRow("price") << 3 << QStringList{"ECostoN=13.75"} << true << 13.75;
        QTest::newRow("price 0 is a price") << 3 << QStringList{"ECostoN=0"} << true << 0.0;
        QTest::newRow("price empty") << 3 << QStringList{"ECostoN="} << false << 12.5;
        QTest::newRow("price point") << 3 << QStringList{"ECostoN=."} << false << 12.5;
        QTest::newRow("service") << 7 << QStringList{"ECantidadS=2", "MConceptoS=LIMPIEZA DE VIDRIOS", "ETotalS=80"} << true
                                 << 2.0;
        QTest::newRow("service without concept")
            << 7 << QStringList{"ECantidadS=2", "MConceptoS=", "ETotalS=80"} << false << 1.0;
        QTest::newRow("service of nothing") << 7 << QStringList{"ECantidadS=0", "MConceptoS=X", "ETotalS=80"} << false << 1.0;
    }
    void confirm()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, typed);
        QFETCH(bool, accepted);
        QFETCH(double, value);
        TFCantidad::setRunner([&](TFCantidad& dialog) {
            for (const QString& entry : typed) {
                const QByteArray name = entry.section('=', 0, 0).toLatin1();
                const QString text = entry.section('=', 1);
                if (name == "MConceptoS")
                    Drive::control<QPlainTextEdit>(dialog, "MConceptoS")->setPlainText(text);
                else
                    Drive::type(dialog, name.constData(), text);
            }
            Drive::click(dialog, "BAceptar");
            QVERIFY(!dialog.isVisible());
        });
        const QuantityRequest request = Prepare(mode);
        const std::optional<QuantityRequest> answer = TFCantidad::Run(request);
        QCOMPARE(answer.has_value(), accepted);
        // Without an answer the caller keeps what it asked with.
        const QuantityRequest q = answer.value_or(request);
        const double returned = mode == 1 || mode == 5 ? q.SaleQuantity : mode == 3 ? q.UnitCost : q.PurchaseQuantity;
        QCOMPARE(returned, value);
        if (mode == 2 && accepted)
            QCOMPARE(q.TotalCost, typed.at(1).section('=', 1).toDouble());
        if (mode == 7 && accepted) {
            QCOMPARE(q.ProductName, QStringLiteral("LIMPIEZA DE VIDRIOS"));
            QCOMPARE(q.TotalCost, 80.0);
        }
        const bool complained = mode == 7 && !accepted;
        QCOMPARE(m_messages.infos, complained ? QStringList{"Llene correctamente los Datos Requeridos"} : QStringList{});
    }

    void lettersNeverReachANumber()
    {
        TFCantidad dialog(Prepare(1));
        dialog.show();
        Drive::type(dialog, "ECantidadV", "1a2,5");
        QCOMPARE(Drive::text(dialog, "ECantidadV"), QStringLiteral("125"));
    }

    void escapeClosesWithoutAnswer()
    {
        TFCantidad::setRunner([](TFCantidad& dialog) {
            Drive::control<QPlainTextEdit>(dialog, "MConceptoS")->setPlainText("ALGO");
            QTest::keyClick(Drive::control<QWidget>(dialog, "MConceptoS"), Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        QVERIFY(!TFCantidad::Run(Prepare(7)));
    }

    void conceptKeepsSixtyCharacters()
    {
        TFCantidad dialog(Prepare(7));
        dialog.show();
        auto* memo = Drive::control<QPlainTextEdit>(dialog, "MConceptoS");
        memo->setPlainText(QString(75, QLatin1Char('A')));
        QCOMPARE(memo->toPlainText().size(), 60);
        QCOMPARE(Drive::text(dialog, "ECantidadS"), QStringLiteral("1"));
        QCOMPARE(Drive::text(dialog, "ETotalS"), QStringLiteral("0"));
    }

    void photo_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("the product's own") << QStringList{"P000000001.jpg", "producto.jpg"} << QColor(Qt::red);
        QTest::newRow("the common picture") << QStringList{"producto.jpg"} << QColor(Qt::blue);
        QTest::newRow("none") << QStringList{} << QColor();
    }
    void photo()
    {
        QFETCH(QStringList, files);
        QFETCH(QColor, shown);
        QTemporaryDir folder;
        SessionState::current().AppFolder = folder.path() + QStringLiteral("/");
        QDir(folder.path()).mkpath("img");
        for (const QString& file : files) {
            QImage picture(60, 60, QImage::Format_RGB32);
            picture.fill(file.startsWith('P') ? Qt::red : Qt::blue);
            QVERIFY(picture.save(folder.filePath("img/" + file), "JPG"));
        }
        TFCantidad dialog(Prepare(4));
        dialog.show();
        const QPixmap photo = dialog.photo();
        QCOMPARE(photo.isNull(), !shown.isValid());
        if (shown.isValid()) {
            const QColor centre = photo.toImage().pixelColor(photo.width() / 2, photo.height() / 2);
            QVERIFY2(qAbs(centre.red() - shown.red()) < 30 && qAbs(centre.blue() - shown.blue()) < 30,
                     qPrintable(centre.name()));
        }
        QCOMPARE(Drive::control<QLabel>(dialog, "LNombreI")->text(), QStringLiteral("COCA COLA 2L"));
        Drive::click(dialog, "BCerrar");
        QVERIFY(!dialog.isVisible());
    }

    // Not a check: pictures of the dialog for a person to look at when CVI_SNAPSHOT_DIR is set.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("set CVI_SNAPSHOT_DIR to render the quantity dialog");
        for (int mode : {1, 2, 3, 7}) {
            TFCantidad dialog(Prepare(mode));
            dialog.show();
            QVERIFY(dialog.grab().save(folder + QStringLiteral("/cantidad-%1.png").arg(mode)));
        }
    }

private:
    QTemporaryDir m_folder;
    RecordingMessages m_messages;
};

QTEST_MAIN(TstUCantidad)
#include "tst_ucantidad.moc"
