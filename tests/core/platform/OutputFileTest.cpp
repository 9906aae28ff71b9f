// The rule for the targets of the output writers (the PDF, the schedules,
// the plots): what is refused before anything is written, what is written in
// place and what is replaced whole.

#include "platform/OutputFile.h"

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using FileSystem::RunFile;

// A run's files, set up in the scratch folder, and after the writes what
// only the scene can tell (what a reader got, a file's mode and owner).
struct Scene {
    std::vector<RunFile> inputs;
    std::vector<RunFile> outputs;
    std::function<std::string()> after = [] { return std::string(); };
};

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Every name in the folder with what it is: "name 'contents'", "name ->
// target"; so that a leftover temporary file shows too.
std::string Describe(const ScratchFolder& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Root()))
        names.insert(entry.path().filename().string());
    std::string text;
    for (const std::string& name : names) {
        const std::string path = folder.Path(name);
        const fs::file_status status = fs::symlink_status(path);
        if (fs::is_symlink(status))
            text += name + " -> " + fs::read_symlink(path).string();
        else if (fs::is_directory(status))
            text += name + "/";
        else if (fs::is_character_file(status))
            continue;  // a stand-in for a device of /dev, told by its row
        else
            text += name + " '" + folder.Read(name) + "'";
        text += "; ";
    }
    return text;
}

std::string KindOf(const std::string& path)
{
    return fs::is_character_file(fs::symlink_status(path)) ? "the device: character device"
                                                           : "the device: not a character device";
}

// A character device of /dev (/dev/full is 1, 7) to write to. The superuser
// may rename over /dev's own, so a writer breaking the rule would replace
// the machine's device: for the superuser, a node of
// the same device in the scratch folder; for anyone else, who may not, /dev's
// own. Empty when the superuser cannot make the node.
std::string CharacterDevice(const ScratchFolder& folder, const std::string& name, unsigned minor)
{
    if (::geteuid() != 0)
        return "/dev/" + name;
    const std::string node = folder.Path(name);
    return ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0 ? node : "";
}

}  // namespace

// Each row: the run's files, the refusal (F standing for the scratch folder;
// empty: none), and what is there after each output was written (or not,
// when refused) with "output <n>" as its contents.
TEST(OutputFile, TheTargetsOfTheOutputWriters)
{
    const bool root = ::geteuid() == 0;
    using Make = std::function<Scene(const ScratchFolder&)>;
    const std::tuple<const char*, Make, std::string, std::string> cases[] = {
        {"an output that is the input file",
         [](const ScratchFolder& f) {
             return Scene{{{"the input file", f.Write("site.QLX", "site")}}, {{"--pdf", f.Path("site.QLX")}}};
         },
         "--pdf 'F/site.QLX' is the same file as the input file 'F/site.QLX'", "site.QLX 'site'; "},
        {"another name of the input (a hard link), after an output of its own",
         [](const ScratchFolder& f) {
             fs::create_hard_link(f.Write("site.QLX", "site"), f.Path("copy.csv"));
             return Scene{{{"the input file", f.Path("site.QLX")}},
                          {{"--pdf", f.Path("report.pdf")}, {"--schedule-csv", f.Path("copy.csv")}}};
         },
         "--schedule-csv 'F/copy.csv' is the same file as the input file 'F/site.QLX'",
         "copy.csv 'site'; site.QLX 'site'; "},
        {"the same new file as another output, named otherwise",
         [](const ScratchFolder& f) {
             return Scene{{{"the input file", f.Write("site.QLX", "site")}},
                          {{"--schedule-csv", f.Path("x.csv")}, {"--addresses-csv", f.Path("./x.csv")}}};
         },
         "--addresses-csv 'F/./x.csv' is the same file as --schedule-csv 'F/x.csv'", "site.QLX 'site'; "},
        {"outputs of their own, one new, one replacing an earlier file",
         [](const ScratchFolder& f) {
             f.Write("b.csv", "earlier");
             return Scene{{{"the input file", f.Write("site.QLX", "site")}},
                          {{"--schedule-csv", f.Path("a.csv")}, {"--addresses-csv", f.Path("b.csv")}}};
         },
         "", "a.csv 'output 1'; b.csv 'output 2'; site.QLX 'site'; "},
        {"a symbolic link to another file: that file is replaced, the link stays",
         [](const ScratchFolder& f) {
             f.Write("other.csv", "earlier");
             fs::create_symlink("other.csv", f.Path("link.csv"));
             return Scene{{}, {{"--schedule-csv", f.Path("link.csv")}}};
         },
         "", "link.csv -> other.csv; other.csv 'output 1'; "},
        {"/dev/full, a device that cannot take the bytes: written in place, its reason",
         [](const ScratchFolder& f) {
             const std::string device = CharacterDevice(f, "full", 7);
             return Scene{{}, {{"--schedule-csv", device}}, [device] { return KindOf(device); }};
         },
         "", "--schedule-csv: No space left on device; the device: character device"},
        {"an open descriptor (/dev/fd/N, as /dev/stdout is): after what it holds, the file kept",
         [](const ScratchFolder& f) {
             const int fd = ::open(f.Path("report.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
             EXPECT_EQ(::write(fd, "summary\n", 8), 8);
             return Scene{{}, {{"--schedule-csv", "/dev/fd/" + std::to_string(fd)}}, [fd] {
                              ::close(fd);
                              return std::string();
                          }};
         },
         "", "report.txt 'summary\noutput 1'; "},
        {"a regular file of mode 600 (as root, of another owner): replaced, keeping both",
         [root](const ScratchFolder& f) {
             const std::string own = f.Write("own.csv", "earlier");
             fs::permissions(own, fs::perms::owner_read | fs::perms::owner_write);
             const uid_t owner = root ? 65534 : ::geteuid();
             EXPECT_EQ(::chown(own.c_str(), owner, static_cast<gid_t>(-1)), 0);
             return Scene{{}, {{"--addresses-csv", own}}, [own, owner] {
                              struct stat info {};
                              ::stat(own.c_str(), &info);
                              char mode[8];
                              std::snprintf(mode, sizeof mode, "%03o", info.st_mode & 07777);
                              return std::string("mode ") + mode +
                                     (info.st_uid == owner ? ", owner kept" : ", owner changed");
                          }};
         },
         "", "own.csv 'output 1'; mode 600, owner kept"},
        {"a folder", [](const ScratchFolder& f) {
             fs::create_directory(f.Path("plots"));
             return Scene{{}, {{"--plot", f.Path("plots")}}};
         },
         "", "--plot: Is a directory; plots/; "},
    };
    for (const auto& [what, make, refusal, after] : cases) {
        SCOPED_TRACE(what);
        const ScratchFolder folder;
        const Scene scene = make(folder);
        if (scene.outputs.front().Path.empty()) {  // never /dev's own for the superuser
            std::cerr << "not run: " << what << " (no device node could be made in " << folder.Root() << ")\n";
            continue;
        }
        const auto clash = FileSystem::FindOutputClash(scene.inputs, scene.outputs);
        EXPECT_EQ(clash ? Replaced(clash->Text(), folder.Root(), "F") : "", refusal);
        std::string written;
        for (size_t i = 0; !clash && i < scene.outputs.size(); ++i) {
            std::string reason;
            if (!FileSystem::WriteOutputFile(scene.outputs[i].Path, "output " + std::to_string(i + 1), reason))
                written += scene.outputs[i].Role + ": " + reason + "; ";
        }
        const std::string extra = scene.after();
        EXPECT_EQ(written + Describe(folder) + extra, after);
    }
}
