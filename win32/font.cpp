#include "win32/font.h"

#include <cmath>
#include <string>

#include "win32/utf16.h"

namespace app::win32 {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool SystemHasFace(const std::wstring& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Without any of the listed faces, the font mapper picks a sans-serif face by the family.
const std::wstring& Face() {
    static const std::wstring face = [] {
        for (const char* candidate : kFontFaces) {
            std::wstring name = ToUtf16(candidate);
            if (SystemHasFace(name)) return name;
        }
        return std::wstring();
    }();
    return face;
}

}  // namespace

GdiObject<HFONT> CreateFontAt(const FontSpec& spec, UINT dpi) {
    LOGFONTW font{};
    // A negative height asks for the character height, which is what a point size measures.
    font.lfHeight = -static_cast<LONG>(std::lround(spec.points * dpi / 72.0));
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    Face().copy(font.lfFaceName, LF_FACESIZE - 1);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

}  // namespace app::win32
