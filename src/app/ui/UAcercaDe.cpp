#include "app/ui/UAcercaDe.h"

#include "app/ui/BackgroundPicture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFAcercaDe::TFAcercaDe(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FAcercaDe"));
    setWindowTitle(QStringLiteral("Acerca de CVI Zelto"));

    auto* picture = new QLabel(this);
    picture->setPixmap(BackgroundPicture::splash(QSize(380, 228)));
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("LAcercaDe"));
    text->setAlignment(Qt::AlignCenter);
    text->setText(QStringLiteral("<b>CVI Zelto v.1.0</b><br>Control de Ventas e Inventarios<br><br>"
                                 "Ventas con factura, compras, inventario, caja y libros de IVA<br>"
                                 "para el pequeño comercio.<br><br>"
                                 "Mayores informes al: 61524390 ; 64417725"));
    auto* ok = new QPushButton(QStringLiteral("Aceptar"), this);
    ok->setObjectName(QStringLiteral("BAceptar"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(text);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
