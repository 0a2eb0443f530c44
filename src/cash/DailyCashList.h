#pragma once
#include "data/SqlRows.h"

// The list of the daily cash report: every column of the closed sessions dated in a year, in the
// table's column order, newest session first. The open session is never listed. Throws
// DatabaseError.
namespace DailyCashList {

SqlRows ClosedSessions(int year);

}
