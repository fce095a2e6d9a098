#include "core/StringTable.h"

#include <charconv>

namespace belvane {

std::string UnescapeResourceText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            out.push_back(s[i]);
            continue;
        }
        switch (s[++i]) {
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'r':
                out.push_back('\r');
                break;
            default:
                out.push_back(s[i]);
                break;
        }
    }
    return out;
}

bool NextResourceLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() != '#')
            return true;
    }
    return false;
}

CStringTable CStringTable::Parse(std::string_view text) {
    CStringTable table;
    bool inStrings = false;
    std::size_t pos = 0;
    std::string_view line;
    while (NextResourceLine(text, pos, line)) {
        if (line.front() == '[') {
            inStrings = line == "[strings]";
            continue;
        }
        if (!inStrings)
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            continue;
        int id = 0;
        const auto [p, ec] = std::from_chars(line.data(), line.data() + tab, id);
        if (ec != std::errc() || p != line.data() + tab)
            continue;
        table.m_strings[id] = UnescapeResourceText(line.substr(tab + 1));
    }
    return table;
}

const CStringTable& CStringTable::Builtin() {
    static const CStringTable table = Parse(BuiltinResourceText());
    return table;
}

const std::string& CStringTable::Get(int id) const {
    static const std::string kEmpty;
    const auto it = m_strings.find(id);
    return it == m_strings.end() ? kEmpty : it->second;
}

void AppendFilled(std::string& out, std::string_view pattern,
                  std::span<const std::string_view> args) {
    std::size_t next = 0;  // the next argument of a printf conversion
    const auto append = [&](std::size_t index) {
        if (index < args.size())
            out.append(args[index]);
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 >= pattern.size()) {
            out.push_back(c);
            continue;
        }
        const std::string_view rest = pattern.substr(i + 1);
        std::size_t length = 0;
        if (rest[0] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        if (rest[0] >= '1' && rest[0] <= '9') {
            append(static_cast<std::size_t>(rest[0] - '1'));
            ++i;
            continue;
        }
        if (rest[0] == 's' || rest[0] == 'd' || rest[0] == 'i' || rest[0] == 'u')
            length = 1;
        else if (rest.size() >= 2 && rest[0] == 'l' && (rest[1] == 'd' || rest[1] == 'u'))
            length = 2;
        if (length == 0) {
            out.push_back(c);
            continue;
        }
        append(next++);
        i += length;
    }
}

std::string FillPlaceholders(std::string_view pattern, std::span<const std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 32);
    AppendFilled(out, pattern, args);
    return out;
}

std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> args) {
    return FillPlaceholders(pattern, std::span<const std::string_view>(args.begin(), args.size()));
}

std::string ResourceField(std::string_view text, int n) {
    for (int i = 0; i < n; ++i) {
        const std::size_t nl = text.find('\n');
        if (nl == std::string_view::npos)
            return {};
        text.remove_prefix(nl + 1);
    }
    return std::string(text.substr(0, text.find('\n')));
}

}  // namespace belvane
