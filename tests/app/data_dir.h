// A private data folder for one test: XDG_DATA_HOME points into it and the
// current folder is it, so nothing of the player's is touched.
#pragma once
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

struct TestDataDir {
    std::string root;
    std::string dir;  // where the program keeps its files
    std::string oldCwd;
    TestDataDir() {
        char tmpl[] = "/tmp/kirabo-data-XXXXXX";
        root = mkdtemp(tmpl);
        dir = root + "/kirabo";
        setenv("XDG_DATA_HOME", root.c_str(), 1);
        char* cwd = get_current_dir_name();
        oldCwd = cwd;
        std::free(cwd);
        if (chdir(root.c_str()) != 0) std::abort();
    }
    ~TestDataDir() {
        if (chdir(oldCwd.c_str()) != 0) std::abort();
        unsetenv("XDG_DATA_HOME");
        std::system(("chmod -R u+w " + root + " 2>/dev/null; rm -rf " + root).c_str());
    }
    std::string Path(const std::string& name) const { return dir + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::system(("mkdir -p " + dir).c_str());
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};
