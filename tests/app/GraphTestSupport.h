#pragma once

// The histogram tests' helpers: what a picture must show, worked out without
// the program's code (the values of a range by trial division, their bins,
// and the bars drawn for them), and a few ways of driving and watching the
// window's graph.

#include <QImage>
#include <QString>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace apptest {

class WindowFixture;

inline const QString kClosingMessage = QStringLiteral("Click OK to close the text box at left.");

// The picture is 480 x 400 pixels; the x axis lies 45 pixels above its bottom.
inline constexpr int kPictureWidth = 480;
inline constexpr int kPictureHeight = 400;
inline constexpr int kBaseline = kPictureHeight - 45;
inline constexpr int kAxisHeight = kBaseline - 7;
inline constexpr QRgb kAxisBlue = 0xFF0000FFu;
inline constexpr QRgb kBarGreen = 0xFF00FF00u;

// The geometry of a histogram: every bins setting's bars add up to 480
// pixels; halves round to even; the EK scale keeps a quarter of its bins
// (and one more) left of the value 0.
struct ExpectedGeometry {
    int numBins = 0;
    int barWidth = 0;
    int margin = 0;
    int binsLeftOfZero = 0;
    int x0 = 0;
};
ExpectedGeometry GeometryOf(int numBins, bool binsLeftOfZero);

// The bins of some values: bin i holds [lower + i * width, lower + (i + 1) * width).
struct BinRule {
    double lower = 0;
    double width = 0;
    int Index(double value) const;
};

// One bar of the picture: its columns and its height in pixels.
struct ExpectedBar {
    int left = 0;
    int right = 0;
    int height = 0;
};

// The counts of the values in their bins, their mean and standard
// deviation, and the bars drawn for them: the tallest bin (the first of
// equal ones) scaled to the axis height, every bar then multiplied by the
// Gaussian of the tallest bin's centre, so that it meets the fitted curve.
struct ExpectedHistogram {
    std::map<int, int> counts;  // bin index -> count
    double mean = 0;
    double stdDev = 0;
    std::vector<ExpectedBar> bars;
};

// `columns` gives a bin's first and last column.
ExpectedHistogram HistogramOf(const std::vector<double>& values, const BinRule& rule,
                              const std::function<std::pair<int, int>(int bin)>& columns);

// Checks the bars of `expected` in `shown`: green just above the axis in
// every bar at least 3 pixels high and in no column outside the bars, and
// the tallest bar's top at its height. Empty when they hold, else what failed.
QString CheckBars(const QImage& shown, const ExpectedHistogram& expected);

// Checks the blue axes: x from `margin` to the picture's right edge at the
// baseline, y at x0 from the baseline up to y 7.
QString CheckAxes(const QImage& shown, int margin, int x0);

// The bins list entry chosen with the keyboard, as a user would: Home 40, End 240.
void ChooseBins(WindowFixture& fixture, Qt::Key key);

// The window as the closing message of a run finds it, before it is confirmed.
struct AtClosing {
    bool plotVisible = false;
    bool picGraphVisible = false;
    bool frame1Visible = true;
    QString plotText;
    QString plotLabel;
};
// Records into `seen` (and saves a screenshot named `screenshot`, when given)
// at the closing message.
void WatchClosing(WindowFixture& fixture, AtClosing& seen, const QString& screenshot = {});

// Right-clicks the picture and picks the entry `entry` of the menu that opens
// (0: the question whether to save the picture). False when no menu opened.
bool ChooseFromGraphMenu(WindowFixture& fixture, int entry);

// Compares the picture on screen with what the data of the last run gives
// when drawn once on a cleared picture: empty when they are equal.
QString CompareWithFreshRendering(WindowFixture& fixture, int binsEntry);

}  // namespace apptest
