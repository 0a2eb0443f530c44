#include "app/AppStartup.h"

#include <QLocale>

namespace AppStartup {

void applyFixedFormats()
{
    // The C locale writes 1,234.50; spin boxes and validators follow the default locale.
    QLocale fixed = QLocale::c();
    fixed.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(fixed);
}

}
