#pragma once
// The work folder of one running copy of the program: a folder of its own
// ("work-<process>-<tag>/", the tag eight hexadecimal digits) under the
// per-user application data folder, or ("Quorvel-<process>-<tag>/") in the
// system's temporary folder when that one cannot be used, so that two
// copies never write, show or remove each other's work files. The copy
// holds a lock on the file ".lock" inside its folder for as long as it
// runs. The folder is made as "." + its name and renamed once locked.
//
// When a copy starts, it removes what copies that no longer run left in
// the same folder, and nothing else: only a folder of the user's own (not a
// link) whose whole name has the form above is looked at; such a folder
// goes when its lock file is a regular file whose lock no running copy
// holds, or when it is empty and its process no longer runs (a removal cut
// short); a staging folder ("." and the same form) when its process no
// longer runs and it holds nothing but, at most, such a lock file. A lock
// file is never opened in a way that could wait (a named pipe); one that is
// no regular file leaves its folder alone. The copy's own folder is removed
// when the object is destroyed or release() is called, only while its name
// still stands for the folder the copy made, with the lock the copy holds
// in it: anything put in its place stays. A folder is removed lock file
// last, so that a removal cut short leaves what the clean-up takes.

#include <string>

namespace quorvel::runtime {

class PrivateWorkFolder {
public:
    // Removes the abandoned work folders of parent and makes this copy's;
    // parent is made when missing (an empty parent gives no folder: path()
    // is empty). The folders' names start with prefix.
    explicit PrivateWorkFolder(std::string parent, std::string prefix = "work-");
    ~PrivateWorkFolder();
    PrivateWorkFolder(const PrivateWorkFolder&) = delete;
    PrivateWorkFolder& operator=(const PrivateWorkFolder&) = delete;

    // The folder, ending with "/". A folder that vanished while the program
    // ran (removed by hand, by a clean-up of the user's files) is made again
    // under the same name with a new lock; one replaced by something else
    // (a symbolic link to another folder) is never written through: that
    // is left as it stands and a new folder is made under a new name.
    // Empty when it cannot be made.
    std::string path();
    // Removes the folder now (only the one made, as above) and lets go of
    // its lock; path() makes it again.
    void release();

private:
    bool make();
    bool madeFolderStands() const;
    std::string newName() const;
    std::string parent_;
    std::string prefix_;
    std::string name_;  // prefix "<process>-<random>"
    int lock_ = -1;     // the descriptor holding the lock
    int folder_ = -1;   // the folder made, held open
};

// Removes the abandoned work folders under parent (named
// prefix "<process>-<tag>", or staged as "." and the same) as described
// above; the number removed.
int RemoveAbandonedWorkFolders(const std::string& parent, const std::string& prefix = "work-");

}  // namespace quorvel::runtime
