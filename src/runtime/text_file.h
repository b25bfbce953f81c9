#pragma once
// 8-bit sequential text files. On disk the program's files are Windows-1252
// with CR LF line ends, so that they move unchanged between this program and
// older installations; in memory every text is UTF-8. Reading accepts CR LF,
// LF and lone CR line ends.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/data_files.h"
#include "runtime/value.h"

namespace quorvel::runtime {

// Conversion at the boundary. Characters that Windows-1252 cannot hold are
// written as "?"; bytes undefined in Windows-1252 (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same number so a round trip keeps them.
std::string cp1252ToUtf8(std::string_view bytes);
std::string utf8ToCp1252(std::string_view text);
// The first character of UTF-8 text that Windows-1252 cannot hold (one
// that utf8ToCp1252 writes as "?"), with the offset of its first byte;
// "?" for bytes that are no UTF-8; nothing when the text converts whole.
struct UnheldCharacter {
    std::size_t offset = 0;
    std::string character;
};
std::optional<UnheldCharacter> firstUnheldCharacter(std::string_view text);

// Splits 8-bit file contents into lines (CR LF, LF or CR end a line; a last
// line without an end counts as a line).
std::vector<std::string> splitLines(std::string_view bytes);

// Whether two names are the same but for the case of ASCII letters (file
// names in the data folder, list items).
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

// No text file the program reads comes near this size (the largest
// delivered data file, a language file, holds some 33 kB; input data files
// some kB): a larger one is not read.
inline constexpr std::size_t LargestTextFile = 1024 * 1024;

// The bytes of a regular file. Raises 53 when it does not exist, 75 when
// it is not a regular file (a folder, a named pipe, a socket, a device),
// cannot be opened or holds more than LargestTextFile bytes, 57 when
// reading fails. Never waits for a writer, and never reads more than
// LargestTextFile + 1 bytes, whatever size the file reports (a file of
// /proc reports none and may not end).
std::string readRegularFile(const std::string& path);
// Whether path is a regular file that opens for reading; the open never
// waits (a named pipe put in a file's place).
bool opensForReading(const std::string& path);
// The first bytes of a regular file, at most limit + 1 of them: more than
// limit bytes tell that the file is longer. Errors as readRegularFile.
std::string readRegularFilePrefix(const std::string& path, std::size_t limit);

// A text file open for sequential input. The whole file is read when it is
// opened; lines are handed out one by one in UTF-8.
class TextFileReader {
public:
    // Opens the file as readRegularFile does, with its error numbers.
    explicit TextFileReader(const std::string& path);
    // A reader over text held in memory (8-bit file contents).
    static TextFileReader fromBytes(std::string_view bytes);

    bool eof() const { return next_ >= lines_.size(); }
    // The next line without its line end; raises 62 past the end (naming
    // the file when the reader opened one).
    std::string readLine();
    // The next line without taking it; the empty text at the end.
    std::string peekLine() const { return eof() ? std::string() : lines_[next_]; }
    // Back to the first line.
    void rewind() { next_ = 0; }
    std::size_t lineCount() const { return lines_.size(); }
    // Lines handed out so far: the number of the line read last.
    std::size_t linesRead() const { return next_; }

private:
    TextFileReader() = default;
    std::string path_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// What a file holds, so that a save can tell whether it is still the file
// this copy of the program opened or saved: its identity (device, inode,
// size, modification and change times to the nanosecond) and a hash of its
// bytes.
struct FileContents {
    bool exists = false;
    std::optional<FileIdentity> identity;  // none for what is no regular file
    std::optional<std::uint64_t> hash;     // none when the bytes could not be read
};
// The file at path as it is now, its bytes read for the hash; exists is
// false for a missing file.
FileContents contentsOf(const std::string& path);
// Whether the file now described by current still holds what known
// describes: the same identity, or else the same size and bytes (a copy
// that saved the same bytes changed nothing).
bool holdsSameAs(const FileContents& known, const FileContents& current);

// What a save checks before it replaces a file, and what it tells back.
struct SaveCheck {
    // The file as this copy last opened or saved it. When the file on disk
    // is another (changed by another program or copy), the save writes
    // nothing and raises 58; found then tells what stands there. A file
    // deleted since is no conflict: the save makes it again. None: the
    // save replaces whatever is there.
    std::optional<FileContents> expected;
    FileContents found;
    // After a save: the file as written.
    FileContents written;
    // After a save: the group of the replaced file when the new file could
    // not be given it (the saver is no member of it), and the new file's.
    std::optional<unsigned> groupNotKept;
    unsigned groupGiven = 0;
};
// The name of a group, or its number when it has none.
std::string groupName(unsigned gid);

// A text file open for sequential output with print-zone semantics:
// columns count from 1; print zones are 14 columns wide (zone starts 1, 15,
// 29, ...). Text is converted to Windows-1252 as it is written; lines end in
// CR LF.
class TextFileWriter {
public:
    // Output creates the file or replaces its content (an existing file is
    // written over and cut to the new length on closing), Append appends.
    // Replace writes to a temporary file in the same folder and renames it
    // over the target in close(); a writer destroyed without a successful
    // close() removes the temporary file and leaves the target as it was.
    // Replace follows a symbolic link to the file it points to, creates the
    // temporary file exclusively with the old file's permissions (a new
    // file's follow the umask), removes the temporaries that interrupted
    // saves of the same file left (".<name>.<random>.tmp", and ".new" of a
    // save killed before its file was locked), keeps the old file's owner
    // where the saver may set it and its group where the saver is a member
    // of it, refuses (75) a
    // file that may not be written, writes a character device in place and
    // refuses (75) anything else that is not a regular file. No mode ever
    // waits on opening: a named pipe, a socket or a folder is refused (75).
    enum class Mode { Output, Append, Replace };
    // Opens the file; raises 76 for a missing folder, 75 when the file
    // cannot be written. A Replace with a check checks and reports there
    // (see SaveCheck); the check must outlive the writer.
    TextFileWriter(const std::string& path, Mode mode = Mode::Output, SaveCheck* check = nullptr);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // Items of a print statement.
    TextFileWriter& text(std::string_view s);        // text as it stands
    TextFileWriter& number(double x, NumberKind k);  // numberStr(x) + " "
    TextFileWriter& number(const Value& v);
    TextFileWriter& nextZone();                      // the "," separator: on to the next zone start after the current column
    TextFileWriter& tab(int column);                 // to column n; a new line first when already past it
    TextFileWriter& spaces(int n);
    TextFileWriter& newLine();                       // CR LF
    TextFileWriter& bytes(std::string_view raw);     // 8-bit bytes as they stand

