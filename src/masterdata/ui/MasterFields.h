#pragma once
#include <QString>

class QComboBox;
class QLineEdit;

// Small habits of the master-data fields.
namespace MasterFields {

// Box limits apply to typing only: a stored value longer than the box allows (a 45-character name
// while tickets allow 22, a cost of 10000.25 from a purchase) is shown whole, and so written back
// unchanged. The box then takes up to that length.
void ShowWhole(QLineEdit* edit, const QString& text, int typingLimit);

// A number as typed into a number box: digits with at most one point that has digits after it
// ("12", "2.5", ".5"). ".", "7." and "1.2.3" are refused.
bool ParseTyped(const QString& text, double* value);

// Selects the entry with this text; a stored value the list no longer offers (a brand renamed or
// deleted since) is added as an extra last entry, so it shows and is kept unless another is picked.
void SelectOrAddStored(QComboBox* combo, const QString& stored, int listed);
// Drops such an extra entry and stands on the first one.
void FirstListed(QComboBox* combo, int listed);

}
