#include "purchases/ui/PurchaseToolBar.h"

#include "widgets/NamedControls.h"

#include <QToolButton>

PurchaseToolBar::PurchaseToolBar(const Names& names, QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("TBAcciones"));
    setMovable(false);
    setFloatable(false);
    m_first = button("SBPrimero", QStringLiteral("|<"), QStringLiteral("Primero"), 40);
    m_previous = button("SBAnterior", QStringLiteral("<"), QStringLiteral("Anterior"), 40);
    m_next = button("SBSiguiente", QStringLiteral(">"), QStringLiteral("Siguiente"), 40);
    m_last = button("SBUltimo", QStringLiteral(">|"), QStringLiteral("Ultimo"), 40);
    addSeparator();
    m_new = button(names.newEntry, QStringLiteral("NUEVA ENTRADA"), QStringLiteral("Nueva Entrada"), 140);
    m_store = button(names.store, QStringLiteral("REGISTRAR ENTRADA"), QStringLiteral("Registrar Entrada"), 160);
    m_remove = button(names.remove, QStringLiteral("ANULAR ENTRADA"), QStringLiteral("Anular Entrada"), 140);
    addSeparator();
    m_print = button(names.print, QStringLiteral("Imprimir"), QStringLiteral("Imprimir Comprobante"), 90);
    m_add = button("SBListarP", QStringLiteral("+"), QString::fromUtf8(names.addHint), 48);
    QFont bold = m_add->font();
    bold.setBold(true);
    bold.setPixelSize(18);
    m_add->setFont(bold);
}

QToolButton* PurchaseToolBar::button(const char* name, const QString& text, const QString& hint, int width)
{
    QToolButton* b = NamedControls::ToolButton(this, name, text, hint, QSize(width, 36));
    addWidget(b);
    return b;
}
