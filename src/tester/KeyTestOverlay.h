#pragma once

#include "layout/PannelOverlay.h"

#include <QRect>
#include <QVector>

// Paints the key tester's findings over the key panel it covers: held keys lit, pressed keys
// tinted with their count, chattering keys outlined with their chatter count, keys that send
// nothing to the computer greyed. Takes no mouse event from the caps. With the heat map on, the
// caps themselves carry the heat colours: pressed keys are not tinted, and each shows its count
// over all tests, in the text colour of its step.
class KeyTestOverlay final : public PannelOverlay
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyTestOverlay)

public:
    struct Mark
    {
        enum class Kind {
            Untested,
            Held,
            Pressed,
            Untestable,
        };
        QRect face;
        Kind kind = Kind::Untested;
        int presses = 0;
        int chatters = 0;
        // Presses over all tests and the step of the heat map's scale they reach (0: none).
        int uses = 0;
        int heat = 0;
    };

    explicit KeyTestOverlay(QWidget* pannel);

    void SetMarks(const QVector<Mark>& marks);
    // One cap's mark changed; repaints only that cap.
    void SetMark(int index, const Mark& mark);
    const QVector<Mark>& Marks() const
    {
        return m_marks;
    }
    void SetHeatMap(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<Mark> m_marks;
    bool m_heatMap = false;
};
