#include "keymap/KeyCodeSearchPannel.h"

#include "keymap/KeyCodeAliases.h"
#include "keymap/KeyCodeCatalogue.h"
#include "layout/KeyCap.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int kResultMargin = 8;

// Keys that show only a glyph have no caption to type; these words find them in any language of
// the page, beside their Chinese descriptions.
struct GlyphWords
{
    tdu1 key;
    const char* words;
};
const GlyphWords kGlyphWords[] = {
    {79, "Right Arrow"},
    {80, "Left Arrow"},
    {81, "Down Arrow"},
    {82, "Up Arrow"},
    {154, "Mute"},
    {155, "Volume Up"},
    {156, "Volume Down"},
    {157, "Next Track"},
    {158, "Previous Track"},
    {161, "Media Stop"},
    {162, "Play Pause"},
    {164, "Media Select Player"},
    {165, "Mail"},
    {166, "Calculator"},
    {167, "My Computer"},
    {168, "Web Search"},
    {169, "Web Home"},
    {170, "Web Back"},
    {171, "Web Forward"},
    {172, "Web Stop"},
    {173, "Web Refresh"},
    {174, "Web Favorites Bookmarks"},
    {232, "Sleep Low Power"},
    {233, "Battery Level"},
};

QString GlyphWordsOf(tdu2 code)
{
    const tdu1 key = KeyCodeCatalogue::CodeKey(code);
    for (const GlyphWords& entry : kGlyphWords) {
        if (entry.key == key) {
            return QString::fromLatin1(entry.words);
        }
    }
    return QString();
}
} // namespace

KeyCodeSearchPannel::KeyCodeSearchPannel(const QList<const KeyCodePannelBase*>& pickers, QWidget* parent)
    : KeyCodePannelBase(parent)
{
    setObjectName(QStringLiteral("KeyCodeSearchPannel"));

    // The caps are made in their final place: moving two hundred styled caps into another
    // parent would style each of them again.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scaKeySearch"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout()->addWidget(m_scroll);
    m_results = new QWidget();
    m_results->setObjectName(QStringLiteral("wdgKeySearchResult"));
    KeyCap::MakeStyleHost(m_results);
    m_scroll->setWidget(m_results);
    // The picker stack's dark background shows through, as behind the pickers.
    m_scroll->viewport()->setAutoFillBackground(false);
    m_results->setAutoFillBackground(false);
    QVBoxLayout* column = new QVBoxLayout(m_results);
    column->setContentsMargins(kResultMargin, kResultMargin, kResultMargin, kResultMargin);
    column->setSpacing(kResultMargin);
    m_noMatch = new QLabel(m_results);
    m_noMatch->setObjectName(QStringLiteral("lblKeySearchNone"));
    m_noMatch->hide();
    column->addWidget(m_noMatch);
    m_grid = new QGridLayout();
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(kCapSpacing);
    m_grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addLayout(m_grid);
    column->addStretch(1);

    QVector<tdu2> seen;
    for (const KeyCodePannelBase* picker : pickers) {
        for (KeyCap* source : picker->Caps()) {
            const int value = picker->ValueOfCap(source);
            if (value < 0 || seen.contains(tdu2(value))) {
                continue;
            }
            seen.append(tdu2(value));
            KeyCap* cap = MakeCap(m_results, tdu2(value), picker->PointSizeOfCap(source), tdu2(value));
            cap->hide();
            connect(cap, &KeyCap::KeyCapClicked, this, &KeyCodeSearchPannel::SearchKeyClicked);
        }
    }
}

int KeyCodeSearchPannel::SetFilter(const QString& text)
{
    m_filter = text;
    for (KeyCap* cap : qAsConst(m_matching)) {
        m_grid->removeWidget(cap);
        cap->hide();
    }
    m_matching.clear();
    // Keys named exactly as typed come first, so that Enter takes "Space" rather than "Back Space".
    QList<KeyCap*> partly;
    for (KeyCap* cap : Caps()) {
        const Match match = MatchOf(tdu2(ValueOfCap(cap)), text);
        if (match == WholeMatch)
            m_matching.append(cap);
        else if (match == PartMatch)
            partly.append(cap);
    }
    m_matching += partly;
    for (int i = 0; i < m_matching.size(); ++i) {
        m_grid->addWidget(m_matching.at(i), i / kCapsPerRow, i % kCapsPerRow);
        m_matching.at(i)->show();
    }
    m_noMatch->setText(tr("No keycode matches \"%1\".").arg(text.simplified()));
    m_noMatch->setVisible(m_matching.isEmpty());
    return m_matching.size();
}

QString KeyCodeSearchPannel::Filter() const
{
    return m_filter;
}

QVector<tdu2> KeyCodeSearchPannel::Matches() const
{
    QVector<tdu2> codes;
    for (KeyCap* cap : m_matching) {
        codes.append(tdu2(ValueOfCap(cap)));
    }
    return codes;
}

QList<KeyCap*> KeyCodeSearchPannel::MatchingCaps() const
{
    return m_matching;
}

QVector<tdu2> KeyCodeSearchPannel::Codes() const
{
    QVector<tdu2> codes;
    for (KeyCap* cap : Caps()) {
        codes.append(tdu2(ValueOfCap(cap)));
    }
    return codes;
}

KeyCodeSearchPannel::Match KeyCodeSearchPannel::MatchOf(tdu2 code, const QString& text)
{
    const QString needle = text.simplified();
    if (needle.isEmpty()) {
        return NoMatch;
    }
    // A cap's lines read as one name with or without the break ("Page Up", "PageUp"); "&&"
    // shows as one ampersand.
    const QStringList lines = KeyCodeCatalogue::KeyCaption(code)
                                  .replace(QStringLiteral("&&"), QStringLiteral("&"))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList names = QStringList {lines.join(QLatin1Char(' ')), lines.join(QString()),
                                  KeyCodeCatalogue::KeyDescription(code), GlyphWordsOf(code)}
        + KeyCodeAliases::Of(code);
    Match match = NoMatch;
    for (const QString& name : names) {
        if (name.compare(needle, Qt::CaseInsensitive) == 0) {
            return WholeMatch;
        }
        if (name.contains(needle, Qt::CaseInsensitive)) {
            match = PartMatch;
        }
    }
    return match;
}

void KeyCodeSearchPannel::SearchKeyClicked()
{
    const int value = ValueOfCap(sender());
    if (value >= 0) {
        emit SearchKeyPannelClicked(static_cast<tdu2>(value));
    }
}
