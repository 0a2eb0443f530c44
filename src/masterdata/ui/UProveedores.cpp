#include "masterdata/ui/UProveedores.h"

#include "data/DatabaseError.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/ClientStore.h"
#include "masterdata/ui/MasterGrid.h"
#include "masterdata/SupplierStore.h"
#include "widgets/DataGrid.h"
#include "widgets/WindowStatusBar.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

enum class Filter { None, Digits, UpperCase };

QLineEdit* field(QWidget* parent, const char* name, int maxLength, Filter filter)
{
    QLineEdit* edit = NamedControls::Field(parent, name, maxLength);
    if (filter == Filter::Digits)
        InputFilters::digitsAndPoint(edit);
    else if (filter == Filter::UpperCase)
        InputFilters::upperCase(edit);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, bool enabled = true)
{
    QPushButton* b = NamedControls::Button(parent, name, caption);
    b->setEnabled(enabled);
    b->setMinimumWidth(110);
    return b;
}

void addField(QGridLayout* form, int row, int column, const QString& label, QWidget* field, int span = 1)
{
    auto* caption = new QLabel(label, field->parentWidget());
    caption->setBuddy(field);
    form->addWidget(caption, row, column * 2, Qt::AlignRight);
    form->addWidget(field, row, column * 2 + 1, 1, span);
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

// Runs a database step; an engine failure is shown and answers false.
template <typename Step> bool Run(Step step)
{
    try {
        step();
        return true;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
}

// Runs a deletion; its refusal (a row with history) or an engine failure is shown and answers false.
template <typename Removal> bool RemoveRow(Removal removal)
{
    QString refusal;
    if (!Run([&] { refusal = removal(); }))
        return false;
    if (refusal.isEmpty())
        return true;
    MessageSeam::current().information(refusal);
    return false;
}

struct ModeTexts {
    const char* panel;
    const char* caption;
    const char* ownStatus;
    const char* mainStatus;
};

const ModeTexts kModes[] = {
    {"PProveedores", "Proveedores", "Gestionar Proveedore", "Gestionar Proveedores"},
    {"PClientes", "Clientes", "Gestionar Clientes", "Gestionar Clientes"},
    {"PComprobanteV", "Comprobantes de Venta", "Gestionar Comprobantes de Venta", "Gestionar Comprobantes de Venta"},
    {"PComprobanteC", "Comprobantes de Compra", "Gestionar Comprobantes de Compra", "Gestionar Comprobantes de Compra"},
};

const ModeTexts& TextsOf(int mode) { return kModes[qBound(1, mode, 4) - 1]; }

}

TFProveedores::TFProveedores(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FProveedores"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildSupplierPanel();
    buildClientPanel();
    buildVoucherPanel(m_sales, "V", "VecV");
    buildVoucherPanel(m_purchases, "C", "VecCC");
    buildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    for (QWidget* panel : {m_PProveedores, m_PClientes, m_sales.panel, m_purchases.panel})
        layout->addWidget(panel, 1);
    layout->addWidget(m_SBar1);
    FormCreate();
}

void TFProveedores::buildSupplierPanel()
{
    m_PProveedores = new QWidget(this);
    m_PProveedores->setObjectName(QStringLiteral("PProveedores"));
    QWidget* p = m_PProveedores;
    m_ENitCI = field(p, "ENitCI", 12, Filter::Digits);
    m_ERSocial = field(p, "ERSocial", 50, Filter::UpperCase);
    m_ETelefono = field(p, "ETelefono", 8, Filter::Digits);
    m_ERepresentante = field(p, "ERepresentante", 50, Filter::UpperCase);
    m_ECelular = field(p, "ECelular", 8, Filter::Digits);
    m_EDireccion = field(p, "EDireccion", 30, Filter::UpperCase);
    m_EEmail = field(p, "EEmail", 40, Filter::None);  // stored as typed, apostrophes included
    m_ECBancaria = field(p, "ECBancaria", 30, Filter::UpperCase);
    m_CBEstado = NamedControls::StateList(p, "CBEstado");
    m_SBNuevo = button(p, "SBNuevo", QStringLiteral("NUEVO"));
    m_SBInsertar = button(p, "SBInsertar", QStringLiteral("INSERTAR"), false);
    m_SBActualizar = button(p, "SBActualizar", QStringLiteral("ACTUALIZAR"), false);

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("NIT/CI:"), m_ENitCI);
    addField(form, 0, 1, QStringLiteral("Telefono:"), m_ETelefono);
    addField(form, 1, 0, QStringLiteral("Razon Social:"), m_ERSocial, 3);
    addField(form, 2, 0, QStringLiteral("Representante:"), m_ERepresentante);
    addField(form, 2, 1, QStringLiteral("Celular:"), m_ECelular);
    addField(form, 3, 0, QStringLiteral("Direccion:"), m_EDireccion);
    addField(form, 3, 1, QStringLiteral("Email:"), m_EEmail);
    addField(form, 4, 0, QStringLiteral("Cuenta Bancaria::"), m_ECBancaria);
    addField(form, 4, 1, QStringLiteral("Estado:"), m_CBEstado);
    form->setColumnStretch(1, 3);
    form->setColumnStretch(3, 2);

    using Type = DataGrid::ColumnType;
    m_VecP = new DataGrid(p);
    m_VecP->setObjectName(QStringLiteral("VecP"));
    m_VecP->addColumn(QStringLiteral("Nro"), Type::Number, 40);
    m_VecP->addColumn(QStringLiteral("NIT/CI"), Type::Text, 100);
    m_VecP->addColumn(QStringLiteral("Razón Social"), Type::Text, 240);
    m_VecP->addColumn(QStringLiteral("Telefono"), Type::Text, 76);
    m_VecP->addColumn(QStringLiteral("Celular"), Type::Text, 76);
    m_VecP->addColumn(QStringLiteral("CBancaria"), Type::Text, 80, true);
    m_VecP->addColumn(QStringLiteral("Representante"), Type::Text, 80, true);
    m_VecP->addColumn(QStringLiteral("Dirección"), Type::Text, 200);
    m_VecP->addColumn(QStringLiteral("Email"), Type::Text, 80, true);
    m_VecP->addColumn(QStringLiteral("Usuario"), Type::Text, 80, true);
    m_VecP->addColumn(QStringLiteral("E"), Type::Check, 28);
    MasterGrid::AddDeleteColumn(m_VecP);

    auto* layout = new QVBoxLayout(p);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(buttonRow({m_SBNuevo, m_SBInsertar, m_SBActualizar}));
    layout->addWidget(m_VecP, 1);

    connect(m_SBNuevo, &QPushButton::clicked, this, &TFProveedores::SBNuevoClick);
    connect(m_SBInsertar, &QPushButton::clicked, this, &TFProveedores::SBInsertarClick);
    connect(m_SBActualizar, &QPushButton::clicked, this, &TFProveedores::SBActualizarClick);
    connect(m_VecP, &DataGrid::rowSelected, this, &TFProveedores::VecPRowSelected);
    connect(m_VecP, &QTableWidget::cellClicked, this, &TFProveedores::VecPCellClick);
}

