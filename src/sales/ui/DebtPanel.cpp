#include "sales/ui/DebtPanel.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "sales/InstalmentReport.h"
#include "sales/InstalmentTicket.h"
#include "sales/DebtLists.h"
#include "sales/Instalment.h"
#include "sales/InstalmentAnnulment.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using NamedControls::Bold;
using NamedControls::Field;
using NamedControls::ReadOnlyField;
using NamedControls::ToolButton;

namespace {

// The controls of each side, named as the twin tables of the two commands name them.
struct Names {
    const char* panel;
    const char* caption;
    const char* debtsTab;
    const char* historyTab;
    const char* nameHeading;
    const char* dateCaption;
    const char* nameCaption;
    // the debts tab
    const char *list, *year, *search, *order, *date, *nit, *name, *obs, *total, *paid, *owed, *amount, *pay;
    // the history tab
    const char *hList, *hYear, *hSearch, *hOrder, *hDate, *hNit, *hName, *hAmount, *hPaymentDate, *annul;
};

const Names kCollection{"PSaldarD", "Cobrar Deudas", "Saldar Deudas", "Historial Saldos Amortizados",
                        "Cliente",  "Fecha Venta:",  "Cliente:",      "VecD",
                        "EAnio",    "EBuscar",       "ENOrden",       "EFechaV",
                        "ENitCI",   "ECliente",      "EObsD",         "ETotalF",
                        "ETotalE",  "ESaldo",        "EAmortizar",    "SBSaldar",
                        "VecHS",    "EAnio2",        "EBuscar2",      "ENOrden2",
                        "EFechaV2", "ENitCI2",       "ECliente2",     "ETotalA2",
                        "EFechaA2", "SBAnular2"};

const Names kPayment{"PPorPagar",  "Pagar Deudas",  "Pagar Deudas", "Historial Deudas Pagadas",
                     "Proveedor",  "Fecha Compra:", "Proveedor:",   "VecP",
                     "EAnioP",     "EBuscarP",      "ENOrdenC",     "EFechaC",
                     "ENitCIP",    "ENombreP",      "EObsP",        "ETotalP",
                     "EEfectivoP", "ESaldoP",       "EAmortizarP",  "SBSaldarP",
                     "VecHP",      "EAnio3",        "EBuscar3",     "ENOrden3",
                     "EFechaC3",   "ENitCI3",       "EProveedor3",  "ETotalA3",
                     "EFechaA3",   "SBAnular3"};

const Names& NamesOf(DebtSide side) { return side == DebtSide::Purchases ? kPayment : kCollection; }

MessageSeam& Messages() { return MessageSeam::current(); }

QLineEdit* AmountField(QWidget* parent, const char* name)
{
    QLineEdit* edit = ReadOnlyField(parent, name);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLineEdit* YearField(QWidget* parent, const char* name)
{
    QLineEdit* edit = Field(parent, name);
    edit->setMaxLength(4);
    edit->setFixedWidth(60);
    edit->setAlignment(Qt::AlignRight);
    InputFilters::digits(edit);
    return edit;
}

QToolButton* ActionButton(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    return Bold(ToolButton(parent, name, text, hint, QSize(170, 40)));
}

// A list of one visible column, the name; the rest carry the row's data.
DataGrid* List(QWidget* parent, const char* name, const QString& heading, const QStringList& carried, int nameColumn)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QLatin1String(name));
    grid->addColumn(QStringLiteral("#"), DataGrid::ColumnType::Number, 0, true);
    static const QStringList amounts{"TotalF", "TotalE", "Saldo"};
    for (int column = 1; column <= carried.size(); ++column)
        grid->addColumn(column == nameColumn ? heading : carried.at(column - 1),
                        amounts.contains(carried.at(column - 1)) ? DataGrid::ColumnType::Number : DataGrid::ColumnType::Text,
                        column == nameColumn ? 300 : 0, column != nameColumn);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    grid->setMinimumWidth(300);
    return grid;
}

