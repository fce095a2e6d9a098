#pragma once

#include "core/CResourceSet.h"

#include <QLibrary>
#include <QString>

#include <optional>
#include <string>

namespace belvane {

class ISettingsStore;

// A language module: a shared library in the program's directory whose exports
// hand over a complete resource set (docs/language-modules.md). The module that
// start-up loads stays loaded for the whole run; the language dialog only looks
// into modules and frees them again.
class CLanguageModule {
public:
    // The only key GetModuleKey may return, compared byte for byte.
    static constexpr const char* kModuleKey = "Belvane Language DLL #3.7";

    // What a module offers, read without keeping it loaded.
    struct Probe {
        std::string language;    // GetLanguage
        CResourceSet resources;  // parsed GetResourceText
    };

    CLanguageModule() = default;
    // Puts the built-in set back if this module's set is active, then frees the library.
    ~CLanguageModule();
    CLanguageModule(const CLanguageModule&) = delete;
    CLanguageModule& operator=(const CLanguageModule&) = delete;

    // Loads `programDir`/`fileName` and parses its resources. On any failure
    // (no file, not a library, a missing export, another key) nothing is kept
    // and false is returned; no message is shown.
    bool Load(const QString& programDir, const QString& fileName);
    // Start-up: loads the module named by `LanguageDLLName` (section "Settings",
    // default "Default") and makes its set the active one. With "Default" or on
    // failure the built-in set stays active and false is returned.
    bool LoadConfigured(const ISettingsStore& settings, const QString& programDir);
    // Frees the module (the built-in set becomes active if this one was).
    void Unload();

    bool IsLoaded() const { return m_library.isLoaded(); }
    // The module's resources; nullptr when nothing is loaded.
    const CResourceSet* Resources() const { return IsLoaded() ? &m_resources : nullptr; }
    // GetLanguage of the loaded module (may be empty: it is not needed to load).
    const std::string& Language() const { return m_language; }

    // Loads the library at `path`, reads its key, language and resources and
    // frees it again. Nothing when it is not a listable language module (wrong
    // or missing key, no GetLanguage or no text from it, no GetResourceText).
    static std::optional<Probe> Inspect(const QString& path);
    // File-name pattern of shared libraries on this platform ("*.so", "*.dll").
    static QString LibraryPattern();

private:
    QLibrary m_library;
    CResourceSet m_resources;
    std::string m_language;
};

}  // namespace belvane
