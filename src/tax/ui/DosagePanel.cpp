#include "tax/ui/DosagePanel.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/ProgramEndSeam.h"
#include "data/SessionState.h"
#include "data/SharedFunctions.h"
#include "tax/Dosages.h"
#include "widgets/DataGrid.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using NamedControls::Button;
using NamedControls::SizedField;

namespace {

const QString kQuestionTitle = QStringLiteral("Dosificacion");

QPlainTextEdit* Memo(QWidget* parent, const char* name, int maxLength, int lines)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setTabChangesFocus(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // one line, wrapped
    memo->setMinimumWidth(memo->fontMetrics().averageCharWidth() * 40 + 16);
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + 12);
    InputFilters::singleLineMemo(memo, maxLength);
    return memo;
}

}

DosagePanel::DosagePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PDosificaciones"));
    m_VecDo = new DataGrid(this);
    m_VecDo->setObjectName(QStringLiteral("VecDo"));
    m_VecDo->addColumn(QStringLiteral("N"), DataGrid::ColumnType::Number, 30);
    m_VecDo->addColumn(QStringLiteral("Fecha Dosificacion"), DataGrid::ColumnType::Text, 136);
    m_VecDo->addColumn(QStringLiteral("E"), DataGrid::ColumnType::Check, 30);
    for (const char* hidden : {"IdDosificacion", "FechaR", "NAutorizacion", "Dosificacion", "FLimiteE", "Leyenda",
                               "TelefonoS", "DireccionS", "CiudadS", "TelefonoM", "DireccionM", "CiudadM"})
        m_VecDo->addColumn(QLatin1String(hidden), DataGrid::ColumnType::Text, 80, true);
    m_VecDo->setFixedWidth(222);
    connect(m_VecDo, &DataGrid::rowSelected, this, &DosagePanel::selectRow);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PCDosificaciones"));
    tabs->addTab(buildDosageTab(), QStringLiteral("Dosificacion"));
    tabs->addTab(buildInvoiceNumberTab(), QStringLiteral("Numero de Factura"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_VecDo);
    layout->addWidget(tabs, 1);

    const SessionState& s = SessionState::current();
    if (atBranch())
        showAddress(s.BranchPhone, s.BranchAddress, s.BranchCity);
    else
        showAddress(s.HeadOfficePhone, s.HeadOfficeAddress, s.HeadOfficeCity);
    loadDosages();
    loadInvoiceNumber();
}

