#include "masterdata/CsvText.h"

#include "data/Windows1252.h"

#include <QStringDecoder>

namespace CsvText {

QString Decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return Windows1252::Decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QChar Separator(const QString& text)
{
    const QChar candidates[] = {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')};
    int counts[3] = {0, 0, 0};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char('\n')) {
            if (counts[0] + counts[1] + counts[2] > 0)
                break;
        } else if (!quoted) {
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i];
        }
    }
    int best = 1;
    for (int i = 0; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

QList<ImportTable::Row> Parse(const QString& text)
{
    const QChar separator = Separator(text);
    QList<ImportTable::Row> rows;
    ImportTable::Row row;
    QString cell;
    bool quoted = false;
    int line = 1;
    row.line = 1;
    const auto endCell = [&] {
        row.cells << cell;
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        rows << row;
        row = {};
        row.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                if (c != QLatin1Char('\r'))
                    cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRow();
        } else if (c != QLatin1Char('\r')) {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.cells.isEmpty())
        endRow();
    return rows;
}

}
