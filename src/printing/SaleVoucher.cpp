#include "printing/SaleVoucher.h"

QString SaleVoucher::orderNumber() const { return QString::number(saleId.mid(1).toLongLong()); }

QString SaleVoucher::saleNumberText() const { return saleId.mid(1); }
