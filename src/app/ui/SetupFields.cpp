#include "app/ui/SetupFields.h"

#include "widgets/NamedControls.h"

#include <QLabel>
#include <QLineEdit>

namespace SetupFields {

QLineEdit* line(QWidget* parent, const char* name, int maxLength, bool secret)
{
    QLineEdit* edit = NamedControls::SizedField(parent, name, maxLength);
    if (secret)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QLabel* note(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #404040;"));
    return label;
}

void showState(QLabel* label, bool done, const QString& doneText, const QString& pendingText)
{
    label->setText(done ? doneText : pendingText);
    label->setStyleSheet(done ? QStringLiteral("color: #1e7b34; font-weight: bold;")
                              : QStringLiteral("color: #a0281e; font-weight: bold;"));
}

}
