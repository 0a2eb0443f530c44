#pragma once

struct InstalmentVoucher;

// The letter-size voucher of an instalment: fills QRAmortizar of the report form TFRCaja and shows
// its two copies on one Legal page (QRAmortizacion) in the preview, the print stamp from the clock.
void ShowInstalmentVoucher(const InstalmentVoucher& voucher);
