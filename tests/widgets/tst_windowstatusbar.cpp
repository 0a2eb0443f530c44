#include "widgets/WindowStatusBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QtTest>

// The foot of a working window: the caption first (when it has one), the named panels in the
// order they were added, the progress bar last.
class TstWindowStatusBar : public QObject {
    Q_OBJECT
private slots:
    void panelsStandInOrder_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("captionPanel");
        QTest::newRow("with the window's name") << "Registrar Ventas" << true;
        QTest::newRow("state panels only") << QString() << false;
    }
    void panelsStandInOrder()
    {
        QFETCH(QString, caption);
        QFETCH(bool, captionPanel);
        QWidget window;
        auto* bar = captionPanel ? new WindowStatusBar(caption, &window) : new WindowStatusBar(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(bar);
        QLabel* record = bar->addPanel("LRegistro", 170);
        QLabel* state = bar->addPanel("LEstado", 200);
        bar->progressBar()->show();
        window.resize(800, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(bar->objectName(), QStringLiteral("SBar1"));
        QCOMPARE(bar->progressBar()->objectName(), QStringLiteral("PBar1"));
        QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("LRegistro")), record);
        QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("LEstado")), state);
        QVERIFY(record->width() >= 170);
        QVERIFY(state->width() >= 200);
        QVERIFY(record->x() < state->x());
        QVERIFY(state->x() < bar->progressBar()->x());
        QCOMPARE(bar->caption(), caption);
        // A bar of state panels shows no empty name panel before them.
        const QList<QLabel*> labels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        int visibleLabels = 0;
        for (QLabel* label : labels)
            visibleLabels += label->isVisible();
        QCOMPARE(visibleLabels, captionPanel ? 3 : 2);
        if (captionPanel)
            for (QLabel* label : labels)
                if (label != record && label != state)
                    QVERIFY(label->x() < record->x());
    }

    void aLongCaptionWidensItsPanel()
    {
        WindowStatusBar bar(QStringLiteral("Caja"));
        auto* panel = bar.findChild<QLabel*>();
        QCOMPARE(panel->width(), int(WindowStatusBar::CaptionWidth));
        const QString longName(60, QLatin1Char('W'));
        bar.setCaption(longName);
        QVERIFY(panel->width() > panel->fontMetrics().horizontalAdvance(longName));
    }
};

QTEST_MAIN(TstWindowStatusBar)
#include "tst_windowstatusbar.moc"
