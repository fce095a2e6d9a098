#pragma once

#include <string>
#include <utility>
#include <vector>

// One printed page as a list of drawing steps in device pixels, painted in
// order. The print engine lays pages out in these terms; the painter only
// carries them out on the printer.
namespace belvane {

enum class PrintFontId { HeaderUnderlined, HeaderPlain, Lines, Graph };
enum class PrintPen {
    Rule,           // 2 pixels, black: rules, boxes, the chart axis
    Thin,           // 1 pixel, black: bar outlines
    DepthPositive,  // 1 pixel: the depth of a credit bar
    DepthNegative,  // 1 pixel: the depth of a debit bar
};
enum class PrintBrush { None, Positive, Negative };

// One drawing step. A text is drawn with `font` from (x1, y1) as `align`
// says ((x2, y2) closes the rectangle of CentreInRect); a line runs from
// (x1, y1) to (x2, y2) with `pen`; a rectangle covers (x1, y1) up to but not
// including (x2, y2), outlined with `pen` and filled with `brush`.
struct PrintStep {
    enum class Type { Text, Line, Rect };
    enum class Align {
        TopLeft,       // (x1, y1) is the top left of the text
        TopRight,      // (x1, y1) is the top right of the text
        TopCentre,     // centred on x1, top at y1
        CentreInRect,  // centred across x1 .. x2, from y1 down; may hold '\n'
        Upwards,       // turned 90 degrees, running up from (x1, y1)
    };
    Type type = Type::Text;
    PrintFontId font = PrintFontId::Lines;
    Align align = Align::TopLeft;
    PrintPen pen = PrintPen::Rule;
    PrintBrush brush = PrintBrush::None;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;

    static PrintStep Text(PrintFontId font, Align align, int x, int y, std::string text) {
        PrintStep s;
        s.font = font;
        s.align = align;
        s.x1 = x;
        s.y1 = y;
        s.text = std::move(text);
        return s;
    }
    static PrintStep Line(PrintPen pen, int x1, int y1, int x2, int y2) {
        PrintStep s;
        s.type = Type::Line;
        s.pen = pen;
        s.x1 = x1, s.y1 = y1, s.x2 = x2, s.y2 = y2;
        return s;
    }
    static PrintStep Rect(PrintPen pen, PrintBrush brush, int left, int top, int right,
                          int bottom) {
        PrintStep s = Line(pen, left, top, right, bottom);
        s.type = Type::Rect;
        s.brush = brush;
        return s;
    }
};

struct PrintPage {
    std::vector<PrintStep> steps;
};

}  // namespace belvane
