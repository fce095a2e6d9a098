#include "gui/window/RegisterClaim.h"

#include "core/StringIds.h"
#include "core/ValueFormat.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "maintenance/RegisterLock.h"

#include <QLockFile>

namespace belvane {

namespace {

// Takes the lock, or says who holds it: the text of the question then.
RegisterClaim TryLock(const ValueFormat& format, const std::string& path, QString& heldBy) {
    RegisterClaim claim;
    auto lock = std::make_unique<QLockFile>(FromStd(LockPathOf(path)));
    // Never by age: a window may stay open for days. Only a lock whose process
    // is gone is stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        claim.lock = std::move(lock);
        return claim;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return claim;  // no lock file can be made there: nobody else can have one
    const LockReading holder = ReadLock(path);
    const QStringList when = dlg::DateAndTime(holder.since, format.GetDateFormat());
    heldBy = FillPlaceholders(
        CResources::Str(ids::kMsgRegisterOpen),
        {FromStd(holder.user), FromStd(holder.info ? holder.info->host : std::string("?")),
         when.join(u' ')});
    return claim;
}

}  // namespace

RegisterClaim::RegisterClaim() = default;
RegisterClaim::RegisterClaim(RegisterClaim&&) noexcept = default;
RegisterClaim& RegisterClaim::operator=(RegisterClaim&&) noexcept = default;
RegisterClaim::~RegisterClaim() = default;

RegisterClaim ClaimToOpen(QWidget* parent, const ValueFormat& format, const std::string& path) {
    QString heldBy;
    RegisterClaim claim = TryLock(format, path, heldBy);
    if (heldBy.isEmpty())
        return claim;
    switch (IMessageBox::Current().Choose(
        parent, heldBy, IMessageBox::Icon::Question,
        {CResources::Str(ids::kOpenReadOnly), CResources::Str(ids::kOpenAnyway)})) {
        case 0:
            claim.access = RegisterClaim::Access::ReadOnly;
            break;
        case 1:
            claim.access = RegisterClaim::Access::ReadWrite;
            break;
        default:
            claim.access = RegisterClaim::Access::Cancelled;
            break;
    }
    return claim;
}

RegisterClaim ClaimToSave(QWidget* parent, const ValueFormat& format, const std::string& path) {
    QString heldBy;
    RegisterClaim claim = TryLock(format, path, heldBy);
    if (!heldBy.isEmpty()) {
        dlg::Refuse(parent, heldBy);
        claim.access = RegisterClaim::Access::Cancelled;
    }
    return claim;
}

}  // namespace belvane
