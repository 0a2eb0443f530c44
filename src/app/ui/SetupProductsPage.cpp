#include "app/ui/SetupProductsPage.h"

#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "data/UDataModule.h"
#include "masterdata/ui/UImportarP.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SetupProductsPage::SetupProductsPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PProductos"));
    setTitle(QStringLiteral("Productos"));
    setSubTitle(QStringLiteral("Lo que la tienda vende."));
    m_LProductos = new QLabel(this);
    m_LProductos->setObjectName(QStringLiteral("LProductos"));
    auto* import = new QPushButton(QStringLiteral("Importar Productos"), this);
    import->setObjectName(QStringLiteral("SBImportarP"));
    import->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SetupFields::note(
        this, QStringLiteral("Si tiene la lista de productos en una hoja de cálculo (Excel .xlsx o .csv), tráigala de una "
                             "vez: una fila por producto, con títulos como Nombre, Marca, Categoría, Costo, Precio, "
                             "Código de Barras y Stock Inicial. Antes de guardar verá cada fila con problemas y su "
                             "número de línea.")));
    layout->addWidget(import, 0, Qt::AlignLeft);
    layout->addWidget(
        SetupFields::note(this, QStringLiteral("También puede cargarlos uno por uno en Almacen > Gestionar Almacen.")));
    layout->addStretch(1);
    layout->addWidget(m_LProductos);
    connect(import, &QPushButton::clicked, this, [this] {
        if (TFImportarP* dialog = TFImportarP::ChooseAndOpen(this))
            connect(dialog, &QDialog::accepted, this, &SetupProductsPage::countProducts);
    });
}

void SetupProductsPage::initializePage() { countProducts(); }

void SetupProductsPage::countProducts()
{
    qint64 count = 0;
    try {
        count = TDataModule1::instance().query(QStringLiteral("SELECT COUNT(*) FROM Productos")).integer(0);
    } catch (const DatabaseError&) {
    }
    SetupFields::showState(m_LProductos, count > 0, QStringLiteral("La tienda tiene %1 productos.").arg(count),
                           QStringLiteral("La tienda todavía no tiene productos."));
}
