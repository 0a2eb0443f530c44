#pragma once
#include <QDateTime>
#include <QString>

// A short ticket (job "PRUEBA DE IMPRESION") that shows the owner the ticket printer works and
// the roll is wide enough: the shop, the moment, a ruler of 40 columns. Empty text when printed,
// otherwise why not.
QString PrintTestTicket(const QString& printerName, const QDateTime& moment);
