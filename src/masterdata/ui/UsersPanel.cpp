#include "masterdata/ui/UsersPanel.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "masterdata/UserAccounts.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

using NamedControls::Button;

namespace {

// One rights string and its boxes: the box of position n is named "CB" + prefix + n after the
// main-window command it allows.
struct RightsGroup {
    const char* title;
    const char* prefix;
    int length;  // characters stored
    QList<QPair<int, const char*>> boxes;
};

const QList<RightsGroup>& Groups()
{
    static const QList<RightsGroup> groups = {
        {"Ventas:",
         "V",
         9,
         {{1, "Registrar Ventas"},
          {2, "Cobrar Deudas"},
          {3, "Gestionar Ventas"},
          {4, "Consultar Ventas"},
          {5, "Consultar Deudores"},
          {6, "Gen. Libro de Ventas"},
          {7, "Gestionar Clientes"},
          {8, "Comprobantes"},
          {9, "Entregas"}}},
        {"Compras:",
         "C",
         11,
         {{1, "Compra de Productos"},
          {2, "Compra de Insumos"},
          {3, "Compra de Servicios"},
          {4, "Pagar Deudas"},
          {5, "C/Compra Productos"},
          {6, "C/Compra Insumos"},
          {7, "C/Compra Servicios"},
          {8, "Consultar Deudas"},
          {9, "Gen. Libro de Compras"},
          {10, "Gestionar Proveedores"},
          {11, "Comprobantes"}}},
        {"Herramientas:",
         "H",
         6,
         {{1, "Cambiar Clave de Usuario"},
          {2, "Gestionar Usuarios"},
          {3, "Gestionar Dosificaciones"},
          {4, "Datos Contribuyente"},
          {5, "Certificacion Codigo Control"},
          {6, "Parametros de Configuración"}}},
        // Position 4 of the cash string has no box and is always stored as '0'.
        {"Caja:", "J", 5, {{1, "Abrir Caja"}, {2, "Cerrar Caja"}, {3, "Reporte Caja Diaria"}, {5, "Boton Pre-Reporte"}}},
        {"Almacén:",
         "S",
         8,
         {{1, "Gestionar Almacen"},
          {2, "Registrar Egreso de Insumos"},
          {3, "Consultar Egreso de Insumos"},
          {4, "Gestionar Insumos"},
          {5, "Consultar Stock Productos"},
          {6, "Consultar Stock Insumos"},
          {7, "Arquear Inventario Productos"},
          {8, "Arquear Inventario Insumos"}}},
    };
    return groups;
}

QLineEdit* UserField(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* edit = NamedControls::Field(parent, name, maxLength);
    InputFilters::upperCase(edit);
    return edit;
}

void Report(const QString& refusal)
{
    if (!refusal.isEmpty())
        MessageSeam::current().information(refusal);
}

}

UsersPanel::UsersPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PUsuarios"));
    m_Vec0 = new DataGrid(this);
    m_Vec0->setObjectName(QStringLiteral("Vec0"));
    m_Vec0->addColumn(QStringLiteral("Nro"), DataGrid::ColumnType::Number, 34);
    m_Vec0->addColumn(QStringLiteral("Usuario"), DataGrid::ColumnType::Text, 130);
    m_Vec0->addColumn(QStringLiteral("S"), DataGrid::ColumnType::Check, 30);
    m_Vec0->addColumn(QString(), DataGrid::ColumnType::Image, 30);
    m_Vec0->setColumnImage(ColEliminar, style()->standardIcon(QStyle::SP_TrashIcon).pixmap(16, 16));
    for (const char* hidden : {"Clave", "Nombre", "Ocupacion", "M1", "M2", "M3", "M4", "M5"})
        m_Vec0->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 80, true);
    m_Vec0->setFixedWidth(244);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PCUsuarios"));
    tabs->addTab(buildDataTab(), QStringLiteral("Datos del Usuario"));
    tabs->addTab(buildRightsTab(), QStringLiteral("Niveles de Acceso"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Vec0);
    layout->addWidget(tabs, 1);

    connect(m_Vec0, &DataGrid::rowSelected, this, &UsersPanel::selectRow);
    connect(m_Vec0, &QTableWidget::cellClicked, this, &UsersPanel::Vec0CellClick);

    setEditing(false);
    m_SBInsertar->setEnabled(false);
    loadUsers();
    if (m_Vec0->rowCount() > 0) {
        m_Vec0->goToRow(0);
        selectRow(0);
    }
}

