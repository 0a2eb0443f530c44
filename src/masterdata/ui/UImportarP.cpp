#include "masterdata/ui/UImportarP.h"

#include "data/DatabaseError.h"
#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/ProductImport.h"
#include "widgets/DataGrid.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The object names of the column choosers, one per field.
const char* const kChooserNames[ImportColumns::FieldCount] = {
    "CBColNombre", "CBColMarca",         "CBColPresentacion", "CBColUnidad", "CBColCategoria", "CBColCosto",
    "CBColPrecio", "CBColPrecioFactura", "CBColMinimo",       "CBColCodigo", "CBColStock",     "CBColInventario"};

QString columnLabel(const QStringList& titles, int column)
{
    const QString title = titles.value(column);
    return title.isEmpty() ? QStringLiteral("(columna %1 sin título)").arg(column + 1) : title;
}

}

TFImportarP::TFImportarP(const QString& path, const ImportTable& table, QWidget* parent)
    : QDialog(parent)
    , m_path(path)
    , m_table(table)
{
    setObjectName(QStringLiteral("FImportarP"));
    setWindowTitle(QStringLiteral("Importar Productos"));
    auto* layout = new QVBoxLayout(this);
    auto* file = new QLabel(
        QStringLiteral("Archivo: <b>%1</b> (%2 filas)").arg(QDir::toNativeSeparators(path).toHtmlEscaped()).arg(table.rows.size()),
        this);
    layout->addWidget(file);

    auto* columns = new QGroupBox(QStringLiteral("Columnas de la hoja (elegidas por su título)"), this);
    auto* grid = new QGridLayout(columns);
    const ImportColumns::Map guessed = ImportColumns::Guess(table.titles);
    for (int field = 0; field < ImportColumns::FieldCount; ++field) {
        auto* combo = new QComboBox(columns);
        combo->setObjectName(QLatin1String(kChooserNames[field]));
        combo->addItem(QStringLiteral("(ninguna)"), -1);
        for (int column = 0; column < table.titles.size(); ++column)
            combo->addItem(columnLabel(table.titles, column), column);
        combo->setCurrentIndex(guessed[field] + 1);
        const QString caption =
            ImportColumns::Caption(ImportColumns::Field(field))
            + (ImportColumns::Required(ImportColumns::Field(field)) ? QStringLiteral(" (*):") : QStringLiteral(":"));
        grid->addWidget(new QLabel(caption, columns), field / 3, (field % 3) * 2, Qt::AlignRight);
        grid->addWidget(combo, field / 3, (field % 3) * 2 + 1);
        connect(combo, &QComboBox::activated, this, &TFImportarP::refresh);
        m_columns[field] = combo;
    }
    layout->addWidget(columns);

    layout->addWidget(new QLabel(QStringLiteral("Primeras filas, como se guardarán:"), this));
    m_VecVista = new DataGrid(this);
    m_VecVista->setObjectName(QStringLiteral("VecVista"));
    m_VecVista->addColumn(QStringLiteral("Línea"), DataGrid::ColumnType::Number, 50);
    for (int field = 0; field < ImportColumns::FieldCount; ++field)
        m_VecVista->addColumn(ImportColumns::Caption(ImportColumns::Field(field)), DataGrid::ColumnType::Text, 110);
    m_VecVista->setMinimumHeight(180);
    layout->addWidget(m_VecVista, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("LRevision"));
    layout->addWidget(m_summary);
    m_MRevision = new QPlainTextEdit(this);
    m_MRevision->setObjectName(QStringLiteral("MRevision"));
    m_MRevision->setReadOnly(true);
    m_MRevision->setMaximumHeight(140);
    layout->addWidget(m_MRevision);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_SBImportar = new QPushButton(QStringLiteral("Importar"), this);
    m_SBImportar->setObjectName(QStringLiteral("SBImportar"));
    m_SBImportar->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setObjectName(QStringLiteral("SBCerrar"));
    close->setAutoDefault(false);
    buttons->addWidget(m_SBImportar);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(m_SBImportar, &QPushButton::clicked, this, &TFImportarP::SBImportarClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    resize(980, 640);
    refresh();
}

ImportColumns::Map TFImportarP::currentMap() const
{
    ImportColumns::Map map;
    for (int field = 0; field < ImportColumns::FieldCount; ++field)
        map[field] = m_columns[field]->currentData().toInt();
    return map;
}

void TFImportarP::fillPreview()
{
    const ImportColumns::Map map = currentMap();
    QList<QStringList> rows;
    for (const ImportTable::Row& row : m_table.rows.mid(0, kPreviewRows)) {
        QStringList cells{QString::number(row.line)};
        for (int field = 0; field < ImportColumns::FieldCount; ++field)
            cells << (map[field] >= 0 ? row.cells.value(map[field]).trimmed() : QString());
        rows << cells;
    }
    m_VecVista->clearRows();
    m_VecVista->addRows(rows);
}

// Every row is checked against the shop again whenever a column changes.
void TFImportarP::refresh()
{
    fillPreview();
    ProductImport::Outcome outcome;
    try {
        outcome = ProductImport::Check(m_table, currentMap());
    } catch (const DatabaseError& e) {
        outcome.failure = e.text();
    }
    QStringList report = outcome.report();
    m_summary->setText(outcome.ok() ? QStringLiteral("<b>Todo en orden.</b> Revise las columnas y pulse \"Importar\".")
                                    : QStringLiteral("<b>Corrija la hoja (o elija otras columnas) antes de importar:</b>"));
    m_MRevision->setPlainText(report.join(QLatin1Char('\n')));
    m_SBImportar->setEnabled(outcome.ok());
}

void TFImportarP::SBImportarClick()
{
    ProductImport::Outcome outcome;
    try {
        outcome = ProductImport::Import(m_table, currentMap(), SessionState::current().UserLogin);
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    if (!outcome.written) {
        // Another counter changed the catalogue since the check.
        m_MRevision->setPlainText(outcome.report().join(QLatin1Char('\n')));
        m_SBImportar->setEnabled(false);
        return;
    }
    MessageSeam::current().information(outcome.report().join(QLatin1Char('\n')));
    accept();
}

TFImportarP* TFImportarP::ChooseAndOpen(QWidget* parent)
{
    const QString path =
        FileDialogSeam::current().openFile(parent, QStringLiteral("Importar Productos"), SessionState::current().AppFolder,
                                           QStringLiteral("Hojas de cálculo (*.xlsx *.csv *.txt)"));
    if (path.isEmpty())
        return nullptr;
    ImportTable table;
    if (const QString error = ImportTable::Read(path, &table); !error.isEmpty()) {
        MessageSeam::current().information(error);
        return nullptr;
    }
    auto* dialog = new TFImportarP(path, table, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}