QWidget* DosagePanel::buildDosageTab()
{
    auto* tab = new QWidget;
    m_ENAutorizacion = SizedField(tab, "ENAutorizacion", 15);
    InputFilters::digitsAnd(m_ENAutorizacion, QString());
    m_MDosificacion = Memo(tab, "MDosificacion", 255, 3);
    m_EFechaL = SizedField(tab, "EFechaL", 10);
    InputFilters::digitsAnd(m_EFechaL, QStringLiteral("/"));
    m_MLeyenda = Memo(tab, "MLeyenda", 255, 3);
    InputFilters::plainLetters(m_MLeyenda);

    // A branch edits its own address; the head office's comes from the taxpayer data.
    const bool branch = atBranch();
    const QString where = branch ? QStringLiteral("Sucursal") : QStringLiteral("Casa Matriz");
    auto* address = new QGroupBox(QStringLiteral("Dirección/Telf. Casa Matriz y Sucursal"), tab);
    m_ETelefono = SizedField(address, "ETelefono", 10);
    InputFilters::digitsAnd(m_ETelefono, QStringLiteral("-"));
    m_EDireccion = SizedField(address, "EDireccion", 40);
    m_ECiudad = SizedField(address, "ECiudad", 20);
    m_LDireccion = new QLabel(QStringLiteral("Dirección ") + where, address);
    m_LTelefono = new QLabel(QStringLiteral("Telefono ") + where, address);
    m_LCiudad = new QLabel(QStringLiteral("Ciudad ") + where, address);
    m_LDireccion->setObjectName(QStringLiteral("LDireccion"));
    m_LTelefono->setObjectName(QStringLiteral("LTelefono"));
    m_LCiudad->setObjectName(QStringLiteral("LCiudad"));
    for (QLineEdit* field : {m_ETelefono, m_EDireccion, m_ECiudad})
        field->setEnabled(branch);
    auto* addressForm = new QFormLayout(address);
    addressForm->addRow(m_LDireccion, m_EDireccion);
    addressForm->addRow(m_LTelefono, m_ETelefono);
    addressForm->addRow(m_LCiudad, m_ECiudad);

    m_SBBorrarDs = Button(tab, "SBBorrarDs", QStringLiteral("Limpiar Datos"));
    m_SBActualizarDo = Button(tab, "SBActualizarDo", QStringLiteral("Actualizar Dosificacion"));
    m_SBInsertarDo = Button(tab, "SBInsertarDo", QStringLiteral("Insertar Dosificacion"));
    m_SBActualizarDo->setEnabled(false);
    m_SBInsertarDo->setEnabled(false);
    connect(m_SBBorrarDs, &QPushButton::clicked, this, &DosagePanel::SBBorrarDsClick);
    connect(m_SBActualizarDo, &QPushButton::clicked, this, &DosagePanel::SBActualizarDoClick);
    connect(m_SBInsertarDo, &QPushButton::clicked, this, &DosagePanel::SBInsertarDoClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Numero de Autorizacion:"), m_ENAutorizacion);
    form->addRow(QStringLiteral("Llave de Dosificación:"), m_MDosificacion);
    form->addRow(QStringLiteral("Fecha Limite de Emisión (DD/MM/AAAA):"), m_EFechaL);
    form->addRow(QStringLiteral("Leyenda de Factura:"), m_MLeyenda);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {m_SBBorrarDs, m_SBActualizarDo, m_SBInsertarDo})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addWidget(address);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return tab;
}

QWidget* DosagePanel::buildInvoiceNumberTab()
{
    auto* tab = new QWidget;
    m_ENumeroF = SizedField(tab, "ENumeroF", 15);
    InputFilters::digitsAnd(m_ENumeroF, QString());
    m_SBActualizarF = Button(tab, "SBActualizarF", QStringLiteral("Actualizar Numero de Factura"));
    connect(m_SBActualizarF, &QPushButton::clicked, this, &DosagePanel::SBActualizarFClick);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Factura Numero de Inicio:"), m_ENumeroF);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBActualizarF);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return tab;
}

bool DosagePanel::atBranch() const { return SessionState::current().BranchNumber != 0; }