QWidget* UsersPanel::buildDataTab()
{
    auto* tab = new QWidget;
    m_ELogin = UserField(tab, "ELogin", 15);
    m_EClave1 = UserField(tab, "EClave1", 15);
    m_EClave2 = UserField(tab, "EClave2", 15);
    m_ENombre = UserField(tab, "ENombre", 40);
    m_EOcupacion = UserField(tab, "EOcupacion", 30);
    m_EClave1->setEchoMode(QLineEdit::Password);
    m_EClave2->setEchoMode(QLineEdit::Password);
    // Enter moves on in the order of the fields (not from the last one).
    const QList<QLineEdit*> order = {m_ELogin, m_EClave1, m_EClave2, m_ENombre, m_EOcupacion};
    for (int i = 0; i + 1 < order.size(); ++i)
        connect(order[i], &QLineEdit::returnPressed, order[i + 1], [next = order[i + 1]] { next->setFocus(); });

    m_SBNuevo = Button(tab, "SBNuevo", QStringLiteral("NUEVO"));
    m_SBInsertar = Button(tab, "SBInsertar", QStringLiteral("INSERTAR"));
    m_SBActualizar = Button(tab, "SBActualizar", QStringLiteral("ACTUALIZAR"));
    connect(m_SBNuevo, &QPushButton::clicked, this, &UsersPanel::SBNuevoClick);
    connect(m_SBInsertar, &QPushButton::clicked, this, &UsersPanel::SBInsertarClick);
    connect(m_SBActualizar, &QPushButton::clicked, this, &UsersPanel::SBActualizarClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Login:"), m_ELogin);
    form->addRow(QStringLiteral("Clave:"), m_EClave1);
    form->addRow(QStringLiteral("Confirmar Clave:"), m_EClave2);
    form->addRow(QStringLiteral("Nombre Completo:"), m_ENombre);
    form->addRow(QStringLiteral("Ocupacion en el Sistema:"), m_EOcupacion);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_SBNuevo, m_SBInsertar, m_SBActualizar})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return tab;
}

QWidget* UsersPanel::buildRightsTab()
{
    auto* tab = new QWidget;
    QList<QGroupBox*> groupBoxes;
    for (const RightsGroup& group : Groups()) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), tab);
        auto* column = new QVBoxLayout(box);
        column->setSpacing(0);
        column->setContentsMargins(8, 2, 8, 2);
        QList<QCheckBox*> byPosition(group.length, nullptr);
        for (const auto& [position, caption] : group.boxes) {
            auto* check = new QCheckBox(QString::fromUtf8(caption), box);
            check->setObjectName(QStringLiteral("CB%1%2").arg(QLatin1String(group.prefix)).arg(position));
            column->addWidget(check);
            byPosition[position - 1] = check;
        }
        column->addStretch(1);
        m_boxes << byPosition;
        groupBoxes << box;
    }
    // Ventas over Caja, Compras alone, Herramientas over Almacén.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    grid->addWidget(groupBoxes[0], 0, 0);
    grid->addWidget(groupBoxes[3], 1, 0);
    grid->addWidget(groupBoxes[1], 0, 1, 2, 1);
    grid->addWidget(groupBoxes[2], 0, 2);
    grid->addWidget(groupBoxes[4], 1, 2);

    m_CBTodo = new QCheckBox(QStringLiteral("Seleccionar Todo"), tab);
    m_CBTodo->setObjectName(QStringLiteral("CBTodo"));
    connect(m_CBTodo, &QCheckBox::toggled, this, [this](bool all) {
        for (const auto& boxes : m_boxes)
            for (QCheckBox* box : boxes)
                if (box)
                    box->setChecked(all);
    });
    m_SBActualizarN = Button(tab, "SBActualizarN", QStringLiteral("ACTUALIZAR"));
    connect(m_SBActualizarN, &QPushButton::clicked, this, &UsersPanel::SBActualizarNClick);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_CBTodo);
    bottom->addStretch(1);
    bottom->addWidget(m_SBActualizarN);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    return tab;
}

