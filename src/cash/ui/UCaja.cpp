#include "cash/ui/UCaja.h"

#include "cash/CashClosing.h"
#include "cash/CashOpening.h"
#include "cash/ClosingReport.h"
#include "cash/ClosingTicket.h"
#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/ProgramEndSeam.h"
#include "data/SessionState.h"
#include "data/ShopBackup.h"
#include "data/UDataModule.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"
#include "widgets/WindowStatusBar.h"

#include <QApplication>
#include <QDateEdit>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* amountField(QWidget* parent, const char* name, bool readOnly)
{
    QLineEdit* edit = NamedControls::Field(parent, name, 0, readOnly);
    edit->setAlignment(Qt::AlignRight);
    if (!readOnly)
        InputFilters::digitsAndPoint(edit);
    return edit;
}

QString notANumber(const QString& text) { return QStringLiteral("'%1' no es un valor numerico valido").arg(text); }

}

TFCaja::TFCaja(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FCaja"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildOpenPanel();
    buildClosePanel();
    buildStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_PAbrirC);
    layout->addWidget(m_PCerrarC);
    layout->addStretch(1);
    layout->addWidget(m_SBar1);
    FormCreate();
    resize(430, 240);
}

void TFCaja::buildOpenPanel()
{
    m_PAbrirC = new QGroupBox(this);
    m_PAbrirC->setObjectName(QStringLiteral("PAbrirC"));
    m_DTFechaC = new QDateEdit(m_PAbrirC);
    m_DTFechaC->setObjectName(QStringLiteral("DTFechaC"));
    m_DTFechaC->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_DTFechaC->setCalendarPopup(true);
    InputFilters::refuseTyping(m_DTFechaC);
    m_ESaldoC = amountField(m_PAbrirC, "ESaldoC", true);
    m_ESaldoI = amountField(m_PAbrirC, "ESaldoI", false);
    m_ESaldoI->setText(QStringLiteral("0"));
    m_ESaldoT = amountField(m_PAbrirC, "ESaldoT", true);
    m_BAbrirC = new QPushButton(m_PAbrirC);
    m_BAbrirC->setObjectName(QStringLiteral("BAbrirC"));

    auto* form = new QFormLayout(m_PAbrirC);
    form->addRow(QStringLiteral("Fecha:"), m_DTFechaC);
    form->addRow(QStringLiteral("Saldo Caja:"), m_ESaldoC);
    form->addRow(QStringLiteral("Saldo Inicial:"), m_ESaldoI);
    form->addRow(QStringLiteral("Saldo Total:"), m_ESaldoT);
    form->addRow(QString(), m_BAbrirC);

    connect(m_ESaldoI, &QLineEdit::textChanged, this, &TFCaja::updateOpeningTotal);
    connect(m_BAbrirC, &QPushButton::clicked, this, &TFCaja::BAbrirCClick);
}

