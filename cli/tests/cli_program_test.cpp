// Runs the built quintaro program as a user would and checks its output,
// its messages and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string Fixture(const std::string& name) { return std::string(QUINTARO_CLI_FIXTURES) + "/" + name; }

std::string ShellQuote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs quintaro with args, standard input from stdinText.
Outcome RunQuintaro(const std::vector<std::string>& args, const std::string& stdinText = "") {
    const std::string base = ::testing::TempDir() + "quintaro_test_" + std::to_string(::getpid());
    {
        std::ofstream in(base + ".in", std::ios::binary);
        in << stdinText;
    }
    std::string command = ShellQuote(QUINTARO_EXE);
    for (const std::string& a : args) command += " " + ShellQuote(a);
    command += " <" + base + ".in >" + base + ".out 2>" + base + ".err";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = ReadFile(base + ".out");
    o.err = ReadFile(base + ".err");
    for (const char* ext : {".in", ".out", ".err"}) std::remove((base + ext).c_str());
    return o;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

// The last four fields of a CSV row: the results.
std::string Results(const std::string& row, char sep = ',') {
    std::size_t pos = row.size();
    for (int i = 0; i < 4; ++i) pos = row.rfind(sep, pos - 1);
    return row.substr(pos + 1);
}

const std::string kHeader =
    "period,behaviour_factor,ag,spectrum,soil,fqmin,fqmax,fkmin,fkmax,fmmin,fmmax,"
    "disp_min,force_min,disp_max,force_max";

// The options of bounds that reproduce one output row (its first 11 fields).
std::vector<std::string> BoundsArgsFor(const std::string& row) {
    static const char* const options[] = {"--period", "--behaviour-factor", "--ag",    "--spectrum",
                                          "--soil",   "--fqmin",            "--fqmax", "--fkmin",
                                          "--fkmax",  "--fmmin",            "--fmmax"};
    std::vector<std::string> args = {"bounds", "--format", "csv"};
    std::stringstream s(row);
    std::string field;
    for (const char* option : options) {
        std::getline(s, field, ',');
        args.push_back(std::string(option) + "=" + field);
    }
    return args;
}

TEST(Bounds, DefaultsGiveTheFormsResultsInEveryFormat) {
    const Outcome table = RunQuintaro({"bounds"});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.err, "");
    EXPECT_EQ(table.out,
              "disp_min   0.84     Spostamento (min)\n"
              "force_min  0.88     Forza richiamo (min)\n"
              "disp_max   1.2      Spostamento (max)\n"
              "force_max  1.14     Forza richiamo (max)\n");

    const Outcome csv = RunQuintaro({"bounds", "--format", "csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, kHeader + "\n1,3,0.35,1,C,0.9,1.1,0.95,1.05,0.9,1.1,0.84,0.88,1.2,1.14\n");

    const Outcome json = RunQuintaro({"bounds", "--format", "json"});
    ASSERT_EQ(json.status, 0);
    const auto j = nlohmann::json::parse(json.out);
    // The values of the texts the form shows: exactly the doubles nearest to them.
    EXPECT_EQ(j["results"]["disp_min"].get<double>(), 0.84);
    EXPECT_EQ(j["results"]["force_min"].get<double>(), 0.88);
    EXPECT_EQ(j["results"]["disp_max"].get<double>(), 1.2);
    EXPECT_EQ(j["results"]["force_max"].get<double>(), 1.14);
    EXPECT_EQ(j["inputs"]["soil"], "C");
    EXPECT_EQ(j["inputs"]["spectrum"], 1);
    EXPECT_EQ(j["inputs"]["period"].dump(), "1");
}

TEST(Bounds, EachOptionReachesItsInput) {
    // Worked cases in which each option, or the exchange of a pair, moves the results.
    const struct {
        std::vector<std::string> args;
        std::string results;
    } cases[] = {
        {{"--soil", "A", "--period", "0.1"}, "0.8,0.84,1.27,1.21"},
        {{"--soil", "b", "--period", "0.3"}, "0.78,0.82,1.29,1.22"},
        {{"--spectrum", "2", "--soil", "A", "--period", "3.0", "-q", "4.0"}, "0.86,0.9,1.16,1.1"},
        {{"--spectrum", "2", "--soil", "D", "--period", "2.0", "--behaviour-factor", "1.5"}, "0.91,0.86,1.11,1.17"},
        {{"--spectrum", "2", "--soil", "E", "--ag", "0.3", "-q", "2.0", "--fqmin", "0.8", "--fqmax", "1.25",
          "--fkmin", "0.7", "--fkmax", "1.3", "--fmmin", "0.8", "--fmmax", "1.2"},
         "0.63,0.67,1.5,1.27"},
        {{"--fmmin", "0"}, "0,0,1.2,1.14"},
        {{"--fmmin", "1.1", "--fmmax", "0.9"}, "0.88,0.84,1.14,1.19"},
        {{"--soil", "B", "--period", "0.3", "--fqmin=-1.0"}, "-1.16,-1.1,1.05,1"},
        {{"--period", " 2d0 "}, "0.84,0.86,1.11,1.08"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"bounds", "--format", "csv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = RunQuintaro(args);
        ASSERT_EQ(o.status, 0) << c.args[0] << o.err;
        const auto lines = Lines(o.out);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(Results(lines[1]), c.results) << lines[1];
    }
}

TEST(Bounds, RangeEndsOfPeriodAndAgAreAccepted) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--period", "0.00001"},
                                                                  {"--period", "100"},
                                                                  {"--ag", "0.0001"},
                                                                  {"--ag", "10"}}) {
        std::vector<std::string> a = {"bounds", args[0], args[1]};
        EXPECT_EQ(RunQuintaro(a).status, 0) << args[0] << " " << args[1];
    }
}

