// Makes the data files the editor ships that are not pictures.
#include "editors/tuning/patch_list.h"

#include <cstdio>
#include <cstring>
#include <exception>

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::strcmp(argv[1], "patch-list") == 0) {
            kvr::writePatchList(argv[2], kvr::defaultPatchList());
            return 0;
        }
        std::fprintf(stderr, "usage: kvr-mkdata patch-list FILE\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-mkdata: %s\n", e.what());
        return 3;
    }
}