// Shows the window's progress bar over a list being filled, when the window has given it one.
class ListProgress {
public:
    ListProgress(QProgressBar* bar, int rows) : m_bar(bar)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_bar) {
            m_bar->setRange(0, qMax(1, rows));
            m_bar->setValue(0);
            m_bar->show();
        }
    }
    ~ListProgress()
    {
        if (m_bar)
            m_bar->hide();
        QApplication::restoreOverrideCursor();
    }
    void advance(int done)
    {
        if (m_bar && done % 2000 == 0)
            m_bar->setValue(done);
    }

private:
    QProgressBar* m_bar;
};

// "05 de marzo de 2015" from the list's "05/03/2015".
QString LongDate(const QString& listed) { return Formats::SpanishLongDate(Formats::ParseDate(listed)); }

QString ListYearText()
{
    const int year = SessionState::current().ListYear;
    return QString::number(year != 0 ? year : ClockSeam::current().today().year());
}

// The year field, the search field and the list, one above the other.
QWidget* ListColumn(QWidget* parent, QLineEdit* year, QLineEdit* search, DataGrid* list)
{
    auto* column = new QWidget(parent);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Año:"), column));
    top->addWidget(year);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Buscar:"), column));
    top->addWidget(search, 1);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(list, 1);
    return column;
}

}

DebtPanel::DebtPanel(DebtSide side, QWidget* parent) : SaldarDPanel(parent), m_side(side)
{
    const Names& n = NamesOf(side);
    setObjectName(QLatin1String(n.panel));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(side == DebtSide::Purchases ? QStringLiteral("PCPorPagar") : QStringLiteral("PCSaldarD"));
    m_tabs->addTab(buildDebtsTab(), QString::fromUtf8(n.debtsTab));
    m_tabs->addTab(buildHistoryTab(), QString::fromUtf8(n.historyTab));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);

    m_EAnio->setText(ListYearText());
    m_EAnio2->setText(ListYearText());
    clearDebt();
    clearPayment();
    CargarDeudas();
    CargarPagos();
}

QString DebtPanel::caption() const { return QString::fromUtf8(NamesOf(m_side).caption); }

