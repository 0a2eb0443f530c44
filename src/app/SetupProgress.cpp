#include "app/SetupProgress.h"

#include "data/DatabaseCreator.h"
#include "data/UDataModule.h"

SetupProgress SetupProgress::Read(int installedPrinters)
{
    TDataModule1& db = TDataModule1::instance();
    const auto count = [&db](const QString& sql, const QVariantList& values = {}) { return db.query(sql, values).integer(0); };
    SetupProgress p;
    const SqlRows taxpayer = db.query(QStringLiteral("SELECT DireccionM, CiudadM, ActividadE FROM DatosC"));
    p.taxpayer = !taxpayer.text(0).trimmed().isEmpty() && !taxpayer.text(1).trimmed().isEmpty()
                 && !taxpayer.text(2).trimmed().isEmpty();
    const SqlRows parameters = db.query(QStringLiteral("SELECT Facturar, ImprimirTC, Parametro1 FROM Codigos WHERE IdC=1"));
    p.invoicing =
        parameters.integer(0) != 1 || count(QStringLiteral("SELECT COUNT(*) FROM Dosificaciones WHERE Estado=1")) > 0;
    const qint64 printer = parameters.integer(2);
    p.printer = installedPrinters == 0 || parameters.integer(1) != 0 || (printer >= 0 && printer < installedPrinters);
    p.password = count(QStringLiteral("SELECT COUNT(*) FROM Usuario WHERE CambiarClave=1 AND Login=?"),
                       {QString::fromLatin1(DatabaseCreator::kAdminLogin)})
                 == 0;
    p.users = count(QStringLiteral("SELECT COUNT(*) FROM Usuario")) > 1;
    p.products = count(QStringLiteral("SELECT COUNT(*) FROM Productos")) > 0;
    return p;
}
