#include "tax/ui/URLV.h"

#include "data/ClockSeam.h"
#include "data/DatabaseError.h"
#include "data/DesktopSeam.h"
#include "data/FileDialogSeam.h"
#include "data/MainStatus.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/SqlRows.h"
#include "data/UDataModule.h"
#include "widgets/UMensajes.h"
#include "tax/BookQueries.h"
#include "tax/BookSpreadsheet.h"
#include "widgets/DataGrid.h"
#include "widgets/NamedControls.h"
#include "widgets/UBuscar2.h"
#include "widgets/WindowStatusBar.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace BookLines;

// Rows that are not valid invoices stand out in money green.
const QColor kAnnulled(0xC0, 0xDC, 0xC0);
constexpr int ProgressStep = 2000;

QToolButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    QToolButton* button = NamedControls::ToolButton(parent, name, caption, hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

QToolButton* NavButton(QWidget* parent, const char* name, const QString& hint, QStyle::StandardPixmap icon)
{
    QToolButton* button = NamedControls::ToolButton(parent, name, QString(), hint);
    button->setAutoRaise(true);
    button->setIcon(parent->style()->standardIcon(icon));
    return button;
}

// Waits with the hourglass while a long load or export runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}

TFRLCV::TFRLCV(QWidget* parent)
    : QWidget(parent)
    , m_kind(SessionState::current().AdminMode == 11 ? BookKind::Purchases : BookKind::Sales)
{
    const bool sales = m_kind == BookKind::Sales;
    setObjectName(QStringLiteral("FRLCV"));
    setWindowTitle(sales ? QStringLiteral("Libro de Ventas") : QStringLiteral("Libro de Compras"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildToolBar();
    buildList();
    buildStatusBar();
    m_FBuscar2 = new TFBuscar2(this);
    m_FMensajes = new TFMensajes(this);

    auto* tools = new QHBoxLayout;
    tools->setSpacing(4);
    tools->addWidget(new QLabel(QStringLiteral("Año:"), this));
    tools->addWidget(m_EAnio);
    tools->addWidget(new QLabel(QStringLiteral("Mes:"), this));
    tools->addWidget(m_CBMes);
    for (QToolButton* button : {m_SBCargar, m_SBBuscar, m_SBExportarTXT, m_SBExportarXLS})
        tools->addWidget(button);
    tools->addStretch(1);
    for (QToolButton* button : {m_SBPrimero, m_SBAnterior, m_SBSiguiente, m_SBUltimo, m_SBColumnas})
        tools->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(tools);
    layout->addWidget(m_grid, 1);
    layout->addWidget(findChild<QStatusBar*>(QStringLiteral("SBar1")));
    resize(sales ? 960 : 940, 520);

    // The book of the computer's month, at once.
    const QDate today = ClockSeam::current().today();
    m_EAnio->setText(QString::number(today.year()));
    m_CBMes->setCurrentIndex(today.month());
    SBCargarClick();
}

void TFRLCV::buildToolBar()
{
    m_EAnio = new QLineEdit(this);
    m_EAnio->setObjectName(QStringLiteral("EAnio"));
    m_EAnio->setMaxLength(4);
    m_EAnio->setFixedWidth(48);
    m_EAnio->setAlignment(Qt::AlignRight);
    m_EAnio->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), m_EAnio));
    m_EAnio->installEventFilter(this);

    m_CBMes = new QComboBox(this);
    m_CBMes->setObjectName(QStringLiteral("CBMes"));
    m_CBMes->addItems(MonthNames());
    m_CBMes->installEventFilter(this);

    m_SBCargar = Button(this, "SBCargar", QStringLiteral("Cargar Facturas"), QStringLiteral("Cargar Facturas"));
    m_SBBuscar = Button(this, "SBBuscar", QStringLiteral("Buscar Factura"), QStringLiteral("Buscar Factura"));
    m_SBExportarTXT = Button(this, "SBExportarTXT", QStringLiteral("Exp. TXT"), QStringLiteral("Exportar a Texto"));
    m_SBExportarXLS = Button(this, "SBExportarXLS", QStringLiteral("Exp. XLS"), QStringLiteral("Exportar a Excel"));
    m_SBPrimero = NavButton(this, "SBPrimero", QStringLiteral("Primero"), QStyle::SP_MediaSkipBackward);
    m_SBAnterior = NavButton(this, "SBAnterior", QStringLiteral("Anterior"), QStyle::SP_MediaSeekBackward);
    m_SBSiguiente = NavButton(this, "SBSiguiente", QStringLiteral("Siguiente"), QStyle::SP_MediaSeekForward);
    m_SBUltimo = NavButton(this, "SBUltimo", QStringLiteral("Ultimo"), QStyle::SP_MediaSkipForward);
    m_SBColumnas = Button(this, "SBColumnas", QStringLiteral("Mostrar Columnas"), QStringLiteral("Mostrar Columnas"));

    connect(m_EAnio, &QLineEdit::textEdited, this, &TFRLCV::periodChanged);
    connect(m_CBMes, &QComboBox::activated, this, &TFRLCV::periodChanged);
    connect(m_SBCargar, &QToolButton::clicked, this, &TFRLCV::SBCargarClick);
    connect(m_SBBuscar, &QToolButton::clicked, this, &TFRLCV::SBBuscarClick);
    connect(m_SBExportarTXT, &QToolButton::clicked, this, &TFRLCV::SBExportarTXTClick);
    connect(m_SBExportarXLS, &QToolButton::clicked, this, &TFRLCV::SBExportarXLSClick);
    connect(m_SBPrimero, &QToolButton::clicked, this, &TFRLCV::SBPrimeroClick);
    connect(m_SBAnterior, &QToolButton::clicked, this, &TFRLCV::SBAnteriorClick);
    connect(m_SBSiguiente, &QToolButton::clicked, this, &TFRLCV::SBSiguienteClick);
    connect(m_SBUltimo, &QToolButton::clicked, this, &TFRLCV::SBUltimoClick);
    connect(m_SBColumnas, &QToolButton::clicked, this, &TFRLCV::SBColumnasClick);
}

