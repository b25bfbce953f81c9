// Feeds arbitrary bytes to the coefficient table lookup as kef.da0, for a
// family that has a block in the shipped file, one that reads on to the end
// block, and both column flags. The lookup may refuse a file only with its
// run-time error; anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "library/coefficient_table.h"
#include "model/project_model.h"
#include "runtime/errors.h"

namespace {

const std::string& folder() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("quorvel-keffuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d.string() + "/";
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::ofstream(folder() + "kef.da0", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    quorvel::model::ProjectModel m;
    m.DataPath = folder();
    for (std::string type : {"SUORA", "DELTA", "QQ"}) {
        for (int16_t flag : {0, 1}) {
            quorvel::runtime::Value result, extra;
            try {
                quorvel::library::LookupKefCoefficient(m, type, "P27", 265, 105, flag, flag, result,
                                                       extra);
            } catch (const quorvel::runtime::RunTimeError&) {
            }
        }
    }
    return 0;
}
