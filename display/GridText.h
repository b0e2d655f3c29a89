#pragma once

#include <QString>
#include <QVector>

// The frame grid's text, as profiles keep it:
// "{GRID:Distribution(2,1) Spectrum(1,1) Power(1,1) I_Time(1,1) }": the number of
// frames in each row, then each frame's graphic with its horizontal and vertical
// weight. Bounded like the grid it describes: at most 9 rows of at most 9 frames,
// weights from 1 to kMaxWeight.
class GridText
{
public:
    static constexpr int kMaxRows = 9;
    static constexpr int kMaxWeight = 99;

    struct Frame
    {
        QString name;
        int horizontalWeight = 1;
        int verticalWeight = 1;
    };

    // False (and *grid untouched) for a text without "{GRID:", without frames, with
    // more rows than a grid holds, or whose rows do not add up to its frames.
    static bool parse(const QString &text, GridText *grid);

    QVector<int> distribution;
    QVector<Frame> frames;
};
