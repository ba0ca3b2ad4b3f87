#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace ov {

// The library's own reads and writes of whole files. Every one of them reads regular files only, up to
// a stated size, and writes nothing through a symbolic link. Failures are ov::Failure:
//   53 "File not found: <path>"                       nothing of that name (a dangling link too)
//   76 "Path not found: <folder>"                     the folder to write into is missing or unnamed
//   75 "Path/File access error: <path>: <why>"        anything else: not a regular file, a link loop,
//                                                     too large, read-only, no permission, a full disk
class FileAccess {
public:
    // The whole content of the regular file at `path` (a symbolic link to one is followed), at most
    // `limit` bytes. A FIFO, a device or a folder is refused without reading from it or waiting for a
    // writer; a file larger than `limit` is refused before it is read ("larger than the limit of
    // <limit> bytes"), as is one that grows past it while being read.
    static std::string readRegularFile(const std::string& path, size_t limit);

    // Writes `bytes` as the whole content of the file named `leaf` in `folder`, creating it (rw-r--r--,
    // less the process's umask) or replacing the content of a regular file of that name in place.
    // Refused, with nothing written anywhere: an empty `folder` (76: the folder is not set) or one that
    // does not exist (76); a `leaf` that is empty, ".", ".." or holds a "/"; a symbolic link at `leaf`,
    // dangling or not (it is never followed); a folder, FIFO, device or socket at `leaf`; a file with
    // other hard links (its content would change elsewhere too). A write that fails part way may leave
    // a partly written file.
    static void writeInFolder(const std::string& folder, const std::string& leaf, std::string_view bytes);

    // Writes `bytes` to a new file beside `path`, forces it to the disk and renames it over `path`, so
    // that `path` holds the old content or the new, never a part. The new file keeps the permissions of
    // the one it replaces (rw-r--r-- for a new one). A symbolic link at `path` is replaced, not
    // followed. Refused before anything is written: a `path` without a file name, a target that is
    // read-only (no write permission bit set, or not writable by this process) as editors refuse
    // one, and a target that is neither a regular file nor a symbolic link.
    static void replaceAtomically(const std::string& path, std::string_view bytes);

    // The write loop the writers above use: writes all of `bytes` to `fd` with `write` (retrying after
    // an interruption). Answers "" on success, otherwise why it stopped: the system's message for a
    // failed call, or "the system wrote nothing" when a call wrote no byte without reporting an error.
    using WriteCall = ssize_t (*)(int, const void*, size_t);
    static std::string writeAll(int fd, std::string_view bytes, WriteCall write);
};

} // namespace ov
