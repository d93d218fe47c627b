// Small owners for GDI objects and device contexts, so drawing code has no cleanup lines.
#pragma once

#include <windows.h>

#include <string>

#include "text/font_choice.h"
#include "text/sjis.h"

namespace kawaban::win {

// Owns one GDI object (font, brush, bitmap, pen) and deletes it.
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    void Reset(T handle = nullptr) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }
    T Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    T handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;

// Selects an object into a device context for one scope.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~ScopedSelect() { SelectObject(dc_, old_); }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// GetDC / ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A memory device context with a bitmap of the given size, for drawing without flicker.
class MemoryDC {
public:
    MemoryDC(HDC reference, int width, int height)
        : dc_(CreateCompatibleDC(reference)),
          bitmap_(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1)),
          select_(dc_.dc, bitmap_.Get()) {}
    ~MemoryDC() = default;
    HDC Get() const { return dc_.dc; }

private:
    struct OwnedDC {
        explicit OwnedDC(HDC d) : dc(d) {}
        ~OwnedDC() {
            if (dc)
                DeleteDC(dc);
        }
        HDC dc;
    };
    OwnedDC dc_;
    Bitmap bitmap_;
    ScopedSelect select_;
};

// A font as a form design gives it: a face name, a height in pixels (negative: the
// character height, as designs give it), Shift-JIS character set.
struct FontSpec {
    const char* name = "ＭＳ Ｐゴシック";
    int height = -12;
    bool fixedPitch = false;
    bool bold = false;
};

inline Font CreateFontFrom(const FontSpec& font) {
    return Font(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                            SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            (font.fixedPitch ? FIXED_PITCH : DEFAULT_PITCH) | FF_DONTCARE, font.name));
}

// The platform's description of a kept font. A face name longer than the platform's 31
// bytes is cut at a character boundary; the height is limited to kLargestFontHeight pixels
// either way, so a settings file cannot make the system draw glyphs of any size.
constexpr int kLargestFontHeight = 2048;
inline int UsableFontHeight(int height) {
    return height > kLargestFontHeight ? kLargestFontHeight : height < -kLargestFontHeight ? -kLargestFontHeight : height;
}
inline LOGFONTA LogFontOf(const FontChoice& font) {
    LOGFONTA lf{};
    lf.lfHeight = UsableFontHeight(font.height);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::size_t length = 0;
    for (std::size_t i = 0; i < font.name.size(); i += CharLength(font.name, i)) {
        if (i + CharLength(font.name, i) > sizeof(lf.lfFaceName) - 1 || font.name[i] == '\0')
            break;
        length = i + CharLength(font.name, i);
    }
    font.name.copy(lf.lfFaceName, length);
    return lf;
}
inline Font CreateFontFrom(const FontChoice& font) {
    const LOGFONTA lf = LogFontOf(font);
    return Font(CreateFontIndirectA(&lf));
}

inline std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(length > 0 ? length + 1 : 1, '\0');
    const int got = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? got : 0);
    return text;
}

}  // namespace kawaban::win
