// Stands in for the browser in the link's test: registered as the prefix's
// http handler, it writes the address it is given to a file.
//   record_argument <file> <address>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 1;
    const bool written = std::fputs(argv[2], out) >= 0;
    return std::fclose(out) == 0 && written ? 0 : 1;
}
