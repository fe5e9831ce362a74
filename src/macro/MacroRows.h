#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QString>
#include <QVector>

class QListWidget;

// The rows of the macro list: one per action, with its icon and text, the chosen row in its own
// colour. Also the names the page gives macros and keys.
class MacroRows final
{
    Q_DECLARE_TR_FUNCTIONS(MacroRows)
    Q_DISABLE_COPY_MOVE(MacroRows)

public:
    explicit MacroRows(QListWidget* list);

    // Shows the actions, the chosen row (if there is one) highlighted.
    void Show(const QVector<MacroAction>& actions, int chosen);
    // Highlights row alone; false when there is no such row.
    bool Highlight(int row);
    void ClearHighlight();

    // "Macro1" for macro 0, as on its button.
    static QString MacroName(int macro);
    static QString RowText(const MacroAction& action);
    // The row as a screen reader says it: "press Left Shift", "wait 20 ms".
    static QString Sentence(const MacroAction& action);
    // A key's name, also for keys the keyboard cannot play.
    static QString KeyText(tdu2 vk);

private:
    void Append(const MacroAction& action);

    QListWidget* m_list;
    QPixmap m_delayIcon;
    QPixmap m_downIcon;
    QPixmap m_upIcon;
};
