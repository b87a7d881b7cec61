// Which of a program file's icon images Windows takes for each size it asks for: for every size
// given, "SIZE: WIDTHxHEIGHT, BITS bits" of the image that LookupIconIdFromDirectoryEx picks from
// the file's first icon group, as for a title bar or the desktop at that size.
//   read_icons fernbogen.exe 16 20 24
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "res/resource_ids.h"

namespace {

// An icon resource's image is a bitmap whose height counts the colour and the mask images.
struct IconImage {
    long width;
    long height;
    int bits;
};

bool ReadImage(HMODULE file, int id, IconImage& image) {
    const HRSRC resource = FindResourceW(file, MAKEINTRESOURCEW(id), RT_ICON);
    if (!resource) return false;
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(file, resource)));
    if (!header || header->biSize != sizeof(BITMAPINFOHEADER)) return false;
    image = {header->biWidth, header->biHeight / 2, header->biBitCount};
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: read_icons PROGRAM SIZE...\n");
        return 2;
    }
    const std::wstring path(argv[1], argv[1] + std::char_traits<char>::length(argv[1]));
    const HMODULE file = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC group =
        file ? FindResourceW(file, MAKEINTRESOURCEW(kIconResource), RT_GROUP_ICON) : nullptr;
    if (!group) {
        std::fprintf(stderr, "%s has no icon group %d\n", argv[1], kIconResource);
        return 1;
    }
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(file, group)));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        IconImage image{};
        if (id && ReadImage(file, id, image))
            std::printf("%d: %ldx%ld, %d bits\n", size, image.width, image.height, image.bits);
        else
            std::printf("%d: none\n", size);
    }
    return 0;
}
