#pragma once

#include "device/DeviceTypes.h"

#include <QList>
#include <QObject>

class KeyCodeBasicKeyPannel;
class KeyCodeCombKeyPannel;
class KeyCodeDiadKeyPannel;
class KeyCodeLayerKeyPannel;
class KeyCodeLedKeyPannel;
class KeyCodeMacroKeyPannel;
class KeyCodeMediaKeyPannel;
class KeyCodeSearchPannel;
class KeycodeFuncKeyPannel;
class QLineEdit;
class QWidget;

// The keymap page's keycode pickers, one on each page of the picker stack, and the search over
// them, built on first use. A picker's choice comes out as a whole code, or for the dual-role and
// combination pickers as the high byte to put over the selected key's code.
class KeymapPickers final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapPickers)

public:
    // pages: the stack's pages in the order Basic, Layer, Led, Media, Comb, Diad, Macro, Func;
    // searchHost: the widget whose box layout takes the search results.
    KeymapPickers(const QList<QWidget*>& pages, QWidget* searchHost, QObject* parent = nullptr);

    // The field the search is typed into: its icon, Ctrl+F to reach it, Escape to empty it, and
    // the results built as the user moves into it, before the first letter is typed.
    void AttachSearchField(QLineEdit* field, QWidget* page);
    KeyCodeSearchPannel* Search();
    // The search results are shown (rather than the stack).
    bool Searching() const;
    // Filters the search by text; an empty text ends the search.
    void SetFilter(const QString& text);

signals:
    void CodeChosen(tdu2 code);
    void HighByteChosen(tdu2 highByte);
    // Escape was pressed in the search field, which is now empty.
    void SearchEscaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_searchHost;
    QLineEdit* m_field = nullptr;
    KeyCodeBasicKeyPannel* m_basic;
    KeyCodeLayerKeyPannel* m_layer;
    KeyCodeLedKeyPannel* m_led;
    KeyCodeMediaKeyPannel* m_media;
    KeyCodeCombKeyPannel* m_comb;
    KeyCodeDiadKeyPannel* m_diad;
    KeyCodeMacroKeyPannel* m_macro;
    KeycodeFuncKeyPannel* m_func;
    KeyCodeSearchPannel* m_search = nullptr;
};
