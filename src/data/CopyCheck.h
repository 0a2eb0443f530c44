#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// Checks a copy of a shop database before anyone relies on it: opened read-only, every page whole
// (the engine's integrity check), the shop's tables there, a schema this program knows, and,
// when asked, one cash session stored exactly as in the database it was copied from.
namespace CopyCheck {

// Empty text when the copy is good; otherwise what is wrong with it, in plain words.
QString Verify(const QString& path, const QString& sessionId = {}, const QVariantList& sessionRow = {});

// Empty text when the open database holds the shop's tables in a schema this program knows.
QString ShopTables(QSqlDatabase db);

}
