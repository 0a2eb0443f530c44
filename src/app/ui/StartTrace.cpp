#include "app/ui/StartTrace.h"

#include "app/ui/UIniciarS.h"
#include "app/ui/ULogo.h"
#include "app/ui/UPrincipal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <cstdlib>

void StartTrace::installIfAsked()
{
    const QString path = qEnvironmentVariable("CVI_START_TRACE");
    if (path.isEmpty())
        return;
    auto* trace = new StartTrace(path);
    trace->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(trace);
    trace->write("inicio");
}

StartTrace::StartTrace(const QString& path) : m_path(path) {}

void StartTrace::write(const char* event)
{
    QFile file(m_path);
    if (file.open(QIODevice::Append))
        file.write(QByteArray(event) + ' ' + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n');
}

bool StartTrace::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (!m_splashShown && qobject_cast<TFLogo*>(watched)) {
            m_splashShown = true;
            write("splash");
        } else if (!m_mainShown && qobject_cast<TFPrincipal*>(watched)) {
            m_mainShown = true;
            write("principal");
        } else if (qobject_cast<TFIniciarS*>(watched)) {
            write("login");
            // The measurement ends here; nothing of the program has been touched yet.
            std::_Exit(0);
        }
    } else if (event->type() == QEvent::Hide && m_splashShown && !m_splashClosed && qobject_cast<TFLogo*>(watched)) {
        m_splashClosed = true;
        write("fin-splash");
    }
    return QObject::eventFilter(watched, event);
}
