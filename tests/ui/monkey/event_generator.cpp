// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "event_generator.h"

#include "ui/line_breaks.h"
#include "ui/window_layout.h"

#include <QRect>

#include <algorithm>
#include <array>

namespace wumpel::monkey {
namespace {

struct Target {
    const ObjectLayout& object;
    int weight;
};

// The six clickable objects come up more often than the rest, "Zeilen
// anhängen" most, since verses pile up only through it.
const std::array<Target, 11>& targets()
{
    static const std::array<Target, 11> all{{
        {layout::Eingabe, 2},
        {layout::Text1, 5},
        {layout::Uebernehmen, 5},
        {layout::Label2, 3},
        {layout::Text2, 3},
        {layout::Text3, 2},
        {layout::Label1, 7},
        {layout::Label3, 2},
        {layout::Command1, 2},
        {layout::Text4, 2},
        {layout::Text5, 2},
    }};
    return all;
}
constexpr int BackgroundWeight = 3;

QString nameOf(const ObjectLayout& object)
{
    return qString(object.name);
}

const ObjectLayout& byName(const QString& name)
{
    for (const Target& target : targets()) {
        if (nameOf(target.object) == name) {
            return target.object;
        }
    }
    throw std::invalid_argument("no object " + name.toStdString());
}

bool onBackground(QPoint point)
{
    return std::ranges::none_of(targets(), [point](const Target& target) {
        return pixelRect(target.object.box).contains(point);
    });
}

// Letters come far more often than anything else, as in real typing.
constexpr std::array<char16_t, 9> Special{u'ä', u'ö', u'ü', u'Ä', u'Ö', u'Ü', u'ß', u' ', u' '};

// Sizes from nothing to enormous; the enormous ones are rare because each
// costs the window a noticeable moment.
constexpr std::array<int, ClipboardShapeCount> ShapeWeights{6, 12, 30, 20, 6, 3, 1};
constexpr std::array<int, ClipboardShapeCount> LargeShapeWeights{2, 2, 6, 4, 6, 6, 2};

constexpr std::array<char, 6> ShortcutLetters{'a', 'c', 'x', 'v', 'z', 'y'};

} // namespace

MonkeyEvent EventGenerator::next()
{
    while (m_pending.empty()) {
        drawGesture();
    }
    MonkeyEvent event = m_pending.front();
    m_pending.pop_front();
    return event;
}

void EventGenerator::drawGesture()
{
    static constexpr std::array<int, 14> weights{30, 8, 22, 6, 14, 3, 6, 7, 3, 1, 3, 5, 2, 1};
    switch (m_random.pick(weights)) {
    case 0:
        click(MonkeyAction::Click);
        break;
    case 1:
        click(MonkeyAction::DoubleClick);
        break;
    case 2:
        typeWord();
        break;
    case 3:
        specialKey();
        break;
    case 4:
        shortcutInField();
        break;
    case 5:
        clearWordList();
        break;
    case 6:
        takeClipboard(false);
        break;
    case 7:
        pasteOverWordList();
        break;
    case 8:
        pasteAtCaret();
        break;
    case 9:
        pasteAsOwnerDies();
        break;
    case 10:
        loadAndApply();
        break;
    case 11:
        verseRun();
        break;
    case 12:
        typeEntryList();
        break;
    default:
        shortcut(
            ShortcutLetters.at(static_cast<std::size_t>(m_random.below(ShortcutLetters.size()))));
        break;
    }
}

void EventGenerator::click(MonkeyAction action)
{
    std::array<int, 12> weights{};
    for (std::size_t i = 0; i < targets().size(); ++i) {
        weights.at(i) = targets().at(i).weight;
    }
    weights.back() = BackgroundWeight;
    const std::size_t chosen = m_random.pick(weights);
    if (chosen == targets().size()) {
        clickBackground(action);
        return;
    }
    const ObjectLayout& object = targets().at(chosen).object;
    // Text3's box reaches past the bottom of the window.
    const QRect box = pixelRect(object.box).intersected(pixelRect(layout::ClientArea));
    MonkeyEvent event;
    event.action = action;
    event.aimedAt = nameOf(object);
    event.point =
        QPoint(box.left() + m_random.below(box.width()), box.top() + m_random.below(box.height()));
    m_pending.push_back(event);
}

void EventGenerator::clickOn(const QString& name)
{
    const QRect box = pixelRect(byName(name).box);
    MonkeyEvent event;
    event.action = MonkeyAction::Click;
    event.aimedAt = name;
    // Away from the edges, where a neighbour lying above could take the click.
    event.point = QPoint(box.left() + box.width() / 4 + m_random.below(box.width() / 2),
                         box.top() + box.height() / 4 + m_random.below(box.height() / 2));
    m_pending.push_back(event);
}

void EventGenerator::clickBackground(MonkeyAction action)
{
    const QRect window = pixelRect(layout::ClientArea);
    MonkeyEvent event;
    event.action = action;
    event.aimedAt = QStringLiteral("background");
    // Bare background is a few strips and the dog's corner; the draws that
    // miss them do not count.
    do {
        event.point = QPoint(m_random.below(window.width()), m_random.below(window.height()));
        // QTest takes the point (0, 0) to mean the middle of the window.
    } while (!onBackground(event.point) || event.point.isNull());
    m_pending.push_back(event);
}

void EventGenerator::typeChar(QChar c)
{
    MonkeyEvent event;
    event.action = MonkeyAction::Key;
    event.text = c;
    if (c == u'\r') {
        event.key = Qt::Key_Return;
    } else if (c == u'\t') {
        event.key = Qt::Key_Tab;
    } else if (c == u'\b') {
        event.key = Qt::Key_Backspace;
    } else if (c == u' ') {
        event.key = Qt::Key_Space;
    } else if (c == u'ß') {
        event.key = Qt::Key_ssharp;
    } else {
        // Qt names letter keys by their upper-case Latin-1 code, umlauts included.
        event.key = c.toUpper().unicode();
        event.shift = c.isUpper();
    }
    m_pending.push_back(event);
}

void EventGenerator::typeWord()
{
    const int length = m_random.between(1, 12);
    for (int i = 0; i < length; ++i) {
        if (m_random.below(6) == 0) {
            typeChar(Special.at(static_cast<std::size_t>(m_random.below(Special.size()))));
        } else if (i == 0 && m_random.below(2) == 0) {
            typeChar(QChar(u'A' + m_random.below(26)));
        } else {
            typeChar(QChar(u'a' + m_random.below(26)));
        }
    }
    if (m_random.below(3) == 0) {
        typeChar(u'\r');
    }
}

void EventGenerator::typeEntryList()
{
    clickOn(QStringLiteral("Text1"));
    shortcut('a');
    const int lines = m_random.between(7, 14);
    static constexpr std::array<const char16_t*, 4> articles{u"der ", u"die ", u"das ", u"Die "};
    for (int line = 0; line < lines; ++line) {
        for (const QChar c :
             QString::fromUtf16(articles.at(static_cast<std::size_t>(m_random.below(4))))) {
            typeChar(c);
        }
        typeChar(QChar(u'A' + m_random.below(26)));
        const int length = m_random.between(1, 6);
        for (int i = 0; i < length; ++i) {
            typeChar(m_random.below(8) == 0
                         ? QChar(Special.at(static_cast<std::size_t>(m_random.below(7))))
                         : QChar(u'a' + m_random.below(26)));
        }
        typeChar(u'\r');
    }
}

void EventGenerator::specialKey()
{
    static constexpr std::array<char16_t, 3> keys{u'\r', u'\t', u'\b'};
    typeChar(keys.at(static_cast<std::size_t>(m_random.below(keys.size()))));
}

void EventGenerator::shortcut(char letter)
{
    MonkeyEvent event;
    event.action = MonkeyAction::Shortcut;
    event.key = Qt::Key_A + (letter - 'a');
    event.text = QChar(letter);
    m_pending.push_back(event);
}

void EventGenerator::shortcutInField()
{
    static constexpr std::array<const char16_t*, 5> fields{u"Text1", u"Text2", u"Text3", u"Text4",
                                                           u"Text5"};
    static constexpr std::array<int, 5> weights{5, 3, 1, 1, 1};
    clickOn(QString::fromUtf16(fields.at(m_random.pick(weights))));
    shortcut(ShortcutLetters.at(static_cast<std::size_t>(m_random.below(ShortcutLetters.size()))));
}

void EventGenerator::clearWordList()
{
    clickOn(QStringLiteral("Text1"));
    shortcut('a');
    typeChar(u'\b');
}

void EventGenerator::takeClipboard(bool preferLarge)
{
    MonkeyEvent event;
    event.action = MonkeyAction::TakeClipboard;
    event.shape =
        static_cast<ClipboardShape>(m_random.pick(preferLarge ? LargeShapeWeights : ShapeWeights));
    event.textSeed = m_random.bits();
    m_pending.push_back(event);
}

void EventGenerator::pasteOverWordList()
{
    takeClipboard(false);
    clickOn(QStringLiteral("Text1"));
    shortcut('a');
    shortcut('v');
}

void EventGenerator::pasteAtCaret()
{
    takeClipboard(false);
    clickOn(m_random.below(3) == 0 ? QStringLiteral("Text2") : QStringLiteral("Text1"));
    shortcut('v');
}

void EventGenerator::pasteAsOwnerDies()
{
    takeClipboard(true);
    clickOn(m_random.below(3) == 0 ? QStringLiteral("Text2") : QStringLiteral("Text1"));
    if (m_random.below(2) == 0) {
        shortcut('a');
    }
    MonkeyEvent event;
    event.action = MonkeyAction::PasteAsOwnerDies;
    // From before the request reaches the owner to the middle of a long transfer.
    event.killDelay = std::chrono::microseconds(m_random.below(20000));
    m_pending.push_back(event);
}

void EventGenerator::loadAndApply()
{
    static constexpr std::array<const char16_t*, 3> examples{u"Label3", u"Text4", u"Text5"};
    clickOn(QString::fromUtf16(examples.at(static_cast<std::size_t>(m_random.below(3)))));
    clickOn(QStringLiteral("Übernehmen"));
}

void EventGenerator::verseRun()
{
    if (m_random.below(3) == 0) {
        clickOn(QStringLiteral("Übernehmen"));
    }
    const int appends = m_random.between(1, 6);
    for (int i = 0; i < appends; ++i) {
        clickOn(m_random.below(5) == 0 ? QStringLiteral("Label2") : QStringLiteral("Label1"));
    }
}

} // namespace wumpel::monkey
