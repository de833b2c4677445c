#include "core/model/SceneView.h"

#include <type_traits>

TextFont fontOfView(const ViewState& v) {
    TextFont f;
    f.family = v.textFontName;
    f.pointSize = v.textSize;
    f.bold = v.textStyle & FontStyles::Bold;
    f.italic = v.textStyle & FontStyles::Italic;
    f.underline = v.textStyle & FontStyles::Underline;
    f.strikeOut = v.textStyle & FontStyles::StrikeOut;
    f.colour = v.textColor;
    return f;
}

void setViewFont(ViewState& v, const TextFont& f) {
    v.textFontName = f.family;
    v.textSize = f.pointSize;
    v.textStyle = (f.bold ? FontStyles::Bold : 0) | (f.italic ? FontStyles::Italic : 0) |
                  (f.underline ? FontStyles::Underline : 0) | (f.strikeOut ? FontStyles::StrikeOut : 0);
    v.textColor = f.colour;
    v.textBrushStyle = BrushStyles::Clear;
}

void captureViewValues(const ViewState& v, SceneState& s) {
    s.view[ViewValueNames::OffsetX] = v.offsetX;
    s.view[ViewValueNames::OffsetY] = v.offsetY;
    s.view[ViewValueNames::RotationX] = double(v.rotationX);
    s.view[ViewValueNames::RotationY] = double(v.rotationY);
    s.view[ViewValueNames::RotationZ] = double(v.rotationZ);
    s.fonts[kTextFontName] = fontOfView(v);
}

bool applyViewValues(ViewState& v, const SceneState& s) {
    auto set = [&s](const char* name, auto& target) {
        if (const auto it = s.view.find(name); it != s.view.end())
            target = static_cast<std::remove_reference_t<decltype(target)>>(it->second);
    };
    set(ViewValueNames::OffsetX, v.offsetX);
    set(ViewValueNames::OffsetY, v.offsetY);
    set(ViewValueNames::RotationX, v.rotationX);
    set(ViewValueNames::RotationY, v.rotationY);
    set(ViewValueNames::RotationZ, v.rotationZ);
    const auto font = s.fonts.find(kTextFontName);
    if (font == s.fonts.end()) return false;
    setViewFont(v, font->second);
    return true;
}
