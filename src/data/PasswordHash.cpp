#include "data/PasswordHash.h"

#include "data/DatabaseCreator.h"
#include "data/DatabaseError.h"
#include "data/UDataModule.h"

#include <QCryptographicHash>
#include <QMutex>
#include <QSet>

#include <sodium.h>

namespace PasswordHash {

namespace {

QByteArray Normalised(const QString& password) { return password.toLower().toUtf8(); }

void InitOnce()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw DatabaseError(QStringLiteral("No se pudo preparar el cifrado de claves"));
}

// Successful matches of this run, by stored hash and a digest of the typed text.
QMutex g_matchesLock;
QSet<QByteArray> g_matches;

QByteArray MatchKey(const QByteArray& typed, const QByteArray& stored)
{
    return QCryptographicHash::hash(stored + '\n' + typed, QCryptographicHash::Sha256);
}

}

QString Make(const QString& password)
{
    InitOnce();
    const QByteArray typed = Normalised(password);
    char text[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(text, typed.constData(), quint64(typed.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw DatabaseError(QStringLiteral("No hay memoria suficiente para cifrar la clave"));
    return QString::fromLatin1(text);
}

QString Shipped()
{
    static const QString shipped = Make(QString::fromLatin1(DatabaseCreator::kAdminPassword));
    return shipped;
}

bool Matches(const QString& password, const QString& stored)
{
    if (stored.isEmpty() || stored.size() >= int(crypto_pwhash_STRBYTES))
        return false;
    InitOnce();
    const QByteArray typed = Normalised(password);
    const QByteArray hash = stored.toLatin1();
    const QByteArray key = MatchKey(typed, hash);
    {
        QMutexLocker lock(&g_matchesLock);
        if (g_matches.contains(key))
            return true;
    }
    if (crypto_pwhash_str_verify(hash.constData(), typed.constData(), quint64(typed.size())) != 0)
        return false;
    QMutexLocker lock(&g_matchesLock);
    g_matches.insert(key);
    return true;
}

void HashClearPasswords(TDataModule1& db)
{
    const SqlRows users = db.query(QStringLiteral("SELECT Login, Clave FROM Usuario WHERE ClaveHash='' AND Clave<>''"));
    for (SqlRows user = users; !user.atEnd(); user.next())
        db.execute(QStringLiteral("UPDATE Usuario SET ClaveHash=?, Clave='' WHERE Login=?"),
                   {Make(user.text(1)), user.text(0)});
}

}
