#include "cash/ui/URCajaDiaria.h"

#include "cash/ClosingReport.h"
#include "cash/DailyCashList.h"
#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SqlRows.h"
#include "widgets/DataGrid.h"
#include "widgets/NamedControls.h"
#include "widgets/InputFilters.h"
#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int FirstYear = 2018;
constexpr int LastYear = 2100;
// Caja's columns as SELECT * returns them: the list shows them one column further right.
constexpr int CajaColumns = TFRCajaDiaria::ColCajero - TFRCajaDiaria::ColIdCaja + 1;

// A small printer, drawn so the print cell looks the same under every style.
QPixmap PrinterPicture()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);  // paper going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6);  // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5);  // paper coming out
    p.setPen(QColor(40, 160, 40));
    p.drawPoint(12, 8);  // power light
    return picture;
}

QToolButton* speedButton(QWidget* parent, const char* name, const QString& hint)
{
    QToolButton* button = NamedControls::ToolButton(parent, name, QString(), hint);
    button->setAutoRaise(true);
    return button;
}

double listedAmount(const DataGrid* grid, int column, int row)
{
    double value = 0;
    Formats::ParseAmount(grid->cell(column, row), &value);
    return value;
}

int listedCount(const DataGrid* grid, int column, int row) { return grid->cell(column, row).toInt(); }

}

TFRCajaDiaria::TFRCajaDiaria(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FRCajaDiaria"));
    setWindowTitle(QStringLiteral("Reportes de Caja Diaria"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildToolBar();
    buildList();
    buildStatusBar();
    auto* tools = new QHBoxLayout;
    tools->setSpacing(4);
    tools->addWidget(new QLabel(QStringLiteral("Año:"), this));
    tools->addWidget(m_EAnio);
    tools->addWidget(m_upDAnio);
    tools->addWidget(m_SBListar);
    tools->addStretch(1);
    for (QToolButton* button : {m_SBPrimero, m_SBAnterior, m_SBSiguiente, m_SBUltimo})
        tools->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(tools);
    layout->addWidget(m_VecC, 1);
    layout->addWidget(m_SBar1);
    resize(640, 400);
    FormCreate();
}

void TFRCajaDiaria::buildToolBar()
{
    m_EAnio = new QLineEdit(this);
    m_EAnio->setObjectName(QStringLiteral("EAnio"));
    m_EAnio->setMaxLength(4);
    m_EAnio->setFixedWidth(56);
    m_EAnio->setAlignment(Qt::AlignRight);
    InputFilters::digitsAndPoint(m_EAnio);

    // Only the arrows of the spin box show: the year is read and typed in EAnio.
    m_upDAnio = new QSpinBox(this);
    m_upDAnio->setObjectName(QStringLiteral("upDAnio"));
    m_upDAnio->setRange(FirstYear, LastYear);
    m_upDAnio->setFixedWidth(18);
    if (auto* text = m_upDAnio->findChild<QLineEdit*>())
        text->hide();

    m_SBListar = speedButton(this, "SBListar", QStringLiteral("Cargar Cierre de Cajas"));
    m_SBListar->setText(QStringLiteral(" L I S T A R"));
    m_SBListar->setAutoRaise(false);
    m_SBPrimero = speedButton(this, "SBPrimero", QStringLiteral("Primero"));
    m_SBPrimero->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    m_SBAnterior = speedButton(this, "SBAnterior", QStringLiteral("Anterior"));
    m_SBAnterior->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    m_SBSiguiente = speedButton(this, "SBSiguiente", QStringLiteral("Siguiente"));
    m_SBSiguiente->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    m_SBUltimo = speedButton(this, "SBUltimo", QStringLiteral("Ultimo"));
    m_SBUltimo->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));

    connect(m_upDAnio, &QSpinBox::valueChanged, this, [this](int year) {
        if (m_EAnio->text() != QString::number(year))
            m_EAnio->setText(QString::number(year));
    });
    connect(m_EAnio, &QLineEdit::textEdited, this, &TFRCajaDiaria::yearEdited);
    connect(m_SBListar, &QToolButton::clicked, this, &TFRCajaDiaria::SBListarClick);
    connect(m_SBPrimero, &QToolButton::clicked, this, &TFRCajaDiaria::SBPrimeroClick);
    connect(m_SBAnterior, &QToolButton::clicked, this, &TFRCajaDiaria::SBAnteriorClick);
    connect(m_SBSiguiente, &QToolButton::clicked, this, &TFRCajaDiaria::SBSiguienteClick);
    connect(m_SBUltimo, &QToolButton::clicked, this, &TFRCajaDiaria::SBUltimoClick);
}

