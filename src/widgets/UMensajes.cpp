#include "widgets/UMensajes.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFMensajes::TFMensajes(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FMensajes"));
    setWindowTitle(QStringLiteral("Mensaje de Alerta"));
    resize(420, 320);

    m_PMensajeLV = new QWidget(this);
    m_PMensajeLV->setObjectName(QStringLiteral("PMensajeLV"));
    auto* attention = new QLabel(QStringLiteral("ATENCION !!!"), m_PMensajeLV);
    QFont bold = attention->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    attention->setFont(bold);
    attention->setAlignment(Qt::AlignCenter);
    m_LFacurasF = new QLabel(QStringLiteral("Faltan 0000 Facturas y son las Siguientes:"), m_PMensajeLV);
    m_LFacurasF->setObjectName(QStringLiteral("LFacurasF"));
    m_MFacturasF = new QPlainTextEdit(m_PMensajeLV);
    m_MFacturasF->setObjectName(QStringLiteral("MFacturasF"));
    m_MFacturasF->setReadOnly(true);
    m_BAceptar = new QPushButton(QStringLiteral("&ACEPTAR"), m_PMensajeLV);
    m_BAceptar->setObjectName(QStringLiteral("BAceptar"));
    connect(m_BAceptar, &QPushButton::clicked, this, &QDialog::accept);
    auto* listLayout = new QVBoxLayout(m_PMensajeLV);
    listLayout->addWidget(attention);
    listLayout->addWidget(m_LFacurasF);
    listLayout->addWidget(m_MFacturasF, 1);
    listLayout->addWidget(m_BAceptar, 0, Qt::AlignHCenter);

    m_PCargando = new QWidget(this);
    m_PCargando->setObjectName(QStringLiteral("PCargando"));
    auto* loading = new QLabel(QStringLiteral("Cargando......"), m_PCargando);
    loading->setFont(bold);
    loading->setAlignment(Qt::AlignCenter);
    auto* loadingLayout = new QVBoxLayout(m_PCargando);
    loadingLayout->addWidget(loading);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_PMensajeLV);
    layout->addWidget(m_PCargando);
    setAlertMode(0);
}

void TFMensajes::setAlertMode(int mode)
{
    m_mode = mode;
    m_PMensajeLV->setVisible(mode == 1);
    m_PCargando->setVisible(mode == 2);
}

void TFMensajes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_mode == 1)
        m_BAceptar->setFocus();
}
