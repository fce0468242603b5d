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

// Two sets of values: the form's kind (short decimals as typed, results in
// hundredths) and arbitrary doubles that need all 17 digits.
std::vector<double> MakeValues(bool formLike) {
    std::vector<double> v;
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> hundredths(-300, 300);
    std::uniform_int_distribution<int> typed(1, 99999);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 4096; ++i) {
        if (formLike)
            v.push_back(i % 2 ? hundredths(rng) * 0.01 : typed(rng) / 1000.0);
        else
            v.push_back(i % 2 ? any(rng) : std::ldexp(any(rng), exponent(rng)));
    }
    return v;
}

const std::vector<double>& Values(bool formLike) {
    static const std::vector<double> form = MakeValues(true), arbitrary = MakeValues(false);
    return formLike ? form : arbitrary;
}

const std::vector<std::string>& Texts(bool formLike) {
    static const auto make = [](bool f) {
        std::vector<std::string> t;
        for (double x : Values(f)) t.push_back(FormatNumberText(x));
        return t;
    };
    static const std::vector<std::string> form = make(true), arbitrary = make(false);
    return formLike ? form : arbitrary;
}

void BM_Format_FormatNumberText(benchmark::State& state) {
    const auto& v = Values(state.range(0) != 0);
    char buf[kMaxNumberTextLength];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumberTextTo(v[i++ & 4095], buf));
        benchmark::ClobberMemory();
    }
}

void BM_Format_ToChars15(benchmark::State& state) {
    const auto& v = Values(state.range(0) != 0);
    char buf[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buf, buf + sizeof buf, v[i++ & 4095], std::chars_format::general, 15));
        benchmark::ClobberMemory();
    }
}

void BM_Format_Snprintf15g(benchmark::State& state) {
    const auto& v = Values(state.range(0) != 0);
    char buf[64];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buf, sizeof buf, "%.15g", v[i++ & 4095]));
        benchmark::ClobberMemory();
    }
}

void BM_Parse_ParseNumberText(benchmark::State& state) {
    const auto& t = Texts(state.range(0) != 0);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseNumberText(t[i++ & 4095]));
}

void BM_Parse_FromChars(benchmark::State& state) {
    const auto& t = Texts(state.range(0) != 0);
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& s = t[i++ & 4095];
        double x;
        benchmark::DoNotOptimize(std::from_chars(s.data(), s.data() + s.size(), x));
        benchmark::DoNotOptimize(x);
    }
}

void BM_Parse_Strtod(benchmark::State& state) {
    const auto& t = Texts(state.range(0) != 0);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(std::strtod(t[i++ & 4095].c_str(), nullptr));
}

BENCHMARK(BM_Format_FormatNumberText)->ArgName("form")->Arg(1)->Arg(0);
BENCHMARK(BM_Format_ToChars15)->ArgName("form")->Arg(1)->Arg(0);
BENCHMARK(BM_Format_Snprintf15g)->ArgName("form")->Arg(1)->Arg(0);
BENCHMARK(BM_Parse_ParseNumberText)->ArgName("form")->Arg(1)->Arg(0);
BENCHMARK(BM_Parse_FromChars)->ArgName("form")->Arg(1)->Arg(0);
BENCHMARK(BM_Parse_Strtod)->ArgName("form")->Arg(1)->Arg(0);

}  // namespace

BENCHMARK_MAIN();
