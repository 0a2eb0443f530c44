#include "data/Windows1252.h"

#include <QList>

namespace Windows1252 {

namespace {

// Bytes 0x80 to 0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteOf(uint c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == c)
            return char(0x80 + i);
    return '?';
}

}

QByteArray Encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const uint c : text.toUcs4())
        bytes.append(ByteOf(c));
    return bytes;
}

QString Decode(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const uchar c = uchar(b);
        if (c >= 0x80 && c < 0xA0)
            text.append(QChar(kHighControls[c - 0x80] ? kHighControls[c - 0x80] : char16_t(0xFFFD)));
        else
            text.append(QChar(c));
    }
    return text;
}

}
