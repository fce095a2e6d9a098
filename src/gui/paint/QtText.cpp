#include "gui/paint/QtText.h"

#include "core/StringTable.h"

#include <vector>

namespace belvane {

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStd(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FillPlaceholders(const QString& pattern, std::initializer_list<QString> args) {
    std::vector<std::string> texts;
    texts.reserve(args.size());
    for (const QString& arg : args)
        texts.push_back(ToStd(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return FromStd(FillPlaceholders(ToStd(pattern), views));
}

}  // namespace belvane
