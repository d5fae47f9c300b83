// The windows are laid out in twips (1/1440 inch), as their tables give them. At 96
// dots per inch a pixel is 15 twips; on denser screens Qt scales the pixels.
#pragma once

#include <QRect>
#include <QWidget>

namespace gp {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

constexpr QRect twips_rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Puts a control at its place inside its window or frame.
inline void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips_rect(left, top, width, height));
}

}  // namespace gp
