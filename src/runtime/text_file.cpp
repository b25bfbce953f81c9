#include "runtime/text_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <grp.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/errors.h"
#include "runtime/number_text.h"
#include "runtime/open_file.h"

namespace fs = std::filesystem;

namespace quorvel::runtime {

// ---------------------------------------------------------------------------
// Windows-1252

namespace {

// Unicode code points of the bytes 0x80..0x9F. The five bytes Windows-1252
// leaves undefined stand for the C1 control of the same number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), cp);
    if (it != kHighControls.end()) return static_cast<char>(0x80 + (it - kHighControls.begin()));
    return '?';
}

// Decodes one UTF-8 sequence at text[i]; advances i. A malformed sequence
// gives U+FFFD and consumes one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    int length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F) appendUtf8(out, kHighControls[b - 0x80]);
        else appendUtf8(out, b);
    }
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out.push_back(toCp1252(decodeUtf8(text, i)));
    return out;
}

std::optional<UnheldCharacter> firstUnheldCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeUtf8(text, i);
        const std::string_view read = text.substr(start, i - start);
        const char held = toCp1252(cp);
        if (cp1252ToUtf8(std::string_view(&held, 1)) == read) continue;
        // A byte that is no UTF-8 decodes as U+FFFD, one byte long.
        const bool utf8 = cp != 0xFFFD || read.size() == 3;
        return UnheldCharacter{start, utf8 ? std::string(read) : std::string("?")};
    }
    return std::nullopt;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

// ---------------------------------------------------------------------------
// Opening, error numbers and temporary files

namespace {

[[noreturn]] void throwWriteError(int savedErrno, const std::string& path) {
    throw RunTimeError(savedErrno == ENOSPC ? ErrDiskFull : ErrDeviceIo, path);
}

// 76 when the folder a file is to be created in does not exist.
void requireFolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) throw RunTimeError(ErrPathNotFound, path);
}

// The temporary files of a save are named ".<name>.<random>.tmp" in the
// folder of the file saved, so that those an interrupted save left behind
// are known as the temporaries of that file and of no other. The name is
// cut to its first 233 bytes there, so that the temporary name (22 bytes
// longer) stays within the 255 bytes of a file name: a file of a long name
// is saved as any other.
std::string temporaryPrefixOf(const fs::path& target) {
    constexpr std::size_t kLongestName = 255;
    constexpr std::size_t kAdded = 22;  // ".", ".", 16 random digits, ".tmp"
    return "." + target.filename().string().substr(0, kLongestName - kAdded) + ".";
}

std::string randomTag() {
    thread_local std::mt19937_64 generator{(static_cast<std::uint64_t>(std::random_device{}()) << 32) ^
                                           std::random_device{}()};
    static constexpr char kHex[] = "0123456789abcdef";
    std::uint64_t bits = generator();
    std::string tag(16, '0');
    for (char& c : tag) c = kHex[bits & 0xF], bits >>= 4;
    return tag;
}

// Whether entry is a temporary file of a save of the file whose temporary
// names begin with prefix: the random part is 16 hexadecimal digits, or
// "<digits>-<digits>" as earlier versions named them; ".tmp" ends it, or
// ".new" (16 digits only) for the name a save's file has until it is
// locked.
bool isTemporaryOf(const std::string& entry, const std::string& prefix) {
    constexpr std::size_t kSuffix = 4;  // ".tmp", ".new"
    if (entry.size() <= prefix.size() + kSuffix || entry.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string_view suffix(entry.data() + entry.size() - kSuffix, kSuffix);
    if (suffix != ".tmp" && suffix != ".new") return false;
    const std::string_view tag(entry.data() + prefix.size(), entry.size() - prefix.size() - kSuffix);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isHex = [&](char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); };
    if (tag.size() == 16 && std::all_of(tag.begin(), tag.end(), isHex)) return true;
    if (suffix != ".tmp") return false;
    const std::size_t dash = tag.find('-');
    return dash != std::string_view::npos && dash > 0 && dash + 1 < tag.size() &&
           std::all_of(tag.begin(), tag.begin() + static_cast<std::ptrdiff_t>(dash), isDigit) &&
           std::all_of(tag.begin() + static_cast<std::ptrdiff_t>(dash) + 1, tag.end(), isDigit);
}