TEST(Options, BadValuesAndUsageExitWith2AndANamedMessage) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"bounds", "--period", "0"}, "--period: '0' is out of range: period must be between 1e-005 and 100"},
        {{"bounds", "--period", "0.0000099999"}, "period must be between 1e-005 and 100"},
        {{"bounds", "--period", "100.0000000000001"}, "period must be between 1e-005 and 100"},
        {{"bounds", "--period", "1e400"}, "--period: '1e400' is out of range"},
        {{"bounds", "--ag", "10.000000000000002"}, "--ag: '10.000000000000002' is out of range: ag must be between 0.0001 and 10"},
        {{"bounds", "--ag", "0"}, "ag must be between 0.0001 and 10"},
        {{"bounds", "--fkmax", "abc"}, "--fkmax: 'abc' is not a number"},
        {{"bounds", "--ag", "0,35"}, "--ag: '0,35' is not a number"},
        {{"bounds", "-q", "1.#INF"}, "--behaviour-factor: '1.#INF' is not a number"},
        {{"bounds", "--fqmin", "-0"}, "--fqmin: '-0' is not a number"},
        {{"bounds", "--soil", "F"}, "--soil: 'F' is not a soil class"},
        {{"bounds", "--spectrum", "3"}, "--spectrum: '3' is not a spectrum type"},
        {{"bounds", "--sep", "."}, "--sep: '.' is not a separator"},
        {{"bounds", "--format", "xml"}, "--format"},
        {{"bounds", "--bogus"}, "--bogus"},
        {{"bogus"}, "A subcommand is required"},
        {{}, "subcommand"},
        {{"sweep", "--from", "0.5", "--to", "0.1", "--step", "0.1"}, "is greater than the last"},
        {{"sweep", "--from", "0.1", "--to", "0.5", "--step", "0"}, "step must be greater than 0"},
        {{"sweep", "--from", "0", "--to", "0.5", "--step", "0.1"}, "--from: '0' is out of range"},
        {{"sweep", "--from", "0.1", "--to", "0.5"}, "--step"},
        {{"sweep", "--soils", "A,X"}, "--soils: 'X' is not a soil class"},
        {{"plot", "-q", "0"}, "behaviour_factor is 0: the plot needs a finite value greater than 0"},
        {{"plot", "--fkmin", "1e400"}, "fkmin is 1.#INF"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunQuintaro(c.args);
        const std::string what = c.args.empty() ? "(no arguments)" : c.args.back();
        EXPECT_EQ(o.status, 2) << what;
        EXPECT_EQ(o.out, "") << what;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << what << ": " << o.err;
    }
}

