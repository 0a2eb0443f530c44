#include "tax/Dosages.h"

#include "data/Formats.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"

#include <QRegularExpression>

namespace Dosages {

namespace {

const QString kMissing = QStringLiteral("Inserte correctamente todos los Datos");
const QString kBadInvoiceNumber = QStringLiteral("Inserte correctamente el Numero de Factura a Iniciar");

bool AllDigits(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(text).hasMatch();
}

DosageInput Trimmed(const DosageInput& in)
{
    return {in.authorization.trimmed(), in.key.trimmed(),     in.deadline.trimmed(), in.legend.trimmed(),
            in.phone.trimmed(),         in.address.trimmed(), in.city.trimmed()};
}

// The number typed, or 0 for anything that is not a number of at least 1.
qint64 InvoiceNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!AllDigits(trimmed) || trimmed.size() > 15)
        return 0;
    return trimmed.toLongLong();
}

qint64 GreatestIssuedUnderActiveDosage()
{
    return TDataModule1::instance()
        .query(QStringLiteral("SELECT COALESCE(MAX(NroFact), 0) FROM Ventas WHERE IdDosificacion IN "
                              "(SELECT IdDosificacion FROM Dosificaciones WHERE Estado=1)"))
        .integer(0);
}

}

QList<Dosage> Latest()
{
    SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT * FROM Dosificaciones ORDER BY IdDosificacion DESC LIMIT 30"));
    QList<Dosage> list;
    for (rows.first(); !rows.atEnd(); rows.next())
        list << Dosage{int(rows.integer(0)), rows.date(1),  rows.text(2),         rows.text(3), rows.date(4),
                       rows.text(5),         rows.text(6),  rows.text(7),         rows.text(8), rows.text(9),
                       rows.text(10),        rows.text(11), rows.integer(12) == 1};
    return list;
}

QString Check(const DosageInput& typed, bool* error)
{
    const DosageInput in = Trimmed(typed);
    const auto refuse = [error](const QString& text, bool isError) {
        if (error)
            *error = isError;
        return text;
    };
    if (in.address.isEmpty() || in.city.isEmpty() || in.authorization.isEmpty() || in.key.isEmpty() || in.deadline.isEmpty()
        || in.legend.isEmpty())
        return refuse(kMissing, false);
    if (!AllDigits(in.authorization))
        return refuse(
            QStringLiteral("'%1' no es un Numero de Autorizacion valido: solo puede tener digitos").arg(in.authorization),
            true);
    if (!Formats::ParseDate(in.deadline).isValid())
        return refuse(QStringLiteral("'%1' no es una fecha valida (DD/MM/AAAA)").arg(in.deadline), true);
    return refuse({}, false);
}

QString Insert(const DosageInput& typed)
{
    if (const QString refusal = Check(typed); !refusal.isEmpty())
        return refusal;
    const DosageInput in = Trimmed(typed);
    const SessionState& s = SessionState::current();
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    db.execute(QStringLiteral("UPDATE Dosificaciones SET Estado=0 WHERE Estado=1"));
    // Estado is left to its default: the new row is the active dosage.
    db.execute(QStringLiteral("INSERT INTO Dosificaciones(FechaR, NAutorizacion, Dosificacion, FLimiteE, Leyenda, "
                              "TelefonoS, DireccionS, CiudadS, TelefonoM, DireccionM, CiudadM) "
                              "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {Formats::IsoDate(s.WorkDate), in.authorization, in.key, Formats::IsoDate(Formats::ParseDate(in.deadline)),
                in.legend, in.phone, in.address, in.city, s.HeadOfficePhone, s.HeadOfficeAddress, s.HeadOfficeCity});
    transaction.commit();
    SessionLoader::LoadActiveDosage();
    return {};
}

QString UpdateActive(int id, const DosageInput& typed)
{
    if (const QString refusal = Check(typed); !refusal.isEmpty())
        return refusal;
    const DosageInput in = Trimmed(typed);
    const SessionState& s = SessionState::current();
    const QString deadline = Formats::IsoDate(Formats::ParseDate(in.deadline));
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    int changed = 0;
    if (s.BranchNumber != 0)
        changed = db.execute(QStringLiteral("UPDATE Dosificaciones SET NAutorizacion=?, Dosificacion=?, FLimiteE=?, "
                                            "Leyenda=?, TelefonoS=?, DireccionS=?, CiudadS=?, TelefonoM=?, "
                                            "DireccionM=?, CiudadM=? WHERE Estado=1 AND IdDosificacion=?"),
                             {in.authorization, in.key, deadline, in.legend, in.phone, in.address, in.city,
                              s.HeadOfficePhone, s.HeadOfficeAddress, s.HeadOfficeCity, id});
    else
        changed = db.execute(QStringLiteral("UPDATE Dosificaciones SET NAutorizacion=?, Dosificacion=?, FLimiteE=?, "
                                            "Leyenda=?, TelefonoM=?, DireccionM=?, CiudadM=? "
                                            "WHERE Estado=1 AND IdDosificacion=?"),
                             {in.authorization, in.key, deadline, in.legend, in.phone, in.address, in.city, id});
    // Another station may have retired it since the list was read.
    if (changed == 0)
        return QStringLiteral("Esta Dosificacion ya no es posible Actualizar, no insista");
    transaction.commit();
    SessionLoader::LoadActiveDosage();
    return {};
}

QString CheckNextInvoiceNumber(const QString& text)
{
    const qint64 number = InvoiceNumber(text);
    if (number < 1)
        return kBadInvoiceNumber;
    // A number already issued under this authorisation would be issued twice.
    const qint64 issued = GreatestIssuedUnderActiveDosage();
    if (number <= issued)
        return QStringLiteral("La factura Numero %1 ya fue emitida con la Dosificacion actual: el Numero de Factura "
                              "a Iniciar debe ser mayor a %1")
            .arg(issued);
    return {};
}

QString SetNextInvoiceNumber(const QString& text)
{
    auto& db = TDataModule1::instance();
    WriteTransaction transaction(db);
    if (const QString refusal = CheckNextInvoiceNumber(text); !refusal.isEmpty())
        return refusal;
    db.execute(QStringLiteral("UPDATE DatosC SET NFactura=?"), {InvoiceNumber(text)});
    transaction.commit();
    return {};
}

}
