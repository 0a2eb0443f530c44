#include "sales/QuantityExchange.h"

QuantityExchange& QuantityExchange::current()
{
    static QuantityExchange exchange;
    return exchange;
}
