#include "DatabaseRows.h"
#include "RecordingMessages.h"
#include "ShopFixture.h"

#include "data/UDataModule.h"
#include "widgets/GuardedApplication.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <stdexcept>

namespace {

QString logPath() { return QDir::tempPath() + QStringLiteral("/data/cvi-zelto/errors.log"); }

QStringList logLines()
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A control whose key handler runs whatever fault the test arms.
class Faulty : public QWidget {
    Q_OBJECT
public:
    std::function<void()> onKey;
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent*) override
    {
        ++keys;
        if (onKey)
            onKey();
    }
};

// A window of the shop's shape: a control and a button whose slot may throw.
struct FaultyWindow {
    QWidget window;
    Faulty* control = new Faulty;
    QPushButton* button = new QPushButton(QStringLiteral("Vender"));
    FaultyWindow()
    {
        window.setObjectName(QStringLiteral("FPrueba"));
        window.setWindowTitle(QStringLiteral("Ventana de prueba"));
        control->setObjectName(QStringLiteral("EFalla"));
        button->setObjectName(QStringLiteral("BVender"));
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(control);
        layout->addWidget(button);
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

// Answers the box by delivering one more faulty event, as a repaint behind the box would.
class FaultWhileTelling : public RecordingMessages {
public:
    QWidget* target = nullptr;
    void error(const QString& text) override
    {
        RecordingMessages::error(text);
        QTest::keyClick(target, Qt::Key_B);
    }
};

}

class TstGuardedApplication : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(logPath());
        MessageSeam::install(&m_messages);
        m_messages.clear();
    }
    void cleanup() { MessageSeam::install(nullptr); }

    void faultIsToldLoggedAndSurvived_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("where");
        QTest::newRow("key handler") << 0 << "cart line 7 of 6"
                                     << "window QWidget FPrueba \"Ventana de prueba\" / Faulty EFalla";
        QTest::newRow("button slot") << 1 << "vector::_M_range_check"
                                     << "window QWidget FPrueba \"Ventana de prueba\" / QPushButton BVender";
        QTest::newRow("not a standard exception") << 2 << "unknown exception"
                                                  << "window QWidget FPrueba \"Ventana de prueba\" / Faulty EFalla";
    }
    void faultIsToldLoggedAndSurvived()
    {
        QFETCH(int, fault);
        QFETCH(QString, detail);
        QFETCH(QString, where);
        FaultyWindow w;
        bool armed = true;
        w.control->onKey = [&] {
            if (!armed)
                return;
            if (fault == 2)
                throw 42;
            throw std::runtime_error(detail.toStdString());
        };
        QObject::connect(w.button, &QPushButton::clicked, [&] { throw std::out_of_range(detail.toStdString()); });

        if (fault == 1)
            QTest::mouseClick(w.button, Qt::LeftButton);
        else
            QTest::keyClick(w.control, Qt::Key_A);

        QCOMPARE(m_messages.errors.size(), 1);
        QCOMPARE(m_messages.errors[0], GuardedApplication::messageFor(detail, logPath(), true));
        QVERIFY(m_messages.errors[0].startsWith(QStringLiteral("Ocurrió un error inesperado")));
        const QStringList lines = logLines();
        QCOMPARE(lines.size(), 1);
        const QRegularExpression line(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\| ")
                                      + QRegularExpression::escape(where + QStringLiteral(" | ") + detail) + '$');
        QVERIFY2(line.match(lines[0]).hasMatch(), qPrintable(lines[0]));

        // The program goes on: events reach the same window and the event loop still runs.
        armed = false;
        const int keysBefore = w.control->keys;
        QTest::keyClick(w.control, Qt::Key_C);
        QCOMPARE(w.control->keys, keysBefore + 1);
        bool timerRan = false;
        QTimer::singleShot(0, [&] { timerRan = true; });
        QTRY_VERIFY(timerRan);
        QCOMPARE(m_messages.errors.size(), 1);
    }

    // A handler's writes are undone whether it left its transaction to the guard class or
    // opened one by hand and never closed it; what was committed before stays.
    void writesOfTheFailedStepAreUndone_data()
    {
        QTest::addColumn<bool>("byHand");
        QTest::newRow("write transaction") << false;
        QTest::newRow("begun by hand") << true;
    }
    void writesOfTheFailedStepAreUndone()
    {
        QFETCH(bool, byHand);
        ShopFixture shop(false, ShopFixture::Place::File);
        QVERIFY2(shop.ok(), qPrintable(shop.error()));
        TDataModule1& db = shop.db();
        db.execute(QStringLiteral("INSERT INTO Marcas (Marca) VALUES ('Antes')"));
        FaultyWindow w;
        w.control->onKey = [&] {
            if (byHand) {
                db.begin();
                db.execute(QStringLiteral("INSERT INTO Marcas (Marca) VALUES ('Perdida')"));
                throw std::runtime_error("after the first write");
            }
            WriteTransaction t(db);
            db.execute(QStringLiteral("INSERT INTO Marcas (Marca) VALUES ('Perdida')"));
            throw std::runtime_error("after the first write");
        };
        QTest::keyClick(w.control, Qt::Key_A);
        QCOMPARE(shop.messages.errors.size(), 1);
        QCOMPARE(db.transactionDepth(), 0);
        QCOMPARE(StatementRows(db, QStringLiteral("SELECT Marca FROM Marcas ORDER BY Marca")),
                 QStringList{QStringLiteral("Antes")});
    }

    // A fault while the box is up (a repaint behind it) is logged, not shown again: one box, and
    // never a box for every box.
    void faultWhileTellingIsOnlyLogged()
    {
        FaultyWindow w;
        FaultWhileTelling messages;
        messages.target = w.control;
        MessageSeam::install(&messages);
        w.control->onKey = [] { throw std::runtime_error("again"); };
        QTest::keyClick(w.control, Qt::Key_A);
        QCOMPARE(messages.errors.size(), 1);
        QCOMPARE(logLines().size(), 2);
    }

    void unwritableLogIsSaid()
    {
        QVERIFY(QDir().mkpath(logPath()));  // a folder where the file should be
        FaultyWindow w;
        w.control->onKey = [] { throw std::runtime_error("disk"); };
        QTest::keyClick(w.control, Qt::Key_A);
        QDir(logPath()).removeRecursively();
        QCOMPARE(m_messages.errors.size(), 1);
        QCOMPARE(m_messages.errors[0], GuardedApplication::messageFor(QStringLiteral("disk"), logPath(), false));
        QVERIFY(m_messages.errors[0].contains(QStringLiteral("No se pudo anotar el error en ")));
    }

private:
    RecordingMessages m_messages;
};

int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv, ErrorLog(logPath()));
    TstGuardedApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapplication.moc"
