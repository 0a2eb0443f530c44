#include "printing/EscPos.h"

#include "printing/TicketMark.h"
#include "printing/TicketRoll.h"

#include "tax/InvoiceQr.h"

#include <QHash>
#include <algorithm>

namespace EscPos {

namespace {

// The upper half of code page 850, byte 0x80 onwards.
const char16_t kCp850[128] = {
    u'Ç',      u'ü', u'é', u'â', u'ä', u'à', u'å', u'ç', u'ê', u'ë', u'è', u'ï', u'î', u'ì', u'Ä', u'Å',
    u'É',      u'æ', u'Æ', u'ô', u'ö', u'ò', u'û', u'ù', u'ÿ', u'Ö', u'Ü', u'ø', u'£', u'Ø', u'×', u'ƒ',
    u'á',      u'í', u'ó', u'ú', u'ñ', u'Ñ', u'ª', u'º', u'¿', u'®', u'¬', u'½', u'¼', u'¡', u'«', u'»',
    u'░',      u'▒', u'▓', u'│', u'┤', u'Á', u'Â', u'À', u'©', u'╣', u'║', u'╗', u'╝', u'¢', u'¥', u'┐',
    u'└',      u'┴', u'┬', u'├', u'─', u'┼', u'ã', u'Ã', u'╚', u'╔', u'╩', u'╦', u'╠', u'═', u'╬', u'¤',
    u'ð',      u'Ð', u'Ê', u'Ë', u'È', u'ı', u'Í', u'Î', u'Ï', u'┘', u'┌', u'█', u'▄', u'¦', u'Ì', u'▀',
    u'Ó',      u'ß', u'Ô', u'Ò', u'õ', u'Õ', u'µ', u'þ', u'Þ', u'Ú', u'Û', u'Ù', u'ý', u'Ý', u'¯', u'´',
    u'\u00ad', u'±', u'‗', u'¾', u'¶', u'§', u'÷', u'¸', u'°', u'¨', u'·', u'¹', u'³', u'²', u'■', u'\u00a0',
};

constexpr int kEuroByte858 = 0xd5;

const QHash<char16_t, char>& Cp850Bytes()
{
    static const QHash<char16_t, char> bytes = [] {
        QHash<char16_t, char> map;
        for (int i = 0; i < 128; ++i)
            map.insert(kCp850[i], char(0x80 + i));
        return map;
    }();
    return bytes;
}

// ESC t n: the printers' numbers of the two code pages.
char CodePageNumber(int codePage) { return codePage == 858 ? char(19) : char(2); }

QByteArray QrFunction(char function, const QByteArray& parameters)
{
    // GS ( k pL pH cn fn parameters: the length counts cn, fn and the parameters.
    const int length = int(parameters.size()) + 2;
    QByteArray command;
    command.append(GS).append('(').append('k');
    command.append(char(length & 0xff)).append(char((length >> 8) & 0xff));
    command.append(char(49)).append(function).append(parameters);
    return command;
}

// Feeds `dots` of paper (ESC J, at most 255 dots each).
QByteArray Feed(int dots)
{
    QByteArray command;
    while (dots > 0) {
        const int step = std::min(dots, 255);
        command.append(ESC).append('J').append(char(step));
        dots -= step;
    }
    return command;
}

}

QByteArray statusQuery() { return QByteArray().append(DLE).append(char(0x04)).append(char(1)); }

QByteArray encodeText(const QString& text, int codePage)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7f)
            bytes.append(char(u));
        else if (codePage == 858 && u == u'€')
            bytes.append(char(kEuroByte858));
        else if (codePage == 858 && u == u'ı')
            bytes.append('?');  // 858 gave its place to the euro sign
        else
            bytes.append(Cp850Bytes().value(u, '?'));
    }
    return bytes;
}

int qrModuleSize(const QString& data, int widthDots)
{
    // The printer adds its own quiet zone; the size aims at the symbol with a margin of 4 modules,
    // as the picture on other printers is drawn.
    const int symbol = InvoiceQrModules(data);
    const int modules = symbol > 0 ? symbol + 8 : 49;
    return std::clamp(int(double(widthDots) / modules + 0.5), 1, 16);
}

QByteArray qrSymbol(const QString& data, int widthDots)
{
    const QByteArray bytes = data.toUtf8();
    QByteArray command;
    command.append(ESC).append('a').append(char(1));                                     // centred
    command.append(QrFunction(65, QByteArray().append(char(50)).append(char(0))));       // model 2
    command.append(QrFunction(67, QByteArray(1, char(qrModuleSize(data, widthDots)))));  // module size
    command.append(QrFunction(69, QByteArray(1, char(49))));                             // level M
    command.append(QrFunction(80, QByteArray(1, char(48)) + bytes));                     // store
    command.append(QrFunction(81, QByteArray(1, char(48))));                             // print
    command.append(ESC).append('a').append(char(0));
    return command;
}

QByteArray cut() { return QByteArray().append(GS).append('V').append(char(66)).append(char(0)); }

QByteArray drawerPulse()
{
    // ESC p m t1 t2: pin 2, 50 ms on, 500 ms off.
    return QByteArray().append(ESC).append('p').append(char(0)).append(char(25)).append(char(250));
}

QByteArray ticket(const TicketJob& job, int lineHeight, int codePage, bool cashDrawer)
{
    QByteArray out;
    out.append(ESC).append('@');                                               // initialise
    out.append(ESC).append('t').append(CodePageNumber(codePage));              // code page
    out.append(ESC).append('3').append(char(std::clamp(lineHeight, 1, 255)));  // line = h dots

    QList<TicketMark> marks = job.marks;
    std::stable_sort(marks.begin(), marks.end(),
                     [](const TicketMark& a, const TicketMark& b) { return a.position.y() < b.position.y(); });
    int y = 0;  // where the paper stands, in roll dots from the top of the ticket
    for (const TicketMark& mark : marks) {
        out.append(Feed(mark.position.y() - y));
        y = std::max(y, mark.position.y());
        if (!mark.qrText.isEmpty()) {
            out.append(qrSymbol(mark.qrText, mark.image.isNull() ? 200 : mark.image.width()));
            y += mark.image.isNull() ? 200 : mark.image.height();
        } else if (mark.isImage()) {
            continue;  // the printer draws no other pictures: tickets carry none but the QR
        } else {
            out.append(encodeText(mark.text, codePage)).append('\n');
            y += lineHeight;
        }
    }
    out.append(Feed(TicketRoll::BottomMarginDots));
    out.append(cut());
    if (job.opensDrawer && cashDrawer)
        out.append(drawerPulse());
    return out;
}

}
