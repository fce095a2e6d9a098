#pragma once

#include <QAbstractScrollArea>

#include <cstdint>
#include <string>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// The rows of the matching-lines window: the register's own title band and
// rows, newest first, for a list of line indices, with its scroll bars and keys.
class CLignesCorrespondantesWnd : public QAbstractScrollArea {
    Q_OBJECT

public:
    CLignesCorrespondantesWnd(const CBelvaneDoc& doc, std::vector<std::uint32_t> indices,
                              QWidget* parent = nullptr);

    const std::vector<std::uint32_t>& Indices() const { return m_indices; }
    int RowHeight() const { return m_rowHeight; }
    int CharWidth() const { return m_charWidth; }
    // Rows a vertical page holds.
    int VerticalPage() const;
    // Sets both scroll ranges from the client size, keeping the positions when
    // they still fit.
    void UpdateScrollRanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const CBelvaneDoc& m_doc;
    std::vector<std::uint32_t> m_indices;
    int m_rowHeight = 8;
    int m_charWidth = 8;
    int m_ascent = 6;
    std::string m_rowText;
};

}  // namespace belvane
