#pragma once
// The work folder of one running copy of the program: a folder of its own
// ("work-<process>-<random>/") under the per-user application data folder,
// or ("Quorvel-<process>-<random>/") in the system's temporary folder when
// that one cannot be used, so that two copies never write, show or remove
// each other's work files. The copy holds a lock on the file ".lock" inside
// its folder for as long as it runs; a work folder whose lock can be taken
// belongs to a copy that no longer runs and is removed when the next copy
// starts. The folder is made as "." + its name and renamed once locked; a
// copy killed in between leaves that staging folder, which goes too once
// its lock can be taken, or, without a lock file, once its process no
// longer runs. Only the user's own folders are touched. The copy's own
// folder is removed when the object is destroyed or release() is called.

#include <string>

namespace quorvel::runtime {

class PrivateWorkFolder {
public:
    // Removes the abandoned work folders of parent and makes this copy's;
    // parent is made when missing. The folders' names start with prefix.
    explicit PrivateWorkFolder(std::string parent, std::string prefix = "work-");
    ~PrivateWorkFolder();
    PrivateWorkFolder(const PrivateWorkFolder&) = delete;
    PrivateWorkFolder& operator=(const PrivateWorkFolder&) = delete;

    // The folder, ending with "/". A folder that vanished while the program
    // ran (removed by hand, by a clean-up of the user's files) is made again
    // under the same name with a new lock. Empty when it cannot be made.
    std::string path();
    // Removes the folder now and lets go of its lock; path() makes it again.
    void release();

private:
    bool make();
    std::string parent_;
    std::string prefix_;
    std::string name_;  // prefix "<process>-<random>"
    int lock_ = -1;     // the descriptor holding the lock
};

// Removes the work folders under parent (named prefix..., or staged as
// "." prefix ...) that no running copy holds; the number removed.
int RemoveAbandonedWorkFolders(const std::string& parent, const std::string& prefix = "work-");

}  // namespace quorvel::runtime
