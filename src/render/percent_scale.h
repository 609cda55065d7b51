#pragma once
// The heat map's colour scale: a street total as a percentage of the baseline, in bands of equal
// width from 0 up to `upper`, and one last band for `upper` or more. The colours run from light
// yellow (few dogs left) through green and teal to dark purple (many), each band darker than the
// one below it, so the scale still reads when printed in grey or black and white.
//
//   band(percent) = floor(percent / bandWidth), at least 0, at most bandCount
//   upper         = bandWidth * bandCount
//
// For a target of P % the scale reaches at least 200 % and at least 2 P, in at most 20 bands whose
// width is 10, 20 or 25 times a power of ten (per cent): 50 % gives 20 bands of 10 % up to 200 %.

#include <QColor>

namespace karnoth::render {

class PercentScale {
public:
    PercentScale(double bandWidth, int bandCount);

    double bandWidth() const { return bandWidth_; }  // per cent
    int bandCount() const { return bandCount_; }  // bands below upper(); band bandCount is the rest
    double upper() const { return bandWidth_ * bandCount_; }

    // 0..bandCount(); a percentage below 0 falls in band 0.
    int bandOf(double percent) const;
    // The colour of a band 0..bandCount() (lighter for lower bands).
    QColor colourOfBand(int band) const;
    QColor colourOf(double percent) const { return colourOfBand(bandOf(percent)); }

private:
    double bandWidth_;
    int bandCount_;
};

PercentScale percentScaleFor(double targetPercent);

}  // namespace karnoth::render
