#pragma once

#include <QStringList>

// tarnwick-cli render FILE --view i|q|power|spectrum|spectrogram [selection options]
// [--size WxH] --png OUT: draws the workstation's own view of the selection
// offscreen and saves it. Needs a QApplication.
class RenderCommand
{
public:
    static int run(const QStringList &args);
};
