#include "sales/ui/UCantidad.h"

#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TFCantidad::Runner g_runner;

constexpr int ConceptLength = 60;

QLineEdit* NumberField(QWidget* parent, const char* name, int length)
{
    QLineEdit* edit = NamedControls::Field(parent, name, length);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(120);
    QFont big = edit->font();
    big.setPixelSize(16);
    big.setBold(true);
    edit->setFont(big);
    InputFilters::digitsAndPoint(edit);
    return edit;
}

// A quantity: a number above zero.
bool ReadQuantity(const QString& text, double* value) { return Formats::ParseAmount(text, value) && *value > 0; }

// A price or a cost: a number, zero allowed.
bool ReadPrice(const QString& text, double* value) { return Formats::ParseAmount(text, value) && *value >= 0; }

void Prefill(QLineEdit* field, double value)
{
    field->setText(Formats::General(value));
    field->selectAll();
    field->setFocus();
}

}

TFCantidad::TFCantidad(const QuantityRequest& request, QWidget* parent) : QDialog(parent), m_request(request)
{
    setObjectName(QStringLiteral("FCantidad"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildProductLabels());
    layout->addWidget(buildSaleQuantityPanel());
    layout->addWidget(buildPurchasePanel());
    layout->addWidget(buildCostPanel());
    layout->addWidget(buildPhotoPanel());
    layout->addWidget(buildServicePanel());

    m_BAceptar = new QPushButton(QStringLiteral("ACEPTAR"), this);
    m_BAceptar->setObjectName(QStringLiteral("BAceptar"));
    m_BAceptar->setDefault(true);
    m_BCerrar = new QPushButton(QStringLiteral("CERRAR"), this);
    m_BCerrar->setObjectName(QStringLiteral("BCerrar"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_BAceptar);
    buttons->addWidget(m_BCerrar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_BAceptar, &QPushButton::clicked, this, &TFCantidad::BAceptarClick);
    connect(m_BCerrar, &QPushButton::clicked, this, &QDialog::reject);
    showMode();
}

QWidget* TFCantidad::buildProductLabels()
{
    m_labels = new QWidget(this);
    m_labels->setObjectName(QStringLiteral("PDatos"));
    m_LMarca = NamedControls::Label(m_labels, "LMarca");
    m_LProducto = NamedControls::Label(m_labels, "LProducto");
    QFont bold = m_LProducto->font();
    bold.setBold(true);
    m_LProducto->setFont(bold);
    m_LPresentacion = NamedControls::Label(m_labels, "LPresentacion");
    m_LUnidad = NamedControls::Label(m_labels, "LUnidad");
    auto* form = new QFormLayout(m_labels);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Marca:"), m_LMarca);
    form->addRow(QStringLiteral("Producto:"), m_LProducto);
    form->addRow(QStringLiteral("Presentación:"), m_LPresentacion);
    form->addRow(QStringLiteral("Unidad:"), m_LUnidad);
    return m_labels;
}

QWidget* TFCantidad::buildSaleQuantityPanel()
{
    m_PCantidadV = new QWidget(this);
    m_PCantidadV->setObjectName(QStringLiteral("PCantidadV"));
    m_ECantidadV = NumberField(m_PCantidadV, "ECantidadV", 7);
    auto* form = new QFormLayout(m_PCantidadV);
    form->setContentsMargins(0, 6, 0, 0);
    form->addRow(QStringLiteral("Cantidad:"), m_ECantidadV);
    return m_PCantidadV;
}

QWidget* TFCantidad::buildPurchasePanel()
{
    m_PCantidadC = new QWidget(this);
    m_PCantidadC->setObjectName(QStringLiteral("PCantidadC"));
    m_ECantidadC = NumberField(m_PCantidadC, "ECantidadC", 7);
    m_ECTotalC = NumberField(m_PCantidadC, "ECTotalC", 7);
    auto* form = new QFormLayout(m_PCantidadC);
    form->setContentsMargins(0, 6, 0, 0);
    form->addRow(QStringLiteral("Cantidad:"), m_ECantidadC);
    form->addRow(QStringLiteral("Costo Total:"), m_ECTotalC);
    return m_PCantidadC;
}

QWidget* TFCantidad::buildCostPanel()
{
    m_PECosto = new QWidget(this);
    m_PECosto->setObjectName(QStringLiteral("PECosto"));
    m_ECostoN = NumberField(m_PECosto, "ECostoN", 7);
    auto* form = new QFormLayout(m_PECosto);
    form->setContentsMargins(0, 6, 0, 0);
    form->addRow(QStringLiteral("Costo Unitario:"), m_ECostoN);
    return m_PECosto;
}

QWidget* TFCantidad::buildPhotoPanel()
{
    m_PImagen = new QWidget(this);
    m_PImagen->setObjectName(QStringLiteral("PImagen"));
    m_LNombreI = NamedControls::Label(m_PImagen, "LNombreI");
    m_LNombreI->setAlignment(Qt::AlignCenter);
    QFont bold = m_LNombreI->font();
    bold.setBold(true);
    m_LNombreI->setFont(bold);
    m_IFoto = NamedControls::Label(m_PImagen, "IFoto");
    m_IFoto->setAlignment(Qt::AlignCenter);
    m_IFoto->setMinimumSize(240, 240);
    auto* layout = new QVBoxLayout(m_PImagen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_LNombreI);
    layout->addWidget(m_IFoto);
    return m_PImagen;
}

QWidget* TFCantidad::buildServicePanel()
{
    m_PDServicio = new QWidget(this);
    m_PDServicio->setObjectName(QStringLiteral("PDServicio"));
    m_ECantidadS = NumberField(m_PDServicio, "ECantidadS", 4);
    m_MConceptoS = new QPlainTextEdit(m_PDServicio);
    m_MConceptoS->setObjectName(QStringLiteral("MConceptoS"));
    m_MConceptoS->setTabChangesFocus(true);
    m_MConceptoS->setFixedSize(300, 56);
    // The concept is kept to the 60 characters the detail row holds.
    connect(m_MConceptoS, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_MConceptoS->toPlainText();
        if (text.size() > ConceptLength) {
            m_MConceptoS->setPlainText(text.left(ConceptLength));
            m_MConceptoS->moveCursor(QTextCursor::End);
        }
    });
    m_ETotalS = NumberField(m_PDServicio, "ETotalS", 7);
    auto* form = new QFormLayout(m_PDServicio);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Cantidad:"), m_ECantidadS);
    form->addRow(QStringLiteral("Concepto:"), m_MConceptoS);
    form->addRow(QStringLiteral("Total Bs.:"), m_ETotalS);
    return m_PDServicio;
}

void TFCantidad::showMode()
{
    const QuantityRequest& q = m_request;
    for (QWidget* panel : {m_labels, m_PCantidadV, m_PCantidadC, m_PECosto, m_PImagen, m_PDServicio})
        panel->hide();
    m_LMarca->setText(q.BrandOrId);
    m_LProducto->setText(q.ProductName);
    m_LPresentacion->setText(q.Presentation);
    m_LUnidad->setText(q.Unit);
    const bool photo = q.Mode == QuantityRequest::ProductPhotoMode || q.Mode == QuantityRequest::SupplyPhotoMode;
    m_BAceptar->setVisible(!photo);
    m_BCerrar->setVisible(photo);

    switch (q.Mode) {
    case QuantityRequest::SaleQuantityMode:
    case QuantityRequest::SupplyQuantityMode:
        setWindowTitle(q.Mode == QuantityRequest::SaleQuantityMode ? QStringLiteral("Cantidad de Venta")
                                                                   : QStringLiteral("Cantidad de Insumo"));
        m_labels->show();
        m_PCantidadV->show();
        Prefill(m_ECantidadV, q.SaleQuantity);
        break;
    case QuantityRequest::PurchaseQuantityMode:
        setWindowTitle(QStringLiteral("Cantidad de Compra"));
        m_labels->show();
        m_PCantidadC->show();
        m_ECTotalC->setText(Formats::General(q.TotalCost));
        Prefill(m_ECantidadC, q.PurchaseQuantity);
        break;
    case QuantityRequest::UnitCostMode:
        setWindowTitle(QStringLiteral("Costo Unitario"));
        m_labels->show();
        m_PECosto->show();
        Prefill(m_ECostoN, q.UnitCost);
        break;
    case QuantityRequest::ProductPhotoMode:
    case QuantityRequest::SupplyPhotoMode: {
        setWindowTitle(q.Mode == QuantityRequest::ProductPhotoMode ? QStringLiteral("Foto Producto")
                                                                   : QStringLiteral("Foto Insumo"));
        m_PImagen->show();
        m_LNombreI->setText(q.ProductName);
        const QString folder = SessionState::current().AppFolder + QStringLiteral("img/");
        QPixmap picture(folder + q.BrandOrId + QStringLiteral(".jpg"));
        if (picture.isNull())
            picture.load(folder + QStringLiteral("producto.jpg"));
        if (picture.isNull())
            m_IFoto->setText(QStringLiteral("(sin foto)"));
        else
            m_IFoto->setPixmap(picture.scaled(240, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_BCerrar->setFocus();
        break;
    }
    case QuantityRequest::ServiceDetailMode:
        setWindowTitle(QStringLiteral("Detalle de Servicio"));
        m_PDServicio->show();
        m_ECantidadS->setText(QStringLiteral("1"));
        m_MConceptoS->clear();
        m_ETotalS->setText(QStringLiteral("0"));
        m_ECantidadS->selectAll();
        m_ECantidadS->setFocus();
        break;
    default: break;
    }
}

QPixmap TFCantidad::photo() const { return m_IFoto->pixmap(); }

bool TFCantidad::confirmSaleQuantity()
{
    double quantity = 0;
    if (!ReadQuantity(m_ECantidadV->text(), &quantity))
        return false;
    m_request.SaleQuantity = quantity;
    return true;
}

bool TFCantidad::confirmPurchase()
{
    double quantity = 0, total = 0;
    if (!ReadQuantity(m_ECantidadC->text(), &quantity) || !ReadPrice(m_ECTotalC->text(), &total))
        return false;
    m_request.PurchaseQuantity = quantity;
    m_request.TotalCost = total;
    return true;
}

bool TFCantidad::confirmCost()
{
    double cost = 0;
    if (!ReadPrice(m_ECostoN->text(), &cost))
        return false;
    m_request.UnitCost = cost;
    return true;
}

bool TFCantidad::confirmService()
{
    double quantity = 0, total = 0;
    const QString detail = m_MConceptoS->toPlainText().simplified();
    if (!ReadQuantity(m_ECantidadS->text(), &quantity) || detail.isEmpty() || !ReadPrice(m_ETotalS->text(), &total)) {
        MessageSeam::current().information(QStringLiteral("Llene correctamente los Datos Requeridos"));
        return false;
    }
    m_request.PurchaseQuantity = quantity;
    m_request.ProductName = detail;
    m_request.TotalCost = total;
    return true;
}

void TFCantidad::BAceptarClick()
{
    bool valid = false;
    switch (m_request.Mode) {
    case QuantityRequest::SaleQuantityMode:
    case QuantityRequest::SupplyQuantityMode: valid = confirmSaleQuantity(); break;
    case QuantityRequest::PurchaseQuantityMode: valid = confirmPurchase(); break;
    case QuantityRequest::UnitCostMode: valid = confirmCost(); break;
    case QuantityRequest::ServiceDetailMode: valid = confirmService(); break;
    default: break;
    }
    if (valid) {
        m_confirmed = true;
        accept();
    } else {
        reject();
    }
}

std::optional<QuantityRequest> TFCantidad::Run(const QuantityRequest& request, QWidget* parent)
{
    TFCantidad dialog(request, parent);
    if (g_runner) {
        dialog.show();
        g_runner(dialog);
        if (dialog.isVisible())
            dialog.reject();
    } else {
        dialog.exec();
    }
    if (!dialog.m_confirmed)
        return std::nullopt;
    return dialog.m_request;
}

void TFCantidad::setRunner(Runner runner) { g_runner = std::move(runner); }
