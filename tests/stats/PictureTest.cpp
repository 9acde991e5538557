// The picture read back pixel by pixel at points the geometry fixes.

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>

#include <cmath>
#include <filesystem>

#include "FitOracle.h"
#include "StatsTestSupport.h"
#include "stats/Colors.h"
#include "stats/GraphImageFile.h"
#include "stats/HistogramPicture.h"
#include "stats/ImageSurface.h"
#include "support/Factoring.h"
#include "support/FileSizeLimit.h"
#include "util/TempFolder.h"

namespace {

using engine::ComputeMode;
using engine::HistogramKind;

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlue = 0xFF0000FFu;
constexpr QRgb kGreen = 0xFF00FF00u;
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kYellow = 0xFFFFFF00u;
constexpr QRgb kBlack = 0xFF000000u;

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y); }

class Picture : public ::testing::Test {
protected:
    stats_test::RecordedMessages m_messages;
    stats::HistogramPicture m_picture{m_messages, stats::KernelLineFitter()};
};

TEST_F(Picture, SizeIsTheInsideOfThePictureBox) {
    EXPECT_EQ(m_picture.Image().width(), 480);
    EXPECT_EQ(m_picture.Image().height(), 400);
    EXPECT_EQ(At(m_picture.Image(), 240, 200), kWhite);
}

TEST_F(Picture, NpfAxesBarsAndMeanLine) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 30);
    m_picture.BeginGraph(HistogramKind::NPF, 5);
    m_picture.Render(state, true, 5, format::Separator::Comma);
    const QImage& image = m_picture.Image();
    const int yB = 400 - 45;
    // The x axis from m = 2 to m + 480 (cut at the last column), the y axis at x0 = m.
    EXPECT_EQ(At(image, 2, yB), kBlue);
    EXPECT_EQ(At(image, 300, yB), kBlue);
    EXPECT_EQ(At(image, 479, yB), kBlue);
    EXPECT_EQ(At(image, 2, 100), kBlue);
    EXPECT_EQ(At(image, 2, 7), kBlue);
    EXPECT_EQ(At(image, 300, yB - 1), kWhite);
    // NPF 1 is the tallest bar, 3 pixels wide around x = 2 + 48.
    EXPECT_EQ(At(image, 49, yB - 1), kGreen);
    EXPECT_EQ(At(image, 50, yB - 100), kGreen);
    EXPECT_EQ(At(image, 51, yB - 1), kGreen);
    EXPECT_EQ(At(image, 48, yB - 1), kWhite);
    EXPECT_EQ(At(image, 52, yB - 1), kWhite);
    EXPECT_EQ(At(image, 50, yB), kBlue);
    // The mean 43/29 at x = 2 + 48 · 43/29 = 73.17.
    const int meanX = static_cast<int>(std::lrint(2 + 48 * 43.0 / 29));
    EXPECT_EQ(meanX, 73);
    EXPECT_EQ(At(image, meanX, 200), kRed);
    EXPECT_EQ(At(image, meanX - 1, 200), kWhite);
    EXPECT_EQ(At(image, meanX + 1, 200), kWhite);
}

TEST_F(Picture, EkYAxisAtTheValueZeroAndBarsOneBinWide) {
    // 96 bins: x0 = 2 + 5 · 25 = 127; bin 30 spans x 152 .. 156.
    engine::HistogramState state = stats_test::EkState({{30, 40}, {50, 10}}, 0.2, 0.6, 50);
    m_picture.BeginGraph(HistogramKind::EK, 4);
    m_picture.Render(state, false, 4, format::Separator::Comma);
    const QImage& image = m_picture.Image();
    EXPECT_EQ(At(image, 127, 100), kBlue);
    EXPECT_EQ(At(image, 127, 355), kBlue);
    for (int x = 152; x <= 156; ++x) EXPECT_EQ(At(image, x, 300), kGreen) << x;
    EXPECT_EQ(At(image, 151, 300), kWhite);
    EXPECT_EQ(At(image, 157, 300), kWhite);
    EXPECT_EQ(At(image, 154, 355), kBlue);
    // The mean 0.2 at 127 + 96 · 0.2 = 146.2.
    EXPECT_EQ(At(image, 146, 250), kRed);
    EXPECT_EQ(At(image, 145, 250), kWhite);
}

