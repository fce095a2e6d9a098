#include "core/FailureMessage.h"

#include "core/StringIds.h"
#include "core/StringTable.h"

namespace belvane {

namespace {

int MessageId(Status::Code code) {
    switch (code) {
        case Status::Code::Unreadable:
            return ids::kMsgUnreadable;
        case Status::Code::Damaged:
            return ids::kMsgDamaged;
        case Status::Code::CannotCreate:
            return ids::kMsgExportOpenError;
        case Status::Code::CannotWrite:
            return ids::kMsgSaveFailed;
        case Status::Code::CannotPrint:
            return ids::kMsgPrintFailed;
        case Status::Code::Ok:
        case Status::Code::CannotOpen:
            break;
    }
    return ids::kMsgOpenFailed;
}

}  // namespace

std::string FailureMessage(const Status& status, const CStringTable& strings,
                           std::string_view file) {
    return FillPlaceholders(strings.Get(MessageId(status.code())), {file});
}

}  // namespace belvane
