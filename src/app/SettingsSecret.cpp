#include "app/SettingsSecret.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QDir>

#include <sodium.h>

namespace SettingsSecret {

namespace {

const QString kPrefix = QStringLiteral("s1:");

// The computer's key: read from the key file, or made there (owner and group only) when there
// is none yet. Empty when neither works.
QByteArray key(const QString& keyPath, bool make)
{
    if (sodium_init() < 0)
        return {};
    QFile file(keyPath);
    if (!file.exists() && make) {
        QDir().mkpath(QFileInfo(keyPath).absolutePath());
        QByteArray fresh(crypto_secretbox_KEYBYTES, Qt::Uninitialized);
        randombytes_buf(fresh.data(), size_t(fresh.size()));
        const auto ownerWritesGroupReads = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerWritesGroupReads)) {
            const bool written = file.write(fresh) == fresh.size() && file.flush();
            file.close();
            if (written)
                return fresh;
            file.remove();
            return {};
        }
        // Another program made it meanwhile: read that one.
    }
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stored = file.read(crypto_secretbox_KEYBYTES + 1);
    return stored.size() == crypto_secretbox_KEYBYTES ? stored : QByteArray();
}

}

bool isSealed(const QString& stored) { return stored.startsWith(kPrefix); }

QString seal(const QString& text, const QString& keyPath)
{
    const QByteArray k = key(keyPath, true);
    if (k.isEmpty())
        return {};
    const QByteArray plain = text.toUtf8();
    QByteArray box(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES + plain.size(), Qt::Uninitialized);
    auto* nonce = reinterpret_cast<unsigned char*>(box.data());
    randombytes_buf(nonce, crypto_secretbox_NONCEBYTES);
    crypto_secretbox_easy(nonce + crypto_secretbox_NONCEBYTES, reinterpret_cast<const unsigned char*>(plain.constData()),
                          quint64(plain.size()), nonce, reinterpret_cast<const unsigned char*>(k.constData()));
    return kPrefix + QString::fromLatin1(box.toBase64());
}

QString open(const QString& sealed, const QString& keyPath)
{
    if (!isSealed(sealed))
        return {};
    const QByteArray box = QByteArray::fromBase64(sealed.mid(kPrefix.size()).toLatin1());
    if (box.size() < qsizetype(crypto_secretbox_NONCEBYTES + crypto_secretbox_MACBYTES))
        return {};
    const QByteArray k = key(keyPath, false);
    if (k.isEmpty())
        return {};
    const auto* nonce = reinterpret_cast<const unsigned char*>(box.constData());
    const qsizetype cipherSize = box.size() - qsizetype(crypto_secretbox_NONCEBYTES);
    QByteArray plain(cipherSize - qsizetype(crypto_secretbox_MACBYTES), Qt::Uninitialized);
    if (crypto_secretbox_open_easy(reinterpret_cast<unsigned char*>(plain.data()), nonce + crypto_secretbox_NONCEBYTES,
                                   quint64(cipherSize), nonce, reinterpret_cast<const unsigned char*>(k.constData()))
        != 0)
        return {};
    return QString::fromUtf8(plain);
}

}
