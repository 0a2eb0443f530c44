#include "printing/ui/InstalledPrinters.h"

#include <QPrinterInfo>

namespace InstalledPrinters {

namespace {
std::function<QStringList()>& scripted()
{
    static std::function<QStringList()> list;
    return list;
}
}

QStringList names()
{
    if (scripted())
        return scripted()();
    return QPrinterInfo::availablePrinterNames();
}

void install(std::function<QStringList()> list) { scripted() = std::move(list); }

}