TEST(Options, HelpForTheProgramAndEachSubcommand) {
    const Outcome top = RunQuintaro({"--help"});
    EXPECT_EQ(top.status, 0);
    for (const char* sub : {"bounds", "batch", "sweep", "plot"}) EXPECT_NE(top.out.find(sub), std::string::npos);
    for (const char* sub : {"bounds", "batch", "sweep", "plot"}) {
        const Outcome o = RunQuintaro({sub, "--help"});
        EXPECT_EQ(o.status, 0) << sub;
        EXPECT_NE(o.out.find(std::string(sub) == "batch" ? "--sep" : "--behaviour-factor"), std::string::npos)
            << sub;
    }
}

TEST(Batch, RowsEqualBoundsRunCaseByCase) {
    const Outcome o = RunQuintaro({"batch", Fixture("cases.csv")});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.err, "");
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], kHeader);
    const char* const expected[] = {"0.8,0.84,1.27,1.21",  "0.78,0.82,1.29,1.22", "0.86,0.9,1.16,1.1",
                                    "0.91,0.86,1.11,1.17", "0.78,0.82,1.2,1.14",  "0.84,0.86,1.11,1.08",
                                    "0.77,0.81,1.29,1.22"};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(Results(lines[i]), expected[i - 1]) << lines[i];
        const Outcome single = RunQuintaro(BoundsArgsFor(lines[i]));
        ASSERT_EQ(single.status, 0) << single.err;
        EXPECT_EQ(Lines(single.out).at(1), lines[i]);
    }
}

TEST(Batch, SemicolonsQuotesCrLfAndByteOrderMarkFromStandardInput) {
    const Outcome o = RunQuintaro({"batch", "--sep", ";"}, ReadFile(Fixture("semicolon.csv")));
    ASSERT_EQ(o.status, 0) << o.err;
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 20), "period;behaviour_fac");
    EXPECT_EQ(lines[1], "1;3;0.35;1;C;0.9;1.1;0.95;1.05;1.1;0.9;0.88;0.84;1.14;1.19");
    EXPECT_EQ(lines[2], "1;3;0.35;1;C;0.9;1.1;0.95;1.05;0;1.1;0;0;1.2;1.14");
}

TEST(Batch, BadRowsAreReportedAndTheGoodOnesStillWritten) {
    const Outcome o = RunQuintaro({"batch", Fixture("bad_rows.csv")});
    EXPECT_EQ(o.status, 2);
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 3u) << o.out;
    EXPECT_EQ(lines[1], "1,3,0.35,1,C,0.9,1.1,0.95,1.05,0.9,1.1,0.84,0.88,1.2,1.14");
    EXPECT_EQ(lines[2], "0.3,3,0.35,1,B,0.9,1.1,0.95,1.05,0.9,1.1,0.78,0.82,1.29,1.22");
    const auto messages = Lines(o.err);
    const std::vector<std::string> expected = {
        "quintaro batch: line 3, column 1 (period): 'abc' is not a number",
        "quintaro batch: line 4, column 1 (period): '0' is out of range: period must be between 1e-005 and 100",
        "quintaro batch: line 5, column 2 (ag): '10.000000000000002' is out of range: ag must be between 0.0001 "
        "and 10",
        "quintaro batch: line 6, column 3 (soil): 'F' is not a soil class: use A, B, C, D or E",
        "quintaro batch: line 7: 2 fields, but the header names 3",
        "quintaro batch: line 8, column 1: the quoted field has no closing quote",
        "quintaro batch: line 9: 4 fields, but the header names 3",
        "quintaro batch: 7 bad row(s) skipped, 2 row(s) written",
    };
    EXPECT_EQ(messages, expected);
}

