#pragma once
#include <QString>

class QLineEdit;

// What the client/supplier picker hands back: the NIT/CI of the chosen row and, for a supplier
// chosen on the supplier grid, its name. A supplier chosen with Enter in the search edit and every
// client carry no name: the caller looks the name up itself when its NIT/CI edit is left.
struct PickerChoice {
    QString nitCI;
    QString name;
};

// Writes a pick into the caller's edits as the picker mode wants it:
// - modes 1 and 5 (suppliers): the NIT/CI into nitEdit, the name (when the pick carries one) into
//   nameEdit (EProveedor), then the NIT/CI text is selected;
// - modes 2 and 4 (clients): the NIT/CI into nitEdit, then the focus moves to nameEdit (ENombreC);
// - mode 3 (sales reports): the NIT/CI into nitEdit, whose text is then selected; nameEdit unused.
// nameEdit may be null where the caller has none. Focus changes around a modal dialog do not
// reliably signal the NIT/CI edit as left: a caller that looks the client or supplier up when that
// edit is left runs its lookup itself after applying the pick.
void ApplyPickerChoice(int mode, const PickerChoice& choice, QLineEdit* nitEdit, QLineEdit* nameEdit);
