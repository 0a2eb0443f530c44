#include "LoginDriver.h"
#include "ShopFixture.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "data/SessionState.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

namespace {

// The help page and its pictures, where the build leaves them beside the program.
QString programFolder() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

}

class TstHelp : public QObject {
    Q_OBJECT
private slots:
    void everyWindowHasItsSectionAndPicture();
    void f1OpensTheSectionOfTheWindowInUse_data();
    void f1OpensTheSectionOfTheWindowInUse();
    void snapshots();
};

void TstHelp::everyWindowHasItsSectionAndPicture()
{
    ShopFixture shop;
    TFPrincipal window;
    window.loginTimer()->stop();
    QFile page(programFolder() + QStringLiteral("ayuda.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QStringList classes = window.dispatcher()->registeredClasses();
    QVERIFY(classes.size() >= 16);
    classes << QStringLiteral("TFPrincipal");
    for (const QString& windowClass : classes) {
        QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(windowClass)), qPrintable(windowClass));
        QVERIFY2(html.contains(QStringLiteral("src=\"ayuda/%1.png\"").arg(windowClass)), qPrintable(windowClass));
        const QImage picture(programFolder() + QStringLiteral("ayuda/%1.png").arg(windowClass));
        QVERIFY2(picture.width() > 200 && picture.height() > 100, qPrintable(windowClass));
    }
}

void TstHelp::f1OpensTheSectionOfTheWindowInUse_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("section");
    QTest::newRow("no window open") << QString() << QStringLiteral("TFPrincipal");
    QTest::newRow("Gestionar Almacen") << QStringLiteral("S1") << QStringLiteral("TFProductosC");
    QTest::newRow("Reporte de Caja Diaria") << QStringLiteral("J3") << QStringLiteral("TFRCajaDiaria");
    QTest::newRow("Gestionar Usuarios") << QStringLiteral("H2") << QStringLiteral("TFUsuarios");
}

void TstHelp::f1OpensTheSectionOfTheWindowInUse()
{
    QFETCH(QString, command);
    QFETCH(QString, section);
    ShopFixture shop;
    TFPrincipal window;
    window.loginTimer()->stop();
    window.show();
    LogInThroughWindow(*window.loginWindow(), shop.databasePath());
    SessionState::current().AppFolder = programFolder();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* focus = &window;
    if (!command.isEmpty()) {
        window.command(command)->trigger();
        QMdiSubWindow* active = window.mdiArea()->activeSubWindow();
        QVERIFY(active);
        focus = active->widget();
    }
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(shop.desktop.opened, QStringList{programFolder() + QStringLiteral("ayuda.html#") + section});
}

// With CVI_SNAPSHOT_DIR set: ayuda-productos.png, the help page at the products window's section
// as a simple HTML reader shows it.
void TstHelp::snapshots()
{
    const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("CVI_SNAPSHOT_DIR not set");
    QTextBrowser reader;
    reader.resize(900, 1000);
    reader.setSource(QUrl::fromLocalFile(programFolder() + QStringLiteral("ayuda.html")));
    reader.show();
    reader.scrollToAnchor(QStringLiteral("TFProductosC"));
    QApplication::processEvents();
    reader.grab().save(folder + QStringLiteral("/ayuda-productos.png"));
}

QTEST_MAIN(TstHelp)
#include "tst_help.moc"