TEST_F(Picture, LabelOverTheTallestSpikeStaysOnThePicture) {
    // Bin 30 (x 152 .. 156) centred on the mean: its bar meets the top of the
    // axis at y 7, with no room above for its label, which goes beside it.
    const double centre = 30.5 * 5 / 96 - 25 * 5.0 / 96;
    engine::HistogramState state = stats_test::EkState({{30, 40}, {50, 10}}, centre, 0.6, 50);
    m_picture.BeginGraph(HistogramKind::EK, 4);
    m_picture.Render(state, false, 4, format::Separator::Comma);
    const QImage& image = m_picture.Image();
    EXPECT_EQ(At(image, 153, 30), kGreen);
    // The label "1", dark grey to black, on the top rows right of the bar.
    int inkBeside = 0;
    for (int y = 0; y < 13; ++y) {
        for (int x = 158; x < 165; ++x) inkBeside += QColor(At(image, x, y)).lightness() < 100;
    }
    EXPECT_GT(inkBeside, 5);
}

// The columns with ink between y0 and y1, as runs of the columns closer
// than `gap` to the one before (the blanks within a text are narrower).
std::vector<std::pair<int, int>> InkRuns(const QImage& image, int y0, int y1, int gap) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool inked = false;
        for (int y = y0; y <= y1; ++y) inked = inked || At(image, x, y) != kWhite;
        if (!inked) continue;
        if (!runs.empty() && x - runs.back().second < gap) {
            runs.back().second = x;
        } else {
            runs.push_back({x, x});
        }
    }
    return runs;
}

// The values under the axis: apart from each other by a character's width,
// none cut by the picture's edge. Wide negative values a line's
// spacing apart, and a tail reaching past the right edge.
TEST_F(Picture, MarkerValuesStayApartAndOnThePicture) {
    struct Case {
        int binsEntry;
        double mean, sd;
        size_t labels;
    };
    for (const Case& c :
         {Case{4, 0.2, 0.396, 8}, Case{0, 0.1846, 0.63093, 8}, Case{4, 2.0, 0.45, 6}}) {
        engine::HistogramState state = stats_test::EkState({{30, 40}, {50, 10}}, c.mean, c.sd, 50);
        m_picture.BeginGraph(HistogramKind::EK, c.binsEntry);
        m_picture.Render(state, false, c.binsEntry, format::Separator::Comma);
        // Row 24's text, below the short lines at the tail's values.
        const auto runs = InkRuns(m_picture.Image(), 359, 369, 6);
        EXPECT_EQ(runs.size(), c.labels) << c.mean << " " << c.sd;
        // Each value has five or six characters of seven pixels: one cut by
        // an edge is narrower.
        for (const auto& [left, right] : runs) EXPECT_GE(right - left + 1, 33) << left;
    }
}

TEST_F(Picture, RowZeroIsDrawnWholeAtTheTop) {
    QImage top(200, 60, QImage::Format_RGB32);
    QImage inside(200, 60, QImage::Format_RGB32);
    top.fill(kWhite);
    inside.fill(kWhite);
    stats::ImageSurface(top).PrintAt("No. of pr.", 0, 35);
    stats::ImageSurface(inside).PrintAt("No. of pr.", 3, 35);
    const auto ink = [](const QImage& image, int y0, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < image.width(); ++x) count += At(image, x, y) != kWhite;
        return count;
    };
    EXPECT_GT(ink(inside, 41, 56), 20);
    EXPECT_EQ(ink(top, 0, 15), ink(inside, 41, 56));
}

TEST_F(Picture, PalmenBarsAreOutlinedInBlackAndTheFittedLineIsRed) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoPCGraph, 1, 101);
    m_picture.BeginGraph(HistogramKind::PC, 5);
    m_picture.Render(state, true, 5, format::Separator::Comma);
    const QImage& image = m_picture.Image();
    const int yB = 355;
    // Colour 3 (yellow) centred at 2 + 48 · 4 = 194, 5 pixels wide.
    EXPECT_EQ(At(image, 193, yB - 20), kYellow);
    EXPECT_EQ(At(image, 195, yB - 20), kYellow);
    EXPECT_EQ(At(image, 192, yB - 20), kBlack);
    EXPECT_EQ(At(image, 196, yB - 20), kBlack);
    EXPECT_EQ(At(image, 191, yB - 20), kWhite);
    EXPECT_EQ(At(image, 194, yB), kBlue);

    // The line y = yB - (a + b (x/48 - 1)) s with the tallest bar half of H = 348 high.
    std::array<double, 8> x{}, y{};
    int maxCount = 0;
    for (int c = 0; c < 8; ++c) {
        int count = 0;
        for (int32_t n = 1; n <= 101; ++n) count += oracle::PalmenColor(n) == c;
        if (count == 0) continue;
        x[static_cast<size_t>(c)] = c;
        y[static_cast<size_t>(c)] = count * 100.0 / 101;
        if (count > maxCount) maxCount = count;
    }
    const stats_test::StraightLine line = stats_test::LeastSquaresLine(x, y, 8);
    const double scale = 174 / (maxCount * 100.0 / 101);
    for (const int px : {60, 130, 300, 380}) {
        const int py =
            static_cast<int>(std::lrint(355 - (line.a + line.b * (px / 48.0 - 1)) * scale));
        EXPECT_EQ(At(image, px, py), kRed) << px;
    }
    EXPECT_NE(At(image, 46, static_cast<int>(std::lrint(355 - (line.a - line.b * 0.0417) * scale))),
              kRed);
}