void DosagePanel::loadDosages()
{
    QList<Dosages::Dosage> list;
    try {
        list = Dosages::Latest();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
    const QSignalBlocker quiet(m_VecDo);
    m_VecDo->clearRows();
    for (const Dosages::Dosage& d : list) {
        const int row =
            m_VecDo->addRow({QString::number(m_VecDo->rowCount() + 1), Formats::MonthNameDate(d.registered),
                             d.active ? QStringLiteral("1") : QStringLiteral("0"), QString::number(d.id),
                             Formats::Date(d.registered), d.authorization, d.key, Formats::Date(d.deadline), d.legend,
                             d.branchPhone, d.branchAddress, d.branchCity, d.headPhone, d.headAddress, d.headCity});
        QTableWidgetItem* mark = m_VecDo->item(row, ColE);
        mark->setFlags(mark->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void DosagePanel::loadInvoiceNumber()
{
    try {
        m_ENumeroF->setText(QString::number(ReadInvoiceCounter()));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
}

void DosagePanel::showAddress(const QString& phone, const QString& address, const QString& city)
{
    m_ETelefono->setText(phone);
    m_EDireccion->setText(address);
    m_ECiudad->setText(city);
}

void DosagePanel::selectRow(int row)
{
    if (row < 0 || row >= m_VecDo->rowCount())
        return;
    m_row = row;
    m_ENAutorizacion->setText(m_VecDo->cell(ColNAutorizacion, row));
    m_MDosificacion->setPlainText(m_VecDo->cell(ColDosificacion, row));
    m_EFechaL->setText(m_VecDo->cell(ColFLimiteE, row));
    m_MLeyenda->setPlainText(m_VecDo->cell(ColLeyenda, row));
    if (atBranch())
        showAddress(m_VecDo->cell(ColTelefonoS, row), m_VecDo->cell(ColDireccionS, row), m_VecDo->cell(ColCiudadS, row));
    else
        showAddress(m_VecDo->cell(ColTelefonoM, row), m_VecDo->cell(ColDireccionM, row), m_VecDo->cell(ColCiudadM, row));
    m_SBActualizarDo->setEnabled(true);
    m_SBInsertarDo->setEnabled(false);
}

void DosagePanel::SBBorrarDsClick()
{
    m_ENAutorizacion->clear();
    m_MDosificacion->clear();
    m_EFechaL->clear();
    m_MLeyenda->clear();
    // A new dosage at the head office carries today's taxpayer address, not a listed row's.
    if (!atBranch()) {
        const SessionState& s = SessionState::current();
        showAddress(s.HeadOfficePhone, s.HeadOfficeAddress, s.HeadOfficeCity);
    }
    m_SBActualizarDo->setEnabled(false);
    m_SBInsertarDo->setEnabled(true);
    m_ENAutorizacion->setFocus();
}

bool DosagePanel::accepted(const QString& refusal, bool error)
{
    if (refusal.isEmpty())
        return true;
    if (error)
        MessageSeam::current().error(refusal);
    else
        MessageSeam::current().information(refusal);
    return false;
}

void DosagePanel::finish(const QString& message)
{
    MessageSeam::current().information(message);
    ProgramEndSeam::current().requestEnd();
}

void DosagePanel::SBInsertarDoClick()
{
    const Dosages::DosageInput input{
        m_ENAutorizacion->text(), m_MDosificacion->toPlainText(), m_EFechaL->text(), m_MLeyenda->toPlainText(),
        m_ETelefono->text(),      m_EDireccion->text(),           m_ECiudad->text()};
    bool error = false;
    const QString refusal = Dosages::Check(input, &error);
    if (!accepted(refusal, error))
        return;
    if (!MessageSeam::current().question(kQuestionTitle,
                                         QStringLiteral("Esta seguro que quiere Insertar los Datos de DOSIFICACION?...")))
        return;
    try {
        if (!accepted(Dosages::Insert(input), false))
            return;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    finish(QStringLiteral("Dosificacion Introducida Correctamente, el sistema se cerrara para actualizar datos"));
}

void DosagePanel::SBActualizarDoClick()
{
    if (m_row < 0 || !m_VecDo->isChecked(ColE, m_row)) {
        MessageSeam::current().information(QStringLiteral("Esta Dosificacion ya no es posible Actualizar, no insista"));
        return;
    }
    const Dosages::DosageInput input{
        m_ENAutorizacion->text(), m_MDosificacion->toPlainText(), m_EFechaL->text(), m_MLeyenda->toPlainText(),
        m_ETelefono->text(),      m_EDireccion->text(),           m_ECiudad->text()};
    bool error = false;
    const QString refusal = Dosages::Check(input, &error);
    if (!accepted(refusal, error))
        return;
    if (!MessageSeam::current().question(kQuestionTitle,
                                         QStringLiteral("Esta seguro que quiere Actualizar los Datos de DOSIFICACION?...")))
        return;
    try {
        if (!accepted(Dosages::UpdateActive(m_VecDo->cell(ColIdDosificacion, m_row).toInt(), input), false))
            return;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    finish(QStringLiteral("Datos Actualizados Correctamente, el sistema se cerrara para actualizar datos"));
}

void DosagePanel::SBActualizarFClick()
{
    const QString number = m_ENumeroF->text();
    try {
        if (!accepted(Dosages::CheckNextInvoiceNumber(number), false))
            return;
        if (!MessageSeam::current().question(QStringLiteral("Numero de Factura"),
                                             QStringLiteral("Esta seguro que quiere Actualizar en Numero de Factura?...")))
            return;
        if (!accepted(Dosages::SetNextInvoiceNumber(number), false))
            return;
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    finish(QStringLiteral("Numero de Factura Actualizado Correctamente, el sistema se cerrara para actualizar datos"));
}