QWidget* DebtPanel::buildDebtsTab()
{
    const Names& n = NamesOf(m_side);
    auto* tab = new QWidget(this);
    m_EAnio = YearField(tab, n.year);
    m_EBuscar = Field(tab, n.search);
    m_EBuscar->setMaxLength(40);
    const bool sales = m_side == DebtSide::Sales;
    QStringList carried{"Id", "Fecha", "NitCI", "Nombre", "TotalF", "TotalE", "Saldo"};
    if (sales)
        carried << QStringLiteral("Obs");
    m_VecD = List(tab, n.list, QString::fromLatin1(n.nameHeading), carried, DNombre);
    // One client owes several sales: the date, the order, the total and the balance tell them apart.
    m_VecD->revealColumn(DFecha, QStringLiteral("Fecha"), 84, DNombre);
    m_VecD->revealColumn(DId, QStringLiteral("Nº"), 96, DFecha);
    m_VecD->revealColumn(DTotalF, QStringLiteral("Total"), 80, DId);
    m_VecD->revealColumn(DSaldo, QStringLiteral("Saldo"), 80, DTotalF);

    auto* debt = new QGroupBox(sales ? QStringLiteral("Datos de la Venta") : QStringLiteral("Datos de la Compra"), tab);
    m_ENOrden = ReadOnlyField(debt, n.order);
    m_EFechaV = ReadOnlyField(debt, n.date);
    m_ENitCI = ReadOnlyField(debt, n.nit);
    m_ECliente = ReadOnlyField(debt, n.name);
    m_EObsD = ReadOnlyField(debt, n.obs);
    m_ETotalF = AmountField(debt, n.total);
    m_ETotalE = AmountField(debt, n.paid);
    m_ESaldo = AmountField(debt, n.owed);
    m_EAmortizar = Field(debt, n.amount);
    m_EAmortizar->setMaxLength(12);
    m_EAmortizar->setAlignment(Qt::AlignRight);
    InputFilters::digitsAndPoint(m_EAmortizar);
    QFont big = font();
    big.setPixelSize(16);
    big.setBold(true);
    for (QLineEdit* edit : {m_ETotalF, m_ETotalE, m_ESaldo, m_EAmortizar}) {
        edit->setFont(big);
        edit->setFixedWidth(150);
    }
    m_SBSaldar = ActionButton(debt, n.pay, QStringLiteral("SALDAR DEUDA"),
                              sales ? QStringLiteral("Registrar el pago del cliente")
                                    : QStringLiteral("Registrar el pago al proveedor"));

    auto* form = new QFormLayout(debt);
    form->addRow(QStringLiteral("Nro. de Orden:"), m_ENOrden);
    form->addRow(QString::fromUtf8(n.dateCaption), m_EFechaV);
    form->addRow(QStringLiteral("NIT/CI:"), m_ENitCI);
    form->addRow(QString::fromUtf8(n.nameCaption), m_ECliente);
    if (sales)
        form->addRow(QStringLiteral("Observación:"), m_EObsD);
    else
        m_EObsD->hide();
    form->addRow(QStringLiteral("Total Bs.:"), m_ETotalF);
    form->addRow(QStringLiteral("Cancelado Bs.:"), m_ETotalE);
    form->addRow(QStringLiteral("Saldo Bs.:"), m_ESaldo);
    form->addRow(QStringLiteral("Amortizar Bs.:"), m_EAmortizar);
    form->addRow(QString(), m_SBSaldar);

    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(ListColumn(tab, m_EAnio, m_EBuscar, m_VecD), 1);
    layout->addWidget(debt, 1);

    connect(m_EAnio, &QLineEdit::textEdited, this, [this] { yearChanged(m_EAnio, m_VecD); });
    connect(m_EBuscar, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_VecD->searchColumn(DNombre, text, DataGrid::Match::Contains); });
    connect(m_VecD, &DataGrid::rowSelected, this, &DebtPanel::chooseDebt);
    connect(m_EAmortizar, &QLineEdit::textChanged, this, &DebtPanel::amountChanged);
    connect(m_SBSaldar, &QToolButton::clicked, this, &DebtPanel::SBSaldarClick);
    return tab;
}

QWidget* DebtPanel::buildHistoryTab()
{
    const Names& n = NamesOf(m_side);
    auto* tab = new QWidget(this);
    m_EAnio2 = YearField(tab, n.hYear);
    m_EBuscar2 = Field(tab, n.hSearch);
    m_EBuscar2->setMaxLength(40);
    m_VecHS = List(tab, n.hList, QString::fromLatin1(n.nameHeading),
                   {"IdSaldo", "FechaR", "NitCI", "Nombre", "TotalE", "Fecha", "Id"}, PNombre);
    m_VecHS->revealColumn(PFecha, QStringLiteral("Fecha"), 84, PNombre);
    m_VecHS->revealColumn(PId, QStringLiteral("Nº"), 96, PFecha);
    m_VecHS->revealColumn(PTotalE, QStringLiteral("Monto"), 80, PId);

    const bool sales = m_side == DebtSide::Sales;
    auto* payment = new QGroupBox(sales ? QStringLiteral("Amortización Recibida") : QStringLiteral("Pago Realizado"), tab);
    m_ENOrden2 = ReadOnlyField(payment, n.hOrder);
    m_EFechaV2 = ReadOnlyField(payment, n.hDate);
    m_ENitCI2 = ReadOnlyField(payment, n.hNit);
    m_ECliente2 = ReadOnlyField(payment, n.hName);
    m_ETotalA2 = AmountField(payment, n.hAmount);
    QFont big = font();
    big.setPixelSize(16);
    big.setBold(true);
    m_ETotalA2->setFont(big);
    m_ETotalA2->setFixedWidth(150);
    m_EFechaA2 = ReadOnlyField(payment, n.hPaymentDate);
    m_SBAnular2 =
        ActionButton(payment, n.annul, QStringLiteral(" A N U L A R"), QStringLiteral("Anular la amortización elegida"));

    auto* form = new QFormLayout(payment);
    form->addRow(QStringLiteral("Nro. de Orden:"), m_ENOrden2);
    form->addRow(QString::fromUtf8(n.dateCaption), m_EFechaV2);
    form->addRow(QStringLiteral("NIT/CI:"), m_ENitCI2);
    form->addRow(QString::fromUtf8(n.nameCaption), m_ECliente2);
    form->addRow(QStringLiteral("Monto Bs.:"), m_ETotalA2);
    form->addRow(QStringLiteral("Fecha Amortización:"), m_EFechaA2);
    form->addRow(QString(), m_SBAnular2);

    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(ListColumn(tab, m_EAnio2, m_EBuscar2, m_VecHS), 1);
    layout->addWidget(payment, 1);

    connect(m_EAnio2, &QLineEdit::textEdited, this, [this] { yearChanged(m_EAnio2, m_VecHS); });
    connect(m_EBuscar2, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_VecHS->searchColumn(PNombre, text, DataGrid::Match::Contains); });
    connect(m_VecHS, &DataGrid::rowSelected, this, &DebtPanel::choosePayment);
    connect(m_SBAnular2, &QToolButton::clicked, this, &DebtPanel::SBAnularClick);
    return tab;
}

