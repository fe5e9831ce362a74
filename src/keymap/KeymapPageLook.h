#pragma once

class QWidget;

// The keymap page's look: the icons of its command buttons and its style sheet, from the palette.
class KeymapPageLook final
{
public:
    KeymapPageLook() = delete;

    // Every command icon size the page uses.
    static constexpr int kCommandGlyphSize = 16;
    static constexpr int kCommandIconSize = 20;

    static void Apply(QWidget* page);
};
