#pragma once

#include "core/Types.h"

namespace belvane {

// What the register document tells its views. Every method has an empty default
// so that a view overrides only what it shows.
class IDocObserver {
public:
    virtual ~IDocObserver() = default;

    // The lines changed as a whole: redraw everything.
    virtual void OnRedrawAll() {}
    // Only line `index` changed (a statement date was set or cleared).
    virtual void OnLineChanged(int /*index*/) {}
    // Statement mode: the statement date in force, or 0 when the mode is off.
    virtual void OnStatementMode(DayDate /*date*/) {}
    // The register's backup flag.
    virtual void OnBackupFlag(bool /*on*/) {}
    // A new register or a loaded one: forget selection and scroll positions.
    virtual void OnResetDisplay() {}
    // The document's title changed (the " *" mark of the modified flag, say).
    virtual void OnTitleChanged() {}
    // The register changed (the modified flag set, whether it was already or not).
    virtual void OnModified() {}
};

}  // namespace belvane
