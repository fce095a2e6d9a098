#pragma once

#include <string>
#include <utility>

namespace belvane {

// The outcome of reading, writing or printing a file: success, or which failure
// and about which file. The code is what callers act on; FailureMessage() turns
// it into the numbered message the user sees. file() names the file (or printer)
// concerned as the core was given it, or in NormalPath form for the register
// document; detail() says what went wrong, for logs and scripts, never shown as
// is nor acted on.
class Status {
public:
    enum class Code {
        Ok,
        CannotOpen,    // a file to read could not be opened or read
        Unreadable,    // not a register: unknown magic, bad legacy file, impossible values
        Damaged,       // a register that ends before the data it announces
        CannotCreate,  // a file to write could not be created or emptied
        CannotWrite,   // writing failed; a file being replaced is left intact
        CannotPrint,   // the printer file() named did not print the job
    };

    Status() = default;
    static Status Ok() { return {}; }
    static Status CannotOpen(std::string file, std::string why) {
        return {Code::CannotOpen, std::move(file), std::move(why)};
    }
    static Status Unreadable(std::string what) { return {Code::Unreadable, {}, std::move(what)}; }
    static Status Damaged(std::string what) { return {Code::Damaged, {}, std::move(what)}; }
    static Status CannotCreate(std::string file, std::string why) {
        return {Code::CannotCreate, std::move(file), std::move(why)};
    }
    static Status CannotWrite(std::string file, std::string why) {
        return {Code::CannotWrite, std::move(file), std::move(why)};
    }
    static Status CannotPrint(std::string printer, std::string why) {
        return {Code::CannotPrint, std::move(printer), std::move(why)};
    }

    bool ok() const { return m_code == Code::Ok; }
    Code code() const { return m_code; }
    const std::string& file() const { return m_file; }
    const std::string& detail() const { return m_detail; }

    // The same failure, about `file` (for a failure found in bytes whose file
    // the caller knows).
    Status About(std::string file) const { return {m_code, std::move(file), m_detail}; }

    // "damaged: /home/a/compte.blv: a string is cut short", for logs.
    std::string ToString() const;

private:
    Status(Code code, std::string file, std::string detail)
        : m_code(code), m_file(std::move(file)), m_detail(std::move(detail)) {}

    Code m_code = Code::Ok;
    std::string m_file;
    std::string m_detail;
};

}  // namespace belvane
