// Reading and writing whole files from the ribbon tests, which run as Windows
// programs under Wine but are given Unix paths by the build.
#pragma once
#include <cstdio>
#include <string>

namespace ribbon_test {

// Under Wine a Unix path is reached through drive Z:.
inline std::string hostPath(std::string path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') path.insert(0, "Z:");
#endif
    return path;
}

// The file's bytes; empty, with a message on stderr, when it cannot be read.
inline std::string readFile(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(hostPath(path).c_str(), "rb");
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return bytes;
    }
    char buffer[4096];
    std::size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, read);
    std::fclose(file);
    return bytes;
}

inline bool writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(hostPath(path).c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace ribbon_test
