#pragma once
#include <QDate>
#include <QString>
#include <QVector>
#include <functional>

// One sheet of a spreadsheet file (.xlsx), written through libxlsxwriter: the books and the
// debtors list are laid out cell by cell here, then saved in one go. Rows and columns count from
// 0 (A1 is 0, 0). Writing a cell twice keeps the last write.
struct SheetStyle {
    bool bold = false;
    bool yellow = false;     // solid yellow background
    bool topBorder = false;  // thin line above the cell
    bool left = false;       // aligned left
};

class SpreadsheetWriter {
public:
    using Style = SheetStyle;

    void setColumnWidth(int firstColumn, int lastColumn, double width, Style style = {});

    void text(int row, int column, const QString& value, Style style = {});
    void number(int row, int column, double value, Style style = {});
    // A number shown with two decimals ("0.00").
    void money(int row, int column, double value, Style style = {});
    // A date cell shown dd/mm/yyyy.
    void date(int row, int column, const QDate& value, Style style = {});
    // An empty cell that still carries its style (bold header rows, the yellow heading row).
    void blank(int row, int column, Style style);

    int cellCount() const { return int(m_cells.size()); }

    // Writes the file whole or not at all: on a failure nothing is left at `path` (an existing
    // file stays as it was) and the reason is returned; empty text means saved. `progress` is told
    // how many cells of how many are written.
    QString save(const QString& path, const std::function<void(int done, int total)>& progress = {}) const;

private:
    enum class Kind { Blank, Text, Number, Money, Date };
    struct Cell {
        int row;
        int column;
        Kind kind;
        Style style;
        QString text;
        double number = 0;
        QDate date;
    };
    struct Column {
        int first;
        int last;
        double width;
        Style style;
    };

    QVector<Cell> m_cells;
    QVector<Column> m_columns;
};
