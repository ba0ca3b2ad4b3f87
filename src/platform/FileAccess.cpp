#include "platform/FileAccess.h"

#include "platform/Failure.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ov {

namespace {

[[noreturn]] void accessFailure(const std::string& path, const std::string& why) {
    throw Failure(err::PathFileAccess, failureText(err::PathFileAccess) + ": " + path + ": " + why);
}

std::string systemMessage(int code) {
    return std::system_category().message(code);
}

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder, not a file";
    if (S_ISFIFO(mode)) return "a FIFO, not a regular file";
    if (S_ISSOCK(mode)) return "a socket, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device, not a regular file";
    if (S_ISLNK(mode)) return "a symbolic link, which is not followed";
    return "not a regular file";
}

// Closes a descriptor when the scope ends, whatever way it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now; answers the close's errno, 0 on success.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

std::string limitText(size_t limit) {
    return "larger than the limit of " + std::to_string(limit) + " bytes";
}

} // namespace

std::string FileAccess::writeAll(int fd, std::string_view bytes, WriteCall write) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        // errno is only meaningful after a call that reported failure; a call that wrote nothing and
        // reported nothing would otherwise be explained by whatever errno held before ("Success").
        if (n < 0) return systemMessage(errno);
        if (n == 0) return "the system wrote nothing";
        done += static_cast<size_t>(n);
    }
    return {};
}

std::string FileAccess::readRegularFile(const std::string& path, size_t limit) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below like any other
    // special file. Nothing is read before the file is known to be regular.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int code = errno;
        if (code == ENOENT) throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + path);
        accessFailure(path, systemMessage(code));
    }
    struct stat st {};
    if (fstat(fd.get(), &st) != 0) accessFailure(path, systemMessage(errno));
    if (!S_ISREG(st.st_mode)) accessFailure(path, kindOf(st.st_mode));
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > limit)
        accessFailure(path, limitText(limit));

    // Room for one byte more than the size fstat gave, so that a file that grew since (or a file whose
    // size the system does not know, such as those under /proc) is noticed; the room grows in steps up
    // to one byte past the limit, which is where reading stops.
    const size_t cap = limit == SIZE_MAX ? limit : limit + 1;
    std::string text(std::min(cap, static_cast<size_t>(st.st_size) + 1), '\0');
    size_t got = 0;
    for (;;) {
        if (got == text.size()) {
            if (got >= cap) accessFailure(path, limitText(limit));
            text.resize(std::min(cap, got + std::max<size_t>(got, 65536)));
        }
        const ssize_t n = ::read(fd.get(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) accessFailure(path, systemMessage(errno));
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    if (got > limit) accessFailure(path, limitText(limit));
    text.resize(got);
    return text;
}

void FileAccess::writeInFolder(const std::string& folder, const std::string& leaf, std::string_view bytes) {
    if (folder.empty())
        throw Failure(err::PathNotFound,
                      failureText(err::PathNotFound) + ": the folder to write " + leaf + " into is not set");
    const std::string path = folder + "/" + leaf;
    if (leaf.empty() || leaf == "." || leaf == ".." || leaf.find('/') != std::string::npos)
        accessFailure(path, "not a file name");
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            throw Failure(err::PathNotFound, failureText(err::PathNotFound) + ": " + folder);
        accessFailure(path, systemMessage(code));
    }
    // Looked at before opening, so that opening never touches a device or a FIFO; looked at again on
    // the open descriptor, which is what is written.
    struct stat st {};
    if (fstatat(dir.get(), leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode))
        accessFailure(path, kindOf(st.st_mode));
    // O_NOFOLLOW: a link put there in the meantime, dangling or not, fails the open (ELOOP) instead of
    // having its target created or overwritten. No O_TRUNC: the content goes only once the open file
    // is known to be a regular file of this name alone.
    Descriptor fd(::openat(dir.get(), leaf.c_str(),
                           O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        const int code = errno;
        if (code == ELOOP) accessFailure(path, kindOf(S_IFLNK));
        if (code == ENXIO) accessFailure(path, kindOf(S_IFIFO));
        if (code == EISDIR) accessFailure(path, kindOf(S_IFDIR));
        accessFailure(path, systemMessage(code));
    }
    if (fstat(fd.get(), &st) != 0) accessFailure(path, systemMessage(errno));
    if (!S_ISREG(st.st_mode)) accessFailure(path, kindOf(st.st_mode));
    if (st.st_nlink > 1) accessFailure(path, "the file has other names (hard links) and is not written");
    if (ftruncate(fd.get(), 0) != 0) accessFailure(path, systemMessage(errno));
    const std::string why = writeAll(fd.get(), bytes, ::write);
    if (!why.empty()) accessFailure(path, why);
    if (const int code = fd.close(); code != 0) accessFailure(path, systemMessage(code));
}

void FileAccess::replaceAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..")
        accessFailure(path, "not a file name");
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    struct stat old {};
    const bool exists = lstat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) accessFailure(path, kindOf(old.st_mode));
    // A read-only file is the owner's word that it must not change; renaming over it would go round
    // that word (the folder allows it), so it is refused as editors refuse it. Root passes access(), so
    // the permission bits are looked at too.
    if (exists && S_ISREG(old.st_mode) &&
        ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0))
        accessFailure(path, "the file is read-only");

    // A hidden name beside the target; appended piece by piece (g++ 12 at -O3 warns wrongly about
    // "." + string + "...").
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    std::string name = (folder / leaf).string();
    Descriptor fd(mkstemp(name.data()));
    if (fd.get() < 0)
        accessFailure(path, "cannot create a file in " + folder.string() + ": " + systemMessage(errno));

    auto abandon = [&](const std::string& why) {
        unlink(name.c_str());
        accessFailure(path, why);
    };
    const mode_t mode = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd.get(), mode) != 0)
        abandon("cannot set the permissions of " + name + ": " + systemMessage(errno));
    if (const std::string why = writeAll(fd.get(), bytes, ::write); !why.empty())
        abandon("cannot write " + name + ": " + why);
    if (fsync(fd.get()) != 0) abandon("cannot flush " + name + ": " + systemMessage(errno));
    if (const int code = fd.close(); code != 0) abandon("cannot close " + name + ": " + systemMessage(code));
    if (rename(name.c_str(), path.c_str()) != 0) abandon("cannot replace the file: " + systemMessage(errno));
    // The rename itself reaches the disk with the folder; a folder that cannot be synced (some file
    // systems refuse) still holds the new file.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) fsync(dir.get());
}

} // namespace ov
