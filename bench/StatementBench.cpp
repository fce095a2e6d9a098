// Timings of the bank statement import on a register of 300000 lines: the tool's
// reconcile of a 10000-operation CSV statement beside its balances (both load
// the register), the readers of each format on statements of 10000 operations
// (OFX: 1000), and how libofx's time grows with the operations of one file,
// fed whole or a thousand operations at a time.

#include "SyntheticRegister.h"

#include "cli/ToolCommands.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "statements/OfxReader.h"
#include "statements/StatementReader.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

namespace belvane::bench {

namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 10000;

struct Op {
    CivilDate date;
    Amount amount;
    std::string name;
};

// `n` operations of a month of a busy account.
std::vector<Op> MakeOps(int n) {
    std::vector<Op> ops;
    for (int i = 0; i < n; ++i)
        ops.push_back({{2026, 1, 1 + i % 28},
                       -(100 + (i * 7919) % 90000),
                       "CB COMMERCE " + std::to_string(i % 400) + " PARIS"});
    return ops;
}

std::string Money(Amount a, char decimal) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%d%c%02d", a < 0 ? "-" : "", std::abs(a) / 100, decimal,
                  std::abs(a) % 100);
    return buf;
}

std::string Csv(const std::vector<Op>& ops) {
    std::string s = "Date;Libellé;Montant\r\n";
    char date[16];
    for (const Op& o : ops) {
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", o.date.day, o.date.month, o.date.year);
        s += std::string(date) + ";" + o.name + ";" + Money(o.amount, ',') + "\r\n";
    }
    return s;
}

std::string Qif(const std::vector<Op>& ops) {
    std::string s = "!Type:Bank\n";
    char date[16];
    for (const Op& o : ops) {
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", o.date.day, o.date.month, o.date.year);
        s += "D" + std::string(date) + "\nT" + Money(o.amount, ',') + "\nP" + o.name + "\n^\n";
    }
    return s;
}

std::string Camt(const std::vector<Op>& ops) {
    std::string s =
        "<?xml version=\"1.0\"?>\n<Document "
        "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">"
        "<BkToCstmrStmt><Stmt><Acct><Id><IBAN>FR76</IBAN></Id></Acct>\n";
    char date[16];
    for (const Op& o : ops) {
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", o.date.year, o.date.month, o.date.day);
        s += "<Ntry><Amt Ccy=\"EUR\">" + Money(-o.amount, '.') +
             "</Amt><CdtDbtInd>DBIT</CdtDbtInd><BookgDt><Dt>" + date +
             "</Dt></BookgDt><NtryDtls><TxDtls><RltdPties><Cdtr><Nm>" + o.name +
             "</Nm></Cdtr></RltdPties></TxDtls></NtryDtls></Ntry>\n";
    }
    return s + "</Stmt></BkToCstmrStmt></Document>\n";
}

std::string Ofx(const std::vector<Op>& ops) {
    std::string s =
        "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
        "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
        "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STMTRS><CURDEF>EUR<BANKACCTFROM><BANKID>1"
        "<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20260101"
        "<DTEND>20260131\r\n";
    char date[16];
    int id = 0;
    for (const Op& o : ops) {
        std::snprintf(date, sizeof date, "%04d%02d%02d", o.date.year, o.date.month, o.date.day);
        s += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" + std::string(date) + "<TRNAMT>" +
             Money(o.amount, '.') + "<FITID>" + std::to_string(++id) + "<NAME>" + o.name +
             "\r\n</STMTTRN>\r\n";
    }
    return s +
           "</BANKTRANLIST><LEDGERBAL><BALAMT>0.00<DTASOF>20260131</LEDGERBAL></STMTRS>"
           "</STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}

// The register and a statement of its own newest 10000 lines (one in five
// with another amount, so that it is new), made once per process.
struct Fixture {
    fs::path dir;
    std::string registerFile, statementFile;

    Fixture() {
        std::string tmpl = (fs::temp_directory_path() / "belvane-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            throw std::runtime_error("cannot create a temporary directory");
        dir = tmpl;
        registerFile = (dir / "registre-300000.blv").string();
        if (const Status written = WriteSyntheticRegister(registerFile, kBenchLines); !written.ok())
            throw std::runtime_error(written.ToString());
        CBelvaneDoc doc;
        if (!doc.OnOpenDocument(registerFile).status.ok())
            throw std::runtime_error("cannot read back " + registerFile);
        std::vector<Op> ops;
        for (int i = doc.GetLineCount() - kEntries; i < doc.GetLineCount(); ++i) {
            const CLigne& l = doc.GetLine(i);
            const DayDate d = l.m_dateValidite != 0 ? l.m_dateValidite : l.m_dateEmission;
            ops.push_back({ToCivil(d), l.m_montant + (i % 5 == 0 ? 1 : 0), l.m_beneficiaire});
        }
        statementFile = (dir / "releve.csv").string();
        std::ofstream(statementFile, std::ios::binary) << Csv(ops);
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const Fixture& Data() {
    static const Fixture fixture;
    return fixture;
}

void RunToolOnce(benchmark::State& state, const std::vector<std::string>& args) {
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunTool(args, out, err) != kExitOk)
            state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
}

// `belvane-tool balances FILE` in-process: loading the register dominates.
void BM_ToolBalances(benchmark::State& state) {
    RunToolOnce(state, {"balances", Data().registerFile});
}
BENCHMARK(BM_ToolBalances)->Unit(benchmark::kMillisecond)->UseRealTime();

// `belvane-tool reconcile FILE STATEMENT`: the load, the CSV read, the matching
// of 10000 operations and their JSON.
void BM_ToolReconcile(benchmark::State& state) {
    RunToolOnce(state, {"reconcile", Data().registerFile, Data().statementFile});
}
BENCHMARK(BM_ToolReconcile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading a statement of 10000 operations held in memory.
void BM_Read(benchmark::State& state, std::string (*make)(const std::vector<Op>&), int count) {
    const std::string bytes = make(MakeOps(count));
    for (auto _ : state) {
        Statement s;
        if (ReadStatement(bytes, s))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(s.entries.data());
    }
    state.counters["operations"] = count;
}
BENCHMARK_CAPTURE(BM_Read, Csv, Csv, kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, Qif, Qif, kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, Camt, Camt, kEntries)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, Ofx, Ofx, 1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// libofx on one file of N operations: fed a thousand at a time (batch 1), as
// the reader does, or whole (batch 0).
void BM_OfxGrowth(benchmark::State& state) {
    const std::string bytes = Ofx(MakeOps(static_cast<int>(state.range(0))));
    const int batch = state.range(1) != 0 ? kOfxBatch : INT_MAX;
    for (auto _ : state) {
        Statement s;
        if (ReadOfx(bytes, s, {}, batch))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(s.entries.data());
    }
}
BENCHMARK(BM_OfxGrowth)
    ->ArgsProduct({{1000, 10000, 20000}, {1, 0}})
    ->ArgNames({"operations", "batched"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
