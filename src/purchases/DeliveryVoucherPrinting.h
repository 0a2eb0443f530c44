#pragma once

struct SupplyDeliveryVoucher;

// Where a delivery voucher is printed from, which decides the letter note's copies and number.
enum class DeliveryNoteStyle {
    Counter,  // where it was handed out: two copies (one for each side), numbered with the nine digits
    Office,   // from the year list: one copy, numbered with the full key
};

// Prints a stored delivery's voucher as the print format chooses: the roll ticket, or the letter
// note in the preview. A failure is shown through the message seam and answered with false; the
// stored delivery is never touched.
bool PrintDeliveryVoucher(const SupplyDeliveryVoucher& delivery, DeliveryNoteStyle style);
