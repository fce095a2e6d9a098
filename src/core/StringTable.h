#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace belvane {

// Numbered texts of the interface. The built-in French set is compiled into the
// program; a language module hands over a set in the same text form.
//
// The text form: a line "[strings]" opens the string section; each following
// line is "NUMBER<TAB>TEXT", with \n, \t and \\ escapes in TEXT. Lines starting
// with '#' and blank lines are ignored, as are sections not known to this class.
class CStringTable {
public:
    // Parses a resource text; malformed lines are skipped.
    static CStringTable Parse(std::string_view text);
    // The built-in French set (parsed once).
    static const CStringTable& Builtin();

    // The text of a number, or an empty text when the set has none.
    const std::string& Get(int id) const;
    bool Contains(int id) const { return m_strings.count(id) != 0; }
    std::size_t Size() const { return m_strings.size(); }

private:
    std::unordered_map<int, std::string> m_strings;
};

// Field `n` (from 0) of a resource text whose fields are separated by '\n', such
// as the document type; empty when the text has fewer fields.
std::string ResourceField(std::string_view text, int n);

// A text of the resource form with its \n, \t, \r and \\ escapes resolved.
std::string UnescapeResourceText(std::string_view s);

// The next line of a resource text from `pos` on, without its line end, skipping
// blank lines and '#' comments; false at the end of the text.
bool NextResourceLine(std::string_view text, std::size_t& pos, std::string_view& line);

// The resource text compiled into the program.
std::string_view BuiltinResourceText();

// The one way the placeholders of a resource text are filled, with texts
// already formatted: the printf conversions (%d, %ld, %i, %u, %s) take the
// arguments in order, "%1" to "%9" the argument of that number wherever they
// stand; "%%" gives '%'. A translated text is never used as a real format, so
// anything else after a '%' is copied as it is, and a missing argument is empty.
std::string FillPlaceholders(std::string_view pattern, std::span<const std::string_view> args);
std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> args);
// The same, appended to `out`.
void AppendFilled(std::string& out, std::string_view pattern,
                  std::span<const std::string_view> args);

}  // namespace belvane
