#pragma once
#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The backup copy of a shop: written by the engine itself while the database is in use, opened
// again read-only and checked (whole pages, the shop's tables, the session it was taken for with
// the same figures), and only the newest copies of the folder kept. A copy that fails the check
// is removed again: a copy nobody can restore must not look like one.
namespace ShopBackup {

constexpr int kCopiesKept = 30;

struct Outcome {
    QString copyPath;            // the checked copy
    QString failure;             // why there is no good copy, in plain words; empty when there is one
    QString notice;              // said instead of a copy: the shop lives on a server
    bool sourceDamaged = false;  // the copy failed because the shop database itself is damaged
};

// After a closing: the open database into its backup folder (the default folder "backups" is
// created when missing, a chosen one never is: an unplugged USB disk must not turn into a folder
// of this computer), named by the closed session and its date. A shop on a server gets the notice.
Outcome AfterClosing(const QString& databaseName, const QString& sessionId);

// The same copy of the database file `path` into the existing folder `folder`, named by the
// file's latest cash session (for a nightly job on the command line).
Outcome FromFile(const QString& path, const QString& folder);

// "C000000123-2026-12-10.sqlite" inside `folder`, or with the time of `now` added when a copy of
// that name is already there (a second copy of the same session never replaces the first).
QString CopyPath(const QString& folder, const QString& sessionId, const QDate& sessionDate, const QDateTime& now);

// Keeps the `kept` copies of the shop `shopId` in `folder` written last (a restored shop numbers
// its sessions again from an older one, so the names do not tell) and removes the older ones of
// that shop. `written`, the copy just made, is always kept; copies of other shops, copies whose
// shop cannot be read and other files are never touched. Returns the names removed.
QStringList Prune(const QString& folder, const QString& shopId, const QString& written, int kept = kCopiesKept);

// The identity of the shop in the open database; empty when it has none (a copy made by an older
// program). False with `error` set when it cannot be read.
bool ReadShopId(QSqlDatabase db, QString* shopId, QString* error);

// The name a copy is written under until it has passed its check; what a copy killed half-way
// leaves behind is removed by the next copy into that folder.
QString PassingName(const QString& copyPath);

QString ServerNotice();

}
