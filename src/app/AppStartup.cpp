#include "app/AppStartup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace AppStartup {

void applyFixedFormats()
{
    // The C locale writes 1,234.50; spin boxes and validators follow the default locale.
    QLocale fixed = QLocale::c();
    fixed.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(fixed);
}

bool loadQtSpanish()
{
    // "qt_es" gathers the catalogues of every Qt module the program uses.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qt_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}
