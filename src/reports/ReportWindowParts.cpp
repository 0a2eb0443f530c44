#include "reports/ReportWindowParts.h"

#include "data/ClockSeam.h"
#include "data/DesktopSeam.h"
#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/UDataModule.h"
#include "widgets/GridNavigation.h"

#include <QApplication>
#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QLayout>
#include <QToolButton>

namespace ReportWindowParts {

QToolButton* ActionButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(hint.isEmpty() ? caption : hint);
    button->setMinimumWidth(84);
    return button;
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
