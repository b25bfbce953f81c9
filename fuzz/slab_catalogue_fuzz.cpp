// Feeds arbitrary bytes to the start-up loader of the slab catalogue, once
// as the catalogue (with a valid strand file) and once as the strand file
// (with the shipped catalogue), and as the catalogue to the slab data reader
// of a calculation. The loader may refuse a file only with its run-time
// error or a data-file error, the reader only with its run-time error or
// status -1; anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/slab_catalogue.h"
#include "library/slab_data.h"
#include "model/project_model.h"
#include "runtime/messages.h"
#include "runtime/errors.h"

namespace {

const std::string& folder() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("quorvel-catfuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string() + "/";
    }();
    return dir;
}

const std::string validCatalogue =
    "Punokset: tunnus halkaisija pinta-ala lujuus tartunta kimmomoduuli\r\n"
    "0 12.5 93 1860 3.2 195000\r\n"
    "LOPPU1\r\n"
    "Laatat n h t hc hct hv d bb b db e g gd c14 ap lim\r\n"
    "P27 6 265 35 190 105 30 135 105 1200 20 110 3.60 4.14 0.5 45 60\r\n"
    "LOPPU\r\n";
const std::string validStrands = "Punosvaihtoehdot\r\nDATA\r\nP27 10 12\r\nLOPPU\r\n";

void load(const std::string& catalogue, const std::string& strands) {
    std::ofstream(folder() + "ONTELO.MIT", std::ios::binary | std::ios::trunc) << catalogue;
    std::ofstream(folder() + "PUNOS.VAT", std::ios::binary | std::ios::trunc) << strands;
    quorvel::model::ProjectModel m;
    m.DataPath = folder();
    m.SlabFileName = "ONTELO.MIT";
    m.StrandFileName = "PUNOS.VAT";
    try {
        quorvel::app::LoadSlabCatalogue(m);
    } catch (const quorvel::app::DataFileError&) {
        return;
    } catch (const quorvel::runtime::RunTimeError&) {
        return;
    }
    if (m.SlabTypeCount != m.SlabCatalogue.size() || m.SlabTypeCount < 1) std::abort();
    for (const auto& record : m.SlabCatalogue)
        if (record.StrandCount < 0 || record.StrandCount > quorvel::model::MaxStrandNames) std::abort();
}

void readForCalculation(const std::string& catalogue) {
    std::ofstream(folder() + "ONTELO.MIT", std::ios::binary | std::ios::trunc) << catalogue;
    quorvel::model::ProjectModel m;
    m.DataPath = folder();
    m.SlabFileName = "ONTELO.MIT";
    m.SlabTypeName(1) = "P27";
    m.BottomStrandType(1) = "0";
    m.TopStrandType(1) = "0";
    quorvel::runtime::Messages messages;
    int16_t status = 0;
    try {
        quorvel::library::ReadSlabAndStrandData(m, messages, 1, status);
    } catch (const quorvel::runtime::RunTimeError&) {
        return;
    }
    if (status != 0 && status != -1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    load(bytes, validStrands);
    load(validCatalogue, bytes);
    readForCalculation(bytes);
    return 0;
}
