#include "widgets/InputFilters.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

namespace {
// Types any text key by key, letters beyond ASCII (ñ, é) included.
void typeKeys(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}
}

class TstInputFilters : public QObject {
    Q_OBJECT
private slots:
    void digitsAndPoint_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount") << "125.50"
                                << "125.50";
        QTest::newRow("letters and signs swallowed") << "1a2,3-4 5+"
                                                     << "12345";
        QTest::newRow("two points pass the key filter") << "1.2.3"
                                                        << "1.2.3";
        QTest::newRow("apostrophe swallowed") << "7'"
                                              << "7";
    }
    void digitsAndPoint()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit field;
        InputFilters::digitsAndPoint(&field);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), shown);
    }

    void digitsAndPointKeepsBackspaceAndMovement()
    {
        QLineEdit field;
        InputFilters::digitsAndPoint(&field);
        QTest::keyClicks(&field, "123");
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClick(&field, Qt::Key_Left);
        QTest::keyClicks(&field, "9");
        QCOMPARE(field.text(), QStringLiteral("192"));
    }

    void pastedTextIsCleaned_data()
    {
        QTest::addColumn<bool>("digits");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits keep digits and points") << true << "Bs. 1,250.75"
                                                       << ".1250.75";
        QTest::newRow("upper case and no quotes") << false << "o'brien \"sa\""
                                                  << "OBRIEN SA";
    }
    void pastedTextIsCleaned()
    {
        QFETCH(bool, digits);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QLineEdit field;
        digits ? InputFilters::digitsAndPoint(&field) : InputFilters::upperCase(&field);
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(&field, QKeySequence::Paste);
        QCOMPARE(field.text(), shown);
    }

    void editsWithoutKeysAreCleaned()
    {
        QLineEdit field;
        InputFilters::digitsAndPoint(&field);
        field.setText("12ab3");
        emit field.textEdited(field.text());  // what a context-menu paste or a drop reports
        QCOMPARE(field.text(), QStringLiteral("123"));
    }

    void upperCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("lower to upper") << "coca cola 2l"
                                        << "COCA COLA 2L";
        QTest::newRow("quotes refused") << "d'ar\"te`"
                                        << "DARTE";
        QTest::newRow("digits and signs as typed") << "2l-x/1"
                                                   << "2L-X/1";
    }
    void upperCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit field;
        InputFilters::upperCase(&field);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), shown);
    }

    void digitsAnd_data()
    {
        QTest::addColumn<QString>("others");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain number") << ""
                                      << "29a04-0.0 11"
                                      << "29040011";
        QTest::newRow("date") << "/"
                              << "31/12-2026x"
                              << "31/122026";
        QTest::newRow("telephone") << "-"
                                   << "2-2441/234"
                                   << "2-2441234";
    }
    void digitsAnd()
    {
        QFETCH(QString, others);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit field;
        InputFilters::digitsAnd(&field, others);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), shown);
        // A pasted text keeps the same characters.
        field.clear();
        QApplication::clipboard()->setText(typed);
        QTest::keySequence(&field, QKeySequence::Paste);
        QCOMPARE(field.text(), shown);
    }

    void plainLetters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("upper case") << "venta de ropa"
                                    << "VENTA DE ROPA";
        QTest::newRow("enie") << "peña"
                              << "PEÑA";
        QTest::newRow("signs kept") << "s.r.l. - 2"
                                    << "S.R.L. - 2";
        QTest::newRow("quotes, accents and others refused") << "d'ar\"te´ é,;/"
                                                            << "DARTE ";
    }
    void plainLetters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit line;
        InputFilters::plainLetters(&line);
        typeKeys(&line, typed);
        QCOMPARE(line.text(), shown);
        QPlainTextEdit memo;
        InputFilters::plainLetters(&memo);
        typeKeys(&memo, typed);
        QCOMPARE(memo.toPlainText(), shown);
        // Text the program shows (a stored legend) stays as it is.
        memo.setPlainText(typed);
        QCOMPARE(memo.toPlainText(), typed);
    }

    // What the context menu's paste or a drop puts into the memo the user is editing.
    void memoCleansWhatArrivesWithoutKeys()
    {
        QPlainTextEdit memo;
        InputFilters::plainLetters(&memo);
        memo.show();
        memo.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&memo));
        memo.setFocus();
        QVERIFY(memo.hasFocus());
        memo.insertPlainText(QStringLiteral("peña, s.a."));
        QCOMPARE(memo.toPlainText(), QStringLiteral("PEÑA S.A."));
    }

    void singleLineMemoKeepsOneLineOfItsLength()
    {
        QPlainTextEdit memo;
        InputFilters::singleLineMemo(&memo, 10);
        QTest::keyClicks(&memo, "ab");
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClicks(&memo, "c$%\\'");
        QCOMPARE(memo.toPlainText(), QStringLiteral("abc$%\\'"));
        memo.setPlainText("line one\nline two");
        QCOMPARE(memo.toPlainText(), QStringLiteral("line one l"));
    }

    // The fields of the sales register: NIT/CI, cash received and client name.
    void fieldKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits refuse the point") << "digits"
                                                 << "45.67x890"
                                                 << "4567890";
        QTest::newRow("amount takes a comma as point") << "amount"
                                                       << "12,5"
                                                       << "12.5";
        QTest::newRow("amount refuses letters") << "amount"
                                                << "1a0-0"
                                                << "100";
        QTest::newRow("names keep their quote") << "names"
                                                << "carlos o'brien"
                                                << "CARLOS O'BRIEN";
    }
    void fieldKinds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit typedField, pastedField;
        for (QLineEdit* field : {&typedField, &pastedField}) {
            if (kind == "digits")
                InputFilters::digits(field);
            else if (kind == "amount")
                InputFilters::amount(field);
            else
                InputFilters::upperCaseKeepingQuotes(field);
        }
        QTest::keyClicks(&typedField, typed);
        QCOMPARE(typedField.text(), shown);
        QApplication::clipboard()->setText(typed);
        QTest::keySequence(&pastedField, QKeySequence::Paste);
        QCOMPARE(pastedField.text(), shown);
    }

    void refuseTyping()
    {
        QLineEdit path;
        path.setText("/datos/dbzelto.sqlite");
        InputFilters::refuseTyping(&path);
        QTest::keyClicks(&path, "abc");
        QTest::keyClick(&path, Qt::Key_Backspace);
        QTest::keyClick(&path, Qt::Key_Delete);
        QCOMPARE(path.text(), QStringLiteral("/datos/dbzelto.sqlite"));

        QDateEdit date(QDate(2026, 12, 9));
        InputFilters::refuseTyping(&date);
        QTest::keyClicks(&date, "01");
        QTest::keyClick(&date, Qt::Key_Up);
        QCOMPARE(date.date(), QDate(2026, 12, 9));
    }
};

QTEST_MAIN(TstInputFilters)
#include "tst_inputfilters.moc"
