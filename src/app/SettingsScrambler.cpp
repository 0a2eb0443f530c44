#include "app/SettingsScrambler.h"

namespace {

// Letters map to letters and the rest to the rest, so the case of a letter survives the swap.
const QString kPlain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÑÁÉÍÓÚ"
                                      "0123456789 :/\\._-,;!?@#$%&*()+=[]{}<>~");
const QString kScrambled = QStringLiteral("WMOPÑTKGEÚÍÓSBZJHNQAVÉCYÁUDRILFX"
                                          ";&\\4[>820/5+%1}-,?( $:]9=63.<{_~#7!)@*");

QChar swap(QChar c, const QString& from, const QString& to)
{
    const bool lower = c.isLower();
    const qsizetype at = from.indexOf(lower ? c.toUpper() : c);
    if (at < 0)
        return c;
    return lower ? to.at(at).toLower() : to.at(at);
}

QString swapAll(const QString& text, const QString& from, const QString& to)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        out.append(swap(c, from, to));
    return out;
}

}

namespace SettingsScrambler {

QString scramble(const QString& text) { return swapAll(text, kPlain, kScrambled); }
QString unscramble(const QString& text) { return swapAll(text, kScrambled, kPlain); }
QString plainColumn() { return kPlain; }
QString scrambledColumn() { return kScrambled; }

}
