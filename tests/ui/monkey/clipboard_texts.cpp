// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "clipboard_texts.h"

#include "monkey_random.h"

#include <array>

namespace wumpel::monkey {
namespace {

constexpr int LongLineLength = 300000;
constexpr int ManyLinesCount = 100000;

constexpr std::array<const char16_t*, 16> Nouns{
    u"Hund", u"Katze", u"Wumpel", u"Größe",    u"Übel",      u"Ärger", u"Öl",        u"Straße",
    u"Fuß",  u"Maß",   u"Wurst",  u"Quendler", u"Spucknapf", u"Güte",  u"Rote Hahn", u"Ei"};
constexpr std::array<const char16_t*, 8> Articles{u"der", u"die", u"das", u"Der",
                                                  u"DIE", u"ein", u"Das", u""};
constexpr std::array<char16_t, 12> Odd{u'ä', u'ö', u'ü', u'Ä',  u'Ö', u'Ü',
                                       u'ß', u' ', u' ', u'\n', u'-', u'.'};

QString noun(MonkeyRandom& random)
{
    return QString::fromUtf16(Nouns.at(static_cast<std::size_t>(random.below(Nouns.size()))));
}

QString entryLine(MonkeyRandom& random)
{
    // Mostly proper entries; now and then a line the parser must survive.
    switch (random.below(12)) {
    case 0:
        return noun(random);
    case 1:
        return QString();
    case 2:
        return u' ' + noun(random);
    default:
        return QString::fromUtf16(
                   Articles.at(static_cast<std::size_t>(random.below(Articles.size())))) +
               u' ' + noun(random);
    }
}

QString list(MonkeyRandom& random, int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        text += entryLine(random);
        text += u'\n';
    }
    if (random.below(4) == 0) {
        text.chop(1);
    }
    return text;
}

QString shortText(MonkeyRandom& random)
{
    QString text;
    const int length = random.between(1, 80);
    for (int i = 0; i < length; ++i) {
        if (random.below(4) == 0) {
            text += Odd.at(static_cast<std::size_t>(random.below(Odd.size())));
        } else {
            text += QChar(u'a' + random.below(26));
        }
    }
    return text;
}

QString longLine(MonkeyRandom& random)
{
    QString text = QStringLiteral("der ");
    const QString word = noun(random);
    text.reserve(LongLineLength + 1);
    while (text.size() < LongLineLength) {
        text += word;
    }
    text.truncate(LongLineLength);
    if (random.below(2) == 0) {
        text += u'\n';
    }
    return text;
}

QString manyLines(MonkeyRandom& random)
{
    QString text;
    for (int i = 0; i < ManyLinesCount; ++i) {
        text += entryLine(random);
        text += u'\n';
    }
    return text;
}

} // namespace

QString clipboardText(ClipboardShape shape, std::uint64_t seed)
{
    MonkeyRandom random(seed);
    switch (shape) {
    case ClipboardShape::Empty:
        return QString();
    case ClipboardShape::Word:
        return noun(random);
    case ClipboardShape::TypicalList:
        return list(random, random.between(3, 30));
    case ClipboardShape::ShortText:
        return shortText(random);
    case ClipboardShape::LongList:
        return list(random, random.between(200, 3000));
    case ClipboardShape::LongLine:
        return longLine(random);
    case ClipboardShape::ManyLines:
        return manyLines(random);
    }
    return QString();
}

const char* shapeName(ClipboardShape shape)
{
    switch (shape) {
    case ClipboardShape::Empty:
        return "empty";
    case ClipboardShape::Word:
        return "one word";
    case ClipboardShape::TypicalList:
        return "a typical list";
    case ClipboardShape::ShortText:
        return "short text";
    case ClipboardShape::LongList:
        return "a long list";
    case ClipboardShape::LongLine:
        return "one line of 300,000 characters";
    case ClipboardShape::ManyLines:
        return "100,000 short lines";
    }
    return "?";
}

} // namespace wumpel::monkey
