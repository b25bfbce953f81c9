#include "app/report_text.h"

#include "app/language.h"
#include "platform/forms/utf8.h"
#include "runtime/errors.h"
#include "runtime/text_file.h"

namespace quorvel::app {

std::optional<ReportText> readReportText(const std::string& path, int margin) {
    std::optional<runtime::TextFileReader> file;
    try {
        file.emplace(path);
    } catch (const runtime::RunTimeError&) {
        return std::nullopt;
    }
    ReportText result;
    const std::string blanks(static_cast<std::size_t>(margin), ' ');
    long long length = 0;  // in characters
    while (!file->eof()) {
        const std::string line = file->readLine();
        const int lineLength = platform::utf8::length(line);
        if (length + lineLength + margin + 2 > ReportTextLimit) {
            result.complete = false;
            break;
        }
        result.text += blanks + line + "\r\n";
        length += lineLength + margin + 2;
    }
    return result;
}

std::optional<std::string> loadReportText(platform::Platform& platform, const std::string& path, int margin) {
    auto report = readReportText(path, margin);
    if (!report) {
        platform.messageBox(byLanguage(platform, "Tulostiedon muodostus virhe!", "The results text could not be read!"),
                            platform::Buttons::Ok, platform::Icon::Critical, byLanguage(platform, "Virhe", "Error"));
        return std::nullopt;
    }
    if (!report->complete)
        platform.messageBox(byLanguage(platform, "Tiedon määrä > 65500 merkkiä\nNäytetään vain ensimmäiset 65500 merkkiä!",
                                       "Text longer than 65500 characters\nOnly the first 65500 characters are shown!"),
                            platform::Buttons::Ok, platform::Icon::Exclamation, byLanguage(platform, "Varoitus", "Warning"));
    return std::move(report->text);
}

std::string reportFailureCause(int error, int16_t languageIndex, const std::string& file) {
    const bool english = languageIndex == 1;
    std::string reason;
    switch (error) {
    case runtime::ErrFileNotFound:
        if (!file.empty()) {
            reason = english ? "The text file " + file + " of the report is missing."
                             : "Raportin tekstitiedosto " + file + " puuttuu.";
            break;
        }
        reason = english ? "A text file of the report (resultLanguage or TEKSTIT) is missing from the data folder."
                         : "Raportin tekstitiedosto (resultLanguage tai TEKSTIT) puuttuu datakansiosta.";
        break;
    case runtime::ErrInputPastEndOfFile:
        reason = english ? "A text file of the report (resultLanguage or TEKSTIT) is incomplete."
                         : "Raportin tekstitiedosto (resultLanguage tai TEKSTIT) on vajaa.";
        break;
    case 57:
    case 61:
    case 75:
    case 76:
        reason = english ? "The report file could not be written." : "Raporttitiedostoa ei voitu kirjoittaa.";
        break;
    default:
        reason = english ? "The results are missing or not valid: check the input and calculate again."
                         : "Tulokset puuttuvat tai ovat virheelliset: tarkista lähtötiedot ja laske uudelleen.";
        break;
    }
    return reason;
}

std::string reportFailureText(int error, int16_t languageIndex, const std::string& file) {
    const bool english = languageIndex == 1;
    const std::string reason = reportFailureCause(error, languageIndex, file);
    return (english ? "The report could not be made.\n" : "Raporttia ei voitu muodostaa.\n") + reason +
           (english ? "\n(Error " : "\n(Virhe ") + std::to_string(error) + ")";
}

void ShowReportFailure(platform::Platform& platform, int error, int16_t languageIndex, const std::string& file) {
    platform.messageBox(reportFailureText(error, languageIndex, file), platform::Buttons::Ok, platform::Icon::Critical,
                        languageIndex == 1 ? "Error" : "Virhe");
}

std::vector<std::string> printedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace quorvel::app
