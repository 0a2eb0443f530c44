#include "purchases/ui/DeliveryEditPanel.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "purchases/DeliveryAnnulment.h"
#include "purchases/ui/DeliveryGrids.h"
#include "purchases/DeliveryVoucherPrinting.h"
#include "purchases/ui/PanelControls.h"
#include "widgets/NamedControls.h"
#include "purchases/SupplyDeliveries.h"
#include "widgets/DataGrid.h"
#include "widgets/StatusShape.h"
#include "widgets/UBuscar2.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using NamedControls::Field;
using PanelControls::Button;

namespace {

constexpr int FirstYear = 2018;
constexpr int LastYear = 2100;

MessageSeam& Messages() { return MessageSeam::current(); }

}

DeliveryEditPanel::DeliveryEditPanel(QWidget* parent) : SupplyWindowPanel(parent)
{
    setObjectName(QStringLiteral("PAnular"));
    m_FBuscar2 = new TFBuscar2(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildList());
    layout->addWidget(buildDetail(), 1);
}

QWidget* DeliveryEditPanel::buildList()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_VecE = new DataGrid(column);
    m_VecE->setObjectName(QStringLiteral("VecE"));
    m_VecE->addColumn(QStringLiteral(" Consignatario"), DataGrid::ColumnType::Text, 292);
    for (const char* hidden :
         {"IdEntrega", "FechaE", "NitCI", "Cliente", "HoraE", "Obs", "Sucursal", "Cajero", "IdCaja", "Estado"})
        m_VecE->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 0, true);
    m_VecE->setColumnFooter(EConsignatario, DataGrid::Footer::Count);
    m_VecE->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_VecE->horizontalHeader()->setSectionResizeMode(EConsignatario, QHeaderView::Stretch);
    m_VecE->setFixedWidth(300);
    connect(m_VecE, &DataGrid::rowSelected, this, [this](int row) {
        if (!m_reloading)
            selectRow(row);
    });
    layout->addWidget(m_VecE, 1);

    m_EAnioE = new QSpinBox(column);
    m_EAnioE->setObjectName(QStringLiteral("EAnioE"));
    m_EAnioE->setRange(FirstYear, LastYear);
    m_EAnioE->setFixedWidth(80);
    m_SBuscarE = Button(column, "SBuscarE", QStringLiteral("Buscar Por"), QStringLiteral("Buscar Entrega en la lista"));
    m_SBuscarE->setMinimumSize(110, 30);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Año:"), column));
    row->addWidget(m_EAnioE);
    row->addStretch(1);
    row->addWidget(m_SBuscarE);
    layout->addLayout(row);
    connect(m_EAnioE, &QSpinBox::valueChanged, this, &DeliveryEditPanel::EAnioEChange);
    connect(m_SBuscarE, &QToolButton::clicked, this, &DeliveryEditPanel::SBuscarEClick);
    return column;
}

QWidget* DeliveryEditPanel::buildDetail()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* recipient = new QGroupBox(QStringLiteral("Datos de Personal a Entregar:"), area);
    m_ENitCIA = Field(recipient, "ENitCIA", 0, true);
    m_ENitCIA->setFixedWidth(130);
    m_ENombreA = Field(recipient, "ENombreA", 0, true);
    auto* names = new QHBoxLayout(recipient);
    names->addWidget(new QLabel(QStringLiteral("NIT/CI:"), recipient));
    names->addWidget(m_ENitCIA);
    names->addSpacing(8);
    names->addWidget(new QLabel(QStringLiteral("Nombre:"), recipient));
    names->addWidget(m_ENombreA, 1);
    layout->addWidget(recipient);

    m_VecD = new DataGrid(area);
    m_VecD->setObjectName(QStringLiteral("VecD"));
    DeliveryGrids::SetUpLines(m_VecD, false);
    layout->addWidget(m_VecD, 1);

    m_EObsA = Field(area, "EObsA", 0, true);
    auto* observation = new QHBoxLayout;
    observation->addWidget(new QLabel(QStringLiteral("Observación:"), area));
    observation->addWidget(m_EObsA, 1);
    layout->addLayout(observation);

    auto* order = new QGroupBox(QStringLiteral("Nro. de Orden:"), area);
    m_EOrdenA = Field(order, "EOrdenA", 0, true);
    PanelControls::BigDigits(m_EOrdenA);
    m_EOrdenA->setFixedWidth(150);
    (new QHBoxLayout(order))->addWidget(m_EOrdenA);

    m_SBAnularA = Button(area, "SBAnularA", QStringLiteral(" A N U L A R"), QStringLiteral("Anular la Entrega"));
    m_SBImprimirA = Button(area, "SBImprimirA", QStringLiteral(" I M P R I M I R"), QStringLiteral("Imprimir Comprobante"));
    for (QToolButton* button : {m_SBAnularA, m_SBImprimirA})
        button->setMinimumWidth(150);
    m_EstadoA = new StatusShape(area);
    m_EstadoA->setObjectName(QStringLiteral("EstadoA"));
    auto* foot = new QHBoxLayout;
    foot->addWidget(order);
    foot->addWidget(m_SBAnularA);
    foot->addWidget(m_SBImprimirA);
    foot->addStretch(1);
    foot->addWidget(m_EstadoA);
    layout->addLayout(foot);
    connect(m_SBAnularA, &QToolButton::clicked, this, &DeliveryEditPanel::SBAnularAClick);
    connect(m_SBImprimirA, &QToolButton::clicked, this, &DeliveryEditPanel::SBImprimirAClick);
    return area;
}

