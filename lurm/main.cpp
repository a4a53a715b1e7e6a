// The print program: prints a report file written by the measuring program.
//   lurm [name] F=<full path> PF=<file name> CV=1   print dialog (with preview for CV=1)
//   lurm F=<full path> --pdf <out.pdf>              render to a PDF file, no dialog
// Its texts are in the language --lang names, else in the desktop's (the
// measuring program hands its own on through LANGUAGE).
// Exit status: 0 printed, 1 the report cannot be read or printed, 2 a bad command line.
#include <QApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "lurm/print_arguments.h"
#include "lurm/report_file.h"
#include "lurm/report_printer.h"
#include "lurm/sheet_printer.h"
#include "platform/message_box.h"
#include "platform/ui_language.h"
#include "res/texts_print.h"
#include "res/ui_text.h"

namespace {

namespace t = texts_print;

// Tells the user: on standard error when rendering to PDF, else in a box.
void Complain(bool quiet, const std::string& text) {
    if (quiet) {
        std::fprintf(stderr, "lurm: %s\n", text.c_str());
    } else {
        platform::MessageBox(nullptr, text, t::TITLE_PRINT, platform::MB_OK | platform::MB_ICONEXCLAMATION);
    }
}

constexpr char kUsage[] = "usage: lurm F=<report file> [PF=<name>] [CV=1] [--pdf <out.pdf>] [--lang ja|en]\n";

}  // namespace

// What --help prints; the manual page says the same.
constexpr char HELP[] =
    "usage: lurm F=<report file> [PF=<name>] [CV=1] [--pdf <out.pdf>] [--lang ja|en]\n"
    "Prints a report file written by veldrio (Shift-JIS text).\n"
    "  F=FILE         the report to print\n"
    "  PF=NAME        the print job's name (default: the file's name)\n"
    "  CV=1           show the print preview first\n"
    "  --pdf OUT      write the report to the PDF file OUT, without any dialog\n"
    "  --lang ja|en   the language of its dialogs and messages (default: the desktop's)\n"
    "  -h, --help     print this help\n"
    "Exit status: 0 printed; 1 the report cannot be read or printed; 2 the\n"
    "command line is wrong.\n";

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            std::fputs(HELP, stdout);
            return 0;
        }
    }
    const platform::LanguageOption language = platform::TakeLanguageOption(arguments);
    PrintArguments request = ParsePrintArguments(arguments);
    if (!language.problem.empty()) request.error = language.problem;
    if (!request.error.empty()) {
        Complain(true, request.error);
        std::fputs(kUsage, stderr);
        return 2;
    }
    // Rendering a PDF needs no screen: run without one when there is none.
    if (!request.pdfPath.empty() && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    platform::UseUiLanguage(platform::ChooseUiLanguage(language));
    const bool quiet = !request.pdfPath.empty();
    QStringList lines;
    if (!ReadReport(request.filePath, lines)) {
        Complain(quiet, Tr(t::MSG_CANNOT_READ) + request.filePath);
        return 1;
    }
    // A measurement sheet is laid out as a page of its own, any other file as text.
    const ReportPrinter text(QString::fromStdString(request.jobName), lines);
    const SheetPrinter sheet(lines, QFileInfo(QString::fromStdString(request.filePath)).absolutePath());
    const bool isSheet = SheetPrinter::IsSheet(lines);
    if (isSheet && !sheet.problem().isEmpty()) {
        Complain(quiet, sheet.problem().toStdString());
        return 1;
    }
    const std::function<bool(QPrinter&)> print = [&](QPrinter& target) {
        return isSheet ? sheet.Print(target) : text.Print(target);
    };

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(request.jobName));
    if (quiet) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(request.pdfPath));
        if (!print(printer)) {
            Complain(true, "cannot write " + request.pdfPath);
            return 1;
        }
        return 0;
    }
    if (request.preview) {
        QPrintPreviewDialog dialog(&printer);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                         [&print](QPrinter* target) { print(*target); });
        dialog.setWindowTitle(Text(t::PREVIEW_TITLE) + QString::fromStdString(request.jobName));
        dialog.resize(900, 700);
        return dialog.exec() == QDialog::Accepted ? 0 : 1;
    }
    QPrintDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted) return 1;
    if (!print(printer)) {
        Complain(false, Tr(t::MSG_PRINT_FAILED) + request.jobName);
        return 1;
    }
    return 0;
}