void TFProveedores::buildClientPanel()
{
    m_PClientes = new QWidget(this);
    m_PClientes->setObjectName(QStringLiteral("PClientes"));
    QWidget* p = m_PClientes;
    m_ENitCIC = field(p, "ENitCIC", 12, Filter::Digits);
    m_ECliente = field(p, "ECliente", 50, Filter::UpperCase);
    m_ETelefonoC = field(p, "ETelefonoC", 8, Filter::Digits);
    m_EDireccionC = field(p, "EDireccionC", 40, Filter::UpperCase);
    m_ECelularC = field(p, "ECelularC", 8, Filter::Digits);
    m_EEmpresa = field(p, "EEmpresa", 30, Filter::UpperCase);
    m_CBCreditos = new QComboBox(p);
    m_CBCreditos->setObjectName(QStringLiteral("CBCreditos"));
    for (int n = 0; n <= 9; ++n)
        m_CBCreditos->addItem(QString::number(n));
    m_SBNuevoC = button(p, "SBNuevoC", QStringLiteral("NUEVO"));
    m_SBInsertarC = button(p, "SBInsertarC", QStringLiteral("INSERTAR"), false);
    m_SBActualizarC = button(p, "SBActualizarC", QStringLiteral("ACTUALIZAR"), false);

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("CI/Nit:"), m_ENitCIC);
    addField(form, 0, 1, QStringLiteral("Telefono:"), m_ETelefonoC);
    addField(form, 1, 0, QStringLiteral("Nombre Cliente o Razon Social:"), m_ECliente, 3);
    addField(form, 2, 0, QStringLiteral("Direccion:"), m_EDireccionC);
    addField(form, 2, 1, QStringLiteral("Celular:"), m_ECelularC);
    addField(form, 3, 0, QStringLiteral("Empresa de Trabajo:"), m_EEmpresa);
    addField(form, 3, 1, QStringLiteral("Nº Max. Creditos:"), m_CBCreditos);
    form->setColumnStretch(1, 3);
    form->setColumnStretch(3, 2);

    using Type = DataGrid::ColumnType;
    m_VecC = new DataGrid(p);
    m_VecC->setObjectName(QStringLiteral("VecC"));
    m_VecC->addColumn(QStringLiteral("Nro"), Type::Number, 40);
    m_VecC->addColumn(QStringLiteral("NIT/CI"), Type::Text, 100);
    m_VecC->addColumn(QStringLiteral("Razón Social o Nombre"), Type::Text, 260);
    m_VecC->addColumn(QStringLiteral("Dirección"), Type::Text, 220);
    m_VecC->addColumn(QStringLiteral("Telefono"), Type::Text, 76, true);
    m_VecC->addColumn(QStringLiteral("Celular"), Type::Text, 76);
    m_VecC->addColumn(QStringLiteral("Empresa"), Type::Text, 80, true);
    m_VecC->addColumn(QStringLiteral("Ventas"), Type::Number, 56);
    m_VecC->addColumn(QStringLiteral("M/Creditos"), Type::Number, 60, true);
    m_VecC->addColumn(QStringLiteral("Usuario"), Type::Text, 80, true);
    m_VecC->addColumn(QStringLiteral("E"), Type::Check, 28);
    MasterGrid::AddDeleteColumn(m_VecC);

    auto* layout = new QVBoxLayout(p);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(buttonRow({m_SBNuevoC, m_SBInsertarC, m_SBActualizarC}));
    layout->addWidget(m_VecC, 1);

    connect(m_SBNuevoC, &QPushButton::clicked, this, &TFProveedores::SBNuevoCClick);
    connect(m_SBInsertarC, &QPushButton::clicked, this, &TFProveedores::SBInsertarCClick);
    connect(m_SBActualizarC, &QPushButton::clicked, this, &TFProveedores::SBActualizarCClick);
    connect(m_VecC, &DataGrid::rowSelected, this, &TFProveedores::VecCRowSelected);
    connect(m_VecC, &QTableWidget::cellClicked, this, &TFProveedores::VecCCellClick);
}

