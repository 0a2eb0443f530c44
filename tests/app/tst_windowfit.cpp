#include "LoginDriver.h"
#include "ShopFixture.h"

#include "app/ui/UPrincipal.h"
#include "app/ui/WindowDispatcher.h"
#include "app/WindowSizes.h"
#include "data/SessionState.h"
#include "widgets/DataGrid.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QtTest>

namespace {

// The shop laptop's screen, the main window filling it.
const QRect kScreen(0, 0, 1366, 768);

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// The logged-in main window at 1366 x 768 with the day's cash open, so every window opens.
struct Frame {
    ShopFixture shop;
    TFPrincipal window;

    Frame()
    {
        QFile::remove(WindowSizes::path());
        window.loginTimer()->stop();
        window.setGeometry(kScreen);
        window.show();
        LogInThroughWindow(*window.loginWindow(), shop.databasePath());
        window.command(QStringLiteral("J1"))->trigger();
        if (QMdiSubWindow* cash = window.mdiArea()->activeSubWindow())
            Drive::click(*cash->widget(), "BAbrirC");
        window.dispatcher()->closeAll();
        Settle();
    }
    QMdiSubWindow* open(const QString& command)
    {
        window.dispatcher()->closeAll();
        window.command(command)->trigger();
        Settle();
        QMdiSubWindow* opened = window.mdiArea()->activeSubWindow();
        if (opened)
            opened->grab();  // drawn as the user sees it
        return opened;
    }
};

// The grids of a window that scroll sideways, with the pixels they lack.
QStringList SideScrolling(const QWidget* window)
{
    QStringList grids;
    for (const DataGrid* grid : window->findChildren<DataGrid*>()) {
        if (!grid->isVisible())
            continue;
        const int missing = grid->horizontalHeader()->length() - grid->viewport()->width();
        if (missing > 0 || grid->horizontalScrollBar()->isVisible())
            grids << QStringLiteral("%1 lacks %2 px").arg(grid->objectName()).arg(missing);
    }
    return grids;
}

}

class TstWindowFit : public QObject {
    Q_OBJECT
private slots:
    // Every list window opened through its command at 1366 x 768 shows all the columns of its grids
    // without side-scrolling, inside the frame.
    void listWindowsShowEveryColumn_data()
    {
        QTest::addColumn<QString>("command");
        for (const char* command : {"J3", "V1", "V2", "V3",  "V4",  "V5", "V6", "V7", "V8", "C1", "C2", "C3", "C4", "C5",
                                    "C6", "C7", "C9", "C10", "C11", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "H2"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void listWindowsShowEveryColumn()
    {
        QFETCH(QString, command);
        Frame frame;
        QMdiSubWindow* window = frame.open(command);
        QVERIFY2(window, qPrintable(command + QStringLiteral(" opened nothing")));
        QVERIFY(!window->findChildren<DataGrid*>().isEmpty());
        QCOMPARE(SideScrolling(window), QStringList());
        const QRect room = frame.window.mdiArea()->viewport()->rect();
        QVERIFY2(room.contains(window->geometry()), qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                                                                   .arg(window->width())
                                                                   .arg(window->height())
                                                                   .arg(room.width())
                                                                   .arg(room.height())));
    }

    // Tiled side by side or stacked, no window is squeezed below what its controls need: the
    // register's captions and buttons are never drawn over one another.
    void tilesKeepEveryWindowWhole_data()
    {
        QTest::addColumn<QString>("tiles");
        QTest::newRow("vertical") << "VR2";
        QTest::newRow("horizontal") << "VR3";
    }
    void tilesKeepEveryWindowWhole()
    {
        QFETCH(QString, tiles);
        Frame frame;
        frame.window.dispatcher()->closeAll();
        for (const char* command : {"V1", "V4", "J3"})
            frame.window.command(QString::fromLatin1(command))->trigger();
        Settle();
        QCOMPARE(frame.window.mdiArea()->subWindowList().size(), 3);
        frame.window.command(tiles)->trigger();
        Settle();
        for (QMdiSubWindow* window : frame.window.mdiArea()->subWindowList()) {
            const QSize needed = window->widget()->minimumSizeHint();
            QVERIFY2(window->widget()->width() >= needed.width() && window->widget()->height() >= needed.height(),
                     qPrintable(QStringLiteral("%1: %2 x %3 for %4 x %5")
                                    .arg(window->windowTitle())
                                    .arg(window->widget()->width())
                                    .arg(window->widget()->height())
                                    .arg(needed.width())
                                    .arg(needed.height())));
        }
    }

    // A list window reopens at the size the user left it.
    void listWindowRemembersItsSize()
    {
        Frame frame;
        QMdiSubWindow* window = frame.open(QStringLiteral("V4"));
        QVERIFY(window);
        const QSize chosen = window->size() - QSize(0, 60);
        window->resize(chosen);
        window->close();
        Settle();
        window = frame.open(QStringLiteral("V4"));
        QVERIFY(window);
        QCOMPARE(window->size(), chosen);
    }

    // With CVI_SNAPSHOT_DIR set: the main window at 1366 x 768 with each window its commands open,
    // one picture per command, as the user sees them.
    void snapshots()
    {
        const QString folder = qEnvironmentVariable("CVI_SNAPSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("CVI_SNAPSHOT_DIR not set");
        Frame frame;
        QVERIFY(frame.window.grab().save(folder + QStringLiteral("/principal.png")));
        for (const char* command :
             {"J1", "J3",  "V1",  "V2", "V3", "V4", "V5", "V6", "V7", "V8", "C1", "C2", "C3", "C4", "C5", "C6", "C7",
              "C9", "C10", "C11", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "H2", "H3", "H4", "H5", "H6", "H7"}) {
            if (!frame.open(QString::fromLatin1(command)))
                continue;
            QVERIFY(frame.window.grab().save(folder + QStringLiteral("/%1.png").arg(QLatin1String(command))));
        }
    }
};

QTEST_MAIN(TstWindowFit)
#include "tst_windowfit.moc"
