#include "widgets/InputFilters.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QtTest>

class TstInputFilters : public QObject {
    Q_OBJECT
private slots:
    void digitsAndPoint_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount") << "125.50" << "125.50";
        QTest::newRow("letters and signs swallowed") << "1a2,3-4 5+" << "12345";
        QTest::newRow("two points pass the key filter") << "1.2.3" << "1.2.3";
        QTest::newRow("apostrophe swallowed") << "7'" << "7";
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
        QTest::newRow("digits keep digits and points") << true << "Bs. 1,250.75" << ".1250.75";
        QTest::newRow("upper case and no quotes") << false << "o'brien \"sa\"" << "OBRIEN SA";
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
        QTest::newRow("lower to upper") << "coca cola 2l" << "COCA COLA 2L";
        QTest::newRow("quotes refused") << "d'ar\"te`" << "DARTE";
        QTest::newRow("digits and signs as typed") << "2l-x/1" << "2L-X/1";
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

    // The fields of the sales register: NIT/CI, cash received and client name.
    void fieldKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits refuse the point") << "digits" << "45.67x890" << "4567890";
        QTest::newRow("amount takes a comma as point") << "amount" << "12,5" << "12.5";
        QTest::newRow("amount refuses letters") << "amount" << "1a0-0" << "100";
        QTest::newRow("names keep their quote") << "names" << "carlos o'brien" << "CARLOS O'BRIEN";
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
