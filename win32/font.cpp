#include "win32/font.h"

#include <cmath>
#include <string>

#include "win32/utf16.h"

namespace win32 {

namespace {

GdiObject<HFONT> CreateFace(const std::wstring& face, const form::FontStyle& style, LONG height) {
    LOGFONTW font{};
    // A negative height asks for the character height, which is what a point size measures.
    font.lfHeight = -height;
    font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = style.underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return GdiObject<HFONT>(CreateFontIndirectW(&font));
}

// Whether the font mapper gave the face itself, and in the height asked for. A bitmap face such
// as "MS Sans Serif" has a few sizes only and otherwise hands out a smaller one; outline faces
// scale to any size.
bool RendersAsAsked(HFONT font, const std::wstring& face, LONG height) {
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    wchar_t realised[LF_FACESIZE]{};
    GetTextFaceW(screen, LF_FACESIZE, realised);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const bool outline = metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE);
    return lstrcmpiW(realised, face.c_str()) == 0 &&
           (outline || metrics.tmHeight - metrics.tmInternalLeading == height);
}

}  // namespace

GdiObject<HFONT> CreateFontAt(const form::FontStyle& style, UINT dpi) {
    const auto height = static_cast<LONG>(std::lround(style.points * dpi / 72.0));
    for (const char* candidate : form::kFontFaces) {
        const std::wstring face = ToUtf16(candidate);
        GdiObject<HFONT> font = CreateFace(face, style, height);
        if (RendersAsAsked(font.get(), face, height)) return font;
    }
    // None of them: the font mapper's own sans-serif face.
    return CreateFace(L"", style, height);
}

}  // namespace win32