// Removes the files that interrupted saves of target left in its folder:
// the user's own regular files (no link) of the exact names a save gives
// its file, whose lock no running save holds. A save in progress holds a
// lock on its file, so that the file of another copy saving the same file
// at the same time is left alone; so is a file of another user.
void removeLeftTemporaries(const std::string& target) {
    const fs::path t(target);
    const std::string prefix = temporaryPrefixOf(t);
    const fs::path folder = t.parent_path().empty() ? fs::path(".") : t.parent_path();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (!isTemporaryOf(entry, prefix)) continue;
        const OpenFile file(it->path().string(), O_RDONLY | O_NOFOLLOW);
        if (file.regular() && file.status().st_uid == ::geteuid() && ::flock(file.fd(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(it->path().c_str());
    }
}

// Gives the new file of a save the owner and group of the file it
// replaces, where the saver may: the superuser both, another user the
// group when a member of it (the owner is then the saver). The group that
// could not be given is told back.
void keepOwnerAndGroup(int fd, const struct stat& old, SaveCheck* check) {
    struct stat made {};
    if (::fstat(fd, &made) != 0) return;
    if (::geteuid() == 0 && made.st_uid != old.st_uid && ::fchown(fd, old.st_uid, old.st_gid) == 0)
        made.st_gid = old.st_gid;
    if (made.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0) made.st_gid = old.st_gid;
    if (!check) return;
    check->groupGiven = made.st_gid;
    if (made.st_gid != old.st_gid) check->groupNotKept = old.st_gid;
}

// Creates the temporary file of a save of target exclusively, with the
// permissions the saved file will have: those of the file it replaces, or
// for a new file what the user's umask gives. A file the user keeps
// private is never readable by others, not even while it is written. The
// file is locked while the save writes it: it is made under a ".new" name,
// locked, and only then renamed to ".tmp". A clean-up of interrupted saves
// takes both names when no lock is held; one that takes the ".new" file in
// the moment before it is locked makes this save try another name (the
// lock or the rename fails), so a running save never loses its file.
// Returns the descriptor, or -1 with errno set.
int createTemporaryFor(const std::string& target, std::string& temporaryPath, SaveCheck* check) {
    const fs::path t(target);
    struct stat old {};
    const bool replacesFile = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = replacesFile ? (old.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string stem = (t.parent_path() / (temporaryPrefixOf(t) + randomTag())).string();
        const std::string making = stem + ".new";
        temporaryPath = stem + ".tmp";
        const int fd = ::open(making.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            // A clean-up holds it and is about to remove it.
            ::close(fd);
            continue;
        }
        // The owner first: a change of owner clears the set-id bits. The
        // umask may have taken more than the old file had away; the new
        // file gets exactly the old one's permissions.
        if (replacesFile) {
            keepOwnerAndGroup(fd, old, check);
            (void)::fchmod(fd, mode);
        }
        int renamed = ::renameat2(AT_FDCWD, making.c_str(), AT_FDCWD, temporaryPath.c_str(), RENAME_NOREPLACE);
        // A file system that cannot refuse to replace: the random name is
        // as good as unique.
        if (renamed != 0 && (errno == EINVAL || errno == ENOSYS))
            renamed = ::rename(making.c_str(), temporaryPath.c_str());
        if (renamed == 0) return fd;
        const int savedErrno = errno;
        ::unlink(making.c_str());
        ::close(fd);
        // EEXIST: the name is taken; ENOENT: a clean-up removed the file.
        if (savedErrno == EEXIST || savedErrno == ENOENT) continue;
        errno = savedErrno;
        return -1;
    }
    errno = EEXIST;
    return -1;
}

// Whether a file of this type is written: a regular file, or a character
// device (written in place: /dev/null, a terminal), whose writes do not
// wait for anyone. A named pipe, a socket, a folder or a block device is
// not.
bool writableKind(mode_t mode) { return S_ISREG(mode) || S_ISCHR(mode); }

// Opens path for writing without ever waiting (a named pipe without a
// reader would hold the open for good) and refuses what is not a file to
// write; -1 then.
int openForWriting(const std::string& path, int flags) {
    OpenFile file(path, flags, 0666);
    if (!file.opened() || !writableKind(file.status().st_mode)) return -1;
    return file.release(true);
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

// The file a save replaces: a symbolic link is followed to the file it
// points to (a link to a link as well), so that the save writes the file the
// user set up and leaves the link as it is. A loop of links is left as it
// stands; opening it then fails.
std::string replacementTarget(const std::string& path) {
    fs::path p(path);
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(p, ec)) return p.string();
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return path;
}

// Whether a save puts a new file in place of target: the target is missing
// or a regular file. A character device is written in place; anything else
// (a folder, a named pipe, a socket) is refused.
bool replaceable(const std::string& target) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_character_file(status)) return false;
    if (fs::exists(status) && !fs::is_regular_file(status)) throw RunTimeError(ErrPathFileAccess, target);
    return true;
}

