#pragma once

class KeyPannel;
class KeymapLiveMode;
class KeymapStore;
class QLabel;

// How the keymap page shows its keymap on the key panel: the current layer of the current
// keymap, the selected key checked with its description below the panel, and the keys live mode
// wrote that the keyboard has not confirmed yet marked.
class KeymapPannelView final
{
public:
    KeymapPannelView() = delete;

    static void Paint(KeyPannel& pannel, const KeymapStore& store, const KeymapLiveMode& live, QLabel* tip);
    // The cap property the caps' style sheet draws an unconfirmed key by.
    static constexpr const char* kUnconfirmedProperty = "unconfirmed";
};
