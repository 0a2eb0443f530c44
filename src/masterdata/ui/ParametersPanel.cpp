#include "masterdata/ui/ParametersPanel.h"

#include "data/BackupFolder.h"
#include "data/DatabaseEngine.h"
#include "data/DatabaseError.h"
#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/ProgramEndSeam.h"
#include "data/SessionState.h"
#include "data/ShopBackup.h"
#include "data/UDataModule.h"
#include "masterdata/DatabaseEmptying.h"
#include "masterdata/SystemParameters.h"
#include "printing/ui/InstalledPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kEmptyingTitle = QStringLiteral("Vaciar Base de Datos");

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}

ParametersPanel::ParametersPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PParametros"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PCParametros"));
    tabs->addTab(buildPrintingTab(), QStringLiteral("Facturación e Impresión"));
    tabs->addTab(buildDatabaseTab(), QStringLiteral("Base de Datos"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    showSettings();
}

QWidget* ParametersPanel::buildPrintingTab()
{
    auto* tab = new QWidget;
    auto* invoicing = new QGroupBox(QStringLiteral("Facturación"), tab);
    m_CBFacturar = new QCheckBox(QStringLiteral("Habilitar Facturación Computarizada"), invoicing);
    m_CBFacturar->setObjectName(QStringLiteral("CBFacturar"));
    (new QVBoxLayout(invoicing))->addWidget(m_CBFacturar);

    auto* format = new QGroupBox(QStringLiteral("Formato Impresión de Factura y Pedido"), tab);
    m_RBTicket = new QRadioButton(QStringLiteral("Impresora de Ticket Max. 40 caracteres (ancho 7,5 cm)"), format);
    m_RBTicket->setObjectName(QStringLiteral("RBTicket"));
    m_RBCarta = new QRadioButton(QStringLiteral("Impresora Normal (ancho tamaño Carta)"), format);
    m_RBCarta->setObjectName(QStringLiteral("RBCarta"));
    auto* formatLayout = new QVBoxLayout(format);
    formatLayout->addWidget(m_RBTicket);
    formatLayout->addWidget(buildTicketPrinter(format));
    formatLayout->addWidget(m_RBCarta);
    connect(m_RBTicket, &QRadioButton::toggled, m_PImpresoraTicket, &QWidget::setVisible);

    m_SBActualizarF = new QPushButton(QStringLiteral(" A C T U A L I Z A R"), tab);
    m_SBActualizarF->setObjectName(QStringLiteral("SBActualizarF"));
    m_SBActualizarF->setMinimumSize(220, 34);  // room around its spaced-out caption
    connect(m_SBActualizarF, &QPushButton::clicked, this, &ParametersPanel::SBActualizarFClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBActualizarF);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(invoicing);
    layout->addWidget(format);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return tab;
}

// The ticket printer: one of the computer's printers, or a thermal printer reached directly
// through its device file or its network address.
QWidget* ParametersPanel::buildTicketPrinter(QWidget* parent)
{
    m_PImpresoraTicket = new QWidget(parent);
    m_PImpresoraTicket->setObjectName(QStringLiteral("PImpresoraTicket"));
    m_CBTipoImpresora = new QComboBox(m_PImpresoraTicket);
    m_CBTipoImpresora->setObjectName(QStringLiteral("CBTipoImpresora"));
    m_CBTipoImpresora->addItems({QStringLiteral("Impresora instalada"), QStringLiteral("Impresora térmica directa (ESC/POS)")});
    m_CBImpresora = new QComboBox(m_PImpresoraTicket);
    m_CBImpresora->setObjectName(QStringLiteral("CBImpresora"));
    m_CBImpresora->setEditable(false);
    m_CBImpresora->setMinimumWidth(260);

    m_PImpresoraDirecta = new QWidget(m_PImpresoraTicket);
    m_PImpresoraDirecta->setObjectName(QStringLiteral("PImpresoraDirecta"));
    m_EImpresoraDirecta = new QLineEdit(m_PImpresoraDirecta);
    m_EImpresoraDirecta->setObjectName(QStringLiteral("EImpresoraDirecta"));
    m_EImpresoraDirecta->setMaxLength(100);
    m_EImpresoraDirecta->setPlaceholderText(QStringLiteral("/dev/usb/lp0  o  192.168.1.50:9100"));
    m_CBPaginaCodigos = new QComboBox(m_PImpresoraDirecta);
    m_CBPaginaCodigos->setObjectName(QStringLiteral("CBPaginaCodigos"));
    m_CBPaginaCodigos->addItems({QStringLiteral("PC850"), QStringLiteral("PC858")});
    m_CBCajon = new QCheckBox(QStringLiteral("Abrir el cajón de dinero con las ventas al contado y el cierre de caja"),
                              m_PImpresoraDirecta);
    m_CBCajon->setObjectName(QStringLiteral("CBCajon"));
    auto* direct = new QFormLayout(m_PImpresoraDirecta);
    direct->setContentsMargins(0, 0, 0, 0);
    direct->addRow(QStringLiteral("Dispositivo o dirección:"), m_EImpresoraDirecta);
    direct->addRow(QStringLiteral("Página de códigos:"), m_CBPaginaCodigos);
    direct->addRow(m_CBCajon);

    auto* layout = new QVBoxLayout(m_PImpresoraTicket);
    layout->setContentsMargins(24, 0, 0, 0);
    auto* kind = new QHBoxLayout;
    kind->addWidget(m_CBTipoImpresora);
    kind->addWidget(m_CBImpresora);
    kind->addStretch(1);
    layout->addLayout(kind);
    layout->addWidget(m_PImpresoraDirecta);
    connect(m_CBTipoImpresora, &QComboBox::currentIndexChanged, this, &ParametersPanel::showPrinterKind);
    return m_PImpresoraTicket;
}

void ParametersPanel::showPrinterKind()
{
    const bool direct = m_CBTipoImpresora->currentIndex() == 1;
    m_CBImpresora->setVisible(!direct);
    m_PImpresoraDirecta->setVisible(direct);
}

QWidget* ParametersPanel::buildDatabaseTab()
{
    auto* tab = new QWidget;
    auto* group = new QGroupBox(kEmptyingTitle, tab);
    auto* note = new QLabel(QStringLiteral("ATENCION: Al vaciar la Base de Datos se eliminaran todos los registros "
                                           "(Ventas) realizadas hasta la fecha, incluidas las ventas FACTURADAS."),
                            group);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #a01010; font-weight: bold;"));
    m_SBVaciarDB = new QPushButton(QStringLiteral(" V A C I A R   D B"), group);
    m_SBVaciarDB->setObjectName(QStringLiteral("SBVaciarDB"));
    connect(m_SBVaciarDB, &QPushButton::clicked, this, &ParametersPanel::SBVaciarDBClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBVaciarDB);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(note);
    groupLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(buildBackupGroup(tab));
    layout->addWidget(group);
    layout->addStretch(1);
    return tab;
}

QWidget* ParametersPanel::buildBackupGroup(QWidget* parent)
{
    auto* group = new QGroupBox(QStringLiteral("Copias de Seguridad"), parent);
    auto* note = new QLabel(QStringLiteral("Al cerrar la caja se guarda una copia revisada de la base de datos en "
                                           "esta carpeta; se conservan las %1 últimas de esta tienda (las de "
                                           "otras tiendas no se tocan).")
                                .arg(ShopBackup::kCopiesKept),
                            group);
    note->setWordWrap(true);
    m_ECarpetaC = new QLineEdit(group);
    m_ECarpetaC->setObjectName(QStringLiteral("ECarpetaC"));
    m_ECarpetaC->setReadOnly(true);
    m_SBCarpetaC = new QPushButton(QStringLiteral("Cambiar Carpeta..."), group);
    m_SBCarpetaC->setObjectName(QStringLiteral("SBCarpetaC"));
    m_SBCarpetaP = new QPushButton(QStringLiteral("Carpeta Predeterminada"), group);
    m_SBCarpetaP->setObjectName(QStringLiteral("SBCarpetaP"));
    connect(m_SBCarpetaC, &QPushButton::clicked, this, &ParametersPanel::SBCarpetaCClick);
    connect(m_SBCarpetaP, &QPushButton::clicked, this, &ParametersPanel::SBCarpetaPClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBCarpetaP);
    buttons->addWidget(m_SBCarpetaC);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(note);
    layout->addWidget(m_ECarpetaC);
    layout->addLayout(buttons);
    return group;
}

void ParametersPanel::showSettings()
{
    const SessionState& s = SessionState::current();
    m_CBImpresora->addItems(InstalledPrinters::names());
    m_CBImpresora->setCurrentIndex(s.TicketPrinterIndex < m_CBImpresora->count() ? s.TicketPrinterIndex : -1);
    m_CBFacturar->setChecked(s.InvoicingEnabled == 1);
    const bool letter = s.PrintFormat != 0;
    m_RBCarta->setChecked(letter);
    m_RBTicket->setChecked(!letter);
    const TicketPrinterSettings& direct = TicketPrinterSettings::current();
    m_CBTipoImpresora->setCurrentIndex(direct.isDirect() ? 1 : 0);
    m_EImpresoraDirecta->setText(direct.directPrinter);
    m_CBPaginaCodigos->setCurrentIndex(direct.codePage == 858 ? 1 : 0);
    m_CBCajon->setChecked(direct.cashDrawer);
    showPrinterKind();
    m_PImpresoraTicket->setVisible(!letter);
    showBackupFolder();
}

void ParametersPanel::showBackupFolder()
{
    const QString database = TDataModule1::instance().path();
    // A shop on a server is copied by the server, never into a folder of this computer.
    const bool server = DatabaseEngine::IsServer(database);
    m_SBCarpetaC->setEnabled(!server);
    m_SBCarpetaP->setEnabled(!server);
    if (server) {
        m_ECarpetaC->setText(ShopBackup::ServerNotice());
        return;
    }
    try {
        m_ECarpetaC->setText(QDir::toNativeSeparators(BackupFolder::ForDatabase(database)));
    } catch (const DatabaseError& e) {
        m_ECarpetaC->clear();
        MessageSeam::current().error(e.text());
    }
}

void ParametersPanel::SBCarpetaCClick()
{
    const QString folder = FileDialogSeam::current().chooseFolder(this, QStringLiteral("Carpeta de las Copias de Seguridad"),
                                                                  QDir::fromNativeSeparators(m_ECarpetaC->text()));
    if (!folder.isEmpty())
        storeBackupFolder(folder);
}

void ParametersPanel::SBCarpetaPClick() { storeBackupFolder(QString()); }

// An empty folder goes back to the default one beside the database.
void ParametersPanel::storeBackupFolder(const QString& folder)
{
    MessageSeam& messages = MessageSeam::current();
    try {
        if (const QString refusal = BackupFolder::Store(folder); !refusal.isEmpty()) {
            messages.information(QStringLiteral("No se pueden guardar las copias en esa carpeta: %1.").arg(refusal));
            return;
        }
    } catch (const DatabaseError& e) {
        messages.error(e.text());
        return;
    }
    showBackupFolder();
    messages.information(QStringLiteral("Las copias de seguridad se guardaran en: %1").arg(m_ECarpetaC->text()));
}

void ParametersPanel::SBActualizarFClick()
{
    MessageSeam& messages = MessageSeam::current();
    const bool direct = m_CBTipoImpresora->currentIndex() == 1;
    if (direct && m_EImpresoraDirecta->text().trimmed().isEmpty()) {
        messages.information(QStringLiteral("Escriba el dispositivo (/dev/usb/lp0) o la dirección (192.168.1.50:9100) "
                                            "de la impresora térmica."));
        m_EImpresoraDirecta->setFocus();
        return;
    }
    if (!messages.question(QStringLiteral("Parametros de Sistema"),
                           QStringLiteral("Esta seguro Actualizar los parametros?...")))
        return;
    SystemParameters parameters;
    parameters.invoicingEnabled = m_CBFacturar->isChecked() ? 1 : 0;
    parameters.printFormat = m_RBCarta->isChecked() ? 1 : 0;
    parameters.printerIndex = m_CBImpresora->currentIndex();
    parameters.direct.directPrinter = direct ? m_EImpresoraDirecta->text().trimmed() : QString();
    parameters.direct.codePage = m_CBPaginaCodigos->currentIndex() == 1 ? 858 : 850;
    parameters.direct.cashDrawer = m_CBCajon->isChecked();
    try {
        parameters.save();
    } catch (const DatabaseError& e) {
        messages.error(e.text());
        return;
    }
    messages.information(QStringLiteral("Parametros Actualizado Correctamente"));
}

void ParametersPanel::SBVaciarDBClick()
{
    MessageSeam& messages = MessageSeam::current();
    if (!messages.question(kEmptyingTitle, QStringLiteral("Esta seguro de Vaciar la BD?, se eliminara todas las ventas "
                                                          "incluida las Facturadas")))
        return;
    try {
        if (!messages.question(kEmptyingTitle, DatabaseEmptying::Count().question()))
            return;
    } catch (const DatabaseError& e) {
        messages.error(e.text());
        return;
    }
    // Without a copy to go back to, nothing is deleted. A big shop takes a while for both.
    QString copy;
    QString failure;
    {
        const WaitCursor busy;
        failure = DatabaseEmptying::BackUp(&copy);
        try {
            if (failure.isEmpty())
                DatabaseEmptying::Empty();
        } catch (const DatabaseError& e) {
            failure = e.text();
        }
    }
    if (!failure.isEmpty()) {
        messages.error(failure);
        return;
    }
    messages.information(QStringLiteral("La Base de Datos ha sido vaciada correctamente, el Sistema se Cerrara"));
    messages.information(QStringLiteral("Copia de seguridad: ") + QDir::toNativeSeparators(copy));
    ProgramEndSeam::current().requestEnd();
}