void DeliveryEditPanel::open(QProgressBar*)
{
    int year = SessionState::current().ListYear;
    if (year < FirstYear || year > LastYear)
        year = ClockSeam::current().today().year();
    {
        const QSignalBlocker quiet(m_EAnioE);
        m_EAnioE->setValue(year);
    }
    m_SBAnularA->setEnabled(false);
    m_SBImprimirA->setEnabled(false);
    m_EstadoA->setState(Qt::white, QString());
    loadList();
    // A delivery is shown once the user chooses it, not because the list took the focus first.
    m_EAnioE->setFocus();
}

void DeliveryEditPanel::EAnioEChange(int year)
{
    SessionState::current().ListYear = year;
    loadList();
}

void DeliveryEditPanel::loadList()
{
    m_reloading = true;
    m_VecE->clearRows();
    try {
        QList<QStringList> rows;
        for (SqlRows r = SupplyDeliveries::YearList(m_EAnioE->value(), SessionState::current().CashSessionId); !r.atEnd();
             r.next())
            rows << QStringList{r.text(3), r.text(0), Formats::Date(r.date(1)),
                                r.text(2), r.text(3), r.text(4),
                                r.text(5), r.text(6), r.text(7),
                                r.text(8), r.text(9)};
        m_VecE->addRows(rows);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    m_reloading = false;
}

void DeliveryEditPanel::selectRow(int row)
{
    if (row < 0 || row >= m_VecE->rowCount())
        return;
    m_selectedId = m_VecE->cell(EIdEntrega, row);
    m_ENitCIA->setText(m_VecE->cell(ENitCI, row));
    m_ENombreA->setText(m_VecE->cell(ECliente, row));
    m_EObsA->setText(m_VecE->cell(EObs, row));
    m_EOrdenA->setText(m_selectedId);
    m_VecD->clearRows();
    try {
        DeliveryGrids::FillLines(m_VecD, SupplyDeliveries::Lines(m_selectedId));
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
    showState(m_VecE->cell(EEstado, row).compare(QLatin1String("V"), Qt::CaseInsensitive) == 0);
}

// An annulled delivery can be neither annulled again nor reprinted.
void DeliveryEditPanel::showState(bool valid)
{
    m_SBAnularA->setEnabled(valid);
    m_SBImprimirA->setEnabled(valid);
    if (valid)
        m_EstadoA->setState(Qt::green, QString());
    else
        m_EstadoA->setState(Qt::red, QStringLiteral("Entrada Anulada"));
}

void DeliveryEditPanel::SBuscarEClick()
{
    if (m_VecE->rowCount() > 0)
        m_FBuscar2->showFor(SearchDialogMode::Deliveries, m_VecE);
}

void DeliveryEditPanel::SBAnularAClick()
{
    if (m_selectedId.isEmpty() || !m_SBAnularA->isEnabled())
        return;
    if (!Messages().question(QStringLiteral("Anular Egreso"), QStringLiteral("Esta Seguro de querer Anular esta Entrega? ")))
        return;
    QString refusal;
    try {
        refusal = DeliveryAnnulment::Annul(m_selectedId);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
        return;
    }
    Messages().information(refusal.isEmpty() ? QStringLiteral("Entrega Anulada Correctamente") : refusal);
    // The annulled delivery stays shown; the list shows it under its new name.
    loadList();
    if (refusal.isEmpty() || refusal == DeliveryAnnulment::AlreadyAnnulled)
        showState(false);
}

void DeliveryEditPanel::SBImprimirAClick()
{
    if (m_selectedId.isEmpty() || !m_SBImprimirA->isEnabled())
        return;
    try {
        PrintDeliveryVoucher(SupplyDeliveries::Voucher(m_selectedId), DeliveryNoteStyle::Office);
    } catch (const DatabaseError& e) {
        Messages().error(e.text());
    }
}
