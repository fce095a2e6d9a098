#pragma once

#include <memory>
#include <string>

class QLockFile;
class QWidget;

namespace belvane {

class ValueFormat;

// A window's claim on the register it opens or saves: the lock file beside the
// register (a stale one, left by a process of this machine that no longer
// runs, is taken over), or what the user chose when another window or machine
// holds it.
struct RegisterClaim {
    enum class Access { ReadWrite, ReadOnly, Cancelled };
    Access access = Access::ReadWrite;
    // Null when no lock is held: read only, opened anyway, or a folder where no
    // lock file can be made.
    std::unique_ptr<QLockFile> lock;

    RegisterClaim();
    RegisterClaim(RegisterClaim&&) noexcept;
    RegisterClaim& operator=(RegisterClaim&&) noexcept;
    ~RegisterClaim();
};

// Takes the lock of the register at `path` (a full path) for opening it. When
// another holds it, asks "Ce registre est déjà ouvert par USER sur HOST depuis
// DATE." with "Ouvrir en lecture seule", "Ouvrir quand même" and "Annuler".
// `format` gives the date format.
RegisterClaim ClaimToOpen(QWidget* parent, const ValueFormat& format, const std::string& path);

// The same for saving to `path` as a new file of the window: a register open
// elsewhere is refused with the same text, and nothing is asked.
RegisterClaim ClaimToSave(QWidget* parent, const ValueFormat& format, const std::string& path);

}  // namespace belvane
