#include "tax/SpreadsheetWriter.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QDir>

#include <xlsxwriter.h>

namespace {

enum class NumberFormat { None, Money, Date };

int FormatKey(const SpreadsheetWriter::Style& s, NumberFormat number)
{
    return int(s.bold) | int(s.yellow) << 1 | int(s.topBorder) << 2 | int(s.left) << 3 | int(number) << 4;
}

// libxlsxwriter's formats belong to the workbook; one per combination of style and number format.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : m_book(book) {}

    lxw_format* get(const SpreadsheetWriter::Style& s, NumberFormat number)
    {
        const int key = FormatKey(s, number);
        if (lxw_format* found = m_formats.value(key))
            return found;
        lxw_format* f = workbook_add_format(m_book);
        if (s.bold)
            format_set_bold(f);
        if (s.yellow) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, LXW_COLOR_YELLOW);
        }
        if (s.topBorder)
            format_set_top(f, LXW_BORDER_THIN);
        if (s.left)
            format_set_align(f, LXW_ALIGN_LEFT);
        if (number == NumberFormat::Money)
            format_set_num_format(f, "0.00");
        else if (number == NumberFormat::Date)
            format_set_num_format(f, "dd/mm/yyyy");
        m_formats.insert(key, f);
        return f;
    }

private:
    lxw_workbook* m_book;
    QHash<int, lxw_format*> m_formats;
};

}

void SpreadsheetWriter::setColumnWidth(int firstColumn, int lastColumn, double width, Style style)
{
    m_columns.append({firstColumn, lastColumn, width, style});
}

void SpreadsheetWriter::text(int row, int column, const QString& value, Style style)
{
    m_cells.append({row, column, Kind::Text, style, value, 0, {}});
}

void SpreadsheetWriter::number(int row, int column, double value, Style style)
{
    m_cells.append({row, column, Kind::Number, style, {}, value, {}});
}

void SpreadsheetWriter::money(int row, int column, double value, Style style)
{
    m_cells.append({row, column, Kind::Money, style, {}, value, {}});
}

void SpreadsheetWriter::date(int row, int column, const QDate& value, Style style)
{
    m_cells.append({row, column, Kind::Date, style, {}, 0, value});
}

void SpreadsheetWriter::blank(int row, int column, Style style)
{
    m_cells.append({row, column, Kind::Blank, style, {}, 0, {}});
}

QString SpreadsheetWriter::save(const QString& path, const std::function<void(int, int)>& progress) const
{
    // The workbook is made in a temporary file first and only then copied whole into place.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/cvi-libro-XXXXXX.xlsx"));
    if (!scratch.open())
        return QStringLiteral("No se puede preparar la hoja de calculo: %1").arg(scratch.errorString());
    const QByteArray scratchPath = QFile::encodeName(scratch.fileName());
    scratch.close();

    lxw_workbook* book = workbook_new(scratchPath.constData());
    if (!book)
        return QStringLiteral("No se puede preparar la hoja de calculo");
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    FormatCache formats(book);
    for (const Column& c : m_columns)
        worksheet_set_column(sheet, lxw_col_t(c.first), lxw_col_t(c.last), c.width, formats.get(c.style, NumberFormat::None));
    const int total = int(m_cells.size());
    for (int i = 0; i < total; ++i) {
        const Cell& c = m_cells.at(i);
        const auto row = lxw_row_t(c.row);
        const auto column = lxw_col_t(c.column);
        switch (c.kind) {
        case Kind::Blank: worksheet_write_blank(sheet, row, column, formats.get(c.style, NumberFormat::None)); break;
        case Kind::Text:
            worksheet_write_string(sheet, row, column, c.text.toUtf8().constData(), formats.get(c.style, NumberFormat::None));
            break;
        case Kind::Number:
            worksheet_write_number(sheet, row, column, c.number, formats.get(c.style, NumberFormat::None));
            break;
        case Kind::Money:
            worksheet_write_number(sheet, row, column, c.number, formats.get(c.style, NumberFormat::Money));
            break;
        case Kind::Date: {
            lxw_datetime when{c.date.year(), uint8_t(c.date.month()), uint8_t(c.date.day()), 0, 0, 0};
            worksheet_write_datetime(sheet, row, column, &when, formats.get(c.style, NumberFormat::Date));
            break;
        }
        }
        if (progress && (i % 2000 == 0 || i + 1 == total))
            progress(i + 1, total);
    }
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        QFile::remove(scratch.fileName());
        return QStringLiteral("No se puede preparar la hoja de calculo: %1").arg(QString::fromUtf8(lxw_strerror(closed)));
    }

    QFile made(scratch.fileName());
    if (!made.open(QIODevice::ReadOnly))
        return QStringLiteral("No se puede preparar la hoja de calculo: %1").arg(made.errorString());
    const QByteArray bytes = made.readAll();
    made.close();
    made.remove();

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return QStringLiteral("No se puede guardar el archivo %1: %2").arg(path, out.errorString());
    return {};
}
