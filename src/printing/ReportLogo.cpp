#include "printing/ReportLogo.h"

#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "printing/ReportElement.h"

namespace ReportLogo {

bool loadInto(ReportElement* picture)
{
    if (!picture)
        return false;
    const QString folder = SessionState::current().AppFolder;
    if (picture->loadImage(folder + QStringLiteral("img/logoempresa.jpg")).isEmpty())
        return true;
    const QString failure = picture->loadImage(folder + QStringLiteral("img/logo.jpg"));
    if (failure.isEmpty())
        return true;
    MessageSeam::current().error(failure);
    return false;
}

}
