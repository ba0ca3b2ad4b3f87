#pragma once

#include <set>
#include <string>
#include <string_view>

namespace ov {

// The file-system questions the library asks. Paths are used exactly as given.
class FileSystemService {
public:
    virtual ~FileSystemService() = default;
    // True when `path` names an existing file (not a folder).
    virtual bool fileExists(std::string_view path) const = 0;
};

// The real file system; the default of every runtime.
class RealFileSystem : public FileSystemService {
public:
    bool fileExists(std::string_view path) const override;
};

// A fixed set of paths that exist, for tests that must not touch the disk. Paths are compared exactly.
class InMemoryFileSystem : public FileSystemService {
public:
    bool fileExists(std::string_view path) const override { return m_files.contains(std::string(path)); }
    void addFile(std::string path) { m_files.insert(std::move(path)); }
    void removeFile(const std::string& path) { m_files.erase(path); }

private:
    std::set<std::string> m_files;
};

} // namespace ov
