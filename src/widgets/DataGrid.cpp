#include "widgets/DataGrid.h"

#include "data/Formats.h"
#include "widgets/DataGridFooter.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
constexpr int TextRole = Qt::UserRole + 1;  // the value an image cell carries

// A list this long was built from rows its caller held twice over (the statement's result and the
// cells): once the caller is done with them, the memory goes back to the system instead of staying
// with the program while the list is open.
constexpr int LongList = 10000;

void ReleaseFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

// A packed row: every cell preceded by this mark (so a row of empty cells is no empty text).
constexpr QChar CellMark(0x1F);

QString Pack(const QStringList& cells, int columns)
{
    QString packed;
    for (int column = 0; column < columns; ++column) {
        packed += CellMark;
        packed += cells.value(column);
    }
    return packed;
}

// The text of one cell of a packed row, found without splitting the row.
QString PackedCell(const QString& packed, int column)
{
    qsizetype start = -1;
    for (int c = 0; c <= column; ++c) {
        start = packed.indexOf(CellMark, start + 1);
        if (start < 0)
            return {};
    }
    const qsizetype end = packed.indexOf(CellMark, start + 1);
    return packed.mid(start + 1, end < 0 ? -1 : end - start - 1);
}

bool ReadsAsChecked(const QString& text)
{
    return text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// Money adds up in cents, quantities in millionths: whole numbers, so a long column sums exactly.
constexpr int MoneyDecimals = 2;
constexpr int QuantityDecimals = 6;

// A plain decimal text ("-12.5", ".75", "3.") as a whole count of 10^-decimals units, rounded half
// away from zero; false for anything else (empty, letters, a comma, too many digits).
bool ScaledValue(const QString& text, int decimals, qint64* value)
{
    const QString t = text.trimmed();
    int i = 0;
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative)
        ++i;
    qint64 whole = 0;
    qint64 fraction = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c == QLatin1Char('.') && !point) {
            point = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        const int d = c.unicode() - '0';
        ++digits;
        if (!point) {
            if (whole > 99999999999LL)  // beyond any amount a shop keeps
                return false;
            whole = whole * 10 + d;
        } else if (fractionDigits < decimals) {
            fraction = fraction * 10 + d;
            ++fractionDigits;
        } else if (fractionDigits++ == decimals) {
            roundUp = d >= 5;
        }
    }
    if (digits == 0)
        return false;
    for (int k = qMin(fractionDigits, decimals); k < decimals; ++k)
        fraction *= 10;
    qint64 scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    const qint64 units = whole * scale + fraction + (roundUp ? 1 : 0);
    *value = negative ? -units : units;
    return true;
}
}

DataGrid::DataGrid(QWidget* parent) : QTableWidget(parent), m_footer(new DataGridFooter(this))
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A grid is one stop on the window's Tab path; the arrows walk its cells.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    m_footer->hide();

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row >= 0 && row != previousRow)
            emit rowSelected(row);
    });
    // A click on the row that already was current changes no current cell, yet the user asks
    // to see that row (after "NUEVO" emptied the fields, say).
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row >= 0 && row == m_rowAtPress)
            emit rowSelected(row);
    });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (columnType(item->column()) == ColumnType::Check)
            emit checkToggled(item->column(), item->row(), item->checkState() == Qt::Checked);
        rowsChanged();
    });
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsInsertedAt(first, last); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { rowsRemovedAt(first, last); });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] {
        m_packed = QVector<QString>(rowCount());
        rowsChanged();
    });
    auto repaint = [this] { m_footer->update(); };
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void DataGrid::mousePressEvent(QMouseEvent* event)
{
    m_rowAtPress = currentRow();
    QTableWidget::mousePressEvent(event);
}

DataGrid::~DataGrid()
{
    // The table empties its model after this part of it is gone: its signals must not reach here.
    disconnect(model(), nullptr, this, nullptr);
}

int DataGrid::addColumn(const QString& title, ColumnType type, int width, bool hidden)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    setHorizontalHeaderItem(column, new QTableWidgetItem(title));
    setColumnWidth(column, width);
    setColumnHidden(column, hidden);
    m_types << type;
    m_footers << Footer::None;
    m_pictures << QPixmap();
    m_editable << false;
    return column;
}

DataGrid::ColumnType DataGrid::columnType(int column) const { return m_types.value(column, ColumnType::Text); }

