#include "app/ShopSimulator.h"

#include "cash/CashClosing.h"
#include "cash/CashOpening.h"
#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/SessionLoader.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "purchases/DeliveryAnnulment.h"
#include "purchases/DeliveryRegistration.h"
#include "purchases/PurchaseCodes.h"
#include "purchases/PurchaseDeletion.h"
#include "purchases/PurchaseRegistration.h"
#include "sales/Instalment.h"
#include "sales/PaymentForms.h"
#include "sales/SaleAmounts.h"
#include "sales/SaleAnnulment.h"
#include "sales/SaleCommit.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

TDataModule1& Db() { return TDataModule1::instance(); }

// The simulated day's clock: sale and delivery times run from opening to closing time.
class SimulatedClock : public ClockSeam {
public:
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& moment) { m_now = moment; }

private:
    QDateTime m_now;
};

// Puts the clock that was installed back when the simulation ends, however it ends.
class ClockInstall {
public:
    explicit ClockInstall(ClockSeam* simulated) : m_previous(&ClockSeam::current()) { ClockSeam::install(simulated); }
    ~ClockInstall() { ClockSeam::install(m_previous); }
    ClockInstall(const ClockInstall&) = delete;
    ClockInstall& operator=(const ClockInstall&) = delete;

private:
    ClockSeam* m_previous;
};

struct Item {
    QString id;
    int category = 0;
    QString name;
    QString unit;
    double price = 0;
    double priceWithInvoice = 0;
    double cost = 0;
    double minimum = 0;
};

struct Party {
    QString nit;
    QString name;
};

struct Restock {
    Item item;
    double stock = 0;
    double quantity = 0;
};

const QTime kOpeningTime(8, 0);
constexpr int kTradingSeconds = 12 * 3600;

// One purchase in eight lines at most, as a supplier's note holds them.
constexpr int kPurchaseLines = 8;

class Simulation {
public:
    Simulation(const SimulationOptions& options, SimulationSummary& summary, const ShopSimulator::Progress& progress)
        : m_options(options)
        , m_summary(summary)
        , m_progress(progress)
        , m_rng(options.seed)
    {
    }

