#include "lsqkern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "CApi.h"

namespace {

// Least squares written out from the normal equations, in long double.
struct Expected {
    long double a, b, cov00, cov01, cov11, sumsq;
};

Expected HandFit(const std::vector<double>& x, const std::vector<double>& y) {
    const long double n = static_cast<long double>(x.size());
    long double meanX = 0, meanY = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        meanX += x[i];
        meanY += y[i];
    }
    meanX /= n;
    meanY /= n;
    long double sxx = 0, sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        sxy += (x[i] - meanX) * (y[i] - meanY);
    }
    Expected e{};
    e.b = sxy / sxx;
    e.a = meanY - e.b * meanX;
    for (size_t i = 0; i < x.size(); ++i) {
        const long double r = y[i] - (e.a + e.b * x[i]);
        e.sumsq += r * r;
    }
    const long double s2 = e.sumsq / (n - 2);
    e.cov11 = s2 / sxx;
    e.cov01 = -s2 * meanX / sxx;
    e.cov00 = s2 * (1 / n + meanX * meanX / sxx);
    return e;
}

lsq_fit_record Record(const std::vector<double>& x, const std::vector<double>& y,
                      const double* w = nullptr) {
    lsq_fit_record record{};
    record.x = x.data();
    record.y = y.data();
    record.w = w;
    record.n = static_cast<int32_t>(x.size());
    return record;
}

TEST(LsqFit, PointsOnALineGiveThatLine) {
    const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 7};
    std::vector<double> y;
    for (const double v : x) y.push_back(3 - 2 * v);
    lsq_fit_record record = Record(x, y);
    record.status = 99;
    EXPECT_EQ(fit(&record), LSQ_OK);
    EXPECT_EQ(record.status, LSQ_OK);
    EXPECT_NEAR(record.a, 3, 1e-12);
    EXPECT_NEAR(record.b, -2, 1e-12);
    EXPECT_NEAR(record.sumsq, 0, 1e-20);
}

TEST(LsqFit, MatchesTheNormalEquationsOnScatteredPoints) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> noise(-5, 5);
    for (int trial = 0; trial < 50; ++trial) {
        const int n = 3 + trial % 7;
        std::vector<double> x, y;
        for (int i = 0; i < n; ++i) {
            x.push_back(i * 1.5 + noise(random) / 10);
            y.push_back(12 - 0.8 * x.back() + noise(random));
        }
        const Expected e = HandFit(x, y);
        lsq_fit_record record = Record(x, y);
        ASSERT_EQ(fit(&record), LSQ_OK);
        const double tolerance = 1e-9;
        EXPECT_NEAR(record.a, static_cast<double>(e.a), tolerance);
        EXPECT_NEAR(record.b, static_cast<double>(e.b), tolerance);
        EXPECT_NEAR(record.sumsq, static_cast<double>(e.sumsq), tolerance);
        EXPECT_NEAR(record.cov00, static_cast<double>(e.cov00), tolerance);
        EXPECT_NEAR(record.cov01, static_cast<double>(e.cov01), tolerance);
        EXPECT_NEAR(record.cov11, static_cast<double>(e.cov11), tolerance);
    }
}

TEST(LsqFit, EightColourPercentagesWithAMissingColour) {
    // As the program passes them: a colour without numbers stays at (0, 0).
    const std::vector<double> x = {0, 1, 2, 3, 4, 5, 6, 0};
    const std::vector<double> y = {0.99, 25.74, 33.66, 21.78, 9.90, 4.95, 2.97, 0};
    const std::vector<double> w(9, 0.0);
    const Expected e = HandFit(x, y);
    lsq_fit_record record = Record(x, y, w.data());
    ASSERT_EQ(fit(&record), LSQ_OK);
    EXPECT_NEAR(record.a, static_cast<double>(e.a), 1e-12);
    EXPECT_NEAR(record.b, static_cast<double>(e.b), 1e-12);
}

TEST(LsqFit, WeightsAreNotRead) {
    const std::vector<double> x = {1, 2, 4, 8};
    const std::vector<double> y = {2, 3, 7, 8};
    const std::vector<double> w = {1, 100, 0.5, 7};
    lsq_fit_record withWeights = Record(x, y, w.data());
    lsq_fit_record without = Record(x, y);
    ASSERT_EQ(fit(&withWeights), LSQ_OK);
    ASSERT_EQ(fit(&without), LSQ_OK);
    EXPECT_EQ(withWeights.a, without.a);
    EXPECT_EQ(withWeights.b, without.b);
}

TEST(LsqFit, TwoPointsGiveTheirLineButNoCovariances) {
    const std::vector<double> x = {1, 3};
    const std::vector<double> y = {5, 1};
    lsq_fit_record record = Record(x, y);
    ASSERT_EQ(fit(&record), LSQ_OK);
    EXPECT_NEAR(record.a, 7, 1e-12);
    EXPECT_NEAR(record.b, -2, 1e-12);
    EXPECT_FALSE(std::isfinite(record.cov11));
}

TEST(LsqFit, TooFewPointsOrOneXGiveNoLine) {
    const std::vector<double> x = {2, 2, 2};
    const std::vector<double> y = {1, 2, 3};
    for (const int32_t n : {-1, 0, 1}) {
        lsq_fit_record record = Record(x, y);
        record.n = n;
        EXPECT_EQ(fit(&record), LSQ_TOO_FEW_POINTS) << n;
        EXPECT_EQ(record.status, LSQ_TOO_FEW_POINTS);
        EXPECT_TRUE(std::isnan(record.a));
        EXPECT_TRUE(std::isnan(record.b));
        EXPECT_TRUE(std::isnan(record.sumsq));
    }
    lsq_fit_record record = Record(x, y);
    EXPECT_EQ(fit(&record), LSQ_SAME_X);
    EXPECT_TRUE(std::isnan(record.a));
    EXPECT_TRUE(std::isnan(record.cov00));
}

TEST(LsqFit, MissingArraysAreRefused) {
    EXPECT_EQ(fit(nullptr), LSQ_BAD_RECORD);
    const std::vector<double> values = {1, 2, 3};
    lsq_fit_record noX = Record(values, values);
    noX.x = nullptr;
    noX.a = 42;
    EXPECT_EQ(fit(&noX), LSQ_BAD_RECORD);
    EXPECT_EQ(noX.status, LSQ_BAD_RECORD);
    EXPECT_EQ(noX.a, 42);
    lsq_fit_record noY = Record(values, values);
    noY.y = nullptr;
    EXPECT_EQ(fit(&noY), LSQ_BAD_RECORD);
}

TEST(LsqFit, CallableFromC) {
    const double x[] = {0, 1, 2, 3};
    const double y[] = {1, 3, 5, 7};
    double a = 0, b = 0;
    EXPECT_EQ(FitFromC(x, y, 4, &a, &b), LSQ_OK);
    EXPECT_NEAR(a, 1, 1e-12);
    EXPECT_NEAR(b, 2, 1e-12);
}

}  // namespace
