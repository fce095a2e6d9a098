#pragma once

class QString;

namespace belvane {

// What the search window needs of the window it searches in: the pane the
// commands act on, and the status bar. The frame provides it.
class ISearchHost {
public:
    virtual ~ISearchHost() = default;

    // The line selected in that pane, or -1.
    virtual int SearchFrom() const = 0;
    // Selects `line` there and scrolls it into view; false when no pane can.
    virtual bool SelectFound(int line) = 0;
    virtual void ShowStatusText(const QString& text) = 0;
};

}  // namespace belvane