void TFCaja::buildClosePanel()
{
    m_PCerrarC = new QGroupBox(this);
    m_PCerrarC->setObjectName(QStringLiteral("PCerrarC"));
    m_EEfectivo = amountField(m_PCerrarC, "EEfectivo", false);
    m_ETraspaso = amountField(m_PCerrarC, "ETraspaso", false);
    m_ESaldo = amountField(m_PCerrarC, "ESaldo", true);
    m_ESaldo->setText(QStringLiteral("0"));
    m_BReporteC = new QPushButton(QStringLiteral("Reporte Caja"), m_PCerrarC);
    m_BReporteC->setObjectName(QStringLiteral("BReporteC"));
    m_BCerrarC = new QPushButton(QStringLiteral("Cerrar CAJA"), m_PCerrarC);
    m_BCerrarC->setObjectName(QStringLiteral("BCerrarC"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_BReporteC);
    buttons->addWidget(m_BCerrarC);
    auto* form = new QFormLayout(m_PCerrarC);
    form->addRow(QStringLiteral("Total Efectivo:"), m_EEfectivo);
    form->addRow(QStringLiteral("Total Traspaso:"), m_ETraspaso);
    form->addRow(QStringLiteral("Saldo:"), m_ESaldo);
    form->addRow(buttons);

    connect(m_EEfectivo, &QLineEdit::textChanged, this, &TFCaja::updateClosingBalance);
    connect(m_ETraspaso, &QLineEdit::textChanged, this, &TFCaja::updateClosingBalance);
    connect(m_BReporteC, &QPushButton::clicked, this, &TFCaja::BReporteCClick);
    connect(m_BCerrarC, &QPushButton::clicked, this, &TFCaja::BCerrarCClick);
}

void TFCaja::buildStatusBar()
{
    m_SBar1 = new WindowStatusBar(QStringLiteral("Gestionar Caja"), this);
    m_PBar1 = m_SBar1->progressBar();
    m_PBar1->setRange(0, 24);
}

void TFCaja::FormCreate()
{
    const SessionState& s = SessionState::current();
    m_PAbrirC->hide();
    m_PCerrarC->hide();
    if (s.CashMode == 1) {
        m_mode = Mode::Close;
        setWindowTitle(QStringLiteral("Cerrar CAJA"));
        MainStatus::setText(3, QStringLiteral("Cerrar Caja"));
        m_PCerrarC->show();
        m_BReporteC->setEnabled(s.CashRights.mid(4, 1) == QLatin1String("1"));
        return;
    }
    MainStatus::setText(3, QStringLiteral("Abrir Caja"));
    m_PAbrirC->show();
    m_DTFechaC->setDate(s.WorkDate);
    if (s.CashOpen == 0) {
        m_mode = Mode::Open;
        setWindowTitle(QStringLiteral("Abrir CAJA"));
        m_DTFechaC->setEnabled(true);
        m_BAbrirC->setText(QStringLiteral(" Abrir Caja"));
        try {
            m_ESaldoC->setText(Formats::General(CashOpening::LatestBalance()));
        } catch (const DatabaseError& e) {
            // Without the till's balance the opening amount is unknown: nothing to open with.
            m_BAbrirC->setEnabled(false);
            MessageSeam::current().error(e.text());
        }
    } else {
        m_mode = Mode::Update;
        setWindowTitle(QStringLiteral("Actualizar Apertura de CAJA"));
        m_DTFechaC->setEnabled(false);
        m_ESaldoC->setText(Formats::General(s.CashInitialAmount));
        m_BAbrirC->setText(QStringLiteral(" Actualizar Caja"));
    }
    updateOpeningTotal();
}

bool TFCaja::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFCaja::FormActivate() { MainStatus::setText(3, QStringLiteral("Gestionar Caja")); }

void TFCaja::updateOpeningTotal()
{
    if (m_ESaldoI->text().isEmpty() || m_ESaldoC->text().isEmpty())
        return;
    double balance = 0, added = 0;
    if (Formats::ParseAmount(m_ESaldoC->text(), &balance) && Formats::ParseAmount(m_ESaldoI->text(), &added))
        m_ESaldoT->setText(Formats::General(balance + added));
    else
        m_ESaldoT->clear();
}

void TFCaja::updateClosingBalance()
{
    if (m_EEfectivo->text().isEmpty() || m_ETraspaso->text().isEmpty())
        return;
    double counted = 0, transfer = 0;
    if (Formats::ParseAmount(m_EEfectivo->text(), &counted) && Formats::ParseAmount(m_ETraspaso->text(), &transfer))
        m_ESaldo->setText(Formats::Money(counted - transfer));
    else
        m_ESaldo->clear();
}

void TFCaja::BAbrirCClick()
{
    try {
        if (m_mode == Mode::Open)
            openSession();
        else if (m_mode == Mode::Update)
            updateSession();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
}

void TFCaja::openSession()
{
    SessionState& s = SessionState::current();
    MessageSeam& messages = MessageSeam::current();
    // The chosen date becomes the working date only once the session is open: a refusal changes
    // nothing (a dosage inserted afterwards would take the refused date).
    const QDate date = m_DTFechaC->date();
    if (const QString refusal = CashOpening::CheckDate(date); !refusal.isEmpty()) {
        messages.information(refusal);
        return;
    }
    if (m_ESaldoI->text().isEmpty()) {
        messages.information(QStringLiteral("Seleccione y/o llene correctamente los datos requeridos"));
        return;
    }
    double added = 0;
    if (!Formats::ParseAmount(m_ESaldoI->text(), &added)) {
        messages.error(notANumber(m_ESaldoI->text()));
        return;
    }
    // The till's balance is read again under the write lock: another station may have closed a
    // session since this window showed it.
    if (const QString refusal = CashOpening::Open(date, added, s.UserLogin); !refusal.isEmpty()) {
        messages.information(refusal);
        return;
    }
    MainStatus::setText(1, QStringLiteral("CVF Zelto [") + Formats::Date(s.WorkDate) + QLatin1Char(']'));
    messages.information(QStringLiteral("La CAJA se abrio correctamente"));
    closeWindow();
}

void TFCaja::updateSession()
{
    MessageSeam& messages = MessageSeam::current();
    double added = 0;
    if (!Formats::ParseAmount(m_ESaldoI->text(), &added)) {
        messages.error(notANumber(m_ESaldoI->text()));
        return;
    }
    if (messages.question(QStringLiteral("Caja"), QStringLiteral("Esta Seguro de Actualizar el Saldo de Caja? "))) {
        // The typed amount is added to the stored balance, which another station may have raised.
        const QString refusal = CashOpening::AddToInitialAmount(SessionState::current().CashSessionId, added);
        messages.information(refusal.isEmpty() ? QStringLiteral("La CAJA se Actualizo Correctamente") : refusal);
    }
    closeWindow();
}

bool TFCaja::readClosingInput(double* counted, double* transfer)
{
    MessageSeam& messages = MessageSeam::current();
    if (m_EEfectivo->text().isEmpty()) {
        messages.information(QStringLiteral("Inserte el Total Efectivo ingresado del Dia"));
        m_EEfectivo->setFocus();
        return false;
    }
    if (m_ETraspaso->text().isEmpty()) {
        messages.information(QStringLiteral("Inserte Total Traspaso a realizar del Dia"));
        m_ETraspaso->setFocus();
        return false;
    }
    for (QLineEdit* field : {m_EEfectivo, m_ETraspaso})
        if (!Formats::ParseAmount(field->text(), nullptr)) {
            messages.error(notANumber(field->text()));
            field->setFocus();
            return false;
        }
    Formats::ParseAmount(m_EEfectivo->text(), counted);
    Formats::ParseAmount(m_ETraspaso->text(), transfer);
    if (Formats::RoundCents(*counted - *transfer) < 0) {
        messages.information(QStringLiteral("Su Saldo no puede ser negativo, revise sus Datos"));
        return false;
    }
    return true;
}

ClosingFigures TFCaja::CalcularCierre(double counted, double transfer)
{
    return CashClosing::Preview(SessionState::current().CashSessionId, counted, transfer);
}

void TFCaja::BReporteCClick()
{
    double counted = 0, transfer = 0;
    if (!readClosingInput(&counted, &transfer))
        return;
    try {
        ReporteCierre(CalcularCierre(counted, transfer));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
}

void TFCaja::BCerrarCClick()
{
    double counted = 0, transfer = 0;
    if (!readClosingInput(&counted, &transfer))
        return;
    SessionState& s = SessionState::current();
    ClosingFigures figures;
    try {
        m_PBar1->show();
        setProgress(1);
        const QString refusal =
            CashClosing::Close(s.CashSessionId, counted, transfer, &figures, [this](int position) { setProgress(position); });
        if (!refusal.isEmpty()) {
            m_PBar1->hide();
            MessageSeam::current().information(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        m_PBar1->hide();
        MessageSeam::current().error(e.text());
        return;
    }
    // The opening balance the closing used is the stored one, topped up perhaps by another station.
    s.CashInitialAmount = figures.InitialAmount;
    // The closing is stored: a printing failure is shown but does not undo it.
    if (s.PrintFormat == 1)
        ReporteCierre(figures);
    else
        TicketCierre(figures);
    const ShopBackup::Outcome backup = CopiaCierre();
    setProgress(24);
    m_PBar1->hide();
    MessageSeam& messages = MessageSeam::current();
    messages.information(QStringLiteral("La CAJA se cerro correctamente"));
    if (!backup.failure.isEmpty())
        messages.error(backup.failure
                       + QStringLiteral(" El cierre de caja si quedo guardado; haga una copia de la base "
                                        "de datos cuanto antes."));
    else if (!backup.notice.isEmpty())
        messages.information(backup.notice);
    s.CashOpen = 0;
    ProgramEndSeam::current().requestEnd();
}

// The day's work copied once the closing is stored and printed; a failed copy never undoes it.
ShopBackup::Outcome TFCaja::CopiaCierre()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ShopBackup::Outcome outcome =
        ShopBackup::AfterClosing(TDataModule1::instance().path(), SessionState::current().CashSessionId);
    QApplication::restoreOverrideCursor();
    return outcome;
}

void TFCaja::TicketCierre(const ClosingFigures& figures)
{
    const SessionState& s = SessionState::current();
    const ClosingTicketData data{figures, s.TaxpayerName, s.WorkDate, s.UserLogin, ClockSeam::current().now()};
    if (const QString error = PrintClosingTicket(data); !error.isEmpty())
        MessageSeam::current().error(error);
}

void TFCaja::ReporteCierre(const ClosingFigures& figures)
{
    const SessionState& s = SessionState::current();
    ClosingReportData data;
    data.figures = figures;
    data.sessionId = s.CashSessionId;
    data.cashier = s.UserLogin;
    data.dateText = Formats::Date(s.WorkDate);
    data.printed = ClockSeam::current().now();
    ShowClosingReport(data);
}

void TFCaja::setProgress(int position) { m_PBar1->setValue(position); }

void TFCaja::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}
