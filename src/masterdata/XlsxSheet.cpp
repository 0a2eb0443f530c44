#include "masterdata/XlsxSheet.h"

#include <QFile>
#include <QXmlStreamReader>
#include <zip.h>

#include <memory>

namespace XlsxSheet {

namespace {

// A part bigger than this is not a shop's product list but a damaged or hostile file.
constexpr zip_uint64_t kLargestPart = 256ull * 1024 * 1024;

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

// The part's bytes; false when the workbook has no such part or it cannot be read.
bool readPart(zip_t* archive, const QString& name, QByteArray* bytes)
{
    const QByteArray path = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, path.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) || stat.size > kLargestPart)
        return false;
    zip_file_t* file = zip_fopen(archive, path.constData(), 0);
    if (!file)
        return false;
    bytes->resize(qsizetype(stat.size));
    const zip_int64_t read = zip_fread(file, bytes->data(), stat.size);
    zip_fclose(file);
    return read == zip_int64_t(stat.size);
}

// The text of an element, its rich-text runs joined; phonetic hints (<rPh>) are left out.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    bool phonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QLatin1String("rPh"))
                phonetic = true;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            if (xml.name() == QLatin1String("rPh"))
                phonetic = false;
            break;
        case QXmlStreamReader::Characters:
            if (!phonetic)
                text += xml.text();
            break;
        default: break;
        }
    }
    return text;
}

QStringList sharedStrings(const QByteArray& bytes)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            strings << elementText(xml);
    return strings;
}

// The path of the first sheet named in the workbook, through the workbook's relationships.
QString firstSheetPath(zip_t* archive)
{
    QByteArray workbook, relations;
    if (!readPart(archive, QStringLiteral("xl/workbook.xml"), &workbook))
        return {};
    QString relation;
    QXmlStreamReader xml(workbook);
    while (!xml.atEnd() && relation.isEmpty())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("sheet"))
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                if (attribute.name() == QLatin1String("id"))
                    relation = attribute.value().toString();
    if (relation.isEmpty() || !readPart(archive, QStringLiteral("xl/_rels/workbook.xml.rels"), &relations))
        return {};
    QXmlStreamReader rels(relations);
    while (!rels.atEnd())
        if (rels.readNext() == QXmlStreamReader::StartElement && rels.name() == QLatin1String("Relationship")
            && rels.attributes().value(QLatin1String("Id")) == relation) {
            const QString target = rels.attributes().value(QLatin1String("Target")).toString();
            return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
        }
    return {};
}

// "C12" -> 2; -1 when the reference has no column letters.
int columnOf(QStringView reference)
{
    int column = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter(); ++i)
        column = column * 26 + (reference[i].toUpper().unicode() - 'A' + 1);
    return i == 0 ? -1 : column - 1;
}

QString numberText(const QString& stored)
{
    bool ok = false;
    const double value = stored.toDouble(&ok);
    return ok ? QString::number(value, 'g', 15) : stored;
}

struct Cell {
    int column = -1;
    QString type;
    QString value;
};

Cell readCell(QXmlStreamReader& xml, const QStringList& strings, int nextColumn)
{
    Cell cell;
    const QXmlStreamAttributes attributes = xml.attributes();
    cell.column = attributes.hasAttribute(QLatin1String("r")) ? columnOf(attributes.value(QLatin1String("r"))) : nextColumn;
    cell.type = attributes.value(QLatin1String("t")).toString();
    QString stored;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("v"))
            stored = xml.readElementText();
        else if (xml.name() == QLatin1String("is"))
            stored = elementText(xml);
        else
            xml.skipCurrentElement();
    }
    if (cell.type == QLatin1String("s"))
        cell.value = strings.value(stored.toInt());
    else if (cell.type == QLatin1String("b"))
        cell.value = stored == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    else if (cell.type.isEmpty() || cell.type == QLatin1String("n"))
        cell.value = numberText(stored);
    else
        cell.value = stored;  // inline and formula strings, errors as written
    return cell;
}

QList<ImportTable::Row> sheetRows(const QByteArray& bytes, const QStringList& strings, QString* error)
{
    QList<ImportTable::Row> rows;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("row"))
            continue;
        ImportTable::Row row;
        const int number = xml.attributes().value(QLatin1String("r")).toInt();
        row.line = number > 0 ? number : (rows.isEmpty() ? 1 : rows.last().line + 1);
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("c")) {
                xml.skipCurrentElement();
                continue;
            }
            const Cell cell = readCell(xml, strings, int(row.cells.size()));
            if (cell.column < 0 || cell.column > 16383)
                continue;
            while (row.cells.size() < cell.column)
                row.cells << QString();
            if (row.cells.size() == cell.column)
                row.cells << cell.value;
            else
                row.cells[cell.column] = cell.value;
        }
        rows << row;
    }
    if (xml.hasError())
        *error = QStringLiteral("La hoja del libro esta danada: %1").arg(xml.errorString());
    return rows;
}

}

QString ReadFirstSheet(const QString& path, QList<ImportTable::Row>* rows)
{
    int code = 0;
    Archive archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    const QString notWorkbook = QStringLiteral("El archivo no es un libro de Excel (.xlsx) legible: %1").arg(path);
    if (!archive)
        return notWorkbook;
    const QString sheet = firstSheetPath(archive.get());
    QByteArray sheetBytes, stringBytes;
    if (sheet.isEmpty() || !readPart(archive.get(), sheet, &sheetBytes))
        return notWorkbook;
    QStringList strings;
    if (readPart(archive.get(), QStringLiteral("xl/sharedStrings.xml"), &stringBytes))
        strings = sharedStrings(stringBytes);
    QString error;
    *rows = sheetRows(sheetBytes, strings, &error);
    return error;
}

}
