#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace belvane {

class CBelvaneDoc;
class CLigne;

// Where a line's category and subcategory stand in the register's lists, names
// compared without regard to case as the document's lookups do. Lines repeat a
// few names many times, so each spelling is looked up once and remembered: a
// pass over hundreds of thousands of lines then costs a hash lookup a line.
// The lists must not change while it is used.
class CategoryLookup {
public:
    struct Match {
        int rubrique = -1;      // index in the category list, -1 when not found
        int sousRubrique = -1;  // index in that category's subcategories, -1 when not found
    };

    explicit CategoryLookup(const CBelvaneDoc& doc) : m_doc(doc) {}

    Match Find(const CLigne& line);
    Match Find(std::string_view rubrique, std::string_view sousRubrique);

private:
    // Looked up by string_view without making a string.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    using Names = std::unordered_map<std::string, int, Hash, std::equal_to<>>;

    int FindRubrique(std::string_view nom);

    const CBelvaneDoc& m_doc;
    Names m_rubriques;
    // Per category (by index): subcategory spelling -> index or -1.
    std::vector<Names> m_sousRubriques;
};

}  // namespace belvane
