#include "app/ui/ULogo.h"

#include "app/ui/BackgroundPicture.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 500;
constexpr int kHeight = 300;
constexpr int kShowMs = 3000;
}

TFLogo::TFLogo(const QString& appFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_PLogo(new QFrame(this))
    , m_Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("FLogo"));
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("Verdana"), 16));

    m_PLogo->setObjectName(QStringLiteral("PLogo"));
    m_PLogo->setFrameShape(QFrame::Box);
    m_PLogo->setGeometry(0, 0, kWidth, kHeight);
    auto* picture = new QLabel(m_PLogo);
    picture->setObjectName(QStringLiteral("ILogo"));
    picture->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(m_PLogo);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(picture);

    const QPixmap logo(appFolder + QStringLiteral("img/logo.jpg"));
    m_picture = !logo.isNull();
    picture->setPixmap(m_picture ? logo.scaled(kWidth - 2, kHeight - 2, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                 : BackgroundPicture::splash(QSize(kWidth - 2, kHeight - 2)));

    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setSingleShot(true);
    m_Timer1->setInterval(kShowMs);
    connect(m_Timer1, &QTimer::timeout, this, &TFLogo::Timer1Timer);
}

void TFLogo::showEvent(QShowEvent* event)
{
    centreOnScreen();
    m_Timer1->start();
    QDialog::showEvent(event);
}

void TFLogo::Timer1Timer()
{
    m_Timer1->stop();
    accept();
}

void TFLogo::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