// A regular file that may not be written keeps its protection: the save
// is refused as the opening of the file for writing would be.
void requireWritable(const std::string& target) {
    std::error_code ec;
    if (fs::is_regular_file(target, ec) && access(target.c_str(), W_OK) != 0)
        throw RunTimeError(ErrPathFileAccess, target);
}

// Puts a completely written temporary file (made with the old file's
// permissions) in place of the target.
void replaceWithTemporary(const std::string& temporary, const std::string& target) {
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        removeQuietly(temporary);
        throw RunTimeError(ErrPathFileAccess, target);
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// What a file is, and whether it changed

namespace {

std::uint64_t hashOn(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    return hash;
}

// The same identity tells the same bytes only for a file that had not
// changed for a while when it was known: a change within the same tick of
// the file system's clock could leave every time as it was.
bool sameIdentity(const FileContents& known, const FileContents& now) {
    return known.identity && now.identity && known.identity->settled && *known.identity == *now.identity;
}

// The file at path now. Its bytes are hashed unless known tells already:
// the same identity holds the same bytes, another size other bytes.
FileContents contentsOf(const std::string& path, const FileContents* known) {
    FileContents now;
    struct stat s {};
    now.exists = ::lstat(path.c_str(), &s) == 0;
    now.identity = identifyFile(path);
    if (!now.identity) return now;
    if (known && (sameIdentity(*known, now) || !known->identity || known->identity->size != now.identity->size))
        return now;
    const OpenFile file(path);
    if (!file.opened()) return now;
    std::uint64_t hash = 0xcbf29ce484222325u;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        if (n == 0) {
            now.hash = hash;
            break;
        }
        hash = hashOn(hash, std::string_view(buffer, static_cast<std::size_t>(n)));
    }
    return now;
}

// A lock on the folder of a file while a checked save checks the file it replaces
// and renames its new file over it, so that two copies of the program
// saving one file never both find the old file and one replaces the
// other's save unasked. Other programs take no such lock; against them the
// check stands alone. A copy stopped while it holds the lock (for the
// moment of a check and a rename) stops no other's save: after about a
// second the save goes on without it.
class FolderLock {
public:
    explicit FolderLock(const std::string& file) {
        const fs::path folder = fs::path(file).parent_path();
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) return;
        for (int attempt = 0; attempt < 500; ++attempt) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            if (errno != EWOULDBLOCK && errno != EINTR) return;
            ::usleep(2000);
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace

FileContents contentsOf(const std::string& path) { return contentsOf(path, nullptr); }

bool holdsSameAs(const FileContents& known, const FileContents& current) {
    if (!known.exists || !current.exists) return known.exists == current.exists;
    if (sameIdentity(known, current)) return true;
    // A file known too fresh to be trusted by its times is hashed.
    return known.identity && current.identity && known.identity->size == current.identity->size && known.hash &&
           current.hash && *known.hash == *current.hash;
}

std::string groupName(unsigned gid) {
    std::vector<char> buffer(16384);
    group entry {};
    group* found = nullptr;
    if (::getgrgid_r(static_cast<gid_t>(gid), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->gr_name;
    return std::to_string(gid);
}

// ---------------------------------------------------------------------------
// Reader

bool opensForReading(const std::string& path) { return OpenFile(path).regular(); }

std::string readRegularFilePrefix(const std::string& path, std::size_t limit) {
    OpenFile file(path);
    if (!file.opened()) throw RunTimeError(file.missing() ? ErrFileNotFound : ErrPathFileAccess, path);
    if (!file.regular()) throw RunTimeError(ErrPathFileAccess, path);
    std::optional<std::string> bytes = file.readAtMost(limit);
    if (!bytes) throw RunTimeError(ErrDeviceIo, path);
    return std::move(*bytes);
}

std::string readRegularFile(const std::string& path) {
    std::string bytes = readRegularFilePrefix(path, LargestTextFile);
    if (bytes.size() > LargestTextFile) throw RunTimeError(ErrPathFileAccess, path);
    return bytes;
}

TextFileReader::TextFileReader(const std::string& path) {
    *this = fromBytes(readRegularFile(path));
    path_ = path;
}

TextFileReader TextFileReader::fromBytes(std::string_view bytes) {
    TextFileReader reader;
    reader.lines_ = splitLines(bytes);
    for (auto& line : reader.lines_) line = cp1252ToUtf8(line);
    return reader;
}

std::string TextFileReader::readLine() {
    if (eof()) throw path_.empty() ? RunTimeError(ErrInputPastEndOfFile) : RunTimeError(ErrInputPastEndOfFile, path_);
    return lines_[next_++];
}

// ---------------------------------------------------------------------------
// Writer

namespace {
constexpr int kZoneWidth = 14;
// Written bytes are gathered up to this size before they go to the stream.
constexpr std::size_t kPendingLimit = 8192;
}

TextFileWriter::TextFileWriter(const std::string& path, Mode mode, SaveCheck* check)
    : path_(path), mode_(mode), check_(check) {
    if (mode_ == Mode::Replace) {
        target_ = replacementTarget(path);
        if (!replaceable(target_)) mode_ = Mode::Output;
    } else {
        target_ = path;
    }
    requireFolderOf(target_);
    if (mode_ == Mode::Replace) {
        requireWritable(target_);
        removeLeftTemporaries(target_);
        fd_ = createTemporaryFor(target_, openPath_, check_);
        if (fd_ < 0) throw RunTimeError(ErrPathFileAccess, path);
        return;
    }
    openPath_ = target_;
    // Output does not empty an existing file on opening: it writes over it
    // and cuts it to the new length on closing. Emptying a file and writing
    // it again makes the file system write it out to disk on closing, which
    // is most of the time of a calculation's work files; the file ends the
    // same either way.
    int flags = O_WRONLY | O_CREAT;
    if (mode_ == Mode::Append) flags |= O_APPEND;
    fd_ = openForWriting(openPath_, flags);
    if (fd_ < 0) throw RunTimeError(ErrPathFileAccess, path);
    struct stat opened {};
    cutToLength_ = mode_ == Mode::Output && ::fstat(fd_, &opened) == 0 && S_ISREG(opened.st_mode);
}

// Hands bytes to the file; false (errno set) when not all were written.
bool TextFileWriter::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        if (check_) hash_ = hashOn(hash_, bytes.substr(0, static_cast<std::size_t>(n)));
        written_ += static_cast<std::uintmax_t>(n);
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Ends the file after what this writer wrote (an overwritten file may have
// been longer) and closes it; false (errno set) on failure.
bool TextFileWriter::finish() {
    bool ok = !cutToLength_ || ::ftruncate(fd_, static_cast<off_t>(written_)) == 0;
    const int cutErrno = errno;
    const bool closedOk = ::close(fd_) == 0;
    fd_ = -1;
    if (!ok) errno = cutErrno;
    return ok && closedOk;
}

TextFileWriter::~TextFileWriter() {
    if (closed_) return;
    // What was written so far reaches the file, as a stream's own buffer
    // would on closing.
    writeOut(pending_);
    finish();
    if (mode_ == Mode::Replace) removeQuietly(openPath_);
}

void TextFileWriter::put(std::string_view utf8) {
    // Plain ASCII is the same in both encodings: most report text is.
    const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) bytes(utf8);
    else bytes(utf8ToCp1252(utf8));
}

TextFileWriter& TextFileWriter::bytes(std::string_view bytes) {
    if (closed_) throw RunTimeError(ErrBadFileNameOrNumber, path_);
    pending_.append(bytes);
    if (pending_.size() >= kPendingLimit) writePending();
    std::size_t afterLineEnd = bytes.size();  // the bytes after the last line end
    while (afterLineEnd > 0 && bytes[afterLineEnd - 1] != '\r' && bytes[afterLineEnd - 1] != '\n') --afterLineEnd;
    if (afterLineEnd == 0) column_ += static_cast<int>(bytes.size());
    else column_ = static_cast<int>(bytes.size() - afterLineEnd + 1);
    return *this;
}

TextFileWriter& TextFileWriter::text(std::string_view s) {
    put(s);
    return *this;
}

TextFileWriter& TextFileWriter::number(double x, NumberKind k) {
    put(numberStr(x, k) + " ");
    return *this;
}

TextFileWriter& TextFileWriter::number(const Value& v) {
    return number(v.number(), v.kind());
}

TextFileWriter& TextFileWriter::nextZone() {
    const int next = ((column_ - 1) / kZoneWidth + 1) * kZoneWidth + 1;
    return spaces(next - column_);
}

TextFileWriter& TextFileWriter::tab(int column) {
    column = std::max(column, 1);
    if (column_ > column) newLine();
    return spaces(column - column_);
}

TextFileWriter& TextFileWriter::spaces(int n) {
    static constexpr std::string_view kBlanks = "                                ";
    while (n > 0) {
        const auto run = std::min(static_cast<std::size_t>(n), kBlanks.size());
        bytes(kBlanks.substr(0, run));
        n -= static_cast<int>(run);
    }
    return *this;
}

TextFileWriter& TextFileWriter::newLine() {
    put("\r\n");
    recordHasItem_ = false;
    return *this;
}

TextFileWriter& TextFileWriter::writeItem(std::string_view s) {
    std::string item = recordHasItem_ ? ",\"" : "\"";
    item += s;
    item += '"';
    put(item);
    recordHasItem_ = true;
    return *this;
}

TextFileWriter& TextFileWriter::writeItem(double x, NumberKind k) {
    put((recordHasItem_ ? "," : "") + numberText(x, k));
    recordHasItem_ = true;
    return *this;
}

TextFileWriter& TextFileWriter::writeEnd() {
    return newLine();
}

void TextFileWriter::writePending() {
    const bool ok = writeOut(pending_);
    const int savedErrno = errno;
    pending_.clear();
    if (!ok) throwWriteError(savedErrno, path_);
}

void TextFileWriter::flush() {
    if (closed_) return;
    writePending();
}

void TextFileWriter::close() {
    if (closed_) return;
    closed_ = true;
    bool ok = writeOut(pending_);
    int savedErrno = errno;
    pending_.clear();
    // The temporary file of a save stays locked until it has taken the
    // target's place: a second descriptor of the same opening holds the
    // lock while the first is closed (its errors are the write's).
    const int lockHolder = mode_ == Mode::Replace ? ::fcntl(fd_, F_DUPFD_CLOEXEC, 0) : -1;
    if (!finish() && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        if (mode_ == Mode::Replace) removeQuietly(openPath_);
        if (lockHolder >= 0) ::close(lockHolder);
        throwWriteError(savedErrno, path_);
    }
    if (mode_ != Mode::Replace) return;
    try {
        // Every save the user makes is checked, and only those take the
        // lock: the program's own files have no second writer to wait for.
        std::optional<FolderLock> folder;
        if (check_) folder.emplace(target_);
        if (check_ && check_->expected) {
            check_->found = contentsOf(target_, &*check_->expected);
            if (check_->found.exists && !holdsSameAs(*check_->expected, check_->found)) {
                // Told whole (its bytes hashed too), so that a save told to
                // replace what was found knows it again.
                check_->found = contentsOf(target_);
                removeQuietly(openPath_);
                throw RunTimeError(ErrFileAlreadyExists, path_);
            }
        }
        replaceWithTemporary(openPath_, target_);
        if (check_) {
            // Taken under the folder's lock: no copy of the program can have
            // replaced it since.
            check_->written.exists = true;
            check_->written.identity = identifyFile(target_);
            check_->written.hash = hash_;
        }
    } catch (...) {
        if (lockHolder >= 0) ::close(lockHolder);
        throw;
    }
    if (lockHolder >= 0) ::close(lockHolder);
}

// ---------------------------------------------------------------------------
// Files in folders

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    const std::string inside = name.substr(std::min(name.find_first_not_of('/'), name.size()));
    return folder.back() == '/' ? folder + inside : folder + "/" + inside;
}

namespace {

// The entry of the folder named name without regard to ASCII letter case:
// a regular file (a link to one counts), or with anyKind any entry.
std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name, bool anyKind) {
    auto kindTaken = [anyKind](const fs::path& p) {
        std::error_code typeEc;
        return anyKind ? fs::exists(fs::symlink_status(p, typeEc)) : fs::is_regular_file(p, typeEc);
    };
    std::error_code ec;
    const std::string exact = pathInFolder(folder, name);
    if (kindTaken(exact)) return exact;
    if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;

    // Several names may differ only in case; take the first in byte order
    // so the choice does not depend on the order of the directory listing.
    std::optional<std::string> best;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (!equalIgnoringAsciiCase(entry, name)) continue;
        if (!kindTaken(it->path())) continue;
        if (!best || entry < *best) best = entry;
    }
    if (!best) return std::nullopt;
    return pathInFolder(folder, *best);
}

}  // namespace

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name) {
    return findIgnoringCase(folder, name, false);
}

