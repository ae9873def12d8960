#include "PackageKit.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace packagekit {

void WriteZip(const std::string &zipPath, const Entries &entries) {
    int error = 0;
    zip_t *archive = zip_open(zipPath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("cannot create " + zipPath);
    for (const auto &[name, content] : entries) {
        // The buffers of `entries` outlive zip_close, so libzip may read them without copying.
        zip_source_t *source = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + name + " to " + zipPath);
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        throw std::runtime_error("cannot write " + zipPath);
    }
}

std::string MessDat(const std::string &updateTime, const std::string &from, const std::string &to) {
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<update>\n  <UpdateTime>" +
           updateTime + "</UpdateTime>\n  <UpdateFromVer>" + from +
           "</UpdateFromVer>\n  <UpdateToVer>" + to + "</UpdateToVer>\n</update>\n";
}

std::string TodoScript(int exitCode, const std::string &extra) {
    return "#!/bin/sh\n"
           "echo \"installing into $1\"\n"
           "echo \"warning on stderr\" >&2\n"
           "printf '%s|%s' \"$1\" \"$2\" > \"$1todo_args.txt\"\n" +
           extra + "exit " + std::to_string(exitCode) + "\n";
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::string();
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string &path, const std::string &content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

bool Exists(const std::string &path) {
    return std::filesystem::exists(path);
}

std::vector<std::string> ListDir(const std::string &dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(dir, ec))
        names.push_back(entry.path().filename().string());
    return names;
}

TestAppDir::TestAppDir() {
    if (!Dir.isValid())
        throw std::runtime_error("no temporary directory");
    AppPath = Dir.path().toStdString() + "/";
}

std::string TestAppDir::AddPackage(const std::string &name, const std::string &updateTime,
                                   const std::string &from, const std::string &to, int exitCode) {
    return AddPackage(name, {{"mess.dat", MessDat(updateTime, from, to)},
                             {"todo.bat", TodoScript(exitCode)},
                             {"payload/readme.txt", "new files\n"}});
}

std::string TestAppDir::AddPackage(const std::string &name, const Entries &entries) {
    std::filesystem::create_directories(Updates());
    const std::string path = Updates() + name;
    WriteZip(path, entries);
    return path;
}

std::string TestAppDir::Log() const {
    return ReadFile(AppPath + "log.txt");
}

} // namespace packagekit
