#include "gui/support/CLanguageModule.h"
#include "gui/paint/QtText.h"

#include "core/SettingsStore.h"
#include "gui/support/CResources.h"
#include "uilogic/LanguageChoice.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace belvane {

namespace {

using TextExport = const char* (*)();

// Calls an export of the module; nothing when it is missing or returns null.
std::optional<std::string> CallText(QLibrary& library, const char* name) {
    const auto function = reinterpret_cast<TextExport>(library.resolve(name));
    if (!function)
        return std::nullopt;
    const char* text = function();
    if (!text)
        return std::nullopt;
    return std::string(text);
}

bool HasRightKey(QLibrary& library) {
    const std::optional<std::string> key = CallText(library, "GetModuleKey");
    return key && *key == CLanguageModule::kModuleKey;
}

}  // namespace

CLanguageModule::~CLanguageModule() {
    Unload();
}

bool CLanguageModule::Load(const QString& programDir, const QString& fileName) {
    Unload();
    const QString path = QDir(programDir).filePath(fileName);
    if (fileName.isEmpty() || !QFileInfo(path).isFile())
        return false;
    // Default (local) binding: one module's symbols must never serve another's calls.
    m_library.setFileName(path);
    if (!m_library.load())
        return false;
    std::optional<std::string> text;
    if (HasRightKey(m_library))
        text = CallText(m_library, "GetResourceText");
    if (!text) {
        m_library.unload();
        return false;
    }
    m_resources = CResourceSet::Parse(*text);
    m_language = CallText(m_library, "GetLanguage").value_or(std::string());
    return true;
}

bool CLanguageModule::LoadConfigured(const ISettingsStore& settings, const QString& programDir) {
    Unload();
    const std::string name =
        settings.GetString("Settings", "LanguageDLLName", kBuiltinLanguageFile);
    if (name == kBuiltinLanguageFile)
        return false;
    if (!Load(programDir, FromStd(name)))
        return false;
    CResources::SetActive(&m_resources);
    return true;
}

void CLanguageModule::Unload() {
    if (&CResources::Active() == &m_resources)
        CResources::SetActive(nullptr);
    if (m_library.isLoaded())
        m_library.unload();
    m_resources = CResourceSet();
    m_language.clear();
}

std::optional<CLanguageModule::Probe> CLanguageModule::Inspect(const QString& path) {
    QLibrary library(path);
    // Qt keeps one handle per file and unload() frees it whoever else loaded it:
    // the module in use must not be freed by a look into it.
    const bool inUse = library.isLoaded();
    if (!inUse && !library.load())
        return std::nullopt;
    std::optional<Probe> probe;
    if (HasRightKey(library)) {
        std::optional<std::string> language = CallText(library, "GetLanguage");
        std::optional<std::string> text = CallText(library, "GetResourceText");
        if (language && !language->empty() && text)
            probe = Probe{std::move(*language), CResourceSet::Parse(*text)};
    }
    // Texts were copied above: nothing of the module is used after this.
    if (!inUse)
        library.unload();
    return probe;
}

QString CLanguageModule::LibraryPattern() {
#if defined(Q_OS_WIN)
    return QStringLiteral("*.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("*.dylib");
#else
    return QStringLiteral("*.so");
#endif
}

}  // namespace belvane
