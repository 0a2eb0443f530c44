#pragma once
#include <QString>

// Text bound into a statement: an empty text is stored as empty text, never as NULL, so readers
// that compare it with '' find it.
inline QString StoreText(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }
