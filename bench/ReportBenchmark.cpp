// Lays out and writes to PDF a synthetic 35-page template the size of the
// largest printed forms (about 1,500 texts, 400 boxes and 200 lines a page)
// bound to a staging file of 3,000 keys, and reports the time per page for
// the layout and for the PDF, and the peak memory.
//   orvane_bench [OUTPUT_DIR]
#include <sys/resource.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "reports/catalogue/StagingDatasets.h"
#include "reports/engine/ReportEngine.h"
#include "reports/engine/TemplateLoader.h"
#include "reports/render/DocumentExport.h"
#include "reports/render/PagePainter.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPages = 35;
constexpr int kBandsPerPage = 25;  // 40 units each
constexpr int kTextsPerBand = 60;  // half captions, half fields
constexpr int kBoxesPerBand = 16;
constexpr int kLinesPerBand = 8;
constexpr int kKeysPerSection = 1500;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string Number(double value) {
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string SyntheticTemplate() {
    std::string xml = R"(<report name="Benchmark" datasets="dsPartA_Gen dsPartB">)";
    int key = 0;
    for (int page = 0; page < kPages; ++page) {
        xml += "<page name=\"Page" + std::to_string(page + 1) +
               "\" font=\"Book Antiqua\" size=\"8\">\n";
        for (int band = 0; band < kBandsPerPage; ++band) {
            xml += "<band kind=\"data\" dataset=\"dsPartA_Gen\" rows=\"1\" height=\"40\">\n";
            for (int i = 0; i < kBoxesPerBand; ++i) {
                xml += "<box x=\"" + Number(i * 44.8) + "\" y=\"0\" w=\"44.8\" h=\"40\"/>\n";
            }
            for (int i = 0; i < kLinesPerBand; ++i) {
                xml += "<line x=\"" + Number(22.4 + i * 89.6) + "\" y=\"0\" h=\"40\"/>\n";
            }
            for (int i = 0; i < kTextsPerBand; ++i) {
                const double x = (i % 15) * 47.8;
                const double y = (i / 15) * 10;
                const std::string box =
                    "x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" w=\"46\" h=\"10\"";
                if (i % 2 == 0) {
                    xml += "<text " + box + ">Item " + std::to_string(i) + "</text>\n";
                } else {
                    const char* dataset = key % 2 == 0 ? "dsPartA_Gen" : "dsPartB";
                    xml += "<text " + box + " align=\"right\">[" + std::string(dataset) + ".\"k" +
                           std::to_string((key / 2) % kKeysPerSection) + "\"]</text>\n";
                    ++key;
                }
            }
            xml += "</band>\n";
        }
        xml +=
            "<band kind=\"pagefooter\" height=\"20\"><text x=\"0\" y=\"2\" w=\"200\" h=\"15\" "
            "expr=\"true\">[PAGE#] of [TOTALPAGES#]</text></band>\n</page>\n";
    }
    return xml + "</report>\n";
}

void WriteStaging(const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary);
    for (const char* section : {"PART-A-GEN", "PART-B"}) {
        out << '[' << section << "]\r\n";
        for (int i = 0; i < kKeysPerSection; ++i) {
            out << 'k' << i << '='
                << (i % 7 == 0 ? std::string("Nil") : std::to_string(1000 + i * 37)) << "\r\n";
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(argc, argv);
    const std::filesystem::path directory =
        argc > 1 ? std::filesystem::path(argv[1])
                 : std::filesystem::temp_directory_path() / "orvane-bench";
    std::filesystem::create_directories(directory);
    WriteStaging(directory / "BENCH.WIN");

    const std::string xml = SyntheticTemplate();
    auto start = Clock::now();
    const orvane::Template report =
        orvane::LoadTemplate(xml, "benchmark.xml", orvane::DirectoryResources(directory));
    const double load_ms = Milliseconds(Clock::now() - start);

    const orvane::StagingReader reader(directory / "BENCH.WIN");
    orvane::SectionDataset gen(reader, "PART-A-GEN");
    orvane::SectionDataset part_b(reader, "PART-B");
    const orvane::NamedDataset datasets[] = {{"dsPartA_Gen", &gen}, {"dsPartB", &part_b}};
    const orvane::QtTextMeasurer measurer;

    const orvane::StagingReader::Hold hold(reader);
    std::vector<double> layouts;
    orvane::PreparedDocument document;
    for (int run = 0; run < 5; ++run) {
        start = Clock::now();
        document = orvane::PrepareReport(report, datasets, measurer);
        layouts.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(layouts.begin(), layouts.end());
    const double layout_ms = layouts[layouts.size() / 2];

    std::size_t objects = 0;
    for (const auto& page : document.pages) objects += page.objects.size();

    std::vector<double> pdfs;
    const auto pdf = directory / "benchmark.pdf";
    for (int run = 0; run < 3; ++run) {
        start = Clock::now();
        orvane::ExportDocument(document, pdf, orvane::ExportFormat::kPdf);
        pdfs.push_back(Milliseconds(Clock::now() - start));
    }
    std::sort(pdfs.begin(), pdfs.end());
    const double pdf_ms = pdfs[pdfs.size() / 2];

    const auto pages = static_cast<double>(document.pages.size());
    std::cout << "Template: " << kPages << " pages, " << objects / document.pages.size()
              << " objects a sheet, loaded in " << load_ms << " ms\n"
              << "Layout:   " << layout_ms / pages << " ms per page (" << layout_ms << " ms for "
              << document.pages.size() << " pages, median of 5)\n"
              << "PDF:      " << pdf_ms / pages << " ms per page (" << pdf_ms
              << " ms, median of 3, " << std::filesystem::file_size(pdf) / 1024 << " KiB)\n"
              << "Peak memory: " << PeakMegabytes() << " MB\n";
    return 0;
}
