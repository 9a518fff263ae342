#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/CountHistogram.h"

TEST(CountHistogram, partsMergeIntoTheWholeHoweverTheValuesWereShared) {
    // Narrow values stay exact; a wide spread forces wider bins, which parts
    // that saw only some of the values must reach all the same.
    for (std::int64_t spread : {1'000LL, 50'000'000LL}) {
        std::mt19937_64 random(spread);
        std::vector<std::int64_t> values;
        // The values spread out as they come, so the bins widen while they
        // already hold many counts.
        for (std::int64_t i = 1; i <= 30'000; ++i) {
            const std::int64_t reach = 1 + spread * i / 30'000;
            values.push_back(static_cast<std::int64_t>(random() % static_cast<std::uint64_t>(reach)) - reach / 3);
        }
        CountHistogram whole;
        for (std::int64_t v : values)
            whole.add(v);
        // The third part sees only the first, narrowest values, so it keeps finer
        // bins than the others until it is merged.
        CountHistogram parts[3];
        for (std::size_t i = 0; i < values.size(); ++i)
            parts[i < 3'000 ? 2 : i % 2].add(values[i]);
        CountHistogram merged = parts[2];
        merged.merge(parts[0]);
        merged.merge(parts[1]);
        CountHistogram mergedTheOtherWay = parts[0];
        mergedTheOtherWay.merge(parts[2]);
        mergedTheOtherWay.merge(parts[1]);
        EXPECT_EQ(mergedTheOtherWay.bars(40, 1.0).size(), merged.bars(40, 1.0).size());
        EXPECT_EQ(mergedTheOtherWay.median(), merged.median());

        const auto bars = whole.bars(40, 1.0);
        const auto mergedBars = merged.bars(40, 1.0);
        ASSERT_EQ(bars.size(), mergedBars.size());
        double total = 0;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            EXPECT_EQ(bars[i].probability, mergedBars[i].probability);
            EXPECT_EQ(bars[i].low, mergedBars[i].low);
            total += bars[i].probability;
        }
        EXPECT_NEAR(total, 1.0, 1e-9);
        EXPECT_LE(bars.size(), 40u);
        std::sort(values.begin(), values.end());
        EXPECT_LE(bars.front().low, static_cast<double>(values.front()));
        EXPECT_GT(bars.back().high, static_cast<double>(values.back()));
        for (const HistogramBin& bar : bars) {
            const auto inside = std::lower_bound(values.begin(), values.end(), static_cast<std::int64_t>(bar.high)) -
                                std::lower_bound(values.begin(), values.end(), static_cast<std::int64_t>(bar.low));
            ASSERT_NEAR(bar.probability, static_cast<double>(inside) / static_cast<double>(values.size()), 1e-12)
                << "bar from " << bar.low;
        }
        EXPECT_EQ(merged.median(), whole.median());
        // The median is exact while the bins hold one value each, and within
        // one bin otherwise.
        const auto trueMedian = static_cast<double>(values[(values.size() + 1) / 2 - 1]);
        const double binWidth = spread < CountHistogram::kMaxBins ? 0.0 : static_cast<double>(spread) / 32'768;
        EXPECT_NEAR(whole.median(), trueMedian, binWidth);
    }
}
