#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// A spreadsheet's first sheet as text: the titles of its first row and every row below that
// holds something, each with the line the owner sees it on (the row number of the spreadsheet
// program, the line of the text file where the record starts).
struct ImportTable {
    struct Row {
        int line = 0;
        QStringList cells;  // as many as titles; missing cells are empty text
    };
    QStringList titles;
    QList<Row> rows;

    // Reads a .xlsx workbook or a CSV text file (UTF-8 or Windows-1252, separated by commas,
    // semicolons or tabs), chosen by the file's name. Empty text when read, otherwise why not.
    static QString Read(const QString& path, ImportTable* table);

    // Builds the table from rows as read: the first that holds something gives the titles, empty
    // rows are left out, and every row is padded or cut to the titles' count (text past the last
    // title is kept in an extra untitled column so it is not silently lost).
    static ImportTable FromRows(const QList<Row>& rows);
};