void DataGrid::setColumnFooter(int column, Footer footer)
{
    if (column < 0 || column >= m_footers.size())
        return;
    m_footers[column] = footer;
    m_footer->setVisible(m_footers.count(Footer::None) != m_footers.size());
    updateGeometries();
    rowsChanged();
}

void DataGrid::setColumnImage(int column, const QPixmap& picture)
{
    if (column < 0 || column >= m_pictures.size())
        return;
    m_pictures[column] = picture;
    for (int row = 0; row < rowCount(); ++row)
        if (QTableWidgetItem* item = itemAt(column, row))
            item->setData(Qt::DecorationRole, picture);
}

void DataGrid::setColumnEditable(int column)
{
    if (column < 0 || column >= m_editable.size())
        return;
    m_editable[column] = true;
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int row = 0; row < rowCount(); ++row)
        if (QTableWidgetItem* item = itemAt(column, row))
            item->setFlags(item->flags() | Qt::ItemIsEditable);
}

QTableWidgetItem* DataGrid::makeItem(int column) const
{
    auto* item = new QTableWidgetItem;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    switch (columnType(column)) {
    case ColumnType::Number: item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case ColumnType::Check:
        flags |= Qt::ItemIsUserCheckable;
        item->setCheckState(Qt::Unchecked);
        break;
    case ColumnType::Image: item->setData(Qt::DecorationRole, m_pictures.value(column)); break;
    case ColumnType::Text: break;
    }
    if (m_editable.value(column))
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    return item;
}

int DataGrid::addRow(const QStringList& cells)
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        setItem(row, column, makeItem(column));
        setCell(column, row, cells.value(column));
    }
    return row;
}

void DataGrid::addRows(const QList<QStringList>& rows)
{
    if (rows.isEmpty())
        return;
    const int first = rowCount();
    const int columns = columnCount();
    setRowCount(first + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        m_packed[first + r] = Pack(rows.at(r), columns);
        if (first + r < PackedFrom)
            unpack(first + r);
    }
    viewport()->update();
    rowsChanged();
    if (rows.size() >= LongList)
        QTimer::singleShot(0, this, &ReleaseFreedMemory);
}

void DataGrid::unpack(int row)
{
    if (row < 0 || row >= m_packed.size() || m_packed.at(row).isNull())
        return;
    const QString packed = m_packed.at(row);
    m_packed[row] = QString();
    // The row already exists for the view; only its cells become items, without a signal each.
    const QSignalBlocker quiet(model());
    for (int column = 0; column < columnCount(); ++column) {
        QTableWidgetItem* it = makeItem(column);
        writeItem(it, column, PackedCell(packed, column));
        setItem(row, column, it);
    }
}

void DataGrid::unpackShownRows()
{
    if (rowCount() == 0)
        return;
    const int top = rowAt(0);
    if (top < 0)
        return;
    int bottom = rowAt(viewport()->height() - 1);
    if (bottom < 0)
        bottom = rowCount() - 1;
    for (int row = top; row <= bottom; ++row)
        unpack(row);
}

void DataGrid::paintEvent(QPaintEvent* event)
{
    unpackShownRows();
    QTableWidget::paintEvent(event);
}

void DataGrid::rowsInsertedAt(int first, int last)
{
    m_packed.insert(first, last - first + 1, QString());
    rowsChanged();
}

void DataGrid::rowsRemovedAt(int first, int last)
{
    m_packed.remove(first, qMin<qsizetype>(last - first + 1, m_packed.size() - first));
    rowsChanged();
}

void DataGrid::clearRows()
{
    setRowCount(0);
    rowsChanged();
}

void DataGrid::rowsChanged()
{
    m_footersStale = true;
    m_footer->update();
}

bool DataGrid::inRange(int column, int row) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

QTableWidgetItem* DataGrid::itemAt(int column, int row) const { return inRange(column, row) ? item(row, column) : nullptr; }

QString DataGrid::cell(int column, int row) const
{
    if (inRange(column, row) && !m_packed.at(row).isNull()) {
        const QString text = PackedCell(m_packed.at(row), column);
        if (columnType(column) == ColumnType::Check)
            return ReadsAsChecked(text) ? QStringLiteral("1") : QStringLiteral("0");
        return text;
    }
    const QTableWidgetItem* it = itemAt(column, row);
    if (!it)
        return {};
    switch (columnType(column)) {
    case ColumnType::Check: return it->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    case ColumnType::Image: return it->data(TextRole).toString();
    default: return it->text();
    }
}