void TFRCajaDiaria::buildList()
{
    using Type = DataGrid::ColumnType;
    m_VecC = new DataGrid(this);
    m_VecC->setObjectName(QStringLiteral("VecC"));
    m_VecC->addColumn(QStringLiteral("Nro"), Type::Number, 36);
    m_VecC->addColumn(QStringLiteral("IdCaja"), Type::Text, 80, true);
    m_VecC->addColumn(QStringLiteral("Fecha Caja"), Type::Text, 86);
    const QStringList hiddenUntilTraspaso{QStringLiteral("V/Efectivo"), QStringLiteral("V/Credito"),
                                          QStringLiteral("V/Tarjetas"), QStringLiteral("C/Efectivo"),
                                          QStringLiteral("C/Credito"),  QStringLiteral("C/Cheque")};
    m_VecC->addColumn(QStringLiteral("C/Inicial"), Type::Number, 80);
    for (const QString& title : hiddenUntilTraspaso)
        m_VecC->addColumn(title, Type::Number, 80, true);
    m_VecC->addColumn(QStringLiteral("Traspaso"), Type::Number, 80);
    m_VecC->addColumn(QStringLiteral("Saldo"), Type::Number, 80);
    m_VecC->addColumn(QStringLiteral("Sob. o Falt."), Type::Number, 80);
    for (const char* title : {"P/Cobrar", "P/Pagar", "NV/Efectivo", "NV/Credito", "NV/Tarjetas", "NV/Gratis", "NC/Efectivo",
                              "NC/Credito", "NC/Cheque", "NC/Gratis", "NV/Anulados", "NC/Anulados"})
        m_VecC->addColumn(QString::fromLatin1(title), Type::Number, 80, true);
    m_VecC->addColumn(QStringLiteral("Cajero"), Type::Text, 100);
    m_VecC->addColumn(QStringLiteral("I"), Type::Image, 24);
    m_VecC->setColumnImage(ColImprimir, PrinterPicture());

    m_VecC->setMouseTracking(true);
    connect(m_VecC, &QTableWidget::cellEntered, this, &TFRCajaDiaria::updateHandCursor);
    connect(m_VecC, &QTableWidget::cellClicked, this, &TFRCajaDiaria::VecCCellClick);
    connect(m_VecC, &DataGrid::rowSelected, this, [this](int row) { m_lastRow = row; });
}

void TFRCajaDiaria::buildStatusBar()
{
    m_SBar1 = new WindowStatusBar(QStringLiteral("Reportes de Caja Diaria"), this);
    m_PBar1 = m_SBar1->progressBar();
}

void TFRCajaDiaria::FormCreate()
{
    const int year = ClockSeam::current().today().year();
    m_upDAnio->setValue(qBound(FirstYear, year, LastYear));
    m_EAnio->setText(QString::number(year));
    SBListarClick();
}

bool TFRCajaDiaria::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFRCajaDiaria::FormActivate() { MainStatus::setText(3, QStringLiteral("Operacion: Reporte Caja Diaria")); }

void TFRCajaDiaria::yearEdited(const QString& text)
{
    bool ok = false;
    const int year = text.toInt(&ok);
    if (ok && year >= FirstYear && year <= LastYear) {
        const QSignalBlocker quiet(m_upDAnio);
        m_upDAnio->setValue(year);
    }
}

