#include "widgets/UBuscar2.h"

#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "widgets/DataGrid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TFBuscar2::TFBuscar2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FBuscar2"));
    setWindowTitle(QStringLiteral("Buscar Registros"));

    m_EBuscar = new QLineEdit(this);
    m_EBuscar->setObjectName(QStringLiteral("EBuscar"));
    m_EBuscar->setMaxLength(50);
    // A quote never reaches a search.
    m_EBuscar->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^']*")), m_EBuscar));

    auto* por = new QGroupBox(QStringLiteral("Por:"), this);
    por->setObjectName(QStringLiteral("RGPor"));
    m_RBNitCI = new QRadioButton(QStringLiteral("Nit/Ci"), por);
    m_RBNitCI->setObjectName(QStringLiteral("RBNitCI"));
    m_RBNumero = new QRadioButton(QStringLiteral("Nro. de Factura"), por);
    m_RBNumero->setObjectName(QStringLiteral("RBNumero"));
    m_RBNombre = new QRadioButton(QStringLiteral("Nombre o Razon Social"), por);
    m_RBNombre->setObjectName(QStringLiteral("RBNombre"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_RBNitCI, ByNitCI);
    group->addButton(m_RBNumero, ByNumber);
    group->addButton(m_RBNombre, ByName);
    m_RBNumero->setChecked(true);
    auto* choices = new QVBoxLayout(por);
    choices->addWidget(m_RBNitCI);
    choices->addWidget(m_RBNumero);
    choices->addWidget(m_RBNombre);

    m_BBuscar = new QPushButton(QStringLiteral("Buscar Sgte"), this);
    m_BBuscar->setObjectName(QStringLiteral("BBuscar"));
    m_BBuscar->setDefault(true);
    m_BCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_BCancelar->setObjectName(QStringLiteral("BCancelar"));
    m_BCancelar->setAutoDefault(false);

    auto* field = new QHBoxLayout;
    field->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    field->addWidget(m_EBuscar, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_BBuscar);
    buttons->addWidget(m_BCancelar);
    buttons->addStretch(1);
    auto* lower = new QHBoxLayout;
    lower->addWidget(por, 1);
    lower->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(lower);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    connect(group, &QButtonGroup::idClicked, this, [this] { optionChosen(); });
    connect(m_BBuscar, &QPushButton::clicked, this, &TFBuscar2::findNext);
    connect(m_BCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFBuscar2::showFor(SearchDialogMode mode, DataGrid* grid)
{
    setMode(mode);
    setGrid(grid);
    MainStatus::setText(3, QStringLiteral("Operación: Buscando Registros"));
    show();
    raise();
    activateWindow();
    m_EBuscar->setFocus();
    m_EBuscar->selectAll();
}

void TFBuscar2::setMode(SearchDialogMode mode)
{
    m_mode = mode;
    const bool deliveries = mode == SearchDialogMode::Deliveries;
    setWindowTitle(deliveries ? QStringLiteral("Buscar Registro de Entregas") : QStringLiteral("Buscar Registros"));
    m_RBNumero->setText(deliveries ? QStringLiteral("Nro. de Orden") : QStringLiteral("Nro. de Factura"));
}

void TFBuscar2::setOption(Option option)
{
    (option == ByNitCI ? m_RBNitCI : option == ByName ? m_RBNombre : m_RBNumero)->setChecked(true);
    optionChosen();
}

TFBuscar2::Option TFBuscar2::option() const
{
    return m_RBNitCI->isChecked() ? ByNitCI : m_RBNombre->isChecked() ? ByName : ByNumber;
}

void TFBuscar2::setSearchText(const QString& text) { m_EBuscar->setText(text); }

void TFBuscar2::optionChosen()
{
    m_EBuscar->clear();
    m_EBuscar->setFocus();
}

int TFBuscar2::SearchColumn(SearchDialogMode mode, Option option)
{
    switch (mode) {
    case SearchDialogMode::SalesBook:
    case SearchDialogMode::SalesManagement: return option == ByNitCI ? 6 : option == ByNumber ? 3 : 7;
    case SearchDialogMode::PurchasesBook: return option == ByNitCI ? 3 : option == ByNumber ? 5 : 4;
    case SearchDialogMode::Deliveries: return option == ByNitCI ? 3 : option == ByNumber ? 1 : 4;
    }
    return -1;
}

bool TFBuscar2::findNext()
{
    QString wanted = m_EBuscar->text().trimmed();
    if (!m_grid || wanted.isEmpty())
        return false;
    if (m_mode == SearchDialogMode::Deliveries && option() == ByNumber) {
        bool whole = false;
        const qint64 number = wanted.toLongLong(&whole);
        if (!whole || number < 0) {
            MessageSeam::current().information(QStringLiteral("Nro. de Orden no Valido"));
            m_EBuscar->setFocus();
            m_EBuscar->selectAll();
            return false;
        }
        wanted = QStringLiteral("E") + QString::number(number).rightJustified(9, QLatin1Char('0'));
    }

    const int column = SearchColumn(m_mode, option());
    const int rows = m_grid->rowCount();
    const int start = m_grid->selectedRow() + 1;
    // The rows below the selected one first, then from the top down to it.
    for (int step = 0; step < rows; ++step) {
        const int row = (start + step) % rows;
        if (m_grid->isRowHidden(row))
            continue;
        if (m_grid->cell(column, row).contains(wanted, Qt::CaseInsensitive)) {
            m_grid->goToRow(row);
            return true;
        }
    }
    return false;
}