void TFRLCV::buildList()
{
    using Type = DataGrid::ColumnType;
    m_grid = new DataGrid(this);
    struct Column {
        const char* title;
        Type type;
        int width;
        bool optional;  // hidden until "Mostrar Columnas"
    };
    QList<Column> columns;
    if (m_kind == BookKind::Sales) {
        m_grid->setObjectName(QStringLiteral("VecV"));
        columns = {{"E", Type::Text, 24, true},
                   {"", Type::Number, 44, false},
                   {"Fecha", Type::Text, 80, false},
                   {"Nº Fact.", Type::Number, 64, false},
                   {"Nº Aut.", Type::Text, 120, true},
                   {"E", Type::Text, 24, false},
                   {"Nit/CI", Type::Text, 90, false},
                   {"Nombre o Razón Social", Type::Text, 230, false},
                   {"Total Imp.", Type::Number, 76, true},
                   {"I.C.E.", Type::Number, 60, true},
                   {"Exentos", Type::Number, 64, true},
                   {"Gravamen", Type::Number, 70, true},
                   {"SubTotal", Type::Number, 76, true},
                   {"Descuentos", Type::Number, 76, true},
                   {"Neto Base", Type::Number, 76, false},
                   {"I.V.A.", Type::Number, 66, false},
                   {"C. de Control", Type::Text, 110, false},
                   {"NS", Type::Number, 30, false}};
    } else {
        m_grid->setObjectName(QStringLiteral("VecC"));
        columns = {{"E", Type::Text, 24, true},
                   {"", Type::Number, 44, false},
                   {"Fecha", Type::Text, 80, false},
                   {"Nit/CI", Type::Text, 90, false},
                   {"Nombre o Razón Social", Type::Text, 230, false},
                   {"Nº Fact.", Type::Number, 64, false},
                   {"N Dui", Type::Text, 90, true},
                   {"Nº Aut.", Type::Text, 120, true},
                   {"Total Imp.", Type::Number, 76, true},
                   {"Exntos", Type::Number, 64, true},
                   {"SubTotal", Type::Number, 76, true},
                   {"Desc.", Type::Number, 64, true},
                   {"Imp. Base", Type::Number, 76, false},
                   {"Cred/Fisc", Type::Number, 76, false},
                   {"C. de Control", Type::Text, 110, false},
                   {"TC", Type::Number, 30, false}};
    }
    for (int i = 0; i < columns.size(); ++i) {
        const Column& c = columns.at(i);
        m_grid->addColumn(QString::fromUtf8(c.title), c.type, c.width, c.optional);
        if (c.optional)
            m_optionalColumns << i;
    }
    if (m_kind == BookKind::Sales)
        m_grid->addColumn(QString(), Type::Text, 80, true);  // IdVenta, carried only
    connect(m_grid, &DataGrid::rowSelected, this, &TFRLCV::showRowNumber);
}

