#pragma once
#include <QTableWidget>

class DataGridFooter;

// The list grid of every window. Columns are typed (text, number, check box, image) and may be
// hidden to carry a row's data; a footer under the rows shows a column's sum or row count;
// cells are read and written by (column, row), and reading outside the rows gives empty text.
//
// Check-box cells read as "1" (checked) or "0"; image cells show the column's picture (or their
// own) and read as the text stored with them (e.g. "0" for a delete icon).
// Signals: rowSelected when the current row changes and when the user clicks a row that already
// was the current one (a window that cleared its fields for a new entry shows that row again),
// QTableWidget::cellClicked(row, column) for clicks, checkToggled when the user flips a check box.
//
// A long list's rows past the first PackedFrom, added with addRows, keep their cells packed in one
// text each until they are first shown or changed, and only then get a cell item each: a year's
// book of a hundred thousand rows would otherwise take half a gigabyte and a second to fill. The
// lists of everyday use (a cart, a day's sales, a catalogue) stay whole table items. Read and
// change cells through cell() and the setters here, which work on both; item() is null for a row
// still packed.
class DataGrid : public QTableWidget {
    Q_OBJECT
public:
    enum class ColumnType { Text, Number, Check, Image };
    enum class Footer { None, Sum, SumMoney, Count };  // Sum: shortest number; SumMoney: "0.00"
    enum class Match { StartsWith, Contains };

    static constexpr int PackedFrom = 1000;

    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Appends a column and answers its index.
    int addColumn(const QString& title, ColumnType type = ColumnType::Text, int width = 80, bool hidden = false);
    ColumnType columnType(int column) const;
    void setColumnFooter(int column, Footer footer);
    // The picture every cell of an image column shows unless given its own.
    void setColumnImage(int column, const QPixmap& picture);
    // The user may edit the cells of this column (double click, F2, or typing on the cell); the
    // other columns stay read-only. A delegate set for the column (setItemDelegateForColumn)
    // decides what an edit may hold.
    void setColumnEditable(int column);
    // Shows a column the rows carry hidden, titled and sized, on screen right after `after`:
    // lists keep the columns their forms show and add those that tell like rows apart.
    void revealColumn(int column, const QString& title, int width, int after);

    // Appends a row filled from `cells` (column order; missing cells empty) and answers its index.
    int addRow(const QStringList& cells = {});
    // Appends many rows at once, each as addRow would (past the first PackedFrom rows packed
    // until shown, see above); the view and the footers are refreshed once at the end.
    void addRows(const QList<QStringList>& rows);
    void clearRows();

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    bool isChecked(int column, int row) const;
    void setChecked(int column, int row, bool checked);
    void setCellImage(int column, int row, const QPixmap& picture);
    // An invalid colour gives the cell back its plain background.
    void setCellColor(int column, int row, const QColor& colour);
    // The cell's own background, or an invalid colour when it has none.
    QColor cellColor(int column, int row) const;

    // The footer's text; sums are added up in exact decimal units (money in cents) once after
    // the rows change, not at every paint.
    QString footerText(int column) const;

    // Case-insensitive search down a column from `from`: the first row whose text starts with
    // (or contains) `text`, or -1. An empty text finds nothing.
    int findRow(int column, const QString& text, Match match = Match::StartsWith, int from = 0) const;
    // Incremental search as the user types: selects and shows the first match; false when none.
    bool searchColumn(int column, const QString& text, Match match = Match::StartsWith);
    // The current row, or -1.
    int selectedRow() const { return currentRow(); }
    void goToRow(int row);

signals:
    void rowSelected(int row);
    void checkToggled(int column, int row, bool checked);

protected:
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Gives a packed row its cell items; nothing for a row that has them.
    void unpack(int row);
    void unpackShownRows();
    void rowsInsertedAt(int first, int last);
    void rowsRemovedAt(int first, int last);
    QTableWidgetItem* itemAt(int column, int row) const;
    QTableWidgetItem* makeItem(int column) const;
    void writeItem(QTableWidgetItem* item, int column, const QString& text) const;
    void rowsChanged();
    void computeFooters() const;
    bool inRange(int column, int row) const;
    void placeFooter();

    QList<ColumnType> m_types;
    QList<Footer> m_footers;
    QList<QPixmap> m_pictures;
    QList<bool> m_editable;
    DataGridFooter* m_footer = nullptr;
    mutable QStringList m_footerTexts;
    mutable bool m_footersStale = true;
    // Per row: its cells packed into one text, or a null text once the row has its items.
    QVector<QString> m_packed;
    // The current row when the mouse button went down: a click on it selects it again.
    int m_rowAtPress = -1;
};
