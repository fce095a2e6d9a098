#pragma once

#include "core/CResourceSet.h"

#include <string>
#include <vector>

namespace belvane::testutil {

// A menu on one line: a popup as "text[children]", a command as "id:text", a
// separator as "-", the recent files' place as "R"; without texts, its shape.
inline std::string DumpMenu(const std::vector<CResourceSet::MenuItem>& items, bool texts = true) {
    using Kind = CResourceSet::MenuItem::Kind;
    std::string out;
    for (const auto& item : items) {
        out += out.empty() ? "" : " | ";
        if (item.kind == Kind::Popup)
            out += (texts ? item.text : "") + "[" + DumpMenu(item.children, texts) + "]";
        else if (item.kind == Kind::Command)
            out += std::to_string(item.id) + ":" + (texts ? item.text : "");
        else
            out += item.kind == Kind::Separator ? "-" : "R";
    }
    return out;
}

}  // namespace belvane::testutil
