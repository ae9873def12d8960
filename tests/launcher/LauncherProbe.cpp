// Stands in for the main program in the launcher tests: it records that it was started and what
// "conf.ini" held at that moment, in "probe_started.txt" beside itself.
#include <filesystem>
#include <fstream>
#include <sstream>

int main() {
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::ostringstream conf;
    conf << std::ifstream(dir / "conf.ini", std::ios::binary).rdbuf();
    // Written under another name and renamed, so a test never reads it half-written.
    const std::filesystem::path part = dir / "probe_started.part";
    std::ofstream(part, std::ios::binary) << conf.str();
    std::filesystem::rename(part, dir / "probe_started.txt");
    return 0;
}
