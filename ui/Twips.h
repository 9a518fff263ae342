#pragma once

// Window geometry is designed in twips (1/1440 inch); at the design
// resolution 15 twips make one pixel. Every conversion goes through here.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
    friend constexpr bool operator==(TwipRect, TwipRect) = default;
};

// Pixels at the design resolution, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

constexpr PixelRect toPixels(TwipRect r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}
