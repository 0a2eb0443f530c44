#pragma once
#include <QJsonObject>
#include <QString>

// Reads a spreadsheet file back through the Debian-packaged reader (python3-openpyxl): what a
// spreadsheet program will find in it, not what our writer meant to put there.
struct SheetCell {
    QJsonValue value;
    QString type;    // "s" text, "n" number, "d" date
    QString format;  // number format, e.g. "0.00"
    bool bold = false;
    QString fill;   // "FFFFFF00" for yellow, empty when none
    QString top;    // "thin" or empty
    QString align;  // "left" or empty
    bool exists = false;
};

class SheetReader {
public:
    // Empty text when read, otherwise why not.
    QString read(const QString& path);
    SheetCell cell(const QString& reference) const;
    // The width as the spreadsheet program shows it (characters).
    double width(const QString& column) const;
    int cellCount() const { return int(m_cells.size()); }

private:
    QJsonObject m_cells;
    QJsonObject m_widths;
};
