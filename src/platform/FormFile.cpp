#include "platform/FormFile.h"

#include "platform/Extender.h"
#include "platform/Failure.h"
#include "platform/Form.h"
#include "platform/FormFileReader.h"
#include "platform/FormFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ov {

namespace {

[[noreturn]] void accessFailure(const std::string& path, const std::string& why) {
    throw Failure(err::PathFileAccess, failureText(err::PathFileAccess) + ": " + path + ": " + why);
}

std::string lastError() {
    return std::system_category().message(errno);
}

// Writes `text` to a new file beside `path`, forces it to the disk and renames it over `path`. On any
// failure the new file is removed and `path` is as it was.
void writeAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.filename().empty() || target.filename() == "." || target.filename() == "..")
        accessFailure(path, "not a file name");
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    // A hidden name beside the target; appended piece by piece (g++ 12 at -O3 warns wrongly about
    // "." + string + "...").
    std::string leaf = ".";
    leaf += target.filename().string();
    leaf += ".XXXXXX";
    std::string name = (folder / leaf).string();
    const int fd = mkstemp(name.data());
    if (fd < 0) accessFailure(path, "cannot create a file in " + folder.string() + ": " + lastError());

    bool fdOpen = true;
    auto abandon = [&](const std::string& why) {
        const std::string reason = why + ": " + lastError();
        if (fdOpen) close(fd);
        unlink(name.c_str());
        accessFailure(path, reason);
    };
    // The replacement keeps the permissions of the file it replaces; a new file is rw-r--r--.
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) abandon("cannot set the permissions of " + name);
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) abandon("cannot write " + name);
        done += static_cast<size_t>(n);
    }
    if (fsync(fd) != 0) abandon("cannot flush " + name);
    fdOpen = false;
    if (close(fd) != 0) abandon("cannot close " + name);
    if (rename(name.c_str(), path.c_str()) != 0) abandon("cannot replace the file");
    // The rename itself reaches the disk with the folder; a folder that cannot be synced (some file
    // systems refuse) still holds the new file.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

} // namespace

bool FormFile::isName(std::string_view s) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (s.empty() || s.size() > 40 || !letter(s[0])) return false;
    return std::all_of(s.begin(), s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9') || c == '_'; });
}

const TypeRegistry::ClassEntry* FormFile::creatableClass(std::string_view progId) {
    const TypeRegistry::ClassEntry* e = TypeRegistry::instance().findProgId(progId);
    return e && e->factory && e->info->creatable ? e : nullptr;
}

std::string FormFile::write(Form& form, const std::string& path) {
    form.affirmUsable("write");
    return writeFormFile(form, path);
}

void FormFile::save(Form& form, const std::string& path) {
    writeAtomically(path, write(form, path));
    form.markSaved();
}

FormRef FormFile::read(std::string_view text, const std::string& path, Mode mode) {
    FormFilePlan plan;
    readFormFile(text, path, plan);
    return build(plan, path, mode);
}

FormRef FormFile::load(const std::string& path, Mode mode) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        throw Failure(err::FileNotFound, failureText(err::FileNotFound) + ": " + path);
    if (std::filesystem::is_directory(status)) accessFailure(path, "a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) accessFailure(path, "cannot open the file");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) accessFailure(path, "cannot read the file");
    return read(text, path, mode);
}

FormRef FormFile::build(FormFilePlan& plan, const std::string& path, Mode mode) {
    // Everything in the file has been checked; what can still fail is a control refusing its values.
    // Should that happen, `form` is let go on the way out and takes the controls loaded so far with it.
    FormRef form = Form::create(plan.name, mode);
    Form& f = *form;
    // Set directly: no control is on the form yet, and several of these are design-time only.
    if (plan.caption) f.m_caption = *plan.caption;
    f.m_left = plan.left.value_or(f.m_left);
    f.m_top = plan.top.value_or(f.m_top);
    f.m_width = plan.width.value_or(f.m_width);
    f.m_height = plan.height.value_or(f.m_height);
    f.m_windowState = plan.windowState.value_or(f.m_windowState);
    f.m_borderStyle = plan.borderStyle.value_or(f.m_borderStyle);
    f.m_controlBox = plan.controlBox.value_or(f.m_controlBox);
    f.m_startUpPosition = plan.startUpPosition.value_or(f.m_startUpPosition);
    f.m_backColor = plan.backColor.value_or(f.m_backColor);
    if (plan.font) f.m_font = plan.font;
    f.m_keyPreview = plan.keyPreview.value_or(f.m_keyPreview);

    for (FormFilePlan::Control& c : plan.controls) {
        try {
            f.addLoaded(c.progId, c.name, c.bag, c.values);
        } catch (const Failure& e) {
            throw Failure(e.number(), path + ": control " + c.name + ": " + e.description(), e.source());
        }
    }
    if (!plan.zOrder.empty()) {
        std::vector<Extender*> order;
        for (size_t at : plan.zOrder)
            order.push_back(f.m_controls[at].get());
        if (order != f.m_zOrder) {
            f.m_zOrder = std::move(order);
            try {
                f.layoutDocked();
            } catch (const Failure& e) {
                throw Failure(e.number(), path + ": " + e.description(), e.source());
            }
        }
    }
    f.markSaved();
    return form;
}

void Form::save(const std::string& path) {
    affirmUsable("save");
    FormFile::save(*this, path);
}

FormRef Form::load(const std::string& path, Mode mode) {
    return FormFile::load(path, mode);
}

} // namespace ov
