#pragma once
#include <QString>

class TDataModule1;

// Users' passwords are stored as a salted slow hash, never as typed: Argon2id (libsodium) in its
// self-describing text "$argon2id$v=19$m=65536,t=2,p=1$<salt>$<hash>", which carries its own salt
// and cost, so a later program may raise the cost without losing the stored ones. Letter case
// does not count, as the login never counted it: the lower-cased text is what is hashed.
// A hash costs about a tenth of a second on a shop's computer, and as much memory as the cost
// says (64 MiB), so guessing a stolen copy's passwords is slow.
namespace PasswordHash {

// A new hash of `password` with a random salt. Throws DatabaseError when the memory the hash
// needs cannot be had.
QString Make(const QString& password);

// The hash of the password a new shop ships with; made once per program run (the password is
// public anyway and the first login replaces it).
QString Shipped();

// True when `password` is the one `stored` was made from. An empty or malformed stored text
// matches nothing. A match is remembered for the rest of the run, so logging in again is instant.
bool Matches(const QString& password, const QString& stored);

// The schema upgrade's step from clear passwords: every user whose hash is still empty gets the
// hash of the password in Clave, which is then emptied. Runs inside the upgrade's transaction.
void HashClearPasswords(TDataModule1& db);

}
