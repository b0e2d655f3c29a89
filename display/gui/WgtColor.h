#pragma once

#include <QWidget>

// The colour scale of a spectrogram as a vertical gradient bar: the high colour
// at the top, the low colour at the bottom.
class WgtColor : public QWidget
{
    Q_OBJECT
public:
    explicit WgtColor(QWidget *parent = nullptr);

    static QString gradientStyle(const QColor &top, const QColor &bottom);

public slots:
    void setColors(const QColor &high, const QColor &low);
};