void DataGrid::setCell(int column, int row, const QString& text)
{
    if (!inRange(column, row))
        return;
    unpack(row);
    QTableWidgetItem* it = item(row, column);
    if (!it) {
        it = makeItem(column);
        setItem(row, column, it);
    }
    writeItem(it, column, text);
    rowsChanged();
}

void DataGrid::writeItem(QTableWidgetItem* it, int column, const QString& text) const
{
    switch (columnType(column)) {
    case ColumnType::Check: it->setCheckState(ReadsAsChecked(text) ? Qt::Checked : Qt::Unchecked); break;
    case ColumnType::Image: it->setData(TextRole, text); break;
    default: it->setText(text); break;
    }
}

bool DataGrid::isChecked(int column, int row) const { return cell(column, row) == QLatin1String("1"); }

void DataGrid::setChecked(int column, int row, bool checked)
{
    setCell(column, row, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void DataGrid::setCellImage(int column, int row, const QPixmap& picture)
{
    if (inRange(column, row))
        unpack(row);
    if (QTableWidgetItem* it = itemAt(column, row))
        it->setData(Qt::DecorationRole, picture);
}

void DataGrid::setCellColor(int column, int row, const QColor& colour)
{
    if (inRange(column, row))
        unpack(row);
    if (QTableWidgetItem* it = itemAt(column, row))
        it->setBackground(colour.isValid() ? QBrush(colour) : QBrush());
}

QColor DataGrid::cellColor(int column, int row) const
{
    const QTableWidgetItem* it = itemAt(column, row);
    return it && it->background().style() != Qt::NoBrush ? it->background().color() : QColor();
}

QString DataGrid::footerText(int column) const
{
    if (m_footersStale)
        computeFooters();
    return m_footerTexts.value(column);
}

void DataGrid::computeFooters() const
{
    m_footerTexts.clear();
    for (int column = 0; column < m_footers.size(); ++column) {
        const Footer footer = m_footers.at(column);
        if (footer == Footer::None) {
            m_footerTexts << QString();
            continue;
        }
        if (footer == Footer::Count) {
            m_footerTexts << Formats::Integer(rowCount());
            continue;
        }
        const int decimals = footer == Footer::SumMoney ? MoneyDecimals : QuantityDecimals;
        qint64 sum = 0;
        for (int row = 0; row < rowCount(); ++row) {
            qint64 value = 0;
            if (ScaledValue(cell(column, row), decimals, &value))
                sum += value;
        }
        m_footerTexts << (footer == Footer::SumMoney ? Formats::Money(double(sum) / 100.0)
                                                     : Formats::General(double(sum) / 1e6));
    }
    m_footersStale = false;
}

int DataGrid::findRow(int column, const QString& text, Match match, int from) const
{
    if (text.isEmpty())
        return -1;
    for (int row = qMax(0, from); row < rowCount(); ++row) {
        const QString value = cell(column, row);
        const bool found = match == Match::StartsWith ? value.startsWith(text, Qt::CaseInsensitive)
                                                      : value.contains(text, Qt::CaseInsensitive);
        if (found)
            return row;
    }
    return -1;
}

bool DataGrid::searchColumn(int column, const QString& text, Match match)
{
    const int row = findRow(column, text, match);
    if (row < 0)
        return false;
    goToRow(row);
    return true;
}

void DataGrid::revealColumn(int column, const QString& title, int width, int after)
{
    horizontalHeaderItem(column)->setText(title);
    setColumnHidden(column, false);
    setColumnWidth(column, width);
    QHeaderView* header = horizontalHeader();
    const int from = header->visualIndex(column);
    const int behind = header->visualIndex(after);
    header->moveSection(from, from > behind ? behind + 1 : behind);
}

void DataGrid::goToRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    int column = 0;
    while (column < columnCount() - 1 && isColumnHidden(column))
        ++column;
    setCurrentCell(row, column);
    scrollTo(model()->index(row, column));
}

void DataGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    // The table sets the viewport margins for its headers; the footer's strip is added below.
    QMargins margins = viewportMargins();
    const int footerHeight = m_footer->isVisibleTo(this) ? DataGridFooter::Height : 0;
    if (margins.bottom() != footerHeight) {
        margins.setBottom(footerHeight);
        setViewportMargins(margins);
    }
    placeFooter();
}

void DataGrid::placeFooter()
{
    const QRect area = viewport()->geometry();
    m_footer->setGeometry(area.left(), area.bottom() + 1, area.width(), DataGridFooter::Height);
}
