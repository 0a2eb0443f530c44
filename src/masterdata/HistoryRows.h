#pragma once
#include <QString>
#include <QStringList>

// Whether a catalogue row (a product, supplier or client) appears in the shop's history: the
// reports join the catalogue, so such a row is disabled, never deleted.
namespace HistoryRows {

// True when any of `tables` holds a row whose `column` is `key`.
bool Any(const QStringList& tables, const QString& column, const QString& key);

}
