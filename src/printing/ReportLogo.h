#pragma once
#include <QString>

class ReportElement;

// The shop's logo for report headers: AppFolder + "img/logoempresa.jpg", or "img/logo.jpg" when
// that cannot be loaded.
namespace ReportLogo {

// Loads the logo into a report picture. When neither file loads, the reason is shown as an error
// (MessageSeam) and false is returned: the caller then does not show the preview.
bool loadInto(ReportElement* picture);

}
