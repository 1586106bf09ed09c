// Packs a file as the program carries it: the payload from which the component of the same
// name extracts the file when the program starts. The build runs it on this machine:
//   pack-carried-file <file> <payload>
#include "components/filesrc/FileSource.h"

#include <exception>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: pack-carried-file <file> <payload>\n";
        return 2;
    }
    try {
        tav::TFileSource source(nullptr, "FileSrc");
        source.SetFileName(argv[1]);
        const std::string payload = source.WriteData();
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(payload.data(), static_cast<std::streamsize>(payload.size()));
        out.close();
        if (!out) {
            std::cerr << "cannot write " << argv[2] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
