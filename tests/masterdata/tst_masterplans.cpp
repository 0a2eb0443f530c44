#include "ShopFixture.h"

#include "data/SchemaUpgrade.h"

#include "masterdata/PickerLists.h"
#include "masterdata/ProductStore.h"

#include <QtTest>

namespace {

QString planOf(TDataModule1& db, const QString& sql, const QVariantList& values = {})
{
    SqlRows plan = db.query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values);
    QString detail;
    for (; !plan.atEnd(); plan.next())
        detail += plan.text(QStringLiteral("detail")) + QLatin1Char(';');
    return detail;
}

// Every table read either searches an index or walks one in order; none is read whole.
bool readsThroughIndexes(const QString& plan)
{
    for (const QString& step : plan.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if ((step.startsWith(QLatin1String("SCAN")) || step.startsWith(QLatin1String("SEARCH")))
            && !step.contains(QLatin1String("INDEX")))
            return false;
    return true;
}

}

// The lists and writes of the catalogue and the pickers stay quick on years of sales: they read
// through indexes (checked here on the plan; timings on a million sales are taken by hand with
// scripts/big-shop.py).
class TstMasterPlans : public QObject {
    Q_OBJECT
private slots:
    void pickerListsReadThroughIndexes()
    {
        ShopFixture shop;
        for (const QString& sql : PickerLists::Statements()) {
            const QString plan = planOf(shop.db(), sql);
            QVERIFY2(readsThroughIndexes(plan), qPrintable(sql + " -> " + plan));
        }
        // The debtors are found among the open credit sales only, through either index that holds them.
        const QString debtors = planOf(shop.db(), PickerLists::Statements().at(1));
        QVERIFY2(debtors.contains(QStringLiteral("Ventas_Deudores"))
                     || debtors.contains(QStringLiteral("Ventas_Credito (FormaP=? AND Estado=?)")),
                 qPrintable(debtors));
    }

    void categoryRewriteFindsTheProductsLines()
    {
        ShopFixture shop;
        for (const QString& sql : ProductStore::CategoryRewriteStatements()) {
            const QString plan = planOf(shop.db(), sql, {5, QStringLiteral("P000000001")});
            QVERIFY2(plan.startsWith(QStringLiteral("SEARCH")) && plan.contains(QStringLiteral("_Producto (IdProducto=?)")),
                     qPrintable(sql + " -> " + plan));
        }
    }

    // A shop kept from before the index gets it when it is opened.
    void anOlderShopGetsTheDebtorsIndex()
    {
        ShopFixture shop;
        shop.db().execute(QStringLiteral("DROP INDEX Ventas_Deudores"));
        shop.db().execute(QStringLiteral("PRAGMA user_version = 1"));
        shop.db().close();
        QCOMPARE(shop.db().open(shop.databasePath()), QString());
        QCOMPARE(shop.db().query(QStringLiteral("PRAGMA user_version")).integer(0), SchemaUpgrade::currentPlan().version);
        QCOMPARE(
            shop.db().query(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name='Ventas_Deudores'")).integer(0), 1);
    }
};

QTEST_GUILESS_MAIN(TstMasterPlans)
#include "tst_masterplans.moc"