    // A whole line: text then CR LF.
    TextFileWriter& line(std::string_view s) { return text(s).newLine(); }

    // Items of a write statement: strings in double quotes, numbers without
    // the leading blank, items separated by commas; writeEnd ends the record.
    TextFileWriter& writeItem(std::string_view s);
    TextFileWriter& writeItem(double x, NumberKind k);
    TextFileWriter& writeEnd();

    int column() const { return column_; }  // the next column to be written, from 1

    // Flushes and closes; raises 57 / 61 when the data could not be written.
    void close();
    void flush();

private:
    void put(std::string_view utf8);
    void writePending();
    bool writeOut(std::string_view bytes);
    bool finish();
    int fd_ = -1;
    std::uintmax_t written_ = 0;  // bytes handed to the file
    bool cutToLength_ = false;    // Output over a regular file: cut it to written_ on closing
    std::string pending_;         // written, not yet handed to the file
    std::string path_;      // the file the caller named
    std::string target_;    // the file replaced: the named one, or the one its link points to
    std::string openPath_;  // the file actually written (temporary for Replace)
    Mode mode_;
    int column_ = 1;
    bool recordHasItem_ = false;
    bool closed_ = false;
    SaveCheck* check_ = nullptr;
    std::uint64_t hash_ = 0xcbf29ce484222325u;  // FNV-1a of the bytes handed to the file, when checked
};

// The path of name in folder: folder and name with one "/" between them.
// A name that begins with "/" is still taken inside the folder, as the
// system reads the doubled "/" ("/data/" and "/dev/zero.mit" give
// "/data/dev/zero.mit", the file that opens); an empty folder leaves name
// as it is.
std::string pathInFolder(const std::string& folder, const std::string& name);

// Case-insensitive lookup of a file in a folder: the path of the existing
// file whose name equals name without regard to ASCII letter case, or
// nothing. An exact match is preferred. folder may or may not end in "/".
std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name);
// The same for an entry of any kind (a folder, a device, a pipe, a link
// that leads nowhere among them).
std::optional<std::string> findEntryIgnoringCase(const std::string& folder, const std::string& name);

// folder + name resolved through findFileIgnoringCase, or folder + name as
// given when no such file exists (the path for creating it).
std::string resolveFile(const std::string& folder, const std::string& name);

// Writes a whole file safely, as a writer in Replace mode does: the
// contents go to a temporary file in the same folder, which is renamed over
// the target only when everything was written. Raises the error of the
// failing step; the target is then untouched.
void writeFileAtomically(const std::string& path, std::string_view bytes, SaveCheck* check = nullptr);

// Why writing a file failed, as far as the file system tells, so that a
// message can say it in words.
// FileWritableFolderNot: the file may be written, its folder not, and a
// save puts a new file in the old one's place; StickyFolder: the folder
// lets only the file's owner (or its own) replace the file.
enum class WriteProblem {
    FolderMissing,
    FolderNotWritable,
    FileWritableFolderNot,
    FileReadOnly,
    StickyFolder,
    IsFolder,
    NotAFile,
    DiskFull,
    Other
};
// The problem behind the error number a write of path raised.
WriteProblem diagnoseWriteFailure(const std::string& path, int errorNumber);

}  // namespace quorvel::runtime
