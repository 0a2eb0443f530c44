#pragma once
#include <QString>

// The remembered password of the login, kept with a real cipher (an authenticated secret box)
// under a key of this computer: 32 random bytes in a key file beside the settings file, readable
// by its owner and group only (the shop's users). The settings file alone, copied elsewhere or
// read by anyone else, gives nothing away.
namespace SettingsSecret {

// "s1:" and the nonce and box in base 64; empty text when the key cannot be read or made (the
// password is then not remembered).
QString seal(const QString& text, const QString& keyPath);
// The text sealed under that key; empty when the key is missing or the box was not made with it.
QString open(const QString& sealed, const QString& keyPath);
// Whether a stored value is a sealed one (older files kept a scrambled text).
bool isSealed(const QString& stored);

}
