// A file a script is writing. What the script writes is kept here and reaches
// the disk when its stream is closed, all of it or none of it: a new version
// replaces the old in one rename, and an append that fails is cut back to
// where it began. So neither a full disk nor a run that ends in an error
// leaves a file half-written.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talvoro::host {

class PendingFile;

// The files being written by the scripts of one engine, so that the host can
// abandon them when the run fails.
class WriteSession {
public:
    // The run ended in an error: files still open keep the content they had
    // before they were opened (a file created for the run is removed again).
    void abandonAll();

    // Files committed when their stream went away unclosed, where no script
    // could be told that writing them failed: the path and the error number.
    std::vector<std::pair<std::string, int32_t>> lateFailures;

private:
    friend class PendingFile;
    std::set<PendingFile*> open_;
};

class PendingFile {
public:
    enum class Mode { Replace, Append };

    // Prepares writing `path` (UTF-8, a path of this system): its folder must
    // exist (76), the file must be writable (70) and no folder (70);
    // `mustBeNew` refuses an existing file (58). A file that does not exist
    // is created empty at once, so it exists while the script writes, as on
    // Windows. Returns 0 or an error number.
    static int32_t open(const std::string& path, Mode mode, bool mustBeNew, std::shared_ptr<WriteSession> session,
                        std::unique_ptr<PendingFile>& out);
    // Commits what is not committed or abandoned yet.
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // The file had no content when it was opened (a Unicode file then needs
    // its byte order mark).
    bool startedEmpty() const { return startedEmpty_; }
    const std::string& path() const { return path_; }
    bool finished() const { return finished_; }

    void write(std::string_view bytes) { buffer_.append(bytes); }
    // Puts what was written onto the disk. Returns 0 or an error number; on
    // an error the file is as it was before.
    int32_t commit();
    // Forgets what was written.
    void abandon();

private:
    PendingFile(std::string path, Mode mode, bool created, bool startedEmpty, std::shared_ptr<WriteSession> session);
    int32_t replaceContent();
    int32_t appendContent();

    std::string path_;
    Mode mode_;
    bool createdForUs_;  // the file did not exist before we opened it
    bool startedEmpty_;
    bool finished_ = false;
    std::string buffer_;
    std::shared_ptr<WriteSession> session_;
};

}  // namespace talvoro::host
