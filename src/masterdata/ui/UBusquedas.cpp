#include "masterdata/ui/UBusquedas.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "masterdata/PickerLists.h"
#include "masterdata/PickerMode.h"
#include "widgets/DataGrid.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowStatusBar.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {
TFBusquedas* g_shared = nullptr;

bool IsEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}

TFBusquedas::TFBusquedas(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FBusquedas"));
    setWindowTitle(QStringLiteral("Buscar"));
    setModal(true);
    m_PBuscarC = buildPanel("PBuscarC", "VecC", "EBuscarC", QStringLiteral("Cliente"), &m_VecC, &m_EBuscarC, &m_rowC);
    m_PBuscarP = buildPanel("PBuscarP", "VecP", "EBuscarP", QStringLiteral("Proveedor"), &m_VecP, &m_EBuscarP, &m_rowP);
    m_SBar1 = new WindowStatusBar(QStringLiteral("Buscar"), this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(m_PBuscarC, 1);
    layout->addWidget(m_PBuscarP, 1);
    layout->addWidget(m_SBar1);
    m_PBuscarC->hide();
    m_PBuscarP->hide();
    resize(470, 420);
}

TFBusquedas::~TFBusquedas()
{
    if (g_shared == this)
        g_shared = nullptr;
}

TFBusquedas* TFBusquedas::shared() { return g_shared; }

void TFBusquedas::setShared(TFBusquedas* picker) { g_shared = picker; }

QWidget* TFBusquedas::buildPanel(const char* panelName, const char* gridName, const char* editName, const QString& nameTitle,
                                 DataGrid** grid, QLineEdit** search, int* remembered)
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QLatin1String(panelName));
    QLineEdit* edit = NamedControls::Field(panel, editName, 40);
    edit->setPlaceholderText(QStringLiteral("Escriba parte del nombre"));
    auto* list = new DataGrid(panel);
    list->setObjectName(QLatin1String(gridName));
    list->addColumn(QStringLiteral("Nº"), DataGrid::ColumnType::Number, 44);
    list->addColumn(QStringLiteral("Nit/CI"), DataGrid::ColumnType::Text, 100);
    list->addColumn(nameTitle, DataGrid::ColumnType::Text, 280);
    list->horizontalHeader()->setStretchLastSection(true);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(QStringLiteral("Buscar:"), panel));
    searchRow->addWidget(edit, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(list, 1);

    edit->installEventFilter(this);
    list->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, list,
            [list](const QString& text) { list->searchColumn(ColNombre, text, DataGrid::Match::Contains); });
    connect(list, &DataGrid::rowSelected, this, [remembered](int row) { *remembered = row; });
    connect(list, &QTableWidget::cellDoubleClicked, this, [this, list] { pickRow(list, Source::Grid); });
    *grid = list;
    *search = edit;
    return panel;
}

std::optional<PickerChoice> TFBusquedas::pick(int mode, bool debtors)
{
    PickerState::current().PickerMode = mode;
    PickerState::current().PickerDebtors = debtors;
    exec();
    return m_choice;
}

void TFBusquedas::start(int mode, bool debtors)
{
    PickerState::current().PickerMode = mode;
    PickerState::current().PickerDebtors = debtors;
    show();
}

void TFBusquedas::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

// Every showing starts afresh: the panel of the mode, an empty search, the list as it is now.
void TFBusquedas::FormActivate()
{
    m_choice.reset();
    m_PBuscarC->hide();
    m_PBuscarP->hide();
    const PickerState& state = PickerState::current();
    const bool suppliers = PickerModes::ListsSuppliers(state.PickerMode);
    if (!suppliers && !PickerModes::ListsClients(state.PickerMode))
        return;
    QWidget* panel = suppliers ? m_PBuscarP : m_PBuscarC;
    DataGrid* grid = suppliers ? m_VecP : m_VecC;
    QLineEdit* search = suppliers ? m_EBuscarP : m_EBuscarC;
    (suppliers ? m_rowP : m_rowC) = -1;
    panel->show();
    {
        const QSignalBlocker quiet(search);
        search->clear();
    }
    grid->clearRows();
    try {
        if (suppliers)
            fill(grid, PickerLists::Suppliers());
        else if (state.PickerMode == PickerModes::ReportClient && state.PickerDebtors)
            fill(grid, PickerLists::Debtors());
        else
            fill(grid, PickerLists::Clients());
    } catch (const DatabaseError& e) {
        // An empty list would read as "no clients": say why it is empty.
        grid->clearRows();
        MessageSeam::current().error(e.text());
    }
    layout()->activate();
    search->setFocus();
}

void TFBusquedas::fill(DataGrid* grid, SqlRows rows)
{
    grid->setUpdatesEnabled(false);
    grid->setRowCount(rows.count());
    for (int row = 0; !rows.atEnd(); rows.next(), ++row) {
        const QStringList cells{QString::number(row + 1), rows.text(0), rows.text(1)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == ColNumero)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(row, column, item);
        }
    }
    grid->setUpdatesEnabled(true);
    grid->goToRow(0);
}

bool TFBusquedas::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnter(event)) {
        if (watched == m_VecC || watched == m_VecP) {
            pickRow(static_cast<DataGrid*>(watched), Source::Grid);
            return true;
        }
        if (watched == m_EBuscarC || watched == m_EBuscarP) {
            pickRow(watched == m_EBuscarC ? m_VecC : m_VecP, Source::SearchEdit);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFBusquedas::pickRow(DataGrid* grid, Source source)
{
    const bool suppliers = grid == m_VecP;
    const int row = suppliers ? m_rowP : m_rowC;
    const QString nitCI = grid->cell(ColNitCI, row);
    if (nitCI.isEmpty())
        return;
    PickerChoice choice{nitCI, {}};
    if (suppliers && source == Source::Grid)
        choice.name = grid->cell(ColNombre, row);
    m_choice = choice;
    accept();
}
