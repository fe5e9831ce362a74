#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

class QWidget;

// The colours of the key-use heat map, shared by the key tester and the charts: one hue (blue)
// from light to dark, so that how often a key was pressed reads from lightness alone, whatever
// colours the eye tells apart. Counts go on the scale by their logarithm against the most pressed
// key, since a few keys take most presses. Each step has the text colour, black or white, that
// contrasts more with it.
class KeyUseScale final
{
public:
    KeyUseScale() = delete;

    static constexpr int kSteps = 6;

    // Step 1 (fewest presses) to kSteps (most); invalid for any other step.
    static QColor Color(int step);
    static QColor Ink(int step);
    // 0 for a key never pressed, else 1 to kSteps; `most` is the count of the most pressed key.
    static int StepOf(qint64 count, qint64 most);
    // The fewest presses that reach `step` or a higher one; a step no count stands on has the
    // same as the next.
    static qint64 LowestOf(int step, qint64 most);

    // Style rules that colour a cap's button by its step, for a panel's style host.
    static QString StyleRules();
    // Colours a cap's button for `step` (0 takes the colour away), re-polishing it only on a change.
    static void Apply(QWidget* button, int step);
};
