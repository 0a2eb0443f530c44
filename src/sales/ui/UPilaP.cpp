#include "sales/ui/UPilaP.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "sales/DispatchQueue.h"
#include "widgets/DataGrid.h"
#include "widgets/NamedControls.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using NamedControls::Bold;
using NamedControls::ReadOnlyField;
using NamedControls::ToolButton;

namespace {

constexpr QSize ButtonSize(150, 36);

}

TFPilaP::TFPilaP(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FPilaP"));
    setWindowTitle(QStringLiteral("Pila de Pedidos en Espera"));

    m_VecV = new DataGrid(this);
    m_VecV->setObjectName(QStringLiteral("VecV"));
    m_VecV->addColumn(QStringLiteral("#"), DataGrid::ColumnType::Number, 36);
    m_VecV->addColumn(QStringLiteral("Nro Orden"), DataGrid::ColumnType::Text, 96);
    m_VecV->addColumn(QStringLiteral("Hora"), DataGrid::ColumnType::Text, 60);
    for (const char* hidden : {"Cliente", "Obs", "IdIngreso"})
        m_VecV->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_VecV->horizontalHeader()->setStretchLastSection(false);
    m_VecV->setFixedWidth(214);

    m_Vec1 = new DataGrid(this);
    m_Vec1->setObjectName(QStringLiteral("Vec1"));
    m_Vec1->addColumn(QStringLiteral("Cant"), DataGrid::ColumnType::Number, 56);
    m_Vec1->addColumn(QStringLiteral("Nombre Producto"), DataGrid::ColumnType::Text, 250);
    m_Vec1->addColumn(QStringLiteral("Unidad"), DataGrid::ColumnType::Text, 80);
    m_Vec1->addColumn(QStringLiteral("C.U."), DataGrid::ColumnType::Number, 70);
    m_Vec1->addColumn(QStringLiteral("C.T."), DataGrid::ColumnType::Number, 80);
    for (const char* hidden : {"IdProducto", "IdCategoria", "ControlStock"})
        m_Vec1->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_Vec1->horizontalHeader()->setStretchLastSection(false);
    m_Vec1->setColumnFooter(LPrecioT, DataGrid::Footer::SumMoney);

    m_ECliente = ReadOnlyField(this, "ECliente");
    m_EObs = ReadOnlyField(this, "EObs");
    m_SBDespachar = Bold(ToolButton(this, "SBDespachar", QStringLiteral(" D E S P A C H A R"), {}, ButtonSize));
    m_SBActualizar = Bold(ToolButton(this, "SBActualizar", QStringLiteral(" ACTUALIZAR"), {}, ButtonSize));
    m_SBDespachar->setEnabled(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nombre Cliente:"), m_ECliente);
    fields->addRow(QStringLiteral("Observación:"), m_EObs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBActualizar);
    buttons->addWidget(m_SBDespachar);
    auto* right = new QVBoxLayout;
    right->addLayout(fields);
    right->addWidget(m_Vec1, 1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_VecV);
    layout->addLayout(right, 1);
    resize(790, 420);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(RefreshMs);
    connect(m_Timer1, &QTimer::timeout, this, &TFPilaP::loadQueue);
    connect(m_VecV, &DataGrid::rowSelected, this, &TFPilaP::chooseOrder);
    // Any choice in either list, by mouse or keys, starts the minute afresh.
    connect(m_Vec1, &DataGrid::rowSelected, this, &TFPilaP::restartTimer);
    connect(m_Vec1, &QTableWidget::cellClicked, this, &TFPilaP::restartTimer);
    connect(m_VecV, &QTableWidget::cellClicked, this, &TFPilaP::restartTimer);
    connect(m_SBDespachar, &QToolButton::clicked, this, &TFPilaP::SBDespacharClick);
    connect(m_SBActualizar, &QToolButton::clicked, this, &TFPilaP::SBActualizarClick);
}

// The queue is read when the window opens and whenever it comes to the front again, and every
// minute while it stays open.
void TFPilaP::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    loadQueue();
    m_Timer1->start();
}

bool TFPilaP::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        loadQueue();
        m_Timer1->start();
    }
    return QDialog::event(event);
}

// Closed (or hidden), the window reads nothing more.
void TFPilaP::hideEvent(QHideEvent* event)
{
    m_Timer1->stop();
    QDialog::hideEvent(event);
}

void TFPilaP::restartTimer() { m_Timer1->start(); }

// Refills the order list only: the lines and fields of the order shown stay as they are.
void TFPilaP::loadQueue()
{
    m_loading = true;
    m_VecV->clearRows();
    try {
        QList<QStringList> rows;
        int number = 0;
        for (const DispatchQueue::Order& order : DispatchQueue::Waiting())
            rows << QStringList{QString::number(++number),
                                DispatchQueue::OrderNumber(order.id),
                                DispatchQueue::ShortTime(order.time),
                                order.client,
                                order.observation,
                                order.id};
        m_VecV->addRows(rows);
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
    m_loading = false;
}

void TFPilaP::chooseOrder(int row)
{
    if (m_loading)
        return;
    const QString orderId = m_VecV->cell(OIdIngreso, row);
    if (orderId.isEmpty())
        return;
    restartTimer();
    QList<DispatchQueue::Line> lines;
    try {
        lines = DispatchQueue::Lines(orderId);
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    m_shownOrder = orderId;
    m_Vec1->clearRows();
    QList<QStringList> cells;
    for (const DispatchQueue::Line& line : lines)
        cells << QStringList{Formats::General(line.quantity),        line.product,
                             DispatchQueue::UnitName(line.unitCode), Formats::Money(line.unitPrice),
                             Formats::Money(line.lineTotal),         line.productId,
                             QString::number(line.categoryId),       QString::number(line.stockFlag)};
    m_Vec1->addRows(cells);
    m_ECliente->setText(m_VecV->cell(OCliente, row));
    m_EObs->setText(m_VecV->cell(OObs, row));
    m_SBDespachar->setEnabled(true);
}

// Dispatches the order whose lines are shown, whatever row the list holds now.
void TFPilaP::SBDespacharClick()
{
    if (m_shownOrder.isEmpty())
        return;
    try {
        DispatchQueue::Dispatch(m_shownOrder);
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    m_SBDespachar->setEnabled(false);
    loadQueue();
    restartTimer();
}

void TFPilaP::SBActualizarClick()
{
    loadQueue();
    restartTimer();
}
