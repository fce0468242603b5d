// FormatNumberText and ParseNumberText side by side with the standard
// library's exact conversions and with printf/strtod, on the same values.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "number_text.h"

namespace {

// Values like the form's: short decimals, results in hundredths, and a few
// long and extreme ones.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::vector<double> v;
        std::mt19937_64 rng(7);
        std::uniform_int_distribution<int> hundredths(-300, 300);
        std::uniform_real_distribution<double> any(-1e6, 1e6);
        std::uniform_int_distribution<int> exponent(-30, 30);
        for (int i = 0; i < 4096; ++i) {
            switch (i % 4) {
                case 0: v.push_back(hundredths(rng) * 0.01); break;
                case 1: v.push_back(any(rng)); break;
                case 2: v.push_back(std::ldexp(any(rng), exponent(rng))); break;
                default: v.push_back(1.0 / (1 + i)); break;
            }
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (double x : Values()) t.push_back(FormatNumberText(x));
        return t;
    }();
    return texts;
}

void BM_Format_FormatNumberText(benchmark::State& state) {
    const auto& v = Values();
    char buf[kMaxNumberTextLength];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumberTextTo(v[i++ & 4095], buf));
        benchmark::ClobberMemory();
    }
}

void BM_Format_ToChars15(benchmark::State& state) {
    const auto& v = Values();
    char buf[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buf, buf + sizeof buf, v[i++ & 4095], std::chars_format::general, 15));
        benchmark::ClobberMemory();
    }
}

void BM_Format_Snprintf15g(benchmark::State& state) {
    const auto& v = Values();
    char buf[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%.15g", v[i++ & 4095]));
        benchmark::ClobberMemory();
    }
}

void BM_Parse_ParseNumberText(benchmark::State& state) {
    const auto& t = Texts();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseNumberText(t[i++ & 4095]));
}

void BM_Parse_FromChars(benchmark::State& state) {
    const auto& t = Texts();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& s = t[i++ & 4095];
        double x;
        benchmark::DoNotOptimize(std::from_chars(s.data(), s.data() + s.size(), x));
        benchmark::DoNotOptimize(x);
    }
}

void BM_Parse_Strtod(benchmark::State& state) {
    const auto& t = Texts();
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(std::strtod(t[i++ & 4095].c_str(), nullptr));
}

BENCHMARK(BM_Format_FormatNumberText);
BENCHMARK(BM_Format_ToChars15);
BENCHMARK(BM_Format_Snprintf15g);
BENCHMARK(BM_Parse_ParseNumberText);
BENCHMARK(BM_Parse_FromChars);
BENCHMARK(BM_Parse_Strtod);

}  // namespace

BENCHMARK_MAIN();