// Fills the list; the highlighted row stays on the remembered user and nothing is selected anew.
void UsersPanel::loadUsers()
{
    QList<UserAccounts::User> users;
    try {
        users = UserAccounts::List();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
    const QSignalBlocker quiet(m_Vec0);
    m_Vec0->clearRows();
    for (const UserAccounts::User& user : users) {
        QStringList cells{QString(),           user.login, user.active ? QStringLiteral("1") : QStringLiteral("0"),
                          QStringLiteral("0"), QString(),  user.name,
                          user.occupation};
        cells << user.rights;
        const int row = m_Vec0->addRow(cells);
        // The state flips through Vec0CellClick only, after the database took the change.
        QTableWidgetItem* state = m_Vec0->item(row, ColEstado);
        state->setFlags(state->flags() & ~Qt::ItemIsUserCheckable);
    }
    renumber();
    m_Vec0->goToRow(rowOf(m_login));
}

void UsersPanel::renumber()
{
    for (int row = 0; row < m_Vec0->rowCount(); ++row)
        m_Vec0->setCell(ColNro, row, QString::number(row + 1));
}

int UsersPanel::rowOf(const QString& login) const
{
    if (login.isEmpty())
        return -1;
    for (int row = 0; row < m_Vec0->rowCount(); ++row)
        if (m_Vec0->cell(ColLogin, row).compare(login, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void UsersPanel::selectRow(int row)
{
    if (row < 0 || row >= m_Vec0->rowCount())
        return;
    m_login = m_Vec0->cell(ColLogin, row);
    m_ELogin->setText(m_login);
    // Only the password's hash is stored: the fields stay empty, and empty keeps it.
    m_EClave1->clear();
    m_EClave2->clear();
    m_ENombre->setText(m_Vec0->cell(ColNombre, row));
    m_EOcupacion->setText(m_Vec0->cell(ColOcupacion, row));
    setEditing(true);
    QStringList rights;
    for (int i = 0; i < 5; ++i)
        rights << m_Vec0->cell(ColM1 + i, row);
    showRights(rights);
}

void UsersPanel::setEditing(bool editing)
{
    m_SBActualizar->setEnabled(editing);
    m_SBInsertar->setEnabled(!editing);
    // A stored user's password is never shown; the empty fields say what leaving them means.
    const QString keeps = editing ? QStringLiteral("vacía: se mantiene la clave actual") : QString();
    m_EClave1->setPlaceholderText(keeps);
    m_EClave2->setPlaceholderText(keeps);
}

void UsersPanel::showRights(const QStringList& rights)
{
    for (int string = 0; string < m_boxes.size(); ++string) {
        const QString text = rights.value(string);
        for (int position = 0; position < m_boxes[string].size(); ++position)
            if (QCheckBox* box = m_boxes[string][position])
                box->setChecked(position < text.size() && text.at(position) == QLatin1Char('1'));
    }
}

QStringList UsersPanel::rightsFromBoxes() const
{
    QStringList rights;
    for (const auto& boxes : m_boxes) {
        QString text;
        for (QCheckBox* box : boxes)
            text += box && box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        rights << text;
    }
    return rights;
}

void UsersPanel::SBNuevoClick()
{
    for (QLineEdit* field : {m_ELogin, m_EClave1, m_EClave2, m_ENombre, m_EOcupacion})
        field->clear();
    m_ELogin->setFocus();
    setEditing(false);
}

void UsersPanel::SBInsertarClick()
{
    const UserAccounts::UserData data{m_ELogin->text(), m_EClave1->text(), m_EClave2->text(), m_ENombre->text(),
                                      m_EOcupacion->text()};
    try {
        if (const QString refusal = UserAccounts::Insert(data); !refusal.isEmpty()) {
            Report(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    loadUsers();
    SBNuevoClick();
}

void UsersPanel::SBActualizarClick()
{
    const int row = rowOf(m_login);
    if (row < 0)
        return;
    const UserAccounts::UserData data{m_ELogin->text(), m_EClave1->text(), m_EClave2->text(), m_ENombre->text(),
                                      m_EOcupacion->text()};
    try {
        if (const QString refusal = UserAccounts::Update(m_login, data); !refusal.isEmpty()) {
            Report(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    m_login = data.login.trimmed();
    m_Vec0->setCell(ColLogin, row, m_login);
    m_EClave1->clear();
    m_EClave2->clear();
    m_Vec0->setCell(ColNombre, row, data.name.trimmed());
    m_Vec0->setCell(ColOcupacion, row, data.occupation.trimmed());
}

void UsersPanel::SBActualizarNClick()
{
    const int row = rowOf(m_login);
    if (row < 0)
        return;
    const QStringList rights = rightsFromBoxes();
    try {
        if (const QString refusal = UserAccounts::SaveRights(m_login, rights); !refusal.isEmpty()) {
            Report(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    for (int i = 0; i < rights.size(); ++i)
        m_Vec0->setCell(ColM1 + i, row, rights[i]);
    MessageSeam::current().information(
        QStringLiteral("Cambios actualizados correctamente, para que surja efecto debe iniciar sesion nuevamente"));
}

void UsersPanel::Vec0CellClick(int row, int column)
{
    if (row < 0 || row >= m_Vec0->rowCount())
        return;
    if (column == ColEstado)
        toggleState(row);
    else if (column == ColEliminar)
        deleteUser(row);
}

void UsersPanel::toggleState(int row)
{
    const bool activate = !m_Vec0->isChecked(ColEstado, row);
    try {
        if (const QString refusal = UserAccounts::SetActive(m_Vec0->cell(ColLogin, row), activate); !refusal.isEmpty()) {
            Report(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    m_Vec0->setChecked(ColEstado, row, activate);
    MessageSeam::current().information(activate ? QStringLiteral("Usuario activado correctamente")
                                                : QStringLiteral("Usuario bloqueado correctamente"));
}

void UsersPanel::deleteUser(int row)
{
    const QString login = m_Vec0->cell(ColLogin, row);
    if (UserAccounts::IsCurrentUser(login)) {
        Report(QStringLiteral("Usuario actual no puede Editar estos Datos"));
        return;
    }
    if (!MessageSeam::current().question(QStringLiteral("Eliminar Usuario"),
                                         QStringLiteral("Esta Seguro que quiere Eliminar el Usuario?...")))
        return;
    try {
        Report(UserAccounts::Remove(login));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    const bool wasShown = login.compare(m_login, Qt::CaseInsensitive) == 0;
    {
        const QSignalBlocker quiet(m_Vec0);
        m_Vec0->removeRow(row);
        renumber();
        m_Vec0->goToRow(wasShown ? qMin(row, m_Vec0->rowCount() - 1) : rowOf(m_login));
    }
    if (!wasShown)
        return;
    m_login.clear();
    if (m_Vec0->rowCount() > 0)
        selectRow(m_Vec0->selectedRow());
    else
        SBNuevoClick();
}
