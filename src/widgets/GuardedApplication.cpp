#include "widgets/GuardedApplication.h"

#include "data/MessageSeam.h"
#include "data/UDataModule.h"

#include <QWidget>
#include <exception>

namespace {

QString objectText(const QObject* object)
{
    QString text = QString::fromLatin1(object->metaObject()->className());
    if (!object->objectName().isEmpty())
        text += QLatin1Char(' ') + object->objectName();
    return text;
}

}

GuardedApplication::GuardedApplication(int& argc, char** argv, ErrorLog log)
    : QApplication(argc, argv)
    , m_log(std::move(log))
{
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    const int depthBefore = TDataModule1::instance().transactionDepth();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        handle(receiver, QString::fromLocal8Bit(e.what()), depthBefore);
    } catch (...) {
        handle(receiver, QStringLiteral("unknown exception"), depthBefore);
    }
    return false;
}

QString GuardedApplication::describe(const QObject* receiver)
{
    if (!receiver)
        return QStringLiteral("no object");
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    if (!widget)
        return objectText(receiver);
    const QWidget* window = widget->window();
    QString text = QStringLiteral("window ") + objectText(window);
    if (!window->windowTitle().isEmpty())
        text += QStringLiteral(" \"") + window->windowTitle() + QLatin1Char('"');
    if (window != widget)
        text += QStringLiteral(" / ") + objectText(widget);
    return text;
}

QString GuardedApplication::messageFor(const QString& detail, const QString& logPath, bool logged)
{
    QString text = QStringLiteral("Ocurrió un error inesperado y la operación en curso no se completó. "
                                  "Los datos quedan como estaban antes de ella y puede seguir trabajando.\n\n"
                                  "Detalle para el soporte técnico: ")
                   + detail + QStringLiteral("\n\n");
    text += logged ? QStringLiteral("El error quedó anotado en ") + logPath
                   : QStringLiteral("No se pudo anotar el error en ") + logPath;
    return text;
}

void GuardedApplication::handle(const QObject* receiver, const QString& detail, int depthBefore)
{
    rollBackTo(depthBefore);
    // The receiver may be half torn down by the fault; it is only read for its names.
    const bool logged = m_log.append(describe(receiver), detail);
    if (m_telling)
        return;
    m_telling = true;
    MessageSeam::current().error(messageFor(detail, m_log.path(), logged));
    m_telling = false;
}

void GuardedApplication::rollBackTo(int depth)
{
    TDataModule1& db = TDataModule1::instance();
    while (db.transactionDepth() > depth) {
        const int before = db.transactionDepth();
        db.rollback();
        if (db.transactionDepth() == before)
            break;  // the connection is closed: nothing of the transaction was kept
    }
}