void TFRLCV::buildStatusBar()
{
    auto* bar = new WindowStatusBar(this);
    m_LRegistro = bar->addPanel("LRegistro", 170);
    m_LEstado = bar->addPanel("LEstado", 200);
    m_PBar1 = bar->progressBar();
}

bool TFRLCV::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MainStatus::setText(3, m_kind == BookKind::Sales ? QStringLiteral("Operacion: Reporte Libro de Ventas")
                                                         : QStringLiteral("Operacion: Reporte Libro de Compras"));
    return QWidget::event(event);
}

bool TFRLCV::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_EAnio) {
                m_CBMes->setFocus();
                return true;
            }
            if (watched == m_CBMes) {
                SBCargarClick();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFRLCV::periodChanged()
{
    m_grid->clearRows();
    m_missing = {};
    m_LRegistro->clear();
    m_LEstado->clear();
    setListButtonsEnabled(false);
}

void TFRLCV::setListButtonsEnabled(bool enabled)
{
    for (QToolButton* button :
         {m_SBBuscar, m_SBExportarTXT, m_SBExportarXLS, m_SBPrimero, m_SBAnterior, m_SBSiguiente, m_SBUltimo, m_SBColumnas})
        button->setEnabled(enabled);
}

void TFRLCV::SBCargarClick()
{
    const QString yearText = m_EAnio->text().trimmed();
    if (yearText.isEmpty())
        return;
    periodChanged();
    bool number = false;
    const BookPeriod period{m_CBMes->currentIndex(), yearText.toInt(&number)};
    if (!number || !period.isValid()) {
        MessageSeam::current().error(QStringLiteral("'%1' no es un año valido").arg(yearText));
        return;
    }
    try {
        WaitCursor wait;
        SqlRows rows = BookQueries::Load(m_kind, period);
        m_period = period;
        fillRows(rows);
    } catch (const DatabaseError& e) {
        m_PBar1->hide();
        periodChanged();
        MessageSeam::current().error(e.text());
        return;
    }
    setListButtonsEnabled(true);
    m_grid->goToRow(m_grid->rowCount() - 1);
    showRowNumber(m_grid->selectedRow());
    m_LEstado->setText(QStringLiteral("Reporte Correcto"));
    if (!m_missing.isEmpty())
        showMissingInvoices();
}

// Builds every list row first and hands them to the grid in one go; the gap check walks the
// same rows.
void TFRLCV::fillRows(SqlRows& rows)
{
    const bool sales = m_kind == BookKind::Sales;
    m_PBar1->setRange(0, rows.count());
    m_PBar1->setValue(0);
    m_PBar1->show();
    QList<QStringList> cells;
    cells.reserve(rows.count());
    QList<int> annulled;
    QList<BookInvoice> invoices;
    for (int number = 1; !rows.atEnd(); rows.next(), ++number) {
        if (sales) {
            cells << SaleCells(rows, number);
            if (cells.last().at(SEstado) != QLatin1String("V"))
                annulled << number - 1;
            invoices.append({rows.integer(QStringLiteral("IdDosificacion")), rows.integer(QStringLiteral("NroFact"))});
        } else {
            cells << PurchaseCells(rows, number);
        }
        if (number % ProgressStep == 0)
            m_PBar1->setValue(number);
    }
    if (sales && cells.isEmpty())
        cells << NoMovementCells();
    m_grid->addRows(cells);
    for (int row : annulled)
        for (int column = 0; column <= SSucursal; ++column)
            m_grid->setCellColor(column, row, kAnnulled);
    m_missing = FindMissingInvoices(invoices);
    m_PBar1->hide();
}

void TFRLCV::showMissingInvoices()
{
    const QString count = QString::number(m_missing.count());
    m_LEstado->setText(QStringLiteral("Faltan %1 Facturas").arg(count));
    m_FMensajes->setAlertMode(1);
    m_FMensajes->invoicesLabel()->setText(QStringLiteral("Faltan %1 Facturas y son las Siguentes: ").arg(count));
    m_FMensajes->invoicesMemo()->setPlainText(m_missing.lines().join(QLatin1Char('\n')));
    m_FMensajes->open();  // modal for the user, without holding the load
}

void TFRLCV::showRowNumber(int row)
{
    if (row < 0 || m_grid->rowCount() == 0) {
        m_LRegistro->clear();
        return;
    }
    m_LRegistro->setText(QStringLiteral("Registro: %1 de %2").arg(row + 1).arg(m_grid->rowCount()));
}

void TFRLCV::SBBuscarClick()
{
    m_FBuscar2->showFor(m_kind == BookKind::Sales ? SearchDialogMode::SalesBook : SearchDialogMode::PurchasesBook, m_grid);
}

QList<QStringList> TFRLCV::listedRows() const
{
    QList<QStringList> rows;
    rows.reserve(m_grid->rowCount());
    const int columns = m_grid->columnCount();
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        QStringList cells;
        cells.reserve(columns);
        for (int column = 0; column < columns; ++column)
            cells << m_grid->cell(column, row);
        rows << cells;
    }
    return rows;
}

