#include "tax/ui/CertificationPanel.h"

#include "data/MessageSeam.h"
#include "tax/ControlCodeCertification.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using NamedControls::Button;

namespace {

QLineEdit* Field(QWidget* parent, const char* name, int maxLength, const QString& others)
{
    QLineEdit* edit = NamedControls::SizedField(parent, name, maxLength);
    InputFilters::digitsAnd(edit, others);
    return edit;
}

}

CertificationPanel::CertificationPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PCodigoC"));
    m_EAutorizacionC = Field(this, "EAutorizacionC", 15, QString());
    m_MDosificacionC = new QPlainTextEdit(this);
    m_MDosificacionC->setObjectName(QStringLiteral("MDosificacionC"));
    m_MDosificacionC->setTabChangesFocus(true);
    m_MDosificacionC->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // one line, wrapped
    m_MDosificacionC->setMinimumWidth(m_MDosificacionC->fontMetrics().averageCharWidth() * 40 + 16);
    m_MDosificacionC->setFixedHeight(m_MDosificacionC->fontMetrics().lineSpacing() * 3 + 12);
    InputFilters::singleLineMemo(m_MDosificacionC, 255);
    m_ENFacturaC = Field(this, "ENFacturaC", 10, QString());
    m_ECIC = Field(this, "ECIC", 12, QString());
    m_EFechaC = Field(this, "EFechaC", 10, QStringLiteral("/"));
    // The authority's cases write the decimals after a comma; leaving the field makes it a point.
    m_EMontoC = Field(this, "EMontoC", 10, QStringLiteral(".,"));
    m_ECodigoC = new QLineEdit(this);
    m_ECodigoC->setObjectName(QStringLiteral("ECodigoC"));
    m_ECodigoC->setReadOnly(true);
    QFont bold = m_ECodigoC->font();
    bold.setBold(true);
    m_ECodigoC->setFont(bold);
    connect(m_EMontoC, &QLineEdit::editingFinished, this, &CertificationPanel::EMontoCExit);

    m_SBBorrerCC = Button(this, "SBBorrerCC", QStringLiteral("Limpiar Datos"));
    m_SBGenerarCC = Button(this, "SBGenerarCC", QStringLiteral("Generar CODIGO DE CONTROL"));
    connect(m_SBBorrerCC, &QPushButton::clicked, this, &CertificationPanel::SBBorrerCCClick);
    connect(m_SBGenerarCC, &QPushButton::clicked, this, &CertificationPanel::SBGenerarCCClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Numero de Autorizacion:"), m_EAutorizacionC);
    form->addRow(QStringLiteral("Llave de Dosificación:"), m_MDosificacionC);
    form->addRow(QStringLiteral("Numero de Factura:"), m_ENFacturaC);
    form->addRow(QStringLiteral("NIT/CI Cliente:"), m_ECIC);
    form->addRow(QStringLiteral("Fecha de Transacción (DD/MM/AAAA):"), m_EFechaC);
    form->addRow(QStringLiteral("Monto Transacción (Bs.):"), m_EMontoC);
    form->addRow(QStringLiteral("Codigo de Control:"), m_ECodigoC);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBBorrerCC);
    buttons->addWidget(m_SBGenerarCC);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void CertificationPanel::EMontoCExit()
{
    QString amount = m_EMontoC->text();
    amount.replace(QLatin1Char(','), QLatin1Char('.'));
    m_EMontoC->setText(amount.left(10));
}

void CertificationPanel::SBBorrerCCClick()
{
    for (QLineEdit* field : {m_EAutorizacionC, m_ENFacturaC, m_ECIC, m_EFechaC, m_EMontoC, m_ECodigoC})
        field->clear();
    m_MDosificacionC->clear();
    m_EAutorizacionC->setFocus();
}

void CertificationPanel::SBGenerarCCClick()
{
    EMontoCExit();
    const ControlCodeCertification input{m_EAutorizacionC->text(), m_MDosificacionC->toPlainText(),
                                         m_ENFacturaC->text(),     m_ECIC->text(),
                                         m_EFechaC->text(),        m_EMontoC->text()};
    const ControlCodeCertification::Result result = input.generate();
    m_ECodigoC->setText(result.code);
    if (!result.refusal.isEmpty())
        MessageSeam::current().information(result.refusal);
    else if (!result.error.isEmpty())
        MessageSeam::current().error(result.error);
}
