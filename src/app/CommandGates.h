#pragma once

// The checks a command passes before its window opens. Each shows its own message and returns
// false when the command must stop there.
namespace CommandGates {

// Money moves only inside an open cash session.
bool CashGate();
// The sales register: cash open, store open, then (with invoicing on) a dosage whose deadline
// has not passed, warning in the last five days.
bool SalesGate();
// The taxpayer's city, activity and address are known; no message.
bool TaxpayerKnown();
// A cash session is opened only once the taxpayer's city, activity and address are known.
bool TaxpayerDataComplete();
// "Cerrar Caja" needs a session to close.
bool CashSessionToClose();

}
