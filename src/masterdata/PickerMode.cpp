#include "masterdata/PickerMode.h"

PickerState& PickerState::current()
{
    static PickerState state;
    return state;
}
