#include "app/ui/SetupPrinterPage.h"

#include "app/ui/SetupFields.h"
#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/SystemParameters.h"
#include "printing/TestTicket.h"
#include "printing/ui/InstalledPrinters.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SetupPrinterPage::SetupPrinterPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PImpresora"));
    setTitle(QStringLiteral("Impresora de Tickets"));
    setSubTitle(QStringLiteral("Dónde salen los tickets y las facturas."));
    m_RBTicket = new QRadioButton(QStringLiteral("Impresora de Ticket Max. 40 caracteres (ancho 7,5 cm)"), this);
    m_RBTicket->setObjectName(QStringLiteral("RBTicket"));
    m_RBCarta = new QRadioButton(QStringLiteral("Impresora Normal (ancho tamaño Carta)"), this);
    m_RBCarta->setObjectName(QStringLiteral("RBCarta"));
    m_CBImpresora = new QComboBox(this);
    m_CBImpresora->setObjectName(QStringLiteral("CBImpresora"));
    m_LSinImpresora = SetupFields::note(
        this, QStringLiteral("Esta computadora no tiene impresoras instaladas: cada ticket se guardará como un "
                             "archivo PDF en la carpeta \"tickets\", junto a la base de datos."));
    m_LSinImpresora->setObjectName(QStringLiteral("LSinImpresora"));
    auto* test = new QPushButton(QStringLiteral("Imprimir Prueba"), this);
    test->setObjectName(QStringLiteral("SBPrueba"));
    test->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_RBTicket);
    auto* form = new QFormLayout;
    form->setContentsMargins(24, 0, 0, 0);
    form->addRow(QStringLiteral("Impresora de tickets:"), m_CBImpresora);
    layout->addLayout(form);
    layout->addWidget(m_RBCarta);
    layout->addWidget(m_LSinImpresora);
    layout->addSpacing(10);
    layout->addWidget(test, 0, Qt::AlignLeft);
    layout->addWidget(SetupFields::note(this, QStringLiteral("La prueba guarda la elección e imprime un ticket corto: "
                                                             "si se leen las 40 columnas, la impresora está lista.")));
    layout->addStretch(1);
    connect(m_RBTicket, &QRadioButton::toggled, m_CBImpresora, &QWidget::setEnabled);
    connect(test, &QPushButton::clicked, this, &SetupPrinterPage::SBPruebaClick);
}

void SetupPrinterPage::initializePage()
{
    const SessionState& s = SessionState::current();
    const QStringList printers = InstalledPrinters::names();
    m_CBImpresora->clear();
    m_CBImpresora->addItems(printers);
    m_CBImpresora->setCurrentIndex(s.TicketPrinterIndex < printers.size() ? s.TicketPrinterIndex : -1);
    (s.PrintFormat == 0 ? m_RBTicket : m_RBCarta)->setChecked(true);
    m_CBImpresora->setEnabled(m_RBTicket->isChecked());
    m_LSinImpresora->setVisible(printers.isEmpty());
}

bool SetupPrinterPage::store()
{
    const SessionState& s = SessionState::current();
    try {
        SystemParameters{s.InvoicingEnabled, m_RBTicket->isChecked() ? 0 : 1, m_CBImpresora->currentIndex()}.save();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
    return true;
}

void SetupPrinterPage::SBPruebaClick()
{
    if (!store())
        return;
    const QString failure = PrintTestTicket(m_CBImpresora->currentText(), ClockSeam::current().now());
    if (!failure.isEmpty())
        MessageSeam::current().error(failure);
}

bool SetupPrinterPage::validatePage() { return store(); }
