#include "keymap/KeymapDiffOverlay.h"

#include "keymap/KeyCodeCatalogue.h"
#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"

#include <QPainter>
#include <QStringList>
#include <QToolButton>

namespace {
// The page's accent, drawn in the gap around the cap so the red outline of a selected key
// stays visible inside it.
const QColor kOutline(0x02, 0x9F, 0xEA);
constexpr int kOutlineWidth = 3;
constexpr qreal kOutlineOffset = 2;
constexpr qreal kOutlineRadius = 7;
} // namespace

KeymapDiffOverlay::KeymapDiffOverlay(QWidget* pannel)
    : PannelOverlay(pannel)
{
    setObjectName(QStringLiteral("wdgKeymapDiff"));
    hide();
}

void KeymapDiffOverlay::SetMarked(const QList<KeyCap*>& caps)
{
    m_marked.clear();
    for (KeyCap* cap : caps) {
        m_marked.append(cap);
    }
    setVisible(!m_marked.isEmpty());
    if (!m_marked.isEmpty()) {
        Cover();
    }
    update();
}

QList<KeyCap*> KeymapDiffOverlay::Marked() const
{
    QList<KeyCap*> caps;
    for (const QPointer<KeyCap>& cap : m_marked) {
        if (cap) {
            caps.append(cap);
        }
    }
    return caps;
}

void KeymapDiffOverlay::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kOutline, kOutlineWidth));
    painter.setBrush(Qt::NoBrush);
    for (KeyCap* cap : Marked()) {
        const QRectF face(cap->mapTo(parentWidget(), QPoint(0, 0)), cap->size());
        painter.drawRoundedRect(face.adjusted(-kOutlineOffset, -kOutlineOffset, kOutlineOffset, kOutlineOffset),
            kOutlineRadius, kOutlineRadius);
    }
}

int KeymapDiffOverlay::ShowDifferences(
    const KeyPannel& pannel, const KeymapStore& store, int keymap, int layer, const KeymapStore::KeymapCodes& keyboard)
{
    Clear();
    const QVector<QPair<int, int>> differing = store.DifferingKeys(keymap, layer, keyboard);
    QList<KeyCap*> marked;
    for (const QPair<int, int>& key : differing) {
        KeyCap* cap = pannel.Cap(tdu1(key.first), tdu1(key.second));
        if (cap == nullptr)
            continue;
        cap->Button()->setToolTip(
            tr("On the keyboard: %1").arg(CodeText(keyboard[size_t(layer)][size_t(key.first)][size_t(key.second)]))
            + QLatin1Char('\n') + tr("Here: %1").arg(CodeText(store.KeymapCode(keymap, layer, key.first, key.second))));
        marked.append(cap);
    }
    SetMarked(marked);
    return differing.size();
}

void KeymapDiffOverlay::Clear()
{
    for (KeyCap* cap : Marked())
        cap->Button()->setToolTip(QString());
    SetMarked({});
}

QString KeymapDiffOverlay::CodeText(tdu2 code)
{
    QStringList parts;
    const QString caption = KeyCodeCatalogue::KeyCaption(code)
                                .replace(QStringLiteral("&&"), QStringLiteral("&"))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                .join(QLatin1Char(' '));
    if (!caption.isEmpty())
        parts.append(caption);
    const QString tip = KeyCodeCatalogue::KeyTipText(code);
    if (!tip.isEmpty())
        parts.append(tip);
    parts.append(QStringLiteral("0x") + QString::number(code, 16).rightJustified(4, QLatin1Char('0')).toUpper());
    return parts.join(QStringLiteral(" \u2013 "));
}

QString KeymapDiffOverlay::Summary(int differing, int elsewhere)
{
    if (differing == 0 && elsewhere == 0)
        return tr("Keymap matches the keyboard");
    if (differing == 0)
        return tr("This layer matches the keyboard; keys on other layers differ: %1").arg(elsewhere);
    QString text = differing == 1 ? tr("1 key differs from the keyboard")
                                  : tr("%1 keys differ from the keyboard").arg(differing);
    if (elsewhere > 0)
        text += tr(" (and %1 on other layers)").arg(elsewhere);
    return text;
}
