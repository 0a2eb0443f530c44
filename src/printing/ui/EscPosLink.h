#pragma once
#include <QByteArray>
#include <QString>

// The way to a thermal printer driven directly: a network printer ("host:port", usually port
// 9100) or a device file ("/dev/usb/lp0"). Every wait is bounded, so a printer that is off or
// unplugged is reported within a few seconds instead of freezing the counter.
namespace EscPosLink {

constexpr int DefaultTimeoutMs = 4000;

// True for "host:port" (a network printer), false for a device file.
bool isNetworkAddress(const QString& target);
// Sends `bytes` to the printer; an empty return means they were handed over, otherwise the reason.
// A network printer must first answer the status query and be on line.
QString send(const QString& target, const QByteArray& bytes, int timeoutMs = DefaultTimeoutMs);

}
