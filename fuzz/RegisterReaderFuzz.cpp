// libFuzzer entry point: arbitrary bytes given to the register reader, each
// register read checked by writing it back and reading it again, and to the
// bank statement readers, each in every format.
#include "RegisterRoundTrip.h"
#include "StatementReaders.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken = belvane::CheckRegisterRoundTrip({data, size});
    if (!broken.empty()) {
        std::fprintf(stderr, "register round trip failed: %s\n", broken.c_str());
        std::abort();
    }
    const std::string statement = belvane::CheckStatementReaders({data, size});
    if (!statement.empty()) {
        std::fprintf(stderr, "statement reader failed: %s\n", statement.c_str());
        std::abort();
    }
    return 0;
}
