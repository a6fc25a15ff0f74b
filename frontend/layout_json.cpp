// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "frontend/layout_json.h"

#include "frontend/layout_table.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace wumpel {
namespace {

// JSON is UTF-8 text, so the table's texts go in as they are; only what JSON
// cannot hold in a string literally is escaped.
void appendString(std::string& json, std::string_view text)
{
    json += '"';
    for (const char c : text) {
        const bool control = static_cast<unsigned char>(c) < ' ';
        if (control || c == '"' || c == '\\') {
            std::array<char, 7> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            json += escape.data();
        } else {
            json += c;
        }
    }
    json += '"';
}

void appendColour(std::string& json, Rgb colour)
{
    std::array<char, 10> hex{};
    std::snprintf(hex.data(), hex.size(), "\"#%06X\"", static_cast<unsigned>(colour));
    json += hex.data();
}

void appendMember(std::string& json, std::string_view name)
{
    json += '"';
    json += name;
    json += "\":";
}

void appendNumber(std::string& json, std::string_view name, int value)
{
    appendMember(json, name);
    json += std::to_string(value);
    json += ',';
}

void appendObject(std::string& json, const ObjectLayout& object)
{
    json += '{';
    appendMember(json, "name");
    appendString(json, object.name);
    json += ',';
    appendNumber(json, "left", pixelsFromTwips(object.box.left));
    appendNumber(json, "top", pixelsFromTwips(object.box.top));
    appendNumber(json, "width", pixelsFromTwips(object.box.width));
    appendNumber(json, "height", pixelsFromTwips(object.box.height));
    appendMember(json, "families");
    json += '[';
    for (const std::string_view family : fontFamilies(object.font.face)) {
        appendString(json, family);
        json += ',';
    }
    json.back() = ']';
    json += ',';
    appendMember(json, "generic");
    json += object.font.face == Face::TimesNewRoman ? "\"serif\"," : "\"sans-serif\",";
    appendNumber(json, "pixelSize", pixelSize(object.font));
    appendMember(json, "bold");
    json += object.font.weight == Weight::Bold ? "true," : "false,";
    appendMember(json, "background");
    if (object.background.has_value()) {
        appendColour(json, *object.background);
    } else {
        json += "null";
    }
    json += ',';
    appendMember(json, "text");
    appendString(json, object.text);
    json += '}';
}

} // namespace

std::string layoutJson()
{
    std::string json = "{";
    appendNumber(json, "width", pixelsFromTwips(layout::ClientArea.width));
    appendNumber(json, "height", pixelsFromTwips(layout::ClientArea.height));
    appendMember(json, "background");
    appendColour(json, layout::Background);
    json += ',';
    appendMember(json, "objects");
    json += '[';
    for (const ObjectLayout& object : layout::Objects) {
        appendObject(json, object);
        json += ',';
    }
    json.back() = ']';
    json += '}';
    return json;
}

} // namespace wumpel
