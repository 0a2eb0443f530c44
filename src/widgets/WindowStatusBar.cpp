#include "widgets/WindowStatusBar.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>

WindowStatusBar::WindowStatusBar(const QString& caption, QWidget* parent)
    : QStatusBar(parent)
    , m_caption(new QLabel(caption, this))
    , m_progress(new QProgressBar(this))
{
    setObjectName(QStringLiteral("SBar1"));
    setSizeGripEnabled(false);
    setCaption(caption);
    m_progress->setObjectName(QStringLiteral("PBar1"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    addWidget(m_caption);
    addWidget(m_progress, 1);
}

// The window takes the main window's font only once it is placed there: the caption's panel is
// measured again then, so its last letters are never cut.
void WindowStatusBar::changeEvent(QEvent* event)
{
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setCaption(caption());
}

WindowStatusBar::WindowStatusBar(QWidget* parent) : WindowStatusBar(QString(), parent) { m_caption->hide(); }

QString WindowStatusBar::caption() const { return m_caption->text(); }

void WindowStatusBar::setCaption(const QString& caption)
{
    m_caption->setText(caption);
    // A longer name widens the panel rather than being cut.
    m_caption->setFixedWidth(qMax(CaptionWidth, fontMetrics().horizontalAdvance(caption) + 12));
}

QLabel* WindowStatusBar::addPanel(const char* name, int minimumWidth)
{
    auto* panel = new QLabel(this);
    panel->setObjectName(QLatin1String(name));
    panel->setMinimumWidth(minimumWidth);
    insertWidget(m_panels++, panel);
    return panel;
}
