#pragma once
// The company header file "FIRMA.DA0" of the data folder: its first item
// (the text up to the first comma or the end of the first line, without
// enclosing double quotes) is the company line of the report. The line is
// a heading, not a number of the design: a file that cannot give it gives
// a blank company line and never stops an Open or a calculation.

#include <string>

#include "runtime/data_files.h"

namespace quorvel::inputfile {

// Why the company header gave no company line.
enum class CompanyHeaderProblem {
    None,        // read (an empty file gives a blank line)
    Missing,     // no such file
    NotAFile,    // a folder, a device, a named pipe, a socket
    Unreadable,  // it cannot be opened or read
    NotText,     // its first line holds a control character (a binary file)
};

struct CompanyHeader {
    std::string name;  // the company line; blank when the file cannot give it
    CompanyHeaderProblem problem = CompanyHeaderProblem::None;
    std::string path;  // the file as found in the data folder
};

// Reads the company line without waiting (a named pipe or a device is not
// read) and no further than the first line of the file's first 64 kB. What
// was read from a regular file is kept in files, when given.
CompanyHeader ReadCompanyHeader(const std::string& dataPath, runtime::DataFileCache* files = nullptr);

// The company line alone; blank when the file cannot give it.
std::string ReadCompanyName(const std::string& dataPath, runtime::DataFileCache* files = nullptr);

}  // namespace quorvel::inputfile
