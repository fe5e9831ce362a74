#pragma once

#include <QRect>
#include <QVector>

// Where the arrow keys take the focus in a picture of keys: along a row to the next key left or
// right, up or down to the key of the nearest row above or below whose middle is nearest, Home
// and End to the ends of the row. Rows are found from the keys' places, not the layout's grid,
// so wide keys, gaps and keys spanning two rows go where the eye expects.
class KeyNavigation final
{
public:
    KeyNavigation() = delete;

    enum class Move {
        Left,
        Right,
        Up,
        Down,
        RowStart,
        RowEnd,
    };

    // The index of the key to go to from keys[from], or from itself when there is none that way.
    static int Next(const QVector<QRect>& keys, int from, Move move);
};
