#include "core/CResourceSet.h"

#include <charconv>
#include <tuple>

namespace belvane {

namespace {

// The whole of `s` as a number, or nothing.
std::optional<int> ToInt(std::string_view s) {
    int value = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || p != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

// Cuts `line` at its first tab: returns the part before it, leaves the rest in `line`.
// Without a tab the whole line is returned and `line` becomes empty.
std::string_view TakeField(std::string_view& line) {
    const std::size_t tab = line.find('\t');
    std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    return field;
}

enum class Section { None, Menu, Accelerators, Toolbar, Dialog, Image, Cursor };

// "[menu 128]" -> {Menu, 128}. "[strings]" and unknown headers give None: the
// string section is read by CStringTable and the others are skipped.
std::pair<Section, int> ParseHeader(std::string_view header) {
    header.remove_prefix(1);
    if (header.empty() || header.back() != ']')
        return {Section::None, 0};
    header.remove_suffix(1);
    const std::size_t space = header.find(' ');
    if (space == std::string_view::npos)
        return {Section::None, 0};
    const std::string_view kind = header.substr(0, space);
    const std::optional<int> id = ToInt(header.substr(space + 1));
    if (!id)
        return {Section::None, 0};
    static constexpr std::pair<std::string_view, Section> kKinds[] = {
        {"menu", Section::Menu},       {"accelerators", Section::Accelerators},
        {"toolbar", Section::Toolbar}, {"dialog", Section::Dialog},
        {"image", Section::Image},     {"cursor", Section::Cursor},
    };
    for (const auto& [name, section] : kKinds) {
        if (name == kind)
            return {section, *id};
    }
    return {Section::None, 0};
}

}  // namespace

CResourceSet CResourceSet::Parse(std::string_view text) {
    CResourceSet set;
    set.m_strings = CStringTable::Parse(text);

    Section section = Section::None;
    int id = 0;
    // Open popups of the current menu, innermost last; the first entry is the menu itself.
    std::vector<std::vector<MenuItem>*> menuStack;
    std::string* xpm = nullptr;
    bool cursorHotspotSeen = false;

    std::size_t pos = 0;
    std::string_view line;
    while (NextResourceLine(text, pos, line)) {
        // Any line opening with '[' ends the section, as in CStringTable.
        if (line.front() == '[') {
            std::tie(section, id) = ParseHeader(line);
            menuStack.clear();
            xpm = nullptr;
            cursorHotspotSeen = false;
            switch (section) {
                case Section::Menu:
                    set.m_menus[id].clear();
                    menuStack.push_back(&set.m_menus[id]);
                    break;
                case Section::Accelerators:
                    set.m_accelerators[id].clear();
                    break;
                case Section::Toolbar:
                    set.m_toolbars[id].clear();
                    break;
                case Section::Image:
                    xpm = &set.m_images[id];
                    xpm->clear();
                    break;
                case Section::Cursor:
                    set.m_cursors[id] = Cursor{};
                    xpm = &set.m_cursors[id].xpm;
                    break;
                default:
                    break;
            }
            continue;
        }

        switch (section) {
            case Section::None:
                break;
            case Section::Menu: {
                std::string_view rest = line;
                const std::string_view keyword = TakeField(rest);
                std::vector<MenuItem>& items = *menuStack.back();
                if (keyword == "POPUP") {
                    MenuItem popup;
                    popup.kind = MenuItem::Kind::Popup;
                    popup.text = UnescapeResourceText(rest);
                    items.push_back(std::move(popup));
                    menuStack.push_back(&items.back().children);
                } else if (keyword == "ITEM") {
                    const std::optional<int> command = ToInt(TakeField(rest));
                    if (!command)
                        break;
                    MenuItem item;
                    item.kind = MenuItem::Kind::Command;
                    item.id = *command;
                    item.text = UnescapeResourceText(rest);
                    items.push_back(std::move(item));
                } else if (keyword == "SEPARATOR" && rest.empty()) {
                    items.push_back(MenuItem{MenuItem::Kind::Separator, 0, {}, {}});
                } else if (keyword == "RECENT" && rest.empty()) {
                    items.push_back(MenuItem{MenuItem::Kind::RecentFiles, 0, {}, {}});
                } else if (keyword == "END" && rest.empty() && menuStack.size() > 1) {
                    menuStack.pop_back();
                }
                break;
            }
            case Section::Accelerators: {
                std::string_view rest = line;
                const std::optional<int> command = ToInt(TakeField(rest));
                if (command && !rest.empty())
                    set.m_accelerators[id].push_back(Accelerator{*command, std::string(rest)});
                break;
            }
            case Section::Toolbar:
                if (line == "SEPARATOR") {
                    set.m_toolbars[id].push_back(0);
                } else if (const std::optional<int> command = ToInt(line);
                           command && *command > 0) {
                    set.m_toolbars[id].push_back(*command);
                }
                break;
            case Section::Dialog: {
                std::string_view rest = line;
                const std::optional<int> control = ToInt(TakeField(rest));
                if (control && line.find('\t') != std::string_view::npos)
                    set.m_dialogTexts[{id, *control}] = UnescapeResourceText(rest);
                break;
            }
            case Section::Cursor:
                if (!cursorHotspotSeen) {
                    // A cursor without its hotspot line is dropped as a whole.
                    std::string_view rest = line;
                    const std::string_view keyword = TakeField(rest);
                    const std::optional<int> x = ToInt(TakeField(rest));
                    const std::optional<int> y = ToInt(rest);
                    if (keyword != "hotspot" || !x || !y) {
                        set.m_cursors.erase(id);
                        xpm = nullptr;
                        section = Section::None;
                        break;
                    }
                    set.m_cursors[id].hotX = *x;
                    set.m_cursors[id].hotY = *y;
                    cursorHotspotSeen = true;
                    break;
                }
                [[fallthrough]];
            case Section::Image:
                xpm->append(line);
                xpm->push_back('\n');
                break;
        }
    }
    // Drop cursors whose section ended before the hotspot line.
    std::erase_if(set.m_cursors, [](const auto& entry) { return entry.second.xpm.empty(); });
    std::erase_if(set.m_images, [](const auto& entry) { return entry.second.empty(); });
    return set;
}

const CResourceSet& CResourceSet::Builtin() {
    static const CResourceSet set = Parse(BuiltinResourceText());
    return set;
}

const std::vector<CResourceSet::MenuItem>* CResourceSet::Menu(int id) const {
    const auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : &it->second;
}

const std::vector<CResourceSet::Accelerator>* CResourceSet::Accelerators(int id) const {
    const auto it = m_accelerators.find(id);
    return it == m_accelerators.end() ? nullptr : &it->second;
}

const std::vector<int>* CResourceSet::Toolbar(int id) const {
    const auto it = m_toolbars.find(id);
    return it == m_toolbars.end() ? nullptr : &it->second;
}

const std::string& CResourceSet::DialogText(int dialog, int control) const {
    static const std::string kEmpty;
    const auto it = m_dialogTexts.find({dialog, control});
    return it == m_dialogTexts.end() ? kEmpty : it->second;
}

const std::string* CResourceSet::Image(int id) const {
    const auto it = m_images.find(id);
    return it == m_images.end() ? nullptr : &it->second;
}

const CResourceSet::Cursor* CResourceSet::CursorImage(int id) const {
    const auto it = m_cursors.find(id);
    return it == m_cursors.end() ? nullptr : &it->second;
}

}  // namespace belvane
