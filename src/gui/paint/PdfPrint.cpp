#include "gui/paint/PdfPrint.h"

#include "gui/paint/PrintPageSetup.h"
#include "gui/paint/PrintPages.h"
#include "gui/paint/QtText.h"
#include "reports/CPrintJob.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>

#include <filesystem>
#include <system_error>

namespace belvane {

namespace {

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "belvane-tool";
    static char* argv[] = {name, nullptr};
    // Kept until the process ends: painting needs it for every later job.
    new QGuiApplication(argc, argv);
}

}  // namespace

Status PrintJobToPdf(CPrintJob& job, const PrintFonts& fonts, const PageSetup& setup,
                     const std::string& path) {
    EnsureGuiApplication();
    const std::string temporary = path + ".part";
    bool painted = false;
    {
        QPdfWriter writer(FromStd(temporary));
        writer.setResolution(kPrintDpi);
        writer.setPageLayout(ToPageLayout(setup));
        writer.setCreator(QStringLiteral("Belvane"));
        painted = PaintPrintJob(job, fonts, writer, setup);
    }
    std::error_code ec;
    if (!painted || std::filesystem::file_size(temporary, ec) == 0 || ec) {
        const bool created = std::filesystem::exists(temporary, ec);
        std::filesystem::remove(temporary, ec);
        return created ? Status::CannotWrite(path, "the PDF file could not be completed")
                       : Status::CannotCreate(path, "the PDF file cannot be created");
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return Status::CannotWrite(path, "the PDF file cannot be put in place");
    }
    return Status::Ok();
}

}  // namespace belvane
