// Feeds arbitrary bytes to the input file reader, once as a project input
// file and once as the beam library that a fixed project names. Nothing may
// crash, and the reader must answer 0, -1 or an error number.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "inputfile/input_file_reader.h"
#include "model/project_model.h"
#include "runtime/messages.h"

namespace {

const std::string& folder() {
    static const std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("quorvel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        std::ofstream(d / "FIRMA.DA0", std::ios::binary) << "Testirakenne Oy\r\n";
        // A project whose section comes from the library FUZZ.MIT.
        std::ofstream(d / "library-project.dat", std::ios::binary)
            << "T1\r\nT2\r\nONTELO\r\n"
               "P27 10L 0  900 20 40 1  50 7200 7200\r\nP27 10L 0  900 20 40 1  50 7200 7200\r\n"
               " 0\r\n 25  2  50  0  500\r\nFUZZ HQ320  6000 355  355  355\r\nHQ320 1 1 6 320 12 25 420 15 520\r\n"
               " 25 2\r\n 10 10 90 90 65 65\r\n 1.15 1.5 1 1.15 1.15 1 .7\r\n .0011 .5 2.5\r\n .0011 .5 2.5\r\n"
               " 7200  7200\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0  0 0 0\r\n 0  0 0 0\r\n 0\r\n"
               " 0  0  0  0  0  0  0  0\r\n .2\r\n 1\r\n 0 1.0\r\n 0\r\n 0\r\n 0\r\n";
        return d.string() + "/";
    }();
    return dir;
}

void check(int16_t status) {
    if (!(status == 0 || status == -1 || (status >= 5 && status <= 76))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& dir = folder();
    quorvel::runtime::Messages messages;

    std::ofstream(dir + "input.dat", std::ios::binary | std::ios::trunc) << bytes;
    {
        quorvel::model::ProjectModel m;
        m.DataPath = dir;
        int16_t first = 0;
        check(quorvel::inputfile::ReadInputDataFile(m, messages, dir + "input.dat", first));
    }
    std::ofstream(dir + "FUZZ.MIT", std::ios::binary | std::ios::trunc) << bytes;
    {
        quorvel::model::ProjectModel m;
        m.DataPath = dir;
        int16_t first = 0;
        check(quorvel::inputfile::ReadInputDataFile(m, messages, dir + "library-project.dat", first));
    }
    std::filesystem::remove(dir + "quorvel.err");  // keep the log from growing without bound
    return 0;
}