void TFProveedores::buildVoucherPanel(VoucherPanel& v, const char* suffix, const char* gridName)
{
    const QString s = QLatin1String(suffix);
    v.panel = new QWidget(this);
    v.panel->setObjectName(QStringLiteral("PComprobante") + s);
    v.id = field(v.panel, qPrintable(QStringLiteral("EIDComp") + s), 10, Filter::None);
    v.id->setReadOnly(true);
    v.name = field(v.panel, qPrintable(QStringLiteral("EComprobante") + s), 22, Filter::UpperCase);
    v.name->setReadOnly(true);
    v.number = field(v.panel, qPrintable(QStringLiteral("ENumero") + s), 10, Filter::Digits);
    v.update = button(v.panel, qPrintable(QStringLiteral("SBActualizarC") + s), QStringLiteral("ACTUALIZAR"));

    auto* form = new QGridLayout;
    addField(form, 0, 0, QStringLiteral("ID Comprobante:"), v.id);
    addField(form, 1, 0, QStringLiteral("Comprobante:"), v.name);
    addField(form, 2, 0, QStringLiteral("Numero Gen:"), v.number);
    form->setColumnStretch(1, 1);

    v.grid = new DataGrid(v.panel);
    v.grid->setObjectName(QLatin1String(gridName));
    v.grid->addColumn(QStringLiteral("Nro"), DataGrid::ColumnType::Number, 40);
    v.grid->addColumn(QStringLiteral("Id"), DataGrid::ColumnType::Number, 40, true);
    v.grid->addColumn(QStringLiteral("Comprobante"), DataGrid::ColumnType::Text, 220);
    v.grid->addColumn(QStringLiteral("Numero"), DataGrid::ColumnType::Number, 80, true);
    v.grid->horizontalHeader()->setStretchLastSection(true);

    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addLayout(buttonRow({v.update}));
    side->addStretch(1);
    auto* layout = new QHBoxLayout(v.panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(v.grid, 1);
    layout->addLayout(side, 1);

    VoucherPanel* panel = &v;
    connect(v.grid, &DataGrid::rowSelected, this, [this, panel](int row) { voucherRowSelected(*panel, row); });
    connect(v.update, &QPushButton::clicked, this, [this, panel] { updateVoucherNumber(*panel); });
}

void TFProveedores::buildStatusBar() { m_SBar1 = new WindowStatusBar(QString(), this); }

void TFProveedores::FormCreate()
{
    m_mode = SessionState::current().MasterMode;
    if (m_mode < 1 || m_mode > 4)
        m_mode = 1;
    const ModeTexts& texts = TextsOf(m_mode);
    setWindowTitle(QLatin1String(texts.caption));
    m_SBar1->setCaption(QLatin1String(texts.ownStatus));
    for (QWidget* panel : {m_PProveedores, m_PClientes, m_sales.panel, m_purchases.panel})
        panel->setVisible(panel->objectName() == QLatin1String(texts.panel));
    switch (m_mode) {
    case 1:
        loadSuppliers();
        resize(800, 560);
        break;
    case 2:
        loadClients();
        resize(820, 560);
        break;
    case 3:
        loadVouchers(m_sales);
        resize(620, 300);
        break;
    case 4:
        loadVouchers(m_purchases);
        resize(620, 300);
        break;
    }
}

bool TFProveedores::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFProveedores::FormActivate() { MainStatus::setText(3, QLatin1String(TextsOf(m_mode).mainStatus)); }

int TFProveedores::rowOfNit(const DataGrid* grid, int column, const QString& nitCI)
{
    for (int row = 0; row < grid->rowCount(); ++row)
        if (grid->cell(column, row).compare(nitCI, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void TFProveedores::flipEnabled(DataGrid* grid, int column, int row, const QString& nitCI,
                                bool (*write)(const QString&, bool), const QString& gone)
{
    const bool enabled = !grid->isChecked(column, row);
    grid->setChecked(column, row, enabled);
    bool found = false;
    const bool written = Run([&] { found = write(nitCI, enabled); });
    if (!written || !found) {
        grid->setChecked(column, row, !enabled);
        if (written)
            MessageSeam::current().information(gone);
    }
}

// ----- suppliers ---------------------------------------------------------------------------------

void TFProveedores::loadSuppliers()
{
    m_VecP->clearRows();
    Run([&] {
        SqlRows rows = SupplierStore::List();
        for (; !rows.atEnd(); rows.next()) {
            QStringList cells{QString()};
            for (int column = 0; column < 9; ++column)
                cells << rows.text(column);
            addSupplierRow(cells, rows.integer(9) == 1);
        }
    });
}

void TFProveedores::addSupplierRow(const QStringList& cells, bool enabled)
{
    QStringList row = cells;
    row[PColNro] = QString::number(m_VecP->rowCount() + 1);
    row << (enabled ? QStringLiteral("1") : QStringLiteral("0")) << QStringLiteral("0");
    const int added = m_VecP->addRow(row);
    MasterGrid::WindowFlipsCheck(m_VecP, PColEstado, added);
}

void TFProveedores::SBNuevoClick()
{
    for (QLineEdit* edit :
         {m_ENitCI, m_ERSocial, m_ETelefono, m_ERepresentante, m_ECelular, m_EDireccion, m_EEmail, m_ECBancaria})
        edit->clear();
    m_CBEstado->setCurrentIndex(1);
    m_ENitCI->setReadOnly(false);
    m_ENitCI->setFocus();
    m_SBInsertar->setEnabled(true);
    m_SBActualizar->setEnabled(false);
}

void TFProveedores::VecPRowSelected(int row)
{
    if (row < 0 || row >= m_VecP->rowCount())
        return;
    const QList<QLineEdit*> fields{m_ENitCI,     m_ERSocial,       m_ETelefono,  m_ECelular,
                                   m_ECBancaria, m_ERepresentante, m_EDireccion, m_EEmail};
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(m_VecP->cell(PColNitCI + i, row));
    m_CBEstado->setCurrentIndex(m_VecP->isChecked(PColEstado, row) ? 1 : 0);
    m_ENitCI->setReadOnly(true);
    m_ERSocial->setFocus();
    m_SBActualizar->setEnabled(true);
    m_SBInsertar->setEnabled(false);
}

void TFProveedores::SBInsertarClick()
{
    SupplierStore::Supplier s{m_ENitCI->text().trimmed(),
                              m_ERSocial->text().trimmed(),
                              m_ETelefono->text(),
                              m_ECelular->text(),
                              m_ECBancaria->text().trimmed(),
                              m_ERepresentante->text().trimmed(),
                              m_EDireccion->text().trimmed(),
                              m_EEmail->text().trimmed(),
                              m_CBEstado->currentIndex()};
    const QString user = SessionState::current().UserLogin;
    QString refusal;
    if (!Run([&] { refusal = SupplierStore::Insert(s, user); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    addSupplierRow(
        {QString(), s.NitCI, s.RSocial, s.Telefono, s.Celular, s.CBancaria, s.Representante, s.Direccion, s.Email, user},
        s.Estado == 1);
    m_VecP->goToRow(m_VecP->rowCount() - 1);
    SBNuevoClick();
}

void TFProveedores::SBActualizarClick()
{
    SupplierStore::Supplier s{m_ENitCI->text().trimmed(),
                              m_ERSocial->text().trimmed(),
                              m_ETelefono->text(),
                              m_ECelular->text(),
                              m_ECBancaria->text().trimmed(),
                              m_ERepresentante->text().trimmed(),
                              m_EDireccion->text().trimmed(),
                              m_EEmail->text().trimmed(),
                              m_CBEstado->currentIndex()};
    QString refusal;
    if (!Run([&] { refusal = SupplierStore::Update(s); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    const int row = rowOfNit(m_VecP, PColNitCI, s.NitCI);
    const QStringList values{s.RSocial, s.Telefono, s.Celular, s.CBancaria, s.Representante, s.Direccion, s.Email};
    for (int i = 0; i < values.size(); ++i)
        m_VecP->setCell(PColRSocial + i, row, values[i]);
    m_VecP->setChecked(PColEstado, row, s.Estado == 1);
    MessageSeam::current().information(QStringLiteral("Registro Actualizado Correctamente"));
}

void TFProveedores::VecPCellClick(int row, int column)
{
    if (row < 0 || row >= m_VecP->rowCount())
        return;
    const QString nitCI = m_VecP->cell(PColNitCI, row);
    if (column == PColEstado) {
        flipEnabled(m_VecP, PColEstado, row, nitCI, &SupplierStore::SetEnabled,
                    QStringLiteral("El Proveedor ya no esta Registrado"));
        if (m_ENitCI->isReadOnly() && m_ENitCI->text().compare(nitCI, Qt::CaseInsensitive) == 0)
            m_CBEstado->setCurrentIndex(m_VecP->isChecked(PColEstado, row) ? 1 : 0);
    } else if (column == PColBorrar) {
        if (!MessageSeam::current().question(QStringLiteral("Eliminar Proveedor"),
                                             QStringLiteral("Esta Seguro de querer Eliminar el Proveedor?...")))
            return;
        if (!RemoveRow([&] { return SupplierStore::Remove(nitCI); }))
            return;
        m_VecP->removeRow(row);
        for (int r = row; r < m_VecP->rowCount(); ++r)
            m_VecP->setCell(PColNro, r, QString::number(r + 1));
        if (m_ENitCI->isReadOnly() && m_ENitCI->text().compare(nitCI, Qt::CaseInsensitive) == 0)
            SBNuevoClick();
    }
}

// ----- clients -----------------------------------------------------------------------------------

void TFProveedores::loadClients()
{
    m_VecC->clearRows();
    Run([&] {
        SqlRows rows = ClientStore::List();
        for (; !rows.atEnd(); rows.next()) {
            QStringList cells{QString()};
            for (int column = 0; column < 9; ++column)
                cells << rows.text(column);
            addClientRow(cells, rows.integer(9) == 1);
        }
    });
}

void TFProveedores::addClientRow(const QStringList& cells, bool enabled)
{
    QStringList row = cells;
    row[CColNro] = QString::number(m_VecC->rowCount() + 1);
    row << (enabled ? QStringLiteral("1") : QStringLiteral("0")) << QStringLiteral("0");
    const int added = m_VecC->addRow(row);
    MasterGrid::WindowFlipsCheck(m_VecC, CColEstado, added);
}

void TFProveedores::SBNuevoCClick()
{
    for (QLineEdit* edit : {m_ENitCIC, m_ECliente, m_ETelefonoC, m_EDireccionC, m_ECelularC, m_EEmpresa})
        edit->clear();
    m_CBCreditos->setCurrentIndex(0);
    m_ENitCIC->setReadOnly(false);
    m_ENitCIC->setFocus();
    m_SBInsertarC->setEnabled(true);
    m_SBActualizarC->setEnabled(false);
}

void TFProveedores::VecCRowSelected(int row)
{
    if (row < 0 || row >= m_VecC->rowCount())
        return;
    const QList<QLineEdit*> fields{m_ENitCIC, m_ECliente, m_EDireccionC, m_ETelefonoC, m_ECelularC, m_EEmpresa};
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(m_VecC->cell(CColNitCI + i, row));
    m_CBCreditos->setCurrentIndex(qBound(0, m_VecC->cell(CColCreditos, row).toInt(), 9));
    m_ENitCIC->setReadOnly(true);
    m_ECliente->setFocus();
    m_SBActualizarC->setEnabled(true);
    m_SBInsertarC->setEnabled(false);
}

void TFProveedores::SBInsertarCClick()
{
    const ClientStore::Client c{m_ENitCIC->text().trimmed(), m_ECliente->text().trimmed(), m_EDireccionC->text().trimmed(),
                                m_ETelefonoC->text(),        m_ECelularC->text(),          m_EEmpresa->text().trimmed(),
                                m_CBCreditos->currentIndex()};
    const QString user = SessionState::current().UserLogin;
    QString refusal;
    if (!Run([&] { refusal = ClientStore::Insert(c, user); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    addClientRow({QString(), c.NitCI, c.Cliente, c.Direccion, c.Telefono, c.Celular, c.Empresa, QStringLiteral("0"),
                  QString::number(c.NCreditos), user},
                 true);
    m_VecC->goToRow(m_VecC->rowCount() - 1);
    SBNuevoCClick();
}

void TFProveedores::SBActualizarCClick()
{
    const ClientStore::Client c{m_ENitCIC->text().trimmed(), m_ECliente->text().trimmed(), m_EDireccionC->text().trimmed(),
                                m_ETelefonoC->text(),        m_ECelularC->text(),          m_EEmpresa->text().trimmed(),
                                m_CBCreditos->currentIndex()};
    QString refusal;
    if (!Run([&] { refusal = ClientStore::Update(c); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    const int row = rowOfNit(m_VecC, CColNitCI, c.NitCI);
    const QStringList values{c.Cliente, c.Direccion, c.Telefono, c.Celular, c.Empresa};
    for (int i = 0; i < values.size(); ++i)
        m_VecC->setCell(CColCliente + i, row, values[i]);
    m_VecC->setCell(CColCreditos, row, QString::number(c.NCreditos));
    MessageSeam::current().information(QStringLiteral("Registro Actualizado Correctamente"));
}

void TFProveedores::VecCCellClick(int row, int column)
{
    if (row < 0 || row >= m_VecC->rowCount())
        return;
    const QString nitCI = m_VecC->cell(CColNitCI, row);
    if (column == CColEstado) {
        flipEnabled(m_VecC, CColEstado, row, nitCI, &ClientStore::SetEnabled,
                    QStringLiteral("El Cliente ya no esta Registrado"));
    } else if (column == CColBorrar) {
        if (!MessageSeam::current().question(QStringLiteral("Eliminar Cliente"),
                                             QStringLiteral("Esta Seguro de querer Eliminar el Cliente?...")))
            return;
        if (!RemoveRow([&] { return ClientStore::Remove(nitCI); }))
            return;
        m_VecC->removeRow(row);
        for (int r = row; r < m_VecC->rowCount(); ++r)
            m_VecC->setCell(CColNro, r, QString::number(r + 1));
        if (m_ENitCIC->isReadOnly() && m_ENitCIC->text().compare(nitCI, Qt::CaseInsensitive) == 0)
            SBNuevoCClick();
    }
}

// ----- voucher numbers ---------------------------------------------------------------------------

void TFProveedores::loadVouchers(VoucherPanel& v)
{
    v.grid->clearRows();
    Run([&] {
        SqlRows rows = VoucherStore::List(v.kind);
        for (int number = 1; !rows.atEnd(); rows.next(), ++number)
            v.grid->addRow({QString::number(number), rows.text(0), rows.text(1), rows.text(2)});
    });
}

void TFProveedores::voucherRowSelected(VoucherPanel& v, int row)
{
    if (row < 0 || row >= v.grid->rowCount())
        return;
    v.id->setText(v.grid->cell(VColId, row));
    v.name->setText(v.grid->cell(VColComprobante, row));
    v.number->setText(v.grid->cell(VColNumero, row));
}

void TFProveedores::updateVoucherNumber(VoucherPanel& v)
{
    const QString number = v.number->text().trimmed();
    QString refusal;
    if (!Run([&] { refusal = VoucherStore::UpdateNumber(v.kind, v.id->text(), number); }))
        return;
    if (!refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return;
    }
    const int row = rowOfNit(v.grid, VColId, v.id->text());
    v.grid->setCell(VColNumero, row, QString::number(number.toLongLong()));
    MessageSeam::current().information(QStringLiteral("Registro Actualizado Correctamente"));
}

void TFProveedores::SBActualizarCVClick() { updateVoucherNumber(m_sales); }

void TFProveedores::SBActualizarCCClick() { updateVoucherNumber(m_purchases); }