// The save dialog, first in the database's folder, then where the last file went.
QString TFRLCV::chooseFile(const QString& name, const QString& filter)
{
    if (m_folder.isEmpty())
        m_folder = QFileInfo(TDataModule1::instance().path()).absolutePath();
    const QString path =
        FileDialogSeam::current().saveFile(this, QStringLiteral("Guardar Libro"), m_folder + QLatin1Char('/') + name, filter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).absolutePath();
    return path;
}

void TFRLCV::openWritten(const QString& path, const QString& failure)
{
    if (!DesktopSeam::current().openFile(path))
        MessageSeam::current().plain(failure);
}

void TFRLCV::SBExportarTXTClick()
{
    if (m_grid->rowCount() == 0)
        return;
    const QString path = chooseFile(FileName(m_kind, m_period, SessionState::current().TaxpayerNit),
                                    QStringLiteral("Archivo de Texto (*.txt)"));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    {
        WaitCursor wait;
        const int fields = FileFields(m_kind);
        QStringList lines;
        lines.reserve(m_grid->rowCount());
        const QList<QStringList> rows = listedRows();
        m_PBar1->setRange(0, int(rows.size()));
        m_PBar1->show();
        for (int i = 0; i < rows.size(); ++i) {
            lines << FileLine(rows.at(i), fields);
            if (i % ProgressStep == 0)
                m_PBar1->setValue(i);
        }
        m_PBar1->hide();
        bytes = FileText(lines);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MessageSeam::current().error(QStringLiteral("No se puede guardar el archivo %1: %2").arg(path, file.errorString()));
        return;
    }
    openWritten(path, QStringLiteral("No es posible abrir el Bloc de Notas"));
}

void TFRLCV::SBExportarXLSClick()
{
    if (m_grid->cell(0, 0).isEmpty())
        return;
    QString name = FileName(m_kind, m_period, SessionState::current().TaxpayerNit);
    name.chop(4);
    const QString path = chooseFile(name + QStringLiteral(".xlsx"), QStringLiteral("Libro de Excel (*.xlsx)"));
    if (path.isEmpty())
        return;
    QString error;
    {
        WaitCursor wait;
        const SessionState& s = SessionState::current();
        const SpreadsheetWriter sheet =
            BookSpreadsheet::Build(m_kind, listedRows(), {s.TaxpayerName, s.BranchNumber, m_period});
        m_PBar1->setRange(0, sheet.cellCount());
        m_PBar1->show();
        error = sheet.save(path, [this](int done, int) { m_PBar1->setValue(done); });
        m_PBar1->hide();
    }
    if (!error.isEmpty()) {
        MessageSeam::current().error(error);
        return;
    }
    openWritten(path, QStringLiteral("No es posible abrir la Hoja de Calculo"));
}

void TFRLCV::SBPrimeroClick() { m_grid->goToRow(0); }

void TFRLCV::SBAnteriorClick() { m_grid->goToRow(qMax(0, m_grid->selectedRow() - 1)); }

void TFRLCV::SBSiguienteClick() { m_grid->goToRow(qMin(m_grid->selectedRow() + 1, m_grid->rowCount() - 1)); }

void TFRLCV::SBUltimoClick() { m_grid->goToRow(m_grid->rowCount() - 1); }

void TFRLCV::SBColumnasClick()
{
    m_showingAll = !m_showingAll;
    for (int column : m_optionalColumns)
        m_grid->setColumnHidden(column, !m_showingAll);
    const QString next = m_showingAll ? QStringLiteral("Ocultar Columnas") : QStringLiteral("Mostrar Columnas");
    m_SBColumnas->setText(next);
    m_SBColumnas->setToolTip(next);
}
