#include "reports/ui/ReportWindowParts.h"

#include "data/ClockSeam.h"
#include "data/DesktopSeam.h"
#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "reports/ui/ReportFilters.h"
#include "widgets/DataGrid.h"
#include "widgets/GridNavigation.h"
#include "widgets/NamedControls.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLayout>
#include <QToolButton>

namespace ReportWindowParts {

QToolButton* ActionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    return NamedControls::ToolButton(parent, name, caption, hint.isEmpty() ? caption : hint, QSize(84, 0));
}

QList<QToolButton*> NavigationButtons(QWidget* parent, DataGrid* grid, const QString& suffix)
{
    return GridNavigation::Buttons(parent, grid, suffix);
}

QDateEdit* DatePicker(QWidget* parent, const char* name, const QDate& date)
{
    auto* picker = new QDateEdit(date, parent);
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    return picker;
}

QGroupBox* Group(QWidget* parent, const QString& title, QLayout* layout)
{
    auto* group = new QGroupBox(title, parent);
    group->setLayout(layout);
    return group;
}

namespace {

QComboBox* ChoiceBox(QWidget* parent, const char* name, int width)
{
    QComboBox* box = NamedControls::List(parent, name);
    box->setMinimumWidth(width);
    ReportFilters::SelectionOnly(box);
    return box;
}

QVBoxLayout* Holding(QWidget* widget)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(widget);
    return layout;
}

}

ItemReportPanel BuildItemReportPanel(QWidget* parent, const ItemReportNames& names)
{
    ItemReportPanel p;
    p.panel = new QWidget(parent);
    p.panel->setObjectName(QLatin1String(names.panel));
    const QDate workDate = SessionState::current().WorkDate;
    p.from = DatePicker(p.panel, "DTFechaI", workDate.addDays(-30));
    p.to = DatePicker(p.panel, "DTFechaF", workDate);
    p.category = ChoiceBox(p.panel, "CBCategoria", 200);
    p.item = ChoiceBox(p.panel, "CBProductos", 240);
    p.generate = ActionButton(p.panel, names.generate, QStringLiteral("GENERAR"));
    p.report = ActionButton(p.panel, "SBReporte", QStringLiteral("REPORTE"));
    p.report->setEnabled(false);

    p.grid = new DataGrid(p.panel);
    p.grid->setObjectName(QLatin1String(names.grid));
    using Type = DataGrid::ColumnType;
    p.grid->addColumn(QStringLiteral("Nro"), Type::Number, 44);
    const int quantity = p.grid->addColumn(QStringLiteral("Cantidad"), Type::Number, 80);
    p.grid->addColumn(QStringLiteral("Nombre Producto"), Type::Text, 300);
    p.grid->addColumn(QStringLiteral("U.Medida"), Type::Text, 90);
    p.grid->addColumn(QStringLiteral("C/Unitario"), Type::Number, 90);
    const int total = p.grid->addColumn(QStringLiteral("C/Total"), Type::Number, 100);
    p.grid->setColumnFooter(quantity, DataGrid::Footer::Sum);
    p.grid->setColumnFooter(total, DataGrid::Footer::SumMoney);

    auto* range = new QFormLayout;
    range->addRow(QStringLiteral("Desde:"), p.from);
    range->addRow(QStringLiteral("Hasta:"), p.to);
    auto* actions = new QHBoxLayout;
    actions->addWidget(p.generate);
    actions->addWidget(p.report);
    for (QToolButton* button : NavigationButtons(p.panel, p.grid))
        actions->addWidget(button);
    auto* filters = new QHBoxLayout;
    filters->addWidget(Group(p.panel, QStringLiteral("RANGO FECHA"), range));
    filters->addWidget(Group(p.panel, QStringLiteral("CATEGORIAS"), Holding(p.category)));
    filters->addWidget(Group(p.panel, names.itemGroup, Holding(p.item)));
    filters->addWidget(Group(p.panel, QStringLiteral("ACCIONES"), actions));
    filters->addStretch(1);
    auto* layout = new QVBoxLayout(p.panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(p.grid, 1);
    return p;
}

QString PrintStamp(const QString& caption)
{
    return caption + ClockSeam::current().now().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

void SaveAndOpen(QWidget* parent, QString& lastFolder, const QString& name, const QString& filter,
                 const std::function<QString(const QString&)>& write)
{
    if (lastFolder.isEmpty())
        lastFolder = QFileInfo(TDataModule1::instance().path()).absolutePath();
    const QString path = FileDialogSeam::current().saveFile(parent, QStringLiteral("Guardar Reporte"),
                                                            lastFolder + QLatin1Char('/') + name, filter);
    if (path.isEmpty())
        return;
    lastFolder = QFileInfo(path).absolutePath();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = write(path);
    QApplication::restoreOverrideCursor();
    if (!error.isEmpty()) {
        MessageSeam::current().error(error);
        return;
    }
    if (!DesktopSeam::current().openFile(path))
        MessageSeam::current().plain(QStringLiteral("No es posible abrir la Hoja de Calculo"));
}

}
