#include "tax/CertificationRun.h"

#include "CaseFile.h"
#include "app/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Two of the authority's cases, the first with its trailing "|", the second without.
const QString kFirstCase = QStringLiteral(
    "7904006306693|876814|1665979|2008/05/19|35958,6|zZ7Z]xssKqkEf_6K9uH(EcV+%x+u[Cca9T%+_$kiLjT8(zr3T9b5Fx2xG-D+_EBS|"
    "27773|7904006306693zZ787681455Z]xssKqk166597949Ef_6K9uH2008051967(EcV+%x+3595999u[Cc|15847127|ySxN|7B-F3-48-A8|");
const QString kSecondCase = QStringLiteral(
    "8004005263848|673173|1666188|2008/08/10|51330|PNRU4cgz7if)[tr#J69j=yCS57i=uVZ$n@nv6wxaRFP+AUf*L7Adiq3TT[Hw-@wt|"
    "69999|8004005263848PNRU4cg67317336z7if)[tr#J16661882369j=yCS57i2008081050=uVZ$n@nv65133016wxaRFP+AUf|12484570|"
    "ld/Q|2C-98-0E-96");

// The first case with one field replaced.
QString firstCaseWith(int field, const QString& value)
{
    QStringList fields = kFirstCase.split(QLatin1Char('|'));
    fields[field] = value;
    return fields.join(QLatin1Char('|'));
}

QString withTwoFieldsLess(const QString& line, int field)
{
    QStringList fields = line.split(QLatin1Char('|'));
    fields.removeAt(field);
    fields.removeAt(field);
    return fields.join(QLatin1Char('|'));
}

}

class TstCertificationRun : public QObject {
    Q_OBJECT
private slots:
    void authorityFileReproduces()
    {
        const QString path = AuthorityCaseFile();
        QVERIFY2(QFile::exists(path), qPrintable(QStringLiteral("The authority's case file is missing: ") + path));
        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);
        CertificationRun::Counts counts;
        QVERIFY(CertificationRun::runFile(path, out, err, &counts));
        QCOMPARE(counts.passed, 5000);
        QCOMPARE(counts.failed, 0);
        QCOMPARE(output, QStringLiteral("5000 passed, 0 failed\n"));
        QCOMPARE(errors, QString());
    }

    // Every kind of bad line is reported with its number and counted; the run goes on after it.
    void badLinesAreCountedAndTheRunGoesOn()
    {
        const QStringList lines = {
            QStringLiteral("autorizacion|factura|nit|fecha|monto|llave|D|mensaje|T|base64|codigo|"),
            kFirstCase,
            firstCaseWith(10, QStringLiteral("7B-F3-48-A9")),
            withTwoFieldsLess(kFirstCase, 5),
            firstCaseWith(2, QStringLiteral("16659x9")),
            firstCaseWith(3, QStringLiteral("2008/02/30")),
            firstCaseWith(4, QStringLiteral("35958,6x")),
            QString(),
            kSecondCase,
            firstCaseWith(6, QStringLiteral("27774")),
            firstCaseWith(0, QStringLiteral("abc")),
            firstCaseWith(1, QStringLiteral("87681 4")),
            firstCaseWith(4, QString()),
            firstCaseWith(8, QStringLiteral("15847128")),
        };
        QString input = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        QTextStream in(&input);
        QString output;
        QTextStream out(&output);

        const CertificationRun::Counts counts = CertificationRun::run(in, out);

        QCOMPARE(output.split(QLatin1Char('\n')),
                 QStringList({
                     QStringLiteral("Linea 3: codigo de control esperado 7B-F3-48-A9, calculado 7B-F3-48-A8"),
                     QStringLiteral("Linea 4: se esperaban 11 campos, hay 9"),
                     QStringLiteral("Linea 5: El NIT/CI debe contener solo digitos"),
                     QStringLiteral("Linea 6: fecha invalida \"2008/02/30\""),
                     QStringLiteral("Linea 7: monto invalido \"35958,6x\""),
                     QStringLiteral("Linea 10: digitos Verhoeff esperado 27774, calculado 27773"),
                     QStringLiteral("Linea 11: el numero de autorizacion debe contener solo digitos"),
                     QStringLiteral("Linea 12: El numero de factura debe contener solo digitos"),
                     QStringLiteral("Linea 13: monto invalido \"\""),
                     QStringLiteral("Linea 14: suma T esperado 15847128, calculado 15847127"),
                     QStringLiteral("2 passed, 10 failed"),
                     QString(),
                 }));
        QCOMPARE(counts.passed, 2);
        QCOMPARE(counts.failed, 10);
    }

    void unreadableFile()
    {
        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);
        CertificationRun::Counts counts;
        QVERIFY(!CertificationRun::runFile(QStringLiteral("/nonexistent/cases.txt"), out, err, &counts));
        QCOMPARE(output, QString());
        QVERIFY(errors.startsWith(QStringLiteral("No se puede leer /nonexistent/cases.txt")));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("content");  // null: no file at all
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("lastLine");
        QTest::addColumn<QString>("errorStart");
        QTest::newRow("all pass") << kFirstCase + "\n" + kSecondCase + "\n"
                                  << 0 << "2 passed, 0 failed"
                                  << "";
        QTest::newRow("one fails") << kFirstCase + "\n" + firstCaseWith(10, QStringLiteral("00")) + "\n"
                                   << 1 << "1 passed, 1 failed"
                                   << "";
        QTest::newRow("header only proves nothing") << QStringLiteral("autorizacion|factura\n") << 1 << "0 passed, 0 failed"
                                                    << "El archivo no contiene casos";
        QTest::newRow("missing file") << QString() << 2 << ""
                                      << "No se puede leer";
    }
    void commandLine()
    {
        QFETCH(QString, content);
        QFETCH(int, status);
        QFETCH(QString, lastLine);
        QFETCH(QString, errorStart);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cases.txt"));
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.toLatin1());
        }
        const QStringList arguments = {QStringLiteral("cvi-zelto"), QStringLiteral("--certify"), path};
        QVERIFY(IsCommandLineRequest(arguments));
        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);

        QCOMPARE(RunCommandLine(arguments, out, err), status);
        out.flush();
        err.flush();
        QCOMPARE(output.trimmed().section(QLatin1Char('\n'), -1), lastLine);
        QVERIFY2(errorStart.isEmpty() ? errors.isEmpty() : errors.startsWith(errorStart), qPrintable(errors));
    }

    void commandLineWithoutFile()
    {
        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);
        QCOMPARE(RunCommandLine({QStringLiteral("cvi-zelto"), QStringLiteral("--certify")}, out, err), 2);
        err.flush();
        QCOMPARE(errors, QStringLiteral("cvi-zelto: falta el valor de --certify\nUso: cvi-zelto --certify ARCHIVO\n"));
    }
};

QTEST_GUILESS_MAIN(TstCertificationRun)
#include "tst_certificationrun.moc"