// ----- the lists -------------------------------------------------------------------------------

void DebtPanel::yearChanged(QLineEdit* year, DataGrid* list)
{
    const bool debts = list == m_VecD;
    if (debts)
        clearDebt();
    else
        clearPayment();
    const int chosen = DebtLists::YearOf(year->text());
    if (chosen == 0) {
        // A year still being typed, or out of range, lists nothing.
        list->clearRows();
        return;
    }
    SessionState::current().ListYear = chosen;
    if (debts)
        CargarDeudas();
    else
        CargarPagos();
}

void DebtPanel::CargarDeudas()
{
    m_VecD->clearRows();
    const int year = DebtLists::YearOf(m_EAnio->text());
    if (year == 0)
        return;
    try {
        SqlRows r = DebtLists::Debts(m_side, year);
        ListProgress progress(progressBar(), r.count());
        QList<QStringList> cells;
        for (; !r.atEnd(); r.next()) {
            QStringList row{QString::number(cells.size() + 1),
                            r.text(0),
                            Formats::Date(r.date(1)),
                            r.text(2),
                            r.text(3),
                            Formats::Money(r.amount(4)),
                            Formats::Money(r.amount(5)),
                            Formats::Money(r.amount(6))};
            if (m_side == DebtSide::Sales)
                row << r.text(7);
            cells << row;
            progress.advance(int(cells.size()));
        }
        m_VecD->addRows(cells);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

void DebtPanel::CargarPagos()
{
    m_VecHS->clearRows();
    const int year = DebtLists::YearOf(m_EAnio2->text());
    if (year == 0)
        return;
    try {
        SqlRows r = DebtLists::Payments(m_side, year);
        ListProgress progress(progressBar(), r.count());
        QList<QStringList> cells;
        for (; !r.atEnd(); r.next()) {
            cells << QStringList{QString::number(cells.size() + 1),
                                 r.text(0),
                                 Formats::Date(r.date(1)),
                                 r.text(2),
                                 r.text(3),
                                 Formats::Money(r.amount(4)),
                                 Formats::Date(r.date(5)),
                                 r.text(6)};
            progress.advance(int(cells.size()));
        }
        m_VecHS->addRows(cells);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}

// ----- an instalment ---------------------------------------------------------------------------

void DebtPanel::chooseDebt(int row)
{
    const QString key = m_VecD->cell(DId, row);
    if (key.isEmpty())
        return;
    m_ENOrden->setText(OrderNumberOf(key));
    m_EFechaV->setText(LongDate(m_VecD->cell(DFecha, row)));
    m_ENitCI->setText(m_VecD->cell(DNitCI, row));
    m_ECliente->setText(m_VecD->cell(DNombre, row));
    m_EObsD->setText(m_VecD->cell(DObs, row));
    m_ETotalF->setText(m_VecD->cell(DTotalF, row));
    m_ETotalE->setText(m_VecD->cell(DTotalE, row));
    m_ESaldo->setText(m_VecD->cell(DSaldo, row));
    m_EAmortizar->clear();
    amountChanged();
}

// An amount above the debt keeps the button off; a text that is no amount leaves it on, so that
// its click can say what is wrong with it.
void DebtPanel::amountChanged()
{
    const QString text = m_EAmortizar->text();
    qint64 amount = 0, owed = 0;
    const bool above =
        Instalment::ParseCents(text, &amount) && Instalment::ParseCents(m_ESaldo->text(), &owed) && amount > owed;
    m_SBSaldar->setEnabled(!m_ENOrden->text().isEmpty() && !text.isEmpty() && !above);
}

void DebtPanel::clearDebt()
{
    m_EBuscar->clear();
    for (QLineEdit* edit : {m_ENOrden, m_EFechaV, m_ENitCI, m_ECliente, m_EObsD, m_ETotalF, m_ETotalE, m_ESaldo, m_EAmortizar})
        edit->clear();
    m_SBSaldar->setEnabled(false);
}

void DebtPanel::SBSaldarClick()
{
    const QString text = m_EAmortizar->text();
    if (text.isEmpty() || m_ENOrden->text().isEmpty())
        return;
    if (!Instalment::ParseCents(text, nullptr)) {
        Messages().error(Instalment::NotAnAmount(text));
        return;
    }
    if (!Messages().question(Instalment::QuestionTitle(m_side), Instalment::QuestionText))
        return;
    InstalmentResult result;
    try {
        result = Instalment::Pay(InstalmentInput::fromSession(m_side, KeyOf(m_side, m_ENOrden->text()), text));
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    if (!result.stored) {
        if (result.conversionError)
            Messages().error(result.message);
        else
            Messages().information(result.message);
    } else {
        printVoucher(result.voucher);
    }
    // Stored, or refused because the debt changed at another counter: the lists show it as it is.
    reloadBoth();
}

void DebtPanel::printVoucher(const InstalmentVoucher& voucher)
{
    if (SessionState::current().PrintFormat == 1)
        ShowInstalmentVoucher(voucher);
    else
        TicketPago(voucher);
}

void DebtPanel::TicketPago(const InstalmentVoucher& voucher)
{
    if (const QString error = PrintInstalmentTicket(voucher); !error.isEmpty())
        Messages().error(error);
}

// ----- the payment history ---------------------------------------------------------------------

void DebtPanel::choosePayment(int row)
{
    const QString key = m_VecHS->cell(PId, row);
    if (key.isEmpty())
        return;
    m_paymentId = m_VecHS->cell(PIdSaldo, row).toLongLong();
    m_ENOrden2->setText(OrderNumberOf(key));
    m_EFechaV2->setText(LongDate(m_VecHS->cell(PFecha, row)));
    m_ENitCI2->setText(m_VecHS->cell(PNitCI, row));
    m_ECliente2->setText(m_VecHS->cell(PNombre, row));
    m_ETotalA2->setText(m_VecHS->cell(PTotalE, row));
    m_EFechaA2->setText(LongDate(m_VecHS->cell(PFechaR, row)));
    m_SBAnular2->setEnabled(true);
}

void DebtPanel::clearPayment()
{
    m_paymentId = 0;
    m_EBuscar2->clear();
    for (QLineEdit* edit : {m_ENOrden2, m_EFechaV2, m_ENitCI2, m_ECliente2, m_ETotalA2, m_EFechaA2})
        edit->clear();
    m_SBAnular2->setEnabled(false);
}

void DebtPanel::SBAnularClick()
{
    if (m_ENOrden2->text().isEmpty())
        return;
    if (!Messages().question(InstalmentAnnulment::QuestionTitle, InstalmentAnnulment::Question))
        return;
    InstalmentAnnulment::Result result;
    try {
        result = InstalmentAnnulment::Annul(m_side, m_paymentId, SessionState::current().CashSessionId);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    if (!result.annulled)
        Messages().information(result.message);
    reloadBoth();
}

void DebtPanel::reloadBoth()
{
    clearDebt();
    clearPayment();
    CargarDeudas();
    CargarPagos();
}
