#pragma once

#include "device/DeviceTypes.h"

#include <QString>

// What a 16-bit keycode means and how a keycap shows it. Bits 15-12 are the kind, bits 11-8 the
// modifiers (kinds 1, 2, 4, 5) or the layer (kind 3), bits 7-0 the plain key. The lookup tables are
// keyed by the plain key only; they are built on first use and never change afterwards, so every
// function here may be called from any thread.
class KeyCodeCatalogue final
{
public:
    enum CodeKind {
        KindPlain = 0,
        KindDualLeft = 1,
        KindDualRight = 2,
        KindDualLayer = 3,
        KindCombLeft = 4,
        KindCombRight = 5,
    };

    enum DisplayKind {
        DisplayText = 0,
        DisplayGlyph = 1,
        DisplayGlyphCaption = 2,
    };

    // Modifier bits inside the modifier field (bits 11-8 of a code).
    static constexpr int kModCtrl = 0x1;
    static constexpr int kModShift = 0x2;
    static constexpr int kModAlt = 0x4;
    static constexpr int kModWin = 0x8;

    // High bytes emitted by the dual-role layer caps LM2, LM3, LM4.
    static constexpr tdu2 kDualRoleLayer2 = 0x3100;
    static constexpr tdu2 kDualRoleLayer3 = 0x3200;
    static constexpr tdu2 kDualRoleLayer4 = 0x3300;

    // Written by "Set Current Key Null": layer 1 gets an empty key, the upper layers a
    // see-through key.
    static constexpr tdu2 kNullKeyBaseLayer = 0;
    static constexpr tdu2 kNullKeyUpperLayer = 3;

    // Caption of the plain key, "\n" between the upper and the lower line; empty when none.
    static QString KeyCaption(tdu2 code);
    // Long description of the plain key; empty when none.
    static QString KeyDescription(tdu2 code);
    // DisplayText, DisplayGlyph or DisplayGlyphCaption.
    static int KeyDisplayKind(tdu2 code);
    // Icon-font code point of the plain key, 0 when it has none.
    static tdu2 KeyGlyph(tdu2 code);
    // Status-label text of the editor for a whole code (kind, modifiers or layer).
    static QString KeyTipText(tdu2 code);

    static int CodeKind(tdu2 code);
    static int CodeModifiers(tdu2 code);
    static tdu1 CodeKey(tdu2 code);
    // Dual-role and combination codes show their caption in italics.
    static bool IsItalic(tdu2 code);

    // High byte a modifier picker emits: 0 when no modifier is set, otherwise the modifier bits
    // and the kind in the high byte. The editor ORs it into the key's plain code.
    static tdu2 ModifierHighByte(int kind, bool ctrl, bool shift, bool alt, bool win);
    // Combines a picker's high byte with the plain key of the code it is applied to.
    static tdu2 ApplyHighByte(tdu2 oldCode, tdu2 highByte);

    // Entries of each table (a table may hold an empty text for a key).
    static int CaptionCount();
    static int DescriptionCount();
    static int DisplayKindCount();
    static int GlyphCount();
};
