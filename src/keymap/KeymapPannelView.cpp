#include "keymap/KeymapPannelView.h"

#include "keymap/KeyCodeCatalogue.h"
#include "keymap/KeyCodePannelBase.h"
#include "keymap/KeymapLiveMode.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {
void ShowUnconfirmed(KeyCap* cap, bool unconfirmed)
{
    QToolButton* button = cap->Button();
    // A new polish costs a style lookup; most keys keep their state.
    if (button->property(KeymapPannelView::kUnconfirmedProperty).toBool() == unconfirmed)
        return;
    button->setProperty(KeymapPannelView::kUnconfirmedProperty, unconfirmed);
    button->style()->unpolish(button);
    button->style()->polish(button);
}
} // namespace

void KeymapPannelView::Paint(KeyPannel& pannel, const KeymapStore& store, const KeymapLiveMode& live, QLabel* tip)
{
    const int keymap = store.CurrentKeymap();
    const int layer = store.CurrentLayer();
    for (int row = 0; row < pannel.RowNum(); ++row) {
        for (int col = 0; col < pannel.ColNum(); ++col) {
            KeyCap* cap = pannel.Cap(row, col);
            if (cap == nullptr)
                continue;
            const tdu2 code = store.KeymapCode(keymap, layer, row, col);
            KeyCodePannelBase::ShowCode(cap, code);
            if (KeyCodeCatalogue::KeyDisplayKind(code) == KeyCodeCatalogue::DisplayText)
                qCDebug(lcKeymap) << KeyCodeCatalogue::KeyCaption(code);
            cap->SetChecked(false);
            ShowUnconfirmed(cap, live.Unconfirmed(keymap, layer, row, col));
            // Screen readers tell the keys not yet on the keyboard, as the title's mark tells the keymap.
            if (live.DiffersFromKeyboard(keymap, layer, row, col)) {
                cap->Button()->setAccessibleDescription(cap->Button()->accessibleDescription() + QStringLiteral("; ")
                    + QCoreApplication::translate("KeymapPannelView", "not what the keyboard holds"));
            }
        }
    }

    KeyCap* selected = store.HasSelectedKey() ? pannel.Cap(store.SelectedRow(), store.SelectedCol()) : nullptr;
    if (selected == nullptr) {
        tip->clear();
        return;
    }
    const tdu2 code = store.SelectedCode();
    qCDebug(lcKeymap) << "DiadCode" << code;
    selected->SetChecked(true);
    tip->setText(KeyCodeCatalogue::KeyTipText(code));
}
