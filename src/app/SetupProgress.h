#pragma once
#include <QString>

// How far a shop's setup has come, step by step, read from the shop itself so that the setup
// assistant, opened again later, shows what is still to do.
struct SetupProgress {
    bool taxpayer = false;   // address, city and activity known (the cash session needs them)
    bool invoicing = false;  // invoicing off, or an active dosage
    bool printer = false;    // a ticket printer chosen, letter printing, or no printer at all
    bool password = false;   // the administrator no longer has the shipped password
    bool users = false;      // someone besides the administrator
    bool products = false;   // at least one product

    // Throws DatabaseError.
    static SetupProgress Read(int installedPrinters);
    bool complete() const { return taxpayer && invoicing && printer && password && users && products; }
};
