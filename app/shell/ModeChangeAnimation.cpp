#include "ModeChangeAnimation.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

ModeChangeAnimation::ModeChangeAnimation(int durationMs, QObject *parent) : QObject(parent), m_durationMs(durationMs) {}

bool ModeChangeAnimation::isRunning() const
{
    return m_animation && m_animation->state() == QAbstractAnimation::Running;
}

void ModeChangeAnimation::start(QWidget *from)
{
    delete m_picture;
    auto *picture = new QLabel(from->parentWidget());
    picture->setPixmap(from->grab());
    picture->setGeometry(from->geometry());
    picture->raise();
    picture->show();
    auto *fade = new QGraphicsOpacityEffect(picture);
    picture->setGraphicsEffect(fade);
    auto *slide = new QPropertyAnimation(picture, "pos", picture);
    slide->setDuration(m_durationMs);
    slide->setStartValue(picture->pos());
    slide->setEndValue(picture->pos() - QPoint(picture->width() / 3, 0));
    slide->setEasingCurve(QEasingCurve::InCubic);
    auto *opacity = new QPropertyAnimation(fade, "opacity", picture);
    opacity->setDuration(m_durationMs);
    opacity->setStartValue(1.0);
    opacity->setEndValue(0.0);
    connect(slide, &QPropertyAnimation::finished, this, [this, picture] {
        picture->deleteLater();
        emit finish();
    });
    m_picture = picture;
    m_animation = slide;
    slide->start();
    opacity->start();
}
