#pragma once

#include "layout/PannelOverlay.h"

#include <QRect>
#include <QVector>

// Paints the key tester's findings over the key panel it covers: held keys lit, pressed keys
// tinted with their count, chattering keys outlined with their chatter count, keys that send
// nothing to the computer greyed. Takes no mouse event from the caps.
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
    };

    explicit KeyTestOverlay(QWidget* pannel);

    void SetMarks(const QVector<Mark>& marks);
    // One cap's mark changed; repaints only that cap.
    void SetMark(int index, const Mark& mark);
    const QVector<Mark>& Marks() const
    {
        return m_marks;
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVector<Mark> m_marks;
};
