#pragma once
#include <QDate>
#include <QString>
#include <functional>

// What a simulation runs: whole shop days, each opened, traded and closed.
struct SimulationOptions {
    int days = 1;
    int salesPerDay = 40;
    // The first day. Invalid: the open session's day, else the day after the latest session,
    // else today.
    QDate from;
    quint64 seed = 1;
    // False leaves the last day's session open with its trade (a benchmark closes it itself).
    bool closeLastDay = true;
};

// What a simulation stored.
struct SimulationSummary {
    int days = 0;
    QDate first;
    QDate last;
    int sales = 0;
    int invoices = 0;
    int annulledSales = 0;
    int refusedSales = 0;  // refused by the sale itself (nothing stored); expected to stay 0
    int purchases = 0;
    int deletedPurchases = 0;
    int deliveries = 0;
    int annulledDeliveries = 0;
    int clientPayments = 0;
    int supplierPayments = 0;
    int closings = 0;

    // The one line the command prints when it ends.
    QString line() const;
};

// Runs shop days on the open shop database through the very operations the windows call: the
// cash opening, sales of every payment form and voucher kind, purchases by receipt and by supplier
// invoice and their deletion, service purchases, supply deliveries and their annulment, and the
// closing with a small shortage or surplus. It writes nothing of its own. The same options give
// the same database: every choice comes from the seed and the clock is simulated.
//
// Each day runs inside one outer transaction (each operation's own transaction becomes a save
// point of it), which is what makes years of trade take minutes: a failure rolls back the day in
// progress and leaves the days before it stored.
class ShopSimulator {
public:
    using Progress = std::function<void(const QString& line)>;

    // The shop stores its days with four-digit years; a simulation starts no earlier than this.
    static constexpr int kFirstYear = 1900;
    static QDate lastStorableDay() { return QDate(9999, 12, 31); }

    // The refusal to show, with nothing written (not a prepared shop, no active dosage, an open
    // session of another date, a first day not after the latest session...), or empty text.
    // `progress` is told one line per day. Engine failures throw DatabaseError.
    static QString Run(const SimulationOptions& options, SimulationSummary* summary, const Progress& progress = {});
};