TEST_F(Picture, BeginGraphShowsTheEmptyFrame) {
    m_picture.BeginGraph(HistogramKind::EK, 0);
    const QImage& image = m_picture.Image();
    // 40 bins: m = 6, x0 = 6 + 12 · 11 = 138.
    EXPECT_EQ(At(image, 5, 355), kWhite);
    EXPECT_EQ(At(image, 6, 355), kBlue);
    EXPECT_EQ(At(image, 138, 7), kBlue);
    EXPECT_EQ(At(image, 138, 6), kWhite);
    EXPECT_EQ(m_picture.Layout().x0, 138);
    m_picture.Clear();
    EXPECT_EQ(At(image, 6, 355), kWhite);
}

TEST_F(Picture, TextAdvancesSevenPixelsFromItsTopLeftCorner) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(kWhite);
    {
        stats::ImageSurface surface(image);
        surface.PrintAt("MMMMMMMMMM", 3, 35);  // top at (3 - 1) · 15 + 11 = 41
    }
    auto inked = [&](int left, int right, int top, int bottom) {
        for (int py = top; py < bottom; ++py)
            for (int px = left; px < right; ++px)
                if (At(image, px, py) != kWhite) return true;
        return false;
    };
    EXPECT_FALSE(inked(0, 35, 0, 60));
    EXPECT_FALSE(inked(105, 200, 0, 60));
    EXPECT_FALSE(inked(0, 200, 0, 41));
    EXPECT_FALSE(inked(0, 200, 56, 60));
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(inked(35 + 7 * i, 42 + 7 * i, 41, 56)) << i;
}

TEST_F(Picture, ClearRowErasesItsBand) {
    QImage image(100, 400, QImage::Format_RGB32);
    image.fill(kBlack);
    {
        stats::ImageSurface surface(image);
        surface.ClearRow(24);
    }
    EXPECT_EQ(At(image, 50, 354), kBlack);
    EXPECT_EQ(At(image, 0, 355), kWhite);
    EXPECT_EQ(At(image, 99, 370), kWhite);
    EXPECT_EQ(At(image, 50, 371), kBlack);
}

TEST_F(Picture, SavedBitmapReadsBackAsThePicture) {
    engine::HistogramState state = stats_test::Gather(ComputeMode::DoNPFGraph, 2, 500);
    m_picture.BeginGraph(HistogramKind::NPF, 4);
    m_picture.Render(state, true, 4, format::Separator::Comma);
    testing_support::TempFolder folder;
    const QString path = QString::fromStdString((folder.Path() / "graph.bmp").string());
    EXPECT_EQ(m_picture.Save(path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    const QImage back(path, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_TRUE(back.convertToFormat(QImage::Format_RGB32) == m_picture.Image());
}

TEST_F(Picture, ANameEndingInPngGivesAPngFile) {
    testing_support::TempFolder folder;
    const QString path = QString::fromStdString((folder.Path() / "graph.PNG").string());
    EXPECT_EQ(stats::SaveGraphImage(m_picture.Image(), path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(4), QByteArray("\x89PNG"));
}

// A save that runs out of room leaves the picture saved before as it was.
TEST_F(Picture, ASaveThatFailsPartWayKeepsTheOldFile) {
    testing_support::TempFolder folder;
    const QString path = QString::fromStdString((folder.Path() / "graph.svg").string());
    const QByteArray old(100, 'o');
    ASSERT_TRUE(stats::SaveGraphData(old, path).isEmpty());
    QString error;
    {
        testing_support::ScopedFileSizeLimit limit(4096);
        error = stats::SaveGraphData(QByteArray(65536, 'n'), path);
    }
    EXPECT_TRUE(error.startsWith("Cannot save the picture to " + path + ": "))
        << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(Picture, SavingWhereNoFileCanBeMadeNamesTheFileAndTheReason) {
    testing_support::TempFolder folder;
    const std::filesystem::path target = folder.Path() / "no such folder" / "graph.bmp";
    const QString path = QString::fromStdString(target.string());
    const QString error = m_picture.Save(path);
    EXPECT_TRUE(error.startsWith("Cannot save the picture to " + path + ": "))
        << error.toStdString();
    EXPECT_GT(error.size(), ("Cannot save the picture to " + path + ": .").size());
    EXPECT_FALSE(std::filesystem::exists(target));
    // A folder is no file either.
    EXPECT_FALSE(m_picture.Save(QString::fromStdString(folder.Path().string())).isEmpty());
}

}  // namespace
