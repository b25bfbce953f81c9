#pragma once
// Start-up loading of the slab type list: the slab catalogue (ONTELO.MIT by
// default) gives the names, thicknesses and default support lengths, the
// strand file (PUNOS.VAT) the strand designations offered for each type.
//
// Catalogue layout: strand lines up to the first line whose first field is
// "LOPPU1", one heading line, then slab lines (17 fields) up to the
// first line whose first field is "LOPPU"; a tab separates fields as a
// blank does. Strand file: lines up
// to the first one starting "DATA" are skipped, then one line per slab type
// (name and at most 20 designations) up to the first line starting "LOPPU".
// Each designation offered for a type of the catalogue is held to the
// catalogue's strand types and the type's section
// (model::strandDesignationBreach).

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "model/project_model.h"
#include "platform/platform.h"
#include "runtime/messages.h"

namespace quorvel::app {

// A data file that cannot serve the program: it ends before one of its end
// markers, or the catalogue holds no slab type. Start-up shows it as a fatal
// error (ShowDataFileError) instead of reading past the end of the file or
// starting a project without a slab type.
class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string path, std::string finnish, std::string english)
        : std::runtime_error(finnish), path_(std::move(path)), finnish_(std::move(finnish)),
          english_(std::move(english)) {}
    const std::string& path() const { return path_; }
    // The message shown to the user, in the language (1 English).
    const std::string& text(int16_t language = 0) const { return language == 1 ? english_ : finnish_; }

private:
    std::string path_;
    std::string finnish_;
    std::string english_;
};

// Fills SlabTypeCount and SlabCatalogue from DataPath & SlabFileName and
// DataPath & StrandFileName (names matched without regard to case).
// The catalogue's lines are read and judged as each calculation reads and
// judges them (library::ReadCatalogueLine, library::FindCatalogueLineFault).
// A missing or unreadable file raises its run-time error (53, 75); a
// missing end marker, an empty catalogue, a number field that holds no
// number, text after a line's last field (refused in the calculation's
// words) or a designation a slab of its type cannot have (named with the
// strand file's line) raises DataFileError. What is passed over or
// replaced is returned, line by line, for the start-up to say once: a line
// that ends before its last field (a slab line's type is not offered) and a
// line whose key an earlier line has (the later one stands, at the place of
// the first); nothing when there is none.
std::optional<runtime::Message> LoadSlabCatalogue(model::ProjectModel& m);

// LoadSlabCatalogue with every fault as a DataFileError (a missing or
// unreadable file too, named in words): the fault, or nothing when both
// files loaded. A fault leaves the catalogue of m as it was.
std::optional<DataFileError> LoadSlabCatalogueOrFault(model::ProjectModel& m);

// The first side whose slab type the loaded catalogue does not list, as a
// message names it: the side by the caption the window shows for it
// (sideCaptions, left then right, the colon dropped), the type, and the
// catalogue file. Nothing when both sides' types are listed; the type of a
// side without slabs beside one with slabs (an edge beam's left side) is
// not looked at.
struct UnlistedSlabType {
    std::string side;
    std::string type;
    std::string catalogue;
};
std::optional<UnlistedSlabType> FindUnlistedSlabType(const model::ProjectModel& m,
                                                     const std::array<std::string, 2>& sideCaptions);

// The bottom strand designation a side takes when its slab type is chosen
// anew, in the main window and in the slab fields dialog alike: the first
// designation the catalogue offers for the type (its last record of that
// name). A type the strand file offers none for gets "6", with the message
// that says so in the project's language.
std::string BottomStrandForNewSlabType(const model::ProjectModel& m, const std::string& typeName,
                                       platform::Platform& ui);

// The critical "Vakava virhe!" message box for a DataFileError, in the
// language of the index ("Fatal error!" in English).
void ShowDataFileError(platform::Platform& ui, const DataFileError& error, int16_t language = 0);

}  // namespace quorvel::app
