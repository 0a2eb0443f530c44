#pragma once
#include <QDate>
#include <QList>
#include <QString>

// The invoice dosages (table Dosificaciones) and the next invoice number. Writes return the
// refusal to show (empty text on success) and throw DatabaseError when the engine fails; a
// refusal or a failure leaves the database and the session record as they were.
namespace Dosages {

struct Dosage {
    int id = 0;
    QDate registered;       // FechaR
    QString authorization;  // NAutorizacion
    QString key;            // Dosificacion
    QDate deadline;         // FLimiteE
    QString legend;         // Leyenda
    QString branchPhone, branchAddress, branchCity;
    QString headPhone, headAddress, headCity;
    bool active = false;  // Estado 1
};

// What the dosage tab holds, as typed. Phone, address and city are the branch's at a branch and
// the head office's at the head office.
struct DosageInput {
    QString authorization;
    QString key;
    QString deadline;  // dd/MM/yyyy
    QString legend;
    QString phone;
    QString address;
    QString city;
};

// The latest 30, newest first.
QList<Dosage> Latest();

// Why the tab's values cannot be stored, or empty text. `error` tells whether the refusal is an
// error (a value that is not a number or a date) rather than missing data.
QString Check(const DosageInput& input, bool* error = nullptr);

// The new dosage becomes the only active one: the one active so far is retired in the same
// transaction. The session record then holds the new dosage.
QString Insert(const DosageInput& input);

// Corrects the active dosage `id`: a branch writes its own phone, address and city and the head
// office's from the session; the head office writes the fields as its own. Refused when `id` is
// no longer the active dosage.
QString UpdateActive(int id, const DosageInput& input);

// Why `text` cannot be the number of the next invoice, or empty text: it must be a number of at
// least 1 and above every number issued under the active dosage.
QString CheckNextInvoiceNumber(const QString& text);
QString SetNextInvoiceNumber(const QString& text);

}