    QString prepare();
    void runDay(const QDate& date, bool close);
    QDate firstDay() const { return m_firstDay; }
    SimulatedClock* clock() { return &m_clock; }

private:
    int pick(int n) { return n <= 1 ? 0 : int(m_rng() % quint64(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T> const T& any(const QList<T>& list) { return list.at(pick(int(list.size()))); }

    void loadCatalogue();
    void setTime(int secondsIntoDay);
    void openDay(const QDate& date);
    void sell(int number);
    SaleInput saleOf(int paymentForm, int voucherKind);
    QString cashFor(double total);
    void annulTodaysSale();
    void annulEarlierSale();
    void annulDelivery();
    void restock();
    void restockBefore(int inventory, const QList<QPair<QString, double>>& needs);
    void purchase(int inventory, const QList<Restock>& lines);
    double tillCash();
    void purchaseServices();
    void deletePurchase();
    void deliver();
    void payDebt(DebtSide side);
    void close();
    void say(const QString& line)
    {
        if (m_progress)
            m_progress(line);
    }

    const SimulationOptions& m_options;
    SimulationSummary& m_summary;
    const ShopSimulator::Progress& m_progress;
    std::mt19937_64 m_rng;
    SimulatedClock m_clock;

    QString m_cashier;
    QDate m_firstDay;
    bool m_continueOpenSession = false;
    QList<Item> m_products;
    QList<Item> m_supplies;
    QHash<QString, Item> m_items;  // both, by key
    QList<Party> m_suppliers;
    QList<Party> m_clients;
    QList<Party> m_creditClients;
    qint64 m_newClients = 0;
    qint64 m_receiptNumber = 0;
    qint64 m_supplierInvoice = 0;

    // The day in progress.
    QDate m_date;
    QStringList m_todaysSales;
    QStringList m_todaysPurchases;
    QStringList m_todaysDeliveries;
    int m_daySales = 0;
    int m_dayPurchases = 0;
    int m_dayDeliveries = 0;
    int m_dayAnnulments = 0;
    QString m_dayNotes;
};

QString Simulation::prepare()
{
    if (!Db().isOpen())
        return QStringLiteral("No hay una base de datos abierta");
    if (m_options.days < 1)
        return QStringLiteral("El numero de dias a simular debe ser al menos 1");
    if (m_options.salesPerDay < 0)
        return QStringLiteral("El numero de ventas por dia no puede ser negativo");

    // The cashier is the administrator when there is one, else the first active user.
    const SqlRows users = Db().query(
        QStringLiteral("SELECT Login FROM Usuario WHERE Estado=1 ORDER BY CASE WHEN Login='admin' THEN 0 ELSE 1 END, Login"));
    if (users.isEmpty())
        return QStringLiteral("La base de datos no tiene un usuario activo que atienda la caja");
    SessionState& s = SessionState::current();
    s.UserLogin = users.text(0).toLower();
    s.DatabasePath = Db().path();
    m_cashier = s.UserLogin;
    SessionLoader::LoadParameters();
    SessionLoader::LoadTaxpayer();
    SessionLoader::LoadActiveDosage();
    SessionLoader::LoadCashSession();
    if (s.DosageId == 0)
        return QStringLiteral("No hay una Dosificacion activa: registre una en Datos de Facturacion antes de simular");

    loadCatalogue();
    if (m_products.isEmpty())
        return QStringLiteral("No hay productos a la venta habilitados y con precio: la tienda no esta preparada");

    if (s.CashOpen == 1) {
        if (m_options.from.isValid() && m_options.from != s.WorkDate)
            return QStringLiteral("Hay una CAJA abierta del %1: la simulacion solo puede seguir en esa fecha; "
                                  "cierrela para simular otras fechas")
                .arg(Formats::Date(s.WorkDate));
        m_firstDay = s.WorkDate;
        m_continueOpenSession = true;
        return {};
    }
    m_firstDay = m_options.from;
    if (!m_firstDay.isValid()) {
        const SqlRows latest = Db().query(QStringLiteral("SELECT Fecha FROM Caja ORDER BY IdCaja DESC LIMIT 1"));
        m_firstDay = latest.isEmpty() ? ClockSeam::current().today() : latest.date(0).addDays(1);
    }
    return CashOpening::CheckDate(m_firstDay);
}

void Simulation::loadCatalogue()
{
    const QString items =
        QStringLiteral("SELECT IdProducto, IdCategoria, Producto, UMedida, PVenta, PVentaIVA, PCompra, StockM FROM Productos "
                       "WHERE Inventario=? AND Estado=1 ORDER BY IdProducto");
    for (int inventory : {1, 2}) {
        for (SqlRows r = Db().query(items, {inventory}); !r.atEnd(); r.next()) {
            const Item item{r.text(0),   int(r.integer(1)), r.text(2),   r.text(3),
                            r.amount(4), r.amount(5),       r.amount(6), r.number(7)};
            // Only what has a price is sold; supplies are handed out and bought.
            m_items.insert(item.id, item);
            if (inventory == 2)
                m_supplies << item;
            else if (item.price > 0)
                m_products << item;
        }
    }
    for (SqlRows r = Db().query(QStringLiteral("SELECT NitCI, RSocial FROM Proveedores WHERE Estado=1 ORDER BY NitCI"));
         !r.atEnd(); r.next())
        m_suppliers << Party{r.text(0), r.text(1)};
    for (SqlRows r =
             Db().query(QStringLiteral("SELECT NitCI, Cliente, NCreditos FROM Clientes WHERE Estado=1 ORDER BY NitCI"));
         !r.atEnd(); r.next()) {
        m_clients << Party{r.text(0), r.text(1)};
        if (r.integer(2) > 0)
            m_creditClients << Party{r.text(0), r.text(1)};
    }
    // Numbers the simulation gives its receipts and its new clients go on from what is stored.
    m_receiptNumber = Db().query(QStringLiteral("SELECT COUNT(*) FROM Compras")).integer(0);
    m_supplierInvoice = m_receiptNumber;
    m_newClients = Db().query(QStringLiteral("SELECT COUNT(*) FROM Clientes")).integer(0);
}

void Simulation::setTime(int secondsIntoDay)
{
    m_clock.set(QDateTime(m_date, kOpeningTime.addSecs(std::min(secondsIntoDay, kTradingSeconds))));
}

void Simulation::openDay(const QDate& date)
{
    m_date = date;
    setTime(0);
    SessionState& s = SessionState::current();
    s.WorkDate = date;
    if (m_continueOpenSession) {
        m_continueOpenSession = false;
        return;
    }
    // A till that has run low gets a float before the day starts.
    const double added = CashOpening::LatestBalance() < 300 ? 500 : 0;
    if (const QString refusal = CashOpening::Open(date, added, m_cashier); !refusal.isEmpty())
        throw DatabaseError(refusal);
}

// What a customer hands over: the exact amount or the next round note.
QString Simulation::cashFor(double total)
{
    static const int kNotes[] = {1, 10, 20, 50, 100, 200};
    const int note = kNotes[pick(6)];
    const double handed = note == 1 ? total : std::ceil(total / note) * note;
    return Formats::General(std::max(handed, total));
}

SaleInput Simulation::saleOf(int paymentForm, int voucherKind)
{
    SaleInput in = SaleInput::fromSession();
    in.saleNumberText = QStringLiteral("1");
    in.paymentForm = paymentForm;
    in.voucherKind = voucherKind;

    // Three lines a sale on average, six at most (the cart's size).
    static const int kLineWeights[] = {25, 20, 15, 15, 15, 10};
    int lineCount = 1;
    for (int roll = pick(100), i = 0; i < 6; ++i) {
        roll -= kLineWeights[i];
        if (roll < 0) {
            lineCount = i + 1;
            break;
        }
    }
    lineCount = std::min(lineCount, int(m_products.size()));
    QStringList chosen;
    QStringList lineTotals;
    while (in.lines.size() < lineCount) {
        const Item& item = any(m_products);
        if (chosen.contains(item.id))
            continue;
        chosen << item.id;
        const bool weighed = item.unit == QLatin1String("KILO") && chance(30);
        const double quantity = weighed ? 0.5 + pick(4) * 0.5 : (chance(75) ? 1 : 2 + pick(3));
        double price = voucherKind == InvoiceVoucher && item.priceWithInvoice > 0 ? item.priceWithInvoice : item.price;
        if (paymentForm == PaymentForms::Free)
            price = 0;
        in.lines << SaleLine{item.id,   item.category, Formats::General(quantity), Formats::General(price),
                             item.name, item.unit};
        lineTotals << SaleAmounts::LineTotal(quantity, price);
    }
    const double total = SaleAmounts::Total(lineTotals);

    switch (paymentForm) {
    case PaymentForms::Free:
        in.cashText = QStringLiteral("0");
        in.nitCi = QStringLiteral("0");
        in.clientName = QStringLiteral("S/N");
        in.observation = QStringLiteral("MUESTRA GRATIS");
        break;
    case PaymentForms::Credit: {
        const Party& client = any(m_creditClients);
        in.nitCi = client.nit;
        in.clientName = client.name;
        in.cashText = chance(40) ? QStringLiteral("0") : Formats::General(Formats::RoundCents(total * (10 + pick(40)) / 100));
        break;
    }
    default:
        in.cashText = paymentForm == PaymentForms::Card ? Formats::General(total) : cashFor(total);
        if (chance(4)) {
            // A new client gives a NIT/CI the shop has not seen: the sale records him.
            ++m_newClients;
            in.nitCi = QString::number(6000000 + m_newClients);
            in.clientName = QStringLiteral("CLIENTE NUEVO %1").arg(m_newClients);
            m_clients << Party{in.nitCi, in.clientName};
        } else if (!m_clients.isEmpty() && chance(voucherKind == InvoiceVoucher ? 60 : 25)) {
            const Party& client = any(m_clients);
            in.nitCi = client.nit;
            in.clientName = client.name;
        } else {
            in.nitCi = QStringLiteral("0");
            in.clientName = QStringLiteral("S/N");
        }
        break;
    }
    return in;
}

void Simulation::sell(int number)
{
    setTime(int(qint64(number) * kTradingSeconds / std::max(1, m_options.salesPerDay)) + pick(60));
    const SessionState& s = SessionState::current();
    const int roll = pick(100);
    int form = roll < 3    ? PaymentForms::Free
               : roll < 15 ? PaymentForms::Card
               : roll < 25 ? PaymentForms::Credit
                           : PaymentForms::Cash;
    if (form == PaymentForms::Credit && m_creditClients.isEmpty())
        form = PaymentForms::Cash;
    const bool invoice = s.InvoicingEnabled == 1 && form != PaymentForms::Free && chance(55);
    const int voucher = invoice ? InvoiceVoucher : (chance(80) ? 0 : 2);

    auto commit = [this](const SaleInput& in) {
        QList<QPair<QString, double>> needs;
        for (const SaleLine& line : in.lines)
            needs << qMakePair(line.productId, line.quantity.toDouble());
        restockBefore(1, needs);
        return SaleCommit::Commit(in);
    };
    SaleCommitResult result = commit(saleOf(form, voucher));
    // A client at his credit limit pays cash instead, as at the counter.
    if (!result.stored() && form == PaymentForms::Credit)
        result = commit(saleOf(PaymentForms::Cash, voucher));
    if (!result.stored()) {
        ++m_summary.refusedSales;
        say(QStringLiteral("  venta rechazada: %1").arg(result.message));
        return;
    }
    ++m_summary.sales;
    ++m_daySales;
    m_todaysSales << result.record.SaleId;
    if (result.record.VoucherKind == InvoiceVoucher)
        ++m_summary.invoices;
}

// A sale of the day the cashier got wrong is annulled at the register.
void Simulation::annulTodaysSale()
{
    if (m_todaysSales.isEmpty())
        return;
    const QString id = m_todaysSales.takeAt(pick(int(m_todaysSales.size())));
    const SaleAnnulment::Result result = SaleAnnulment::Annul(id, SessionState::current().CashSessionId);
    if (!result.annulled) {
        say(QStringLiteral("  anulacion de venta rechazada: %1").arg(result.message));
        return;
    }
    ++m_summary.annulledSales;
    ++m_dayAnnulments;
}

// Now and then a sale of an earlier session is annulled from sales management.
void Simulation::annulEarlierSale()
{
    const SqlRows range = Db().query(QStringLiteral("SELECT MIN(IdVenta), MAX(IdVenta) FROM Ventas"));
    const qint64 first = range.text(0).mid(1).toLongLong(), last = range.text(1).mid(1).toLongLong();
    if (first <= 0 || last < first)
        return;
    const QString id = QStringLiteral("V") + QString::number(first + pick(int(last - first + 1))).rightJustified(9, u'0');
    // Sales management lists the sales of the sessions before the open one only.
    const SqlRows sale = Db().query(QStringLiteral("SELECT IdCaja FROM Ventas WHERE IdVenta=?"), {id});
    if (sale.isEmpty() || sale.text(0) == SessionState::current().CashSessionId)
        return;
    if (!SaleAnnulment::Annul(id).annulled)
        return;  // annulled already: another one another day
    ++m_summary.annulledSales;
    ++m_dayAnnulments;
}

// Products and supplies below their minimum are bought back up to about three times it, a few
// suppliers' notes a day.
void Simulation::restock()
{
    if (m_suppliers.isEmpty())
        return;
    const int most = 1 + m_options.salesPerDay / 60;
    for (int inventory : {1, 2}) {
        int bought = 0;
        QList<Restock> low;
        for (SqlRows r = Db().query(QStringLiteral("SELECT IdProducto, Ingreso-Egreso FROM Productos "
                                                   "WHERE Inventario=? AND Estado=1 AND Ingreso-Egreso<StockM "
                                                   "ORDER BY Ingreso-Egreso, IdProducto"),
                                    {inventory});
             !r.atEnd(); r.next()) {
            const auto found = m_items.constFind(r.text(0));
            if (found == m_items.cend())
                continue;
            const double stock = r.number(1);
            const double quantity = std::ceil(std::max(found->minimum * 3 - stock, found->minimum));
            if (quantity >= 1)
                low << Restock{*found, stock, quantity};
        }
        while (!low.isEmpty() && bought < most) {
            purchase(inventory, low.mid(0, kPurchaseLines));
            low = low.mid(kPurchaseLines);
            ++bought;
        }
    }
}

// A shop buys before it runs out: when the coming sale or delivery would bring an item down to its
// minimum, it is bought first, on one supplier's note with the other items running low (at twice
// their minimum or less), each up to about four times its minimum, so the shelves never go below
// nothing and the shop does not buy every day what it bought yesterday.
void Simulation::restockBefore(int inventory, const QList<QPair<QString, double>>& needs)
{
    if (m_suppliers.isEmpty())
        return;
    QList<Restock> low;
    QStringList listed;
    auto add = [&](const Item& item, double stock, double left) {
        low << Restock{item, stock, std::ceil(std::max(item.minimum * 4, item.minimum + 1) - left)};
        listed << item.id;
    };
    for (const auto& [id, quantity] : needs) {
        const auto found = m_items.constFind(id);
        if (found == m_items.cend())
            continue;
        const double stock =
            Db().query(QStringLiteral("SELECT Ingreso-Egreso FROM Productos WHERE IdProducto=?"), {id}).number(0);
        if (stock - quantity <= found->minimum)
            add(*found, stock, stock - quantity);
    }
    if (low.isEmpty())
        return;
    for (SqlRows r = Db().query(QStringLiteral("SELECT IdProducto, Ingreso-Egreso FROM Productos WHERE Inventario=? "
                                               "AND Estado=1 AND Ingreso-Egreso<=2*StockM "
                                               "ORDER BY Ingreso-Egreso, IdProducto"),
                                {inventory});
         !r.atEnd() && low.size() < kPurchaseLines; r.next()) {
        const auto found = m_items.constFind(r.text(0));
        if (found != m_items.cend() && !listed.contains(found->id))
            add(*found, r.number(1), r.number(1));
    }
    purchase(inventory, low.mid(0, kPurchaseLines));
}

// What the till should hold now, as the closing would expect it.
double Simulation::tillCash() { return -CashClosing::Preview(SessionState::current().CashSessionId, 0, 0).SobFal; }

void Simulation::purchase(int inventory, const QList<Restock>& lines)
{
    PurchaseHeaderInput in = PurchaseHeaderInput::fromSession(inventory);
    const Party& supplier = any(m_suppliers);
    in.nitCi = supplier.nit;
    in.supplierName = supplier.name;

    QList<GoodsLineInput> goods;
    double total = 0;
    for (const Restock& line : lines) {
        const double unitCost = line.item.cost > 0 ? line.item.cost : 1;
        const double lineCost = Formats::RoundCents(unitCost * line.quantity);
        total = Formats::RoundCents(total + lineCost);
        goods << GoodsLineInput{line.item.id,
                                line.item.category,
                                line.item.name,
                                line.stock,
                                Formats::General(line.quantity),
                                Formats::General(lineCost)};
    }

    // Cash leaves the till only while the till holds it; a bigger note is paid by cheque or on credit.
    const double till = tillCash();
    const int roll = pick(100);
    const bool invoice = roll >= 65;
    int form = roll < 40   ? PurchaseCodes::Cash
               : roll < 65 ? PurchaseCodes::Credit
               : roll < 90 ? PurchaseCodes::Cash
                           : PurchaseCodes::Cheque;
    if (form == PurchaseCodes::Cash && std::ceil(total) > till)
        form = invoice ? PurchaseCodes::Cheque : PurchaseCodes::Credit;
    in.paymentForm = form;
    if (!invoice) {
        in.voucherKind = roll < 55 ? PurchaseCodes::ReceiptVoucher : PurchaseCodes::OtherReceiptVoucher;
        in.receiptNumber = QString::number(++m_receiptNumber);
        in.receiptTotal = Formats::General(total);
        const double cash = form == PurchaseCodes::Credit
                                ? Formats::RoundCents(std::min(total * pick(50) / 100, std::max(0.0, till / 2)))
                                : std::ceil(total);
        in.receiptCash = Formats::General(cash);
        in.receiptBalance = Formats::General(std::abs(Formats::RoundCents(cash - total)));
    } else {
        in.voucherKind = PurchaseCodes::InvoiceVoucher;
        in.invoiceNumber = QString::number(++m_supplierInvoice);
        in.authorization = QStringLiteral("79040%1").arg(1000 + pick(9000));
        in.dui = QStringLiteral("0");
        in.invoiceTotal = Formats::General(total);
        in.exempt = QStringLiteral("0");
        in.discounts = QStringLiteral("0");
        in.controlCode = QStringLiteral("%1-%2-%3-%4")
                             .arg(pick(256), 2, 16, QLatin1Char('0'))
                             .arg(pick(256), 2, 16, QLatin1Char('0'))
                             .arg(pick(256), 2, 16, QLatin1Char('0'))
                             .arg(pick(256), 2, 16, QLatin1Char('0'))
                             .toUpper();
        in.purchaseType = 1;
    }
    const PurchaseRegistrationResult result = PurchaseRegistration::RegisterGoods(in, goods);
    if (!result.stored()) {
        say(QStringLiteral("  compra rechazada: %1").arg(result.message));
        return;
    }
    m_todaysPurchases << result.purchaseId;
    ++m_summary.purchases;
    ++m_dayPurchases;
}

void Simulation::purchaseServices()
{
    if (m_suppliers.isEmpty())
        return;
    static const char* const kServices[] = {"ENERGIA ELECTRICA", "AGUA POTABLE", "TRANSPORTE DE MERCADERIA",
                                            "LIMPIEZA DEL LOCAL", "MANTENIMIENTO DE EQUIPOS"};
    PurchaseHeaderInput in = PurchaseHeaderInput::fromSession(PurchaseCodes::Services);
    const Party& supplier = any(m_suppliers);
    in.nitCi = supplier.nit;
    in.supplierName = supplier.name;
    QList<ServiceLineInput> lines;
    double total = 0;
    for (int i = 0, n = 1 + pick(2); i < n; ++i) {
        const double amount = 20 + pick(180);
        total += amount;
        lines << ServiceLineInput{QStringLiteral("1"), QString::fromLatin1(kServices[pick(5)]), Formats::General(amount)};
    }
    const bool cash = total <= tillCash();
    in.paymentForm = cash ? PurchaseCodes::Cash : PurchaseCodes::Credit;
    in.voucherKind = PurchaseCodes::ReceiptVoucher;
    in.receiptNumber = QString::number(++m_receiptNumber);
    in.receiptTotal = Formats::General(total);
    in.receiptCash = cash ? Formats::General(total) : QStringLiteral("0");
    in.receiptBalance = cash ? QStringLiteral("0") : Formats::General(total);
    const PurchaseRegistrationResult result = PurchaseRegistration::RegisterServices(in, lines);
    if (!result.stored()) {
        say(QStringLiteral("  compra de servicios rechazada: %1").arg(result.message));
        return;
    }
    m_todaysPurchases << result.purchaseId;
    ++m_summary.purchases;
    ++m_dayPurchases;
}

// A purchase entered by mistake is deleted the same day; its stock goes back out.
void Simulation::deletePurchase()
{
    if (m_todaysPurchases.isEmpty())
        return;
    const QString id = m_todaysPurchases.takeAt(pick(int(m_todaysPurchases.size())));
    // Goods already sold or handed out stay bought: taking them back would leave the shelf short.
    if (Db().query(QStringLiteral("SELECT COUNT(*) FROM DetalleC D, Productos P WHERE D.IdCompra=? "
                                  "AND P.IdProducto=D.IdProducto AND P.Ingreso-P.Egreso-D.CEntrante<0"),
                   {id})
            .integer(0)
        > 0)
        return;
    if (const QString refusal = PurchaseDeletion::Delete(id); !refusal.isEmpty()) {
        say(QStringLiteral("  eliminacion de compra rechazada: %1").arg(refusal));
        return;
    }
    ++m_summary.deletedPurchases;
    m_dayNotes += QStringLiteral("; compra %1 eliminada").arg(id);
}

void Simulation::deliver()
{
    if (m_supplies.isEmpty())
        return;
    static const char* const kRecipients[] = {"PRODUCCION", "COCINA", "PANADERIA", "LIMPIEZA"};
    DeliveryInput in = DeliveryInput::fromSession();
    in.orderNumberText = QStringLiteral("1");
    in.recipient = QString::fromLatin1(kRecipients[pick(4)]);
    QStringList chosen;
    for (int i = 0, n = std::min(1 + pick(3), int(m_supplies.size())); i < n;) {
        const Item& supply = any(m_supplies);
        if (chosen.contains(supply.id))
            continue;
        chosen << supply.id;
        in.lines << DeliveryLine{supply.id, supply.category, Formats::General(1 + pick(5)), supply.name, supply.unit};
        ++i;
    }
    QList<QPair<QString, double>> needs;
    for (const DeliveryLine& line : in.lines)
        needs << qMakePair(line.supplyId, line.quantity.toDouble());
    restockBefore(2, needs);
    const DeliveryResult result = DeliveryRegistration::Register(in);
    if (!result.stored) {
        say(QStringLiteral("  entrega rechazada: %1").arg(result.message));
        return;
    }
    m_todaysDeliveries << result.voucher.deliveryId;
    ++m_summary.deliveries;
    ++m_dayDeliveries;
}

void Simulation::annulDelivery()
{
    if (m_todaysDeliveries.isEmpty())
        return;
    const QString id = m_todaysDeliveries.takeAt(pick(int(m_todaysDeliveries.size())));
    if (const QString refusal = DeliveryAnnulment::Annul(id); !refusal.isEmpty()) {
        say(QStringLiteral("  anulacion de entrega rechazada: %1").arg(refusal));
        return;
    }
    ++m_summary.annulledDeliveries;
    m_dayNotes += QStringLiteral("; entrega %1 anulada").arg(id);
}

// A client pays all or part of an old credit sale; the shop pays a supplier what it owes while the
// till holds the cash. The oldest debts are paid first, as a shop chases them.
void Simulation::payDebt(DebtSide side)
{
    const bool sales = side == DebtSide::Sales;
    SqlRows open = Db().query(sales ? QStringLiteral("SELECT IdVenta, Saldo FROM Ventas WHERE FormaP=2 AND Estado='V' "
                                                     "ORDER BY FechaV, IdVenta LIMIT 10")
                                    : QStringLiteral("SELECT IdCompra, Saldo FROM Compras WHERE FormaP=2 AND Estado='V' "
                                                     "ORDER BY FechaC, IdCompra LIMIT 10"));
    if (open.isEmpty())
        return;
    open.seek(pick(open.count()));
    const double owed = open.amount(1);
    double amount = chance(35) ? owed : Formats::RoundCents(owed * (20 + pick(60)) / 100);
    if (!sales)
        amount = std::min(amount, Formats::RoundCents(tillCash() / 2));
    if (amount < 0.01)
        return;
    const InstalmentResult result =
        Instalment::Pay(InstalmentInput::fromSession(side, open.text(0), Formats::General(amount)));
    if (!result.stored) {
        say(QStringLiteral("  pago de deuda rechazado: %1").arg(result.message));
        return;
    }
    ++(sales ? m_summary.clientPayments : m_summary.supplierPayments);
}

// The cashier counts the till: usually exact, sometimes a few bolivianos short or over, and
// leaves a float for the next day.
void Simulation::close()
{
    SessionState& s = SessionState::current();
    setTime(kTradingSeconds);
    const double expected = tillCash();
    const double difference = chance(60) ? 0 : (chance(50) ? -1 : 1) * (1 + pick(999)) / 100.0;
    const double counted = std::max(0.0, Formats::RoundCents(expected + difference));
    const double kept = std::min(counted, double(200 + pick(300)));
    const double transfer = Formats::RoundCents(counted - kept);
    ClosingFigures figures;
    if (const QString refusal = CashClosing::Close(s.CashSessionId, counted, transfer, &figures); !refusal.isEmpty())
        throw DatabaseError(refusal);
    s.CashOpen = 0;
    ++m_summary.closings;
    if (figures.SobFal != 0)
        m_dayNotes +=
            QStringLiteral("; %1 %2").arg(figures.differenceCaption().toLower(), Formats::Money(std::abs(figures.SobFal)));
}

// The day's other work falls between its sales at moments the seed chooses.
enum class Work {
    Restock,
    SaleAnnulment,
    EarlierSaleAnnulment,
    Delivery,
    DeliveryAnnulment,
    Services,
    PurchaseDeletion,
    ClientPayment,
    SupplierPayment
};

void Simulation::runDay(const QDate& date, bool closeIt)
{
    m_todaysSales.clear();
    m_todaysPurchases.clear();
    m_todaysDeliveries.clear();
    m_daySales = m_dayPurchases = m_dayDeliveries = m_dayAnnulments = 0;
    m_dayNotes.clear();

    WriteTransaction day;
    openDay(date);

    QList<QPair<int, Work>> work;
    const int sales = m_options.salesPerDay;
    auto at = [&](Work w) { work << qMakePair(pick(sales + 1), w); };
    // Suppliers come once the till has taken some cash.
    work << qMakePair(sales / 2 + pick(sales / 2 + 1), Work::Restock);
    // About one sale in fifty is annulled the same day.
    for (int i = 0, n = sales / 50 + (chance(sales % 50 * 2) ? 1 : 0); i < n; ++i)
        at(Work::SaleAnnulment);
    if (chance(10))
        at(Work::EarlierSaleAnnulment);
    for (int i = 0, n = pick(3); i < n; ++i)
        at(Work::Delivery);
    if (chance(15))
        at(Work::DeliveryAnnulment);
    if (chance(10))
        at(Work::Services);
    if (chance(10))
        at(Work::PurchaseDeletion);
    for (int i = 0, n = sales / 40 + pick(2); i < n; ++i)
        at(Work::ClientPayment);
    if (chance(40))
        at(Work::SupplierPayment);
    std::stable_sort(work.begin(), work.end(), [](const auto& a, const auto& b) { return a.first < b.first; });

    qsizetype next = 0;
    for (int i = 0; i <= sales; ++i) {
        for (; next < work.size() && work.at(next).first == i; ++next) {
            switch (work.at(next).second) {
            case Work::Restock: restock(); break;
            case Work::SaleAnnulment: annulTodaysSale(); break;
            case Work::EarlierSaleAnnulment: annulEarlierSale(); break;
            case Work::Delivery: deliver(); break;
            case Work::DeliveryAnnulment: annulDelivery(); break;
            case Work::Services: purchaseServices(); break;
            case Work::PurchaseDeletion: deletePurchase(); break;
            case Work::ClientPayment: payDebt(DebtSide::Sales); break;
            case Work::SupplierPayment: payDebt(DebtSide::Purchases); break;
            }
        }
        if (i < sales)
            sell(i);
    }
    if (closeIt)
        close();
    day.commit();

    ++m_summary.days;
    if (!m_summary.first.isValid())
        m_summary.first = date;
    m_summary.last = date;
    say(QStringLiteral("Dia %1 de %2 (%3): ventas %4 (anuladas %5), compras %6, entregas %7%8%9")
            .arg(m_summary.days)
            .arg(m_options.days)
            .arg(Formats::Date(date))
            .arg(m_daySales)
            .arg(m_dayAnnulments)
            .arg(m_dayPurchases)
            .arg(m_dayDeliveries)
            .arg(m_dayNotes, closeIt ? QStringLiteral("; caja cerrada") : QStringLiteral("; caja abierta")));
}

}

QString SimulationSummary::line() const
{
    if (days == 0)
        return QStringLiteral("Simulacion: ningun dia simulado");
    return QStringLiteral("Simulacion: %1 dias (%2 al %3); ventas: %4 (facturas: %5, anuladas: %6); compras: %7 "
                          "(eliminadas: %8); entregas: %9 (anuladas: %10); cobros: %11; pagos: %12; cierres de caja: %13")
        .arg(days)
        .arg(Formats::Date(first), Formats::Date(last))
        .arg(sales)
        .arg(invoices)
        .arg(annulledSales)
        .arg(purchases)
        .arg(deletedPurchases)
        .arg(deliveries)
        .arg(annulledDeliveries)
        .arg(clientPayments)
        .arg(supplierPayments)
        .arg(closings);
}

QString ShopSimulator::Run(const SimulationOptions& options, SimulationSummary* summary, const Progress& progress)
{
    SimulationSummary ignored;
    SimulationSummary& out = summary ? *summary : ignored;
    out = {};
    Simulation simulation(options, out, progress);
    if (const QString refusal = simulation.prepare(); !refusal.isEmpty())
        return refusal;
    if (simulation.firstDay().addDays(options.days - 1) > lastStorableDay())
        return QStringLiteral("Los dias pedidos pasarian del %1, que la tienda ya no puede guardar")
            .arg(Formats::Date(lastStorableDay()));
    const ClockInstall clock(simulation.clock());
    for (int d = 0; d < options.days; ++d) {
        const bool last = d == options.days - 1;
        simulation.runDay(simulation.firstDay().addDays(d), !last || options.closeLastDay);
    }
    return {};
}