std::optional<std::string> findEntryIgnoringCase(const std::string& folder, const std::string& name) {
    return findIgnoringCase(folder, name, true);
}

std::string resolveFile(const std::string& folder, const std::string& name) {
    if (auto found = findFileIgnoringCase(folder, name)) return *found;
    return pathInFolder(folder, name);
}

void writeFileAtomically(const std::string& path, std::string_view bytes, SaveCheck* check) {
    TextFileWriter out(path, TextFileWriter::Mode::Replace, check);
    out.bytes(bytes);
    out.close();
}

WriteProblem diagnoseWriteFailure(const std::string& path, int errorNumber) {
    if (errorNumber == ErrDiskFull) return WriteProblem::DiskFull;
    const fs::path target(replacementTarget(path));
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return WriteProblem::FolderMissing;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) return WriteProblem::IsFolder;
    if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_character_file(status))
        return WriteProblem::NotAFile;
    const bool exists = fs::exists(target, ec);
    const bool fileWritable = exists && access(target.c_str(), W_OK) == 0;
    if (access(folder.c_str(), W_OK) != 0)
        return fileWritable ? WriteProblem::FileWritableFolderNot : WriteProblem::FolderNotWritable;
    if (exists && !fileWritable) return WriteProblem::FileReadOnly;
    // In a folder with the sticky bit (/tmp and shared folders like it)
    // only the owner of a file or of the folder may replace the file.
    struct stat folderStat {};
    struct stat fileStat {};
    const uid_t me = ::geteuid();
    if (exists && me != 0 && ::stat(folder.c_str(), &folderStat) == 0 && (folderStat.st_mode & S_ISVTX) &&
        folderStat.st_uid != me && ::stat(target.c_str(), &fileStat) == 0 && fileStat.st_uid != me)
        return WriteProblem::StickyFolder;
    return WriteProblem::Other;
}

}  // namespace quorvel::runtime
