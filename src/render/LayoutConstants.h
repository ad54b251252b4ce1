// The proportions of a drawing, in one place. Lengths are fractions of the plot's short side
// (mn), of a margin or of the plot, so that a drawing scales with its viewport.
#pragma once

namespace layout {

// Graduation marks and the legend's line sample, as fractions of the plot's short side.
constexpr double bigMark = 0.04, smallMark = 0.02, legendSample = 0.08;
// Text height, as a (negative: character height) fraction of the viewport's short side.
constexpr float fontHeight = -0.025f;
// The font height of a viewport of width x height pixels, from its short side.
constexpr int textHeight(int width, int height) {
    return int(float(width <= height ? width : height) * fontHeight);
}
// Pixels between the plot and the labels under it (down) and left of it (left), and between
// the legend's sample and the series' name.
constexpr double labelGapDown = 2, labelGapLeft = 2, legendNameGap = 2;
// The horizontal title centred under the plot, halfway down the bottom margin; the vertical one
// halfway across the left margin, halfway up the top margin.
constexpr double titleAcross = 0.5, titleDown = 0.5;
// Graph titles beside their strips, this far out in the left margin's width.
constexpr double graphTitleOut = 0.7;
// The exponent mark: 90 % along the plot and 40 % down the bottom margin for the horizontal
// axis; 90 % up the strip and halfway out in the left margin's width for a vertical one.
constexpr double exponentAlong = 0.9, exponentDown = 0.4, exponentOut = 0.5;
// The legend starts this fraction of the right margin right of the plot.
constexpr double legendIndent = 0.3;

} // namespace layout