TEST(Batch, BadHeadersStopBeforeAnyRow) {
    const struct {
        std::string input, message;
    } cases[] = {
        {"", "the input is empty"},
        {"period,q\n1,3\n", "line 1, column 2: unknown column 'q'"},
        {"period,ag,period\n1,0.35,1\n", "line 1, column 3: column 'period' appears twice"},
        {"\"period,ag\n", "line 1, column 1: the quoted field has no closing quote"},
    };
    for (const auto& c : cases) {
        const Outcome o = RunQuintaro({"batch"}, c.input);
        EXPECT_EQ(o.status, 2) << c.input;
        EXPECT_EQ(o.out, "") << c.input;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
    }
    const Outcome missing = RunQuintaro({"batch", Fixture("no-such-file.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot open"), std::string::npos);
}

TEST(Batch, ALineLongerThanTheBufferIsSkippedAndReadingGoesOn) {
    std::string input = "period\n1\n" + std::string(70000, '1') + "\n0.3\n";
    const Outcome o = RunQuintaro({"batch"}, input);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(Lines(o.out).size(), 3u);
    EXPECT_NE(o.err.find("line 3: longer than 65536 characters"), std::string::npos) << o.err;
}

TEST(SweepAndBatch, ThousandsOfRowsAcrossBufferBoundariesAgree) {
    // A sweep's rows, fed back to batch as inputs, come out identical: the
    // printed inputs reproduce each case, and streaming loses nothing.
    const Outcome sweep = RunQuintaro({"sweep", "--from", "0.01", "--to", "60", "--step", "0.01", "--soils", "A,D"});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const auto rows = Lines(sweep.out);
    ASSERT_EQ(rows.size(), 1u + 2 * 6000);
    EXPECT_EQ(rows[1].substr(0, 5), "0.01,");
    EXPECT_EQ(rows[6000].substr(0, 3), "60,");
    std::string input;
    for (const std::string& row : rows) {
        std::size_t pos = row.size();
        for (int i = 0; i < 4; ++i) pos = row.rfind(',', pos - 1);
        input += row.substr(0, pos) + "\n";
    }
    const Outcome batch = RunQuintaro({"batch"}, input);
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_TRUE(batch.out == sweep.out);
}

TEST(Sweep, ListsOfSpectraAndSoilsAroundFixedPeriod) {
    const Outcome o = RunQuintaro({"sweep", "--spectra", "all", "--soils", "A", "--soils", "E", "--period", "0.1"});
    ASSERT_EQ(o.status, 0) << o.err;
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1].substr(0, 13), "0.1,3,0.35,1,");
    EXPECT_EQ(lines[1], "0.1,3,0.35,1,A,0.9,1.1,0.95,1.05,0.9,1.1,0.8,0.84,1.27,1.21");
    EXPECT_EQ(lines[4].substr(0, 16), "0.1,3,0.35,2,E,0");
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(Lines(RunQuintaro(BoundsArgsFor(lines[i])).out).at(1), lines[i]);
}

TEST(Plot, DrawsTheSpectrumWithItsMarksAndRenders) {
    const std::string svg = ::testing::TempDir() + "quintaro_plot_test.svg";
    const Outcome o = RunQuintaro({"plot", "--soil", "C", "-o", svg});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string text = ReadFile(svg);
    for (const char* mark : {"<svg", "TB = 0.2 s", "TC = 0.6 s", "TD = 2 s", "T*", "Tmin", "Tmax", "A1", "A2",
                             "A3", "A4", "Period T [s]", "Sd(T) [g]", "displacement factor 0.84 to 1.2",
                             "force factor 0.88 to 1.14", "</svg>"})
        EXPECT_NE(text.find(mark), std::string::npos) << mark;
    // Well formed enough for a real renderer.
    const std::string png = svg + ".png";
    EXPECT_EQ(std::system(("rsvg-convert -o " + ShellQuote(png) + " " + ShellQuote(svg)).c_str()), 0);
    EXPECT_GT(ReadFile(png).size(), 1000u);
    std::remove(svg.c_str());
    std::remove(png.c_str());

    const Outcome toStdout = RunQuintaro({"plot"});
    EXPECT_EQ(toStdout.status, 0);
    EXPECT_EQ(toStdout.out.substr(0, 4), "<svg");
}

}  // namespace
