// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock's face: a skin's background held at the screen's own resolution, and the four
// numbers (days, hours, minutes, seconds) drawn over it in the skin's font, each centred in
// its box by the measures of the 250 x 90 layout. A new number repaints only the pixels its
// ink changes, at any scale. It draws on the widgets it is given and knows nothing of the
// store, the tray, notifications or the countdown: the clock window and the skin kit both
// draw with it.

#include "widgets/PaintBox.h"

#include <QPen>
#include <array>
#include <cstdint>
#include <memory>

class TDigitGlyphs;
class TSkin;
class QColor;
class QWidget;

class TClockFace {
public:
    static constexpr int Boxes = 4; // days, hours, minutes, seconds

    // The face on a window's background and boxes (the clock's, from its layout), all
    // children of window. Their owner routes the boxes' paints to Paint. The window takes
    // the design's font and colour: Times New Roman, bold, 24 pixels, white.
    TClockFace(QWidget* window, TImage* back, const std::array<TPaintBox*, Boxes>& boxes);
    // The face on a window of the design's 250 x 90 that it furnishes itself: the kit's.
    explicit TClockFace(QWidget* window);
    ~TClockFace();
    TClockFace(const TClockFace&) = delete;
    TClockFace& operator=(const TClockFace&) = delete;

    // Whether a skin's double-size picture is worth reading: the window is shown at a
    // device pixel ratio above 1.
    bool WantsDoubleSize() const;
    // Puts a skin on: its background onto the canvas from the top-left corner (what it does
    // not cover keeps the earlier pixels), its font, colour and box positions.
    void ApplySkin(const TSkin& skin);
    // Shows the four numbers; a box whose number did not change is not touched, and a
    // changed one repaints only where its ink changed.
    void ShowNumbers(const std::array<std::int32_t, Boxes>& numbers);
    // Paints a box's number (its paint event).
    void Paint(TPaintBox* box);

    TImage* Back() const { return Background; }
    TPaintBox* Box(int i) const { return Fields[size_t(i)]; }

private:
    void SetNumberColour(const QColor& colour);
    void UpdateBox(TPaintBox* box, std::int32_t value);
    // Where a box's number goes: its text centred by the font's measure, with its ink.
    TNumberPlace PlaceNumber(const TPaintBox* box);
    // Paints the change of a box's number straight into the window when only the
    // background lies under rect; false when the widgets must paint it.
    bool PaintOnWindow(TPaintBox* box, const TNumberPlace& place, const QRect& rect);

    QWidget* Window;
    TImage* Background;
    std::array<TPaintBox*, Boxes> Fields;
    std::unique_ptr<TDigitGlyphs> Digits; // the font of the numbers, shaped once
    int DigitsShaping = 0;                // counts the shapings, to tell their glyphs apart
    QPen NumberPen;                       // set only by SetNumberColour
};
