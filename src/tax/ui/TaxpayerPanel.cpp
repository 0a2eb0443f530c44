#include "tax/ui/TaxpayerPanel.h"

#include "data/DatabaseError.h"
#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "tax/CompanyLogo.h"
#include "tax/TaxpayerData.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using NamedControls::Button;
using NamedControls::SizedField;

TaxpayerPanel::TaxpayerPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PDatosC"));
    const SessionState& s = SessionState::current();
    m_ENIT = readOnlyField("ENIT", s.TaxpayerNit);
    m_ERazonS = readOnlyField("ERazonS", s.TaxpayerName);
    m_ESucursal = readOnlyField("ESucursal", s.BranchNumber == 0 ? QStringLiteral("CASA MATRIZ")
                                                                 : QStringLiteral("SUCURSAL %1").arg(s.BranchNumber));
    m_EPropietario = SizedField(this, "EPropietario", 40);
    InputFilters::plainLetters(m_EPropietario);
    m_ETelefonoM = SizedField(this, "ETelefonoM", 10);
    InputFilters::digitsAnd(m_ETelefonoM, QStringLiteral("-"));
    m_MActividadE = new QPlainTextEdit(this);
    m_MActividadE->setObjectName(QStringLiteral("MActividadE"));
    m_MActividadE->setTabChangesFocus(true);
    m_MActividadE->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // one line, wrapped
    m_MActividadE->setMinimumWidth(m_MActividadE->fontMetrics().averageCharWidth() * 40 + 16);
    m_MActividadE->setFixedHeight(m_MActividadE->fontMetrics().lineSpacing() * 3 + 12);
    InputFilters::plainLetters(m_MActividadE);
    InputFilters::singleLineMemo(m_MActividadE, 100);
    m_EDireccionM = SizedField(this, "EDireccionM", 40);
    m_ECiudadM = SizedField(this, "ECiudadM", 20);

    const TaxpayerData data = TaxpayerData::fromSession();
    m_EPropietario->setText(data.owner);
    m_ETelefonoM->setText(data.phone);
    m_MActividadE->setPlainText(data.activity);
    m_EDireccionM->setText(data.address);
    m_ECiudadM->setText(data.city);

    m_Logo = new QLabel(this);
    m_Logo->setObjectName(QStringLiteral("Logo"));
    m_Logo->setFixedSize(CompanyLogo::kWidth + 2, CompanyLogo::kHeight + 2);
    m_Logo->setFrameShape(QFrame::Box);
    m_Logo->setAlignment(Qt::AlignCenter);
    m_Logo->setCursor(Qt::PointingHandCursor);
    m_Logo->setToolTip(QStringLiteral("Clic para elegir el logo (imagen jpg)"));
    m_Logo->installEventFilter(this);
    showLogo(CompanyLogo::load());

    m_SBBorrarD = Button(this, "SBBorrarD", QStringLiteral("Limpiar Datos"));
    m_SBGuardarD = Button(this, "SBGuardarD", QStringLiteral("Guardar Datos"));
    connect(m_SBBorrarD, &QPushButton::clicked, this, &TaxpayerPanel::SBBorrarDClick);
    connect(m_SBGuardarD, &QPushButton::clicked, this, &TaxpayerPanel::SBGuardarDClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("NIT:"), m_ENIT);
    form->addRow(QStringLiteral("Razón Social Segun NIT:"), m_ERazonS);
    form->addRow(QStringLiteral("Casa Matriz/Sucursal:"), m_ESucursal);
    form->addRow(QStringLiteral("Nombre Propietario:"), m_EPropietario);
    form->addRow(QStringLiteral("Telefono Casa Matriz:"), m_ETelefonoM);
    form->addRow(QStringLiteral("Actividad Económica(*):"), m_MActividadE);
    form->addRow(QStringLiteral("Direcciòn Casa Matriz(*):"), m_EDireccionM);
    form->addRow(QStringLiteral("Ciudad Casa Matriz(*):"), m_ECiudadM);
    auto* logoColumn = new QVBoxLayout;
    logoColumn->addWidget(new QLabel(QStringLiteral("Logo (imagen jpg):"), this));
    logoColumn->addWidget(m_Logo);
    logoColumn->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addSpacing(12);
    top->addLayout(logoColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_SBBorrarD);
    buttons->addWidget(m_SBGuardarD);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

QLineEdit* TaxpayerPanel::readOnlyField(const char* name, const QString& text)
{
    QLineEdit* field = SizedField(this, name, 50);
    field->setText(text);
    field->setReadOnly(true);
    return field;
}

bool TaxpayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Logo && event->type() == QEvent::MouseButtonRelease) {
        LogoClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TaxpayerPanel::showLogo(const QImage& picture)
{
    m_logo = picture;
    if (picture.isNull()) {
        m_Logo->setPixmap(QPixmap());
        m_Logo->setText(QStringLiteral("(sin logo)"));
        return;
    }
    m_Logo->setPixmap(QPixmap::fromImage(
        picture.scaled(CompanyLogo::kWidth, CompanyLogo::kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void TaxpayerPanel::LogoClick()
{
    const QString file =
        FileDialogSeam::current().openFile(this, QStringLiteral("Logo (imagen jpg)"), SessionState::current().AppFolder,
                                           QStringLiteral("Imagen JPEG (*.jpg *.jpeg)"));
    if (file.isEmpty())
        return;
    QString error;
    const QImage picture = CompanyLogo::fromFile(file, &error);
    if (picture.isNull()) {
        MessageSeam::current().error(error);
        return;
    }
    showLogo(picture);
    m_logoChanged = true;
}

void TaxpayerPanel::SBBorrarDClick()
{
    for (QLineEdit* field : {m_EPropietario, m_ETelefonoM, m_EDireccionM, m_ECiudadM})
        field->clear();
    m_MActividadE->clear();
    showLogo(QImage(CompanyLogo::fallbackPath()));
    m_logoChanged = true;
    m_EPropietario->setFocus();
}

void TaxpayerPanel::SBGuardarDClick()
{
    MessageSeam& messages = MessageSeam::current();
    const TaxpayerData data{m_EPropietario->text(), m_ETelefonoM->text(), m_EDireccionM->text(), m_ECiudadM->text(),
                            m_MActividadE->toPlainText()};
    if (const QString refusal = data.check(); !refusal.isEmpty()) {
        messages.information(refusal);
        return;
    }
    if (!messages.question(QStringLiteral("Datos Contribuyente"),
                           QStringLiteral("Esta seguro que quiere Actualizar los Datos del CONTRIBUYENTE?...")))
        return;
    try {
        data.save();
    } catch (const DatabaseError& e) {
        messages.error(e.text());
        return;
    }
    messages.information(QStringLiteral("Datos Actualizados Correctamente"));
    if (m_logoChanged && !m_logo.isNull()) {
        if (const QString failure = CompanyLogo::save(m_logo); !failure.isEmpty())
            messages.error(failure);
        else
            m_logoChanged = false;
    }
    emit saved();
}
