#include "core/Status.h"

namespace belvane {

namespace {

const char* CodeName(Status::Code code) {
    switch (code) {
        case Status::Code::Ok:
            return "ok";
        case Status::Code::CannotOpen:
            return "cannot open";
        case Status::Code::Unreadable:
            return "unreadable";
        case Status::Code::Damaged:
            return "damaged";
        case Status::Code::CannotCreate:
            return "cannot create";
        case Status::Code::CannotWrite:
            return "cannot write";
        case Status::Code::CannotPrint:
            return "cannot print";
    }
    return "?";
}

}  // namespace

std::string Status::ToString() const {
    std::string s = CodeName(m_code);
    if (!m_file.empty())
        s.append(": ").append(m_file);
    if (!m_detail.empty())
        s.append(": ").append(m_detail);
    return s;
}

}  // namespace belvane