void TFRCajaDiaria::SBListarClick()
{
    m_VecC->clearRows();
    m_lastRow = -1;
    bool ok = false;
    const QString text = m_EAnio->text().trimmed();
    const int year = text.toInt(&ok);
    const QDate from(year, 1, 1);
    if (!ok || !from.isValid()) {
        MessageSeam::current().error(QStringLiteral("'%1' no es un año valido").arg(text));
        return;
    }
    try {
        SqlRows rows = DailyCashList::ClosedSessions(year);
        m_PBar1->setRange(0, rows.count());
        m_PBar1->setValue(0);
        m_PBar1->show();
        for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
            addSession(rows, number);
            m_PBar1->setValue(number);
        }
        m_PBar1->hide();
    } catch (const DatabaseError& e) {
        m_PBar1->hide();
        m_VecC->clearRows();
        MessageSeam::current().error(e.text());
        return;
    }
    m_VecC->goToRow(0);
}

void TFRCajaDiaria::addSession(const SqlRows& rows, int number)
{
    QStringList cells{QString::number(number), rows.text(0), Formats::MonthNameDate(rows.date(1))};
    for (int column = 2; column < CajaColumns; ++column) {
        const int listColumn = column + 1;
        if (listColumn <= ColPPagar)
            cells << Formats::Money(rows.amount(column));
        else
            cells << rows.text(column);
    }
    m_VecC->addRow(cells);
}

void TFRCajaDiaria::SBPrimeroClick() { m_VecC->goToRow(0); }

void TFRCajaDiaria::SBAnteriorClick()
{
    const int row = m_VecC->selectedRow();
    m_VecC->goToRow(row > 0 ? row - 1 : 0);
}

void TFRCajaDiaria::SBSiguienteClick()
{
    const int row = m_VecC->selectedRow();
    m_VecC->goToRow(qMin(row + 1, m_VecC->rowCount() - 1));
}

void TFRCajaDiaria::SBUltimoClick() { m_VecC->goToRow(m_VecC->rowCount() - 1); }

void TFRCajaDiaria::VecCCellClick(int row, int column)
{
    if (column != ColImprimir || row < 0 || row >= m_VecC->rowCount())
        return;
    ShowClosingReport(reportDataOfRow(row));
}

// The report is filled from the list as shown, so it prints exactly what the row says.
ClosingReportData TFRCajaDiaria::reportDataOfRow(int row) const
{
    auto amount = [&](int column) { return listedAmount(m_VecC, column, row); };
    auto count = [&](int column) { return listedCount(m_VecC, column, row); };
    ClosingReportData data;
    ClosingFigures& f = data.figures;
    f.InitialAmount = amount(ColCInicial);
    f.VentasEf = amount(ColVentasEf);
    f.VentasCr = amount(ColVentasCr);
    f.VentasDo = amount(ColVentasDo);
    f.ComprasEf = amount(ColComprasEf);
    f.ComprasCr = amount(ColComprasCr);
    f.ComprasDo = amount(ColComprasDo);
    f.Traspaso = amount(ColTraspaso);
    f.Saldo = amount(ColSaldo);
    f.SobFal = amount(ColSobFal);
    f.PCobrar = amount(ColPCobrar);
    f.PPagar = amount(ColPPagar);
    f.NVentasEf = count(ColNVentasEf);
    f.NVentasCr = count(ColNVentasCr);
    f.NVentasDo = count(ColNVentasDo);
    f.NVentasSC = count(ColNVentasSC);
    f.NComprasEf = count(ColNComprasEf);
    f.NComprasCr = count(ColNComprasCr);
    f.NComprasDo = count(ColNComprasDo);
    f.NComprasSC = count(ColNComprasSC);
    f.NVentasA = count(ColNVentasA);
    f.NComprasA = count(ColNComprasA);
    f.CountedCash = Formats::RoundCents(f.Traspaso + f.Saldo);
    data.sessionId = m_VecC->cell(ColIdCaja, row);
    data.cashier = m_VecC->cell(ColCajero, row);
    data.dateText = m_VecC->cell(ColFecha, row);
    data.printed = ClockSeam::current().now();
    return data;
}

void TFRCajaDiaria::updateHandCursor(int, int column)
{
    if (column == ColImprimir)
        m_VecC->viewport()->setCursor(Qt::PointingHandCursor);
    else
        m_VecC->viewport()->unsetCursor();
}
