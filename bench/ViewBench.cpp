// Timings of the register pane: painting a full pane of a small and of a
// 300000-line register, one scroll step, and opening a 300000-line register up
// to its first painted screen. Runs headless (Qt's offscreen platform).

#include "SyntheticRegister.h"

#include "core/CBelvaneDoc.h"
#include "gui/window/CBelvaneView.h"
#include "gui/window/CLignesWnd.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace belvane::bench {

namespace {

namespace fs = std::filesystem;

// A pane the size of a usual window.
constexpr int kPaneWidth = 1024;
constexpr int kPaneHeight = 700;

// Register files of the sizes asked for, written once per process into a
// temporary directory that goes when the process ends.
class Files {
public:
    Files() {
        std::string tmpl = (fs::temp_directory_path() / "belvane-viewbench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            throw std::runtime_error("cannot create a temporary directory");
        m_dir = tmpl;
    }
    ~Files() {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    const std::string& Register(int lines) {
        auto it = m_files.find(lines);
        if (it != m_files.end())
            return it->second;
        const std::string path = (m_dir / ("registre-" + std::to_string(lines) + ".blv")).string();
        if (const Status written = WriteSyntheticRegister(path, lines); !written.ok())
            throw std::runtime_error(written.ToString());
        return m_files.emplace(lines, path).first->second;
    }

private:
    fs::path m_dir;
    std::map<int, std::string> m_files;
};

Files& TheFiles() {
    static Files files;
    return files;
}

// A document holding a register of `lines` lines and a pane showing it.
struct Pane {
    explicit Pane(int lines) {
        if (!doc.OnOpenDocument(TheFiles().Register(lines)).status.ok() ||
            doc.GetLineCount() != lines)
            throw std::runtime_error("cannot read the register back");
        view = std::make_unique<CBelvaneView>(doc);
        view->resize(kPaneWidth, kPaneHeight);
    }
    long RenderOnce(QImage& image) {
        view->LinesArea()->ResetFormattedRows();
        view->render(&image);
        return view->LinesArea()->FormattedRows();
    }

    CBelvaneDoc doc;
    std::unique_ptr<CBelvaneView> view;
};

void SendKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

// A whole pane (title band, every visible row, scroll bars) painted into an image.
void BM_PaintFullPane(benchmark::State& state) {
    Pane pane(static_cast<int>(state.range(0)));
    QImage image(pane.view->size(), QImage::Format_RGB32);
    long rows = 0;
    for (auto _ : state)
        rows = pane.RenderOnce(image);
    state.counters["lines"] = static_cast<double>(state.range(0));
    state.counters["rows_formatted"] = static_cast<double>(rows);
}
BENCHMARK(BM_PaintFullPane)
    ->ArgName("lines")
    ->Arg(300)
    ->Arg(300000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// One row down on a shown pane, up to the end of the repaint that follows: the
// pixels move and only the uncovered strip is painted.
void BM_ScrollStep(benchmark::State& state) {
    Pane pane(kBenchLines);
    pane.view->show();
    if (!QTest::qWaitForWindowExposed(pane.view.get()))
        state.SkipWithError("the pane was not shown");
    QCoreApplication::processEvents();
    CLignesWnd* lines = pane.view->LinesArea();
    lines->ResetFormattedRows();
    for (auto _ : state) {
        SendKey(pane.view.get(), Qt::Key_Down);
        QCoreApplication::processEvents();
    }
    state.counters["rows_per_step"] =
        static_cast<double>(lines->FormattedRows()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond)->UseRealTime();

// For comparison with the step: the whole lines area of the shown pane painted again.
void BM_FullRepaintShown(benchmark::State& state) {
    Pane pane(kBenchLines);
    pane.view->show();
    if (!QTest::qWaitForWindowExposed(pane.view.get()))
        state.SkipWithError("the pane was not shown");
    CLignesWnd* lines = pane.view->LinesArea();
    lines->ResetFormattedRows();
    for (auto _ : state)
        lines->repaint();
    state.counters["rows_per_paint"] =
        static_cast<double>(lines->FormattedRows()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FullRepaintShown)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Opening a 300000-line register into a document a pane is showing, up to the
// first painted screen: the file read, the pane's reset and the paint.
void BM_OpenAndFirstPaint(benchmark::State& state) {
    const std::string& file = TheFiles().Register(kBenchLines);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CBelvaneDoc>();
        auto view = std::make_unique<CBelvaneView>(*doc);
        view->resize(kPaneWidth, kPaneHeight);
        QImage image(view->size(), QImage::Format_RGB32);
        state.ResumeTiming();

        if (!doc->OnOpenDocument(file).status.ok())
            state.SkipWithError("the register did not load");
        view->render(&image);

        state.PauseTiming();
        if (doc->GetLineCount() != kBenchLines)
            state.SkipWithError("the register is incomplete");
        view.reset();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = kBenchLines;
}
BENCHMARK(BM_OpenAndFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

}  // namespace belvane::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
