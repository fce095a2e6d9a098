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

// Reads the sections other than the strings, line by line, into the maps of a
// resource set.
class ResourceParser {
public:
    using MenuItem = CResourceSet::MenuItem;
    using Accelerator = CResourceSet::Accelerator;
    using Cursor = CResourceSet::Cursor;

    struct Maps {
        std::map<int, std::vector<MenuItem>>& menus;
        std::map<int, std::vector<Accelerator>>& accelerators;
        std::map<int, std::vector<int>>& toolbars;
        std::map<std::pair<int, int>, std::string>& dialogTexts;
        std::map<int, std::string>& images;
        std::map<int, Cursor>& cursors;
    };

    explicit ResourceParser(Maps set) : m_set(set) {}

    void Line(std::string_view line) {
        // Any line opening with '[' ends the section, as in CStringTable.
        if (line.front() == '[') {
            OpenSection(line);
            return;
        }
        switch (m_section) {
            case Section::None:
                break;
            case Section::Menu:
                MenuLine(line);
                break;
            case Section::Accelerators:
                AcceleratorLine(line);
                break;
            case Section::Toolbar:
                ToolbarLine(line);
                break;
            case Section::Dialog:
                DialogLine(line);
                break;
            case Section::Cursor:
                if (!m_cursorHotspotSeen) {
                    HotspotLine(line);
                    break;
                }
                [[fallthrough]];
            case Section::Image:
                m_xpm->append(line);
                m_xpm->push_back('\n');
                break;
        }
    }

    // Drops the cursors whose section ended before the hotspot line, and the
    // empty images.
    void Finish() {
        std::erase_if(m_set.cursors, [](const auto& entry) { return entry.second.xpm.empty(); });
        std::erase_if(m_set.images, [](const auto& entry) { return entry.second.empty(); });
    }

private:
    void OpenSection(std::string_view header) {
        std::tie(m_section, m_id) = ParseHeader(header);
        m_menuStack.clear();
        m_xpm = nullptr;
        m_cursorHotspotSeen = false;
        switch (m_section) {
            case Section::Menu:
                m_set.menus[m_id].clear();
                m_menuStack.push_back(&m_set.menus[m_id]);
                break;
            case Section::Accelerators:
                m_set.accelerators[m_id].clear();
                break;
            case Section::Toolbar:
                m_set.toolbars[m_id].clear();
                break;
            case Section::Image:
                m_xpm = &m_set.images[m_id];
                m_xpm->clear();
                break;
            case Section::Cursor:
                m_set.cursors[m_id] = Cursor{};
                m_xpm = &m_set.cursors[m_id].xpm;
                break;
            default:
                break;
        }
    }

    void MenuLine(std::string_view line) {
        std::string_view rest = line;
        const std::string_view keyword = TakeField(rest);
        std::vector<MenuItem>& items = *m_menuStack.back();
        if (keyword == "POPUP") {
            MenuItem popup;
            popup.kind = MenuItem::Kind::Popup;
            popup.text = UnescapeResourceText(rest);
            items.push_back(std::move(popup));
            m_menuStack.push_back(&items.back().children);
        } else if (keyword == "ITEM") {
            const std::optional<int> command = ToInt(TakeField(rest));
            if (!command)
                return;
            MenuItem item;
            item.kind = MenuItem::Kind::Command;
            item.id = *command;
            item.text = UnescapeResourceText(rest);
            items.push_back(std::move(item));
        } else if (keyword == "SEPARATOR" && rest.empty()) {
            items.push_back(MenuItem{MenuItem::Kind::Separator, 0, {}, {}});
        } else if (keyword == "RECENT" && rest.empty()) {
            items.push_back(MenuItem{MenuItem::Kind::RecentFiles, 0, {}, {}});
        } else if (keyword == "END" && rest.empty() && m_menuStack.size() > 1) {
            m_menuStack.pop_back();
        }
    }

    void AcceleratorLine(std::string_view line) {
        std::string_view rest = line;
        const std::optional<int> command = ToInt(TakeField(rest));
        if (command && !rest.empty())
            m_set.accelerators[m_id].push_back(Accelerator{*command, std::string(rest)});
    }

    void ToolbarLine(std::string_view line) {
        if (line == "SEPARATOR") {
            m_set.toolbars[m_id].push_back(0);
        } else if (const std::optional<int> command = ToInt(line); command && *command > 0) {
            m_set.toolbars[m_id].push_back(*command);
        }
    }

    void DialogLine(std::string_view line) {
        std::string_view rest = line;
        const std::optional<int> control = ToInt(TakeField(rest));
        if (control && line.find('\t') != std::string_view::npos)
            m_set.dialogTexts[{m_id, *control}] = UnescapeResourceText(rest);
    }

    // The first line of a cursor; a cursor without its hotspot line is dropped
    // as a whole.
    void HotspotLine(std::string_view line) {
        std::string_view rest = line;
        const std::string_view keyword = TakeField(rest);
        const std::optional<int> x = ToInt(TakeField(rest));
        const std::optional<int> y = ToInt(rest);
        if (keyword != "hotspot" || !x || !y) {
            m_set.cursors.erase(m_id);
            m_xpm = nullptr;
            m_section = Section::None;
            return;
        }
        m_set.cursors[m_id].hotX = *x;
        m_set.cursors[m_id].hotY = *y;
        m_cursorHotspotSeen = true;
    }

    Maps m_set;
    Section m_section = Section::None;
    int m_id = 0;
    // Open popups of the current menu, innermost last; the first entry is the menu itself.
    std::vector<std::vector<MenuItem>*> m_menuStack;
    std::string* m_xpm = nullptr;
    bool m_cursorHotspotSeen = false;
};

}  // namespace

CResourceSet CResourceSet::Parse(std::string_view text) {
    CResourceSet set;
    set.m_strings = CStringTable::Parse(text);
    ResourceParser parser({set.m_menus, set.m_accelerators, set.m_toolbars, set.m_dialogTexts,
                           set.m_images, set.m_cursors});
    std::size_t pos = 0;
    std::string_view line;
    while (NextResourceLine(text, pos, line))
        parser.Line(line);
    parser.Finish();
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
