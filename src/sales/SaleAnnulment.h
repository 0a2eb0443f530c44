#pragma once
#include <QString>
#include <QStringList>

// Annuls a stored sale, from the sales register (a sale of its open cash session) or from sales
// management (a sale of any session). The sale keeps its invoice and authorization numbers, date,
// session, dosage, payment rows and client counters, so the sales book still lists it, now
// annulled; its amounts, NIT/CI, name and control code are cleared, its lines lose their prices,
// and the quantities of its stored lines go back to stock.
//
// One transaction under the write lock, re-checking what another counter may have changed since
// the sale was shown: only a sale still valid is annulled, so its stock comes back exactly once.
class SaleAnnulment {
public:
    struct Result {
        bool annulled = false;
        QString message;  // what to show: the success or why nothing was written
    };

    // `openSession`: the register's cash session, which must still be open and hold the sale;
    // empty from sales management. Engine failures throw DatabaseError after the rollback.
    static Result Annul(const QString& saleId, const QString& openSession = {});

    static const QString QuestionTitle;  // "Anular Venta"
    static const QString Question;       // "Esta Seguro de querer Anular esta Venta? "
    static const QString Annulled;       // "Venta Anulada Correctamente"
    static const QString NotFound;       // "No existe Venta con ese Nº de Orden"
    static const QString OtherSession;   // "El Nº de Orden pertenece a otra Fecha (Caja)"
    static const QString AlreadyAnnulled;

    // The statements it runs, for checking their query plans.
    static QStringList Statements();
};
