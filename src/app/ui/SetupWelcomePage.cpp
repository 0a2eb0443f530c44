#include "app/ui/SetupWelcomePage.h"

#include "app/SetupProgress.h"
#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "printing/ui/InstalledPrinters.h"

#include <QLabel>
#include <QVBoxLayout>

SetupWelcomePage::SetupWelcomePage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PBienvenida"));
    setTitle(QStringLiteral("Bienvenido"));
    setSubTitle(QStringLiteral("Este asistente prepara la tienda para vender."));
    m_LPasos = new QLabel(this);
    m_LPasos->setObjectName(QStringLiteral("LPasos"));
    m_LPasos->setTextFormat(Qt::RichText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SetupFields::note(
        this, QStringLiteral("Pulse \"Siguiente\" para ir paso a paso. Cada paso se guarda al pasar al siguiente. "
                             "Puede dejar el asistente cuando quiera y terminarlo después desde "
                             "Herramientas > Asistente de Configuración: lo guardado queda guardado.")));
    layout->addSpacing(10);
    layout->addWidget(m_LPasos);
    layout->addStretch(1);
}

void SetupWelcomePage::initializePage()
{
    SetupProgress progress;
    try {
        progress = SetupProgress::Read(int(InstalledPrinters::names().size()));
    } catch (const DatabaseError&) {
    }
    const auto line = [](bool done, const QString& text) {
        return QStringLiteral("<tr><td style='color:%1; padding-right:8px'>%2</td><td>%3</td></tr>")
            .arg(done ? QStringLiteral("#1e7b34") : QStringLiteral("#a0281e"),
                 done ? QStringLiteral("&#10004; Listo") : QStringLiteral("&#9675; Falta"), text);
    };
    m_LPasos->setText(QStringLiteral("<table>") + line(progress.taxpayer, QStringLiteral("Datos del contribuyente"))
                      + line(progress.invoicing, QStringLiteral("Facturación (dosificación)"))
                      + line(progress.printer, QStringLiteral("Impresora de tickets"))
                      + line(progress.password, QStringLiteral("Clave propia del administrador"))
                      + line(progress.users, QStringLiteral("Usuarios (cajeros)"))
                      + line(progress.products, QStringLiteral("Productos")) + QStringLiteral("</table>"));
}
