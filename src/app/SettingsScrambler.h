#pragma once
#include <QString>

// The settings file never shows the database path, user or password in clear text: each
// character is swapped through a fixed table of 70 pairs (32 letters among themselves, 38 digits
// and signs among themselves). Characters outside the table are kept. The table is one-to-one,
// so unscramble(scramble(t)) == t for every text; letters keep their case, which lets a path on
// a case-sensitive file system come back intact.
namespace SettingsScrambler {

QString scramble(const QString& text);
QString unscramble(const QString& text);

// The two columns of the table, exposed so a test can prove it is a permutation.
QString plainColumn();
QString scrambledColumn();

}
