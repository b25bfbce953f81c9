#pragma once
// The per-user settings (application "Quorvel835", section "Settings"), the
// data files the program cannot start without, and the shortest beam span
// that keeps every load and hole on the beam.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inputfile/company_header.h"
#include "model/project_model.h"
#include "platform/platform.h"
#include "runtime/text_file.h"

namespace quorvel::app {

// Reads the six settings into DataPath, SlabFileName, LanguageIndex,
// PrintFontName, PrintFontSize and StrandFileName. A data folder that is
// missing (or starts with "?") becomes the program folder and is stored at
// once. A language or font size that is not a number, and a language other
// than 0 or 1, fall back to the defaults (Finnish, 10 pt); a font size is
// held to 6..16 pt.
void LoadSettings(model::ProjectModel& m, platform::Platform& p);

// Writes the six settings from the model, in the same order; a slab
// catalogue or strand file name whose file does not load from the data
// folder is not written (the stored one stays). When a save of a setting
// (this one's or an earlier one of the run) was refused because the
// settings file would have grown past what a start reads, a message says
// so, once in the run.
void SaveSettings(const model::ProjectModel& m, platform::Platform& p);

// The message of a settings file larger than the settings store reads (a
// data file's limit, LargestDataFile), naming it and its size, in the
// language of the index: the program starts on the defaults, stores nothing
// and leaves the file as it is. Nothing when the settings were read.
std::optional<std::string> oversizedSettingsText(platform::Platform& p, int16_t languageIndex);

// A stored data folder, slab catalogue or strand file that does not load (a
// file missing, too large, of another kind, report headings too few) would
// stop every start-up. The fewest of them are replaced by the
// installation's own (the catalogue "ONTELO.MIT", the strand file
// "PUNOS.VAT", the program folder) that make the data files load, in the
// model and in the settings; the returned text (in the language of the
// settings) names each stored value, why it cannot be used and what is used
// instead. Nothing when the stored files load, or when the installation's
// own do not either (start-up then stops, naming the fault).
std::optional<std::string> SettleDataFiles(model::ProjectModel& m, platform::Platform& p);

// The folder of the file last opened or saved (key "Tiedostokansio"),
// where the file dialogs open when the project has no folder of its own;
// empty when none is stored. Stored when a file is opened or saved.
std::string LastFileFolder(platform::Platform& p);
void SaveLastFileFolder(platform::Platform& p, const std::string& folder);

// The client size of the report viewer (twips) as the user last left it:
// the settings "Tulosikkunan leveys" and "Tulosikkunan korkeus" of the same
// section; nothing when they are not stored or not sizes.
struct ViewerSize {
    int width = 0;
    int height = 0;
};
std::optional<ViewerSize> LoadViewerSize(platform::Platform& p);
void SaveViewerSize(platform::Platform& p, ViewerSize size);

// The files of the data folder that start-up needs, in the order they are
// checked: slab catalogue, "KEF.DA0", the report headings of the language
// ("TEKSTIT0.DA0" / "TEKSTIT1.DA0"), "FIRMA.DA0", strand file.
std::vector<std::string> requiredDataFiles(const model::ProjectModel& m);

// 1 when every required data file opens for reading, else 0. File names are
// matched without regard to case.
int16_t CheckDataFilesPresent(const model::ProjectModel& m);

// The text of the "Vakava virhe!" message: every expected path (of names,
// by default the required data files), not only the missing ones.
std::string missingDataFilesText(const model::ProjectModel& m);
std::string missingDataFilesText(const model::ProjectModel& m, const std::vector<std::string>& names);

// Whether the data file name (matched without regard to case) opens for
// reading as a file; the open never waits (a named pipe).
bool DataFilePresent(const model::ProjectModel& m, const std::string& name);

// No data file the program reads comes near this size (the largest
// delivered one, a language file, holds some 33 kB): a larger one is not
// read, as every lookup of some of them reads the whole file.
inline constexpr std::uintmax_t LargestDataFile = runtime::LargestTextFile;

// The message naming the first data file (the required ones, then the
// language files of the windows and of the results) that is larger than
// LargestDataFile, in the language of m; nothing when none is. A file is
// read up to one byte past the limit whatever size it reports (a file of
// /proc reports none), once for each version of it.
std::optional<std::string> oversizedDataFileText(const model::ProjectModel& m);

// The first text data file that does not hold what the program reads from
// it, as one message (in the language of the model) naming the file and
// the line: a control character other than a tab (a binary file); report
// headings (TEKSTIT0.DA0, TEKSTIT1.DA0 of the data folder) with fewer items
// than the report prints; a language file (language.fin/.eng,
// resultLanguage.fin/.eng of programFolder, unless programFiles is false)
// with a line that is neither blank, a comment (') nor "key = text"; a
// report language file (resultLanguage.fin/.eng) without the text of a
// key the report prints (report::ReportTextKeys), or with one whose double
// quotes are not closed.
// Missing files are not named here. filesOf: the files of that language
// only (0 Finnish, 1 English), or of both (-1).
std::optional<std::string> unsoundTextFileText(const model::ProjectModel& m, const std::string& programFolder,
                                               bool programFiles = true, int16_t filesOf = -1);

// The first file the language of the index needs that does not exist or
// is not a file: its report headings in the data folder ("TEKSTIT0.DA0",
// "TEKSTIT1.DA0"), its window texts and its report texts in the program
// folder ("language.fin" / "language.eng", "resultLanguage.fin" /
// "resultLanguage.eng"); the path as expected. Nothing when all are there.
std::optional<std::string> missingLanguageFile(const model::ProjectModel& m, const std::string& programFolder,
                                               int16_t languageIndex);
// Why the English texts cannot be used, in the language of m: a file they
// need is missing (missingLanguageFile) or does not hold what is read from
// it (unsoundTextFileText over the English files). Nothing when they can.
std::optional<std::string> englishUnavailableReason(const model::ProjectModel& m, const std::string& programFolder);
// The message of the English texts that cannot be used for the reason: at
// start-up (the program falls back to Finnish) or when the user switches to
// English (the switch is refused); in the language of the index.
std::string englishUnavailableText(const std::string& reason, bool atStartUp, int16_t languageIndex);

// The message of a company header file ("FIRMA.DA0") that gives no company
// line, in the language of the index, naming the file and why: the report
// is then headed by a blank company line. Nothing when the file was read
// (an empty one included).
std::optional<std::string> companyHeaderText(const inputfile::CompanyHeader& header, int16_t languageIndex);

// The smallest beam span (mm) that keeps the beam line loads, point loads,
// slab holes and twice the first joint distance on the beam; 1000 at least.
float ComputeMinimumBeamLength(const model::ProjectModel& m);

}  // namespace quorvel::app
