#pragma once

#include "keymap/KeyCodePannelBase.h"

#include <QList>
#include <QString>
#include <QVector>

class QGridLayout;
class QLabel;
class QScrollArea;

// Every code the plain pickers offer, as the same caps, filtered by what the user types into the
// page's search field. A click on a shown cap emits its code like a click in its picker.
class KeyCodeSearchPannel final : public KeyCodePannelBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyCodeSearchPannel)

public:
    // Takes the codes of the pickers in the given order, each once, with the caption size its
    // picker gives it.
    explicit KeyCodeSearchPannel(const QList<const KeyCodePannelBase*>& pickers, QWidget* parent = nullptr);

    // How a text names a code: not at all, within one of its names or as a whole one. The names
    // are its caption, its description and its aliases.
    enum Match {
        NoMatch,
        PartMatch,
        WholeMatch,
    };

    // Shows the caps whose caption, description or alias holds text (blanks around it ignored, any
    // letter case); returns how many are shown.
    int SetFilter(const QString& text);
    QString Filter() const;
    // Codes of the shown caps: those text names whole first, each part in picker order.
    QVector<tdu2> Matches() const;
    QList<KeyCap*> MatchingCaps() const;
    // Every code the search offers, in picker order.
    QVector<tdu2> Codes() const;

    static Match MatchOf(tdu2 code, const QString& text);

signals:
    void SearchKeyPannelClicked(tdu2 code);

public slots:
    void SearchKeyClicked();

private:
    QScrollArea* m_scroll = nullptr;
    QWidget* m_results = nullptr;
    QGridLayout* m_grid = nullptr;
    QLabel* m_noMatch = nullptr;
    QString m_filter;
    QList<KeyCap*> m_matching;
};
