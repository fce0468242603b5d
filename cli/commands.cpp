#include "commands.h"

#include <CLI/CLI.hpp>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "batch.h"
#include "buffered_output.h"
#include "case_fields.h"
#include "case_rows.h"
#include "number_text.h"
#include "spectrum_plot.h"
#include "sweep.h"

namespace {

// A rejected value; the message names the option.
struct BadInput {
    std::string message;
};

// The texts of the case options as typed; each is read with the form's
// rules only after the command line as a whole was accepted.
struct CaseOptions {
    std::array<std::string, kCaseFieldCount> text;
    std::array<CLI::Option*, kCaseFieldCount> option{};
};

std::string OptionName(CaseField field) {
    std::string name(kCaseFieldNames[static_cast<std::size_t>(field)]);
    for (char& c : name)
        if (c == '_') c = '-';
    return "--" + name;
}

void AddCaseOptions(CLI::App* command, CaseOptions& o) {
    const ErrorFactorInputs defaults = DefaultCaseInputs();
    const std::string help[kCaseFieldCount] = {
        "nominal period T*, s (" + FormatNumberText(kPeriodMin) + " to " + FormatNumberText(kPeriodMax) + ")",
        "nominal behaviour factor q*",
        "design ground acceleration ag, in units of g (" + FormatNumberText(kAgMin) + " to " +
            FormatNumberText(kAgMax) + ")",
        "spectrum type: 1 or 2 (EC8 type 1 or 2)",
        "soil class: A, B, C, D or E",
        "minimum error factor on the behaviour factor",
        "maximum error factor on the behaviour factor",
        "minimum error factor on the stiffness",
        "maximum error factor on the stiffness",
        "minimum error factor on the mass",
        "maximum error factor on the mass"};
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        const auto field = static_cast<CaseField>(i);
        std::string names = OptionName(field);
        if (field == CaseField::BehaviourFactor) names = "-q," + names;
        o.option[i] = command->add_option(names, o.text[i], help[i])
                          ->default_str(FormatCaseField(field, defaults))
                          ->type_name("TEXT");
    }
}

ErrorFactorInputs ReadCaseOptions(const CaseOptions& o) {
    ErrorFactorInputs in = DefaultCaseInputs();
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        if (o.option[i]->count() == 0) continue;
        const auto field = static_cast<CaseField>(i);
        const FieldStatus status = ReadCaseField(field, o.text[i], in);
        if (status != FieldStatus::Ok)
            throw BadInput{OptionName(field) + ": " + DescribeFieldError(field, status, o.text[i])};
    }
    return in;
}

// One character that cannot be part of a number: "," (the default), ";",
// "|", or a tab (also written "tab").
char ReadSeparator(const std::string& text) {
    if (text == "tab" || text == "\t") return '\t';
    if (text == "," || text == ";" || text == "|") return text[0];
    throw BadInput{"--sep: '" + text + "' is not a separator: use ',', ';', '|' or 'tab'"};
}

void AddSeparatorOption(CLI::App* command, std::string& separator) {
    command->add_option("--sep", separator,
                        "CSV separator: ',', ';' (for spreadsheets that read the comma as decimal "
                        "separator; numbers keep the point), '|' or 'tab'")
        ->default_str(",");
}

// JSON numbers carry the value of the form's text (0.84, not
// 0.84000000000000008, and 3, not 3.0); values with no JSON number
// (infinities) are given as the form's text.
nlohmann::ordered_json JsonNumber(double x) {
    const std::string text = FormatNumberText(x);
    const std::optional<double> shown = ParseNumberText(text);
    if (!shown || !std::isfinite(*shown)) return text;
    // Whole numbers as integers; the bound keeps the conversion exact and defined.
    if (std::fabs(*shown) < 0x1p53 && std::trunc(*shown) == *shown) return static_cast<std::int64_t>(*shown);
    return *shown;
}

nlohmann::ordered_json CaseJson(const ErrorFactorInputs& in, const ErrorFactorBounds& b) {
    nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < kCaseFieldCount; ++i) {
        const auto field = static_cast<CaseField>(i);
        const std::string name(kCaseFieldNames[i]);
        if (field == CaseField::Soil)
            inputs[name] = FormatCaseField(field, in);
        else if (field == CaseField::Spectrum)
            inputs[name] = in.Spectrum == SpectrumType::Type2 ? 2 : 1;
        else
            inputs[name] = JsonNumber(CaseFieldNumber(field, in));
    }
    const std::array<double, 4> values = ResultValues(b);
    nlohmann::ordered_json results = nlohmann::ordered_json::object();
    for (std::size_t i = 0; i < 4; ++i) results[std::string(kResultNames[i])] = JsonNumber(values[i]);
    return {{"inputs", inputs}, {"results", results}};
}

void PrintTable(const ErrorFactorBounds& b) {
    const char* const labels[4] = {"Spostamento (min)", "Forza richiamo (min)", "Spostamento (max)",
                                   "Forza richiamo (max)"};
    const std::array<double, 4> values = ResultValues(b);
    for (std::size_t i = 0; i < 4; ++i)
        std::printf("%-10s %-8s %s\n", std::string(kResultNames[i]).c_str(), FormatNumberText(values[i]).c_str(),
                    labels[i]);
}

int WriteFailed(const char* what) {
    std::fprintf(stderr, "quintaro %s: the output could not be written\n", what);
    return kExitIoFailure;
}

}  // namespace

int RunQuintaro(int argc, char** argv) {
    CLI::App app{
        "QUINTARO: bounds of the displacement and restoring-force factors of a single-degree-of-freedom "
        "oscillator on the EN 1998-1 design spectrum, when the behaviour factor, stiffness and mass carry "
        "error factors. Numbers are read and written as in the dialog (point as decimal separator).",
        "quintaro"};
    app.require_subcommand(1);
    // The same options everywhere: on Windows CLI11 would otherwise read
    // "/path" arguments as /option switches.
    app.allow_windows_style_options(false);
    app.footer(
        "Exit status: 0 done; 2 bad input (unknown option, bad or out-of-range value, bad CSV header, or "
        "any bad CSV row; batch still writes every good row); 1 input or output failure.");

    CLI::App* bounds = app.add_subcommand("bounds", "Compute the four error-factor bounds of one case");
    CaseOptions boundsCase;
    AddCaseOptions(bounds, boundsCase);
    std::string format = "table", boundsSep = ",";
    bounds->add_option("--format", format, "table, csv or json")
        ->check(CLI::IsMember({"table", "csv", "json"}))
        ->capture_default_str();
    AddSeparatorOption(bounds, boundsSep);

    CLI::App* batch = app.add_subcommand(
        "batch",
        "Compute many cases from CSV. The header names the columns among period, behaviour_factor, ag, "
        "spectrum, soil, fqmin, fqmax, fkmin, fkmax, fmmin, fmmax (any subset, any order; missing ones take "
        "the defaults of bounds). Writes one CSV row per case: all inputs, then disp_min, force_min, "
        "disp_max, force_max. Bad rows are reported on standard error with line and column; good rows are "
        "still written, and the exit status is then 2.");
    std::string batchInput = "-", batchSep = ",";
    batch->add_option("input", batchInput, "CSV file to read; - for standard input")->capture_default_str();
    AddSeparatorOption(batch, batchSep);

    CLI::App* sweep = app.add_subcommand(
        "sweep", "Tabulate cases as CSV over a period range and/or lists of spectrum types and soil classes");
    CaseOptions sweepCase;
    AddCaseOptions(sweep, sweepCase);
    std::string fromText, toText, stepText, sweepSep = ",";
    std::vector<std::string> soilTexts, spectrumTexts;
    CLI::Option* from = sweep->add_option("--from", fromText, "first period, s")->type_name("TEXT");
    CLI::Option* to = sweep->add_option("--to", toText, "last period, s (included)")->type_name("TEXT");
    CLI::Option* step = sweep->add_option("--step", stepText, "period step, s")->type_name("TEXT");
    from->needs(to, step);
    to->needs(from, step);
    step->needs(from, to);
    sweep->add_option("--soils", soilTexts, "soil classes to tabulate, e.g. A,C,E or all")->delimiter(',');
    sweep->add_option("--spectra", spectrumTexts, "spectrum types to tabulate: 1, 2, 1,2 or all")->delimiter(',');
    AddSeparatorOption(sweep, sweepSep);

    CLI::App* plot = app.add_subcommand(
        "plot",
        "Draw the design spectrum Sd(T) of a case as SVG: the curves for q*, q* fqmin and q* fqmax, TB, TC "
        "and TD, the nominal point (T*, Sd0), the band Tmin to Tmax and the four corner ordinates");
    CaseOptions plotCase;
    AddCaseOptions(plot, plotCase);
    std::string plotOutput = "-";
    plot->add_option("-o,--output", plotOutput, "SVG file to write; - for standard output")
        ->capture_default_str();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? kExitOk : kExitBadInput;
    }

    try {
        if (bounds->parsed()) {
            const char sep = ReadSeparator(boundsSep);
            const ErrorFactorInputs in = ReadCaseOptions(boundsCase);
            const ErrorFactorBounds b = ComputeErrorFactorBounds(in);
            if (format == "table") {
                PrintTable(b);
            } else if (format == "json") {
                std::cout << CaseJson(in, b).dump(2) << '\n';
            } else {
                BufferedOutput out(stdout);
                CaseRowWriter rows(out, sep);
                rows.Header();
                rows.Row(in, b);
                if (!out.Flush()) return WriteFailed("bounds");
            }
            std::cout.flush();
            return std::ferror(stdout) || !std::cout ? WriteFailed("bounds") : kExitOk;
        }
        if (batch->parsed()) {
            const char sep = ReadSeparator(batchSep);
            std::FILE* input = stdin;
            if (batchInput != "-") {
                input = std::fopen(batchInput.c_str(), "rb");
                if (input == nullptr) {
                    std::fprintf(stderr, "quintaro batch: cannot open '%s'\n", batchInput.c_str());
                    return kExitIoFailure;
                }
            }
            const BatchSummary s = RunBatch(input, stdout, stderr, sep);
            if (input != stdin) std::fclose(input);
            if (s.badRows > 0)
                std::fprintf(stderr, "quintaro batch: %llu bad row(s) skipped, %llu row(s) written\n",
                             static_cast<unsigned long long>(s.badRows),
                             static_cast<unsigned long long>(s.goodRows));
            if (s.ioFailed) return kExitIoFailure;
            return s.headerRejected || s.badRows > 0 ? kExitBadInput : kExitOk;
        }
        if (sweep->parsed()) {
            SweepPlan plan;
            const char sep = ReadSeparator(sweepSep);
            plan.base = ReadCaseOptions(sweepCase);
            if (from->count() > 0) {
                double range[3] = {};
                const std::pair<const std::string*, const char*> parts[3] = {
                    {&fromText, "--from"}, {&toText, "--to"}, {&stepText, "--step"}};
                for (int i = 0; i < 3; ++i) {
                    ErrorFactorInputs scratch = plan.base;
                    // The ends are periods; the step is only a number.
                    const CaseField field = i < 2 ? CaseField::Period : CaseField::BehaviourFactor;
                    const FieldStatus status = ReadCaseField(field, *parts[i].first, scratch);
                    if (status != FieldStatus::Ok)
                        throw BadInput{std::string(parts[i].second) + ": " +
                                       DescribeFieldError(field, status, *parts[i].first)};
                    range[i] = i < 2 ? scratch.Period : scratch.BehaviourFactor;
                }
                const std::string error = PlanPeriodRange(range[0], range[1], range[2], plan.range);
                if (!error.empty()) throw BadInput{"--from/--to/--step: " + error};
                plan.hasRange = true;
            }
            const bool allSoils = soilTexts.size() == 1 && soilTexts[0] == "all";
            for (const std::string& t : allSoils ? std::vector<std::string>{"A", "B", "C", "D", "E"} : soilTexts) {
                ErrorFactorInputs scratch = plan.base;
                const FieldStatus status = ReadCaseField(CaseField::Soil, t, scratch);
                if (status != FieldStatus::Ok)
                    throw BadInput{"--soils: " + DescribeFieldError(CaseField::Soil, status, t)};
                plan.soils.push_back(scratch.Soil);
            }
            const bool allSpectra = spectrumTexts.size() == 1 && spectrumTexts[0] == "all";
            for (const std::string& t : allSpectra ? std::vector<std::string>{"1", "2"} : spectrumTexts) {
                ErrorFactorInputs scratch = plan.base;
                const FieldStatus status = ReadCaseField(CaseField::Spectrum, t, scratch);
                if (status != FieldStatus::Ok)
                    throw BadInput{"--spectra: " + DescribeFieldError(CaseField::Spectrum, status, t)};
                plan.spectra.push_back(scratch.Spectrum);
            }
            return RunSweep(plan, stdout, sep) ? kExitOk : WriteFailed("sweep");
        }
        if (plot->parsed()) {
            const ErrorFactorInputs in = ReadCaseOptions(plotCase);
            const std::string problem = CheckPlottable(in);
            if (!problem.empty()) throw BadInput{problem};
            const std::string svg = RenderSpectrumSvg(in);
            std::FILE* out = plotOutput == "-" ? stdout : std::fopen(plotOutput.c_str(), "wb");
            if (out == nullptr) {
                std::fprintf(stderr, "quintaro plot: cannot create '%s'\n", plotOutput.c_str());
                return kExitIoFailure;
            }
            bool ok = std::fwrite(svg.data(), 1, svg.size(), out) == svg.size();
            ok = (out == stdout ? std::fflush(out) : std::fclose(out)) == 0 && ok;
            return ok ? kExitOk : WriteFailed("plot");
        }
    } catch (const BadInput& e) {
        const CLI::App* command = app.get_subcommands().front();
        std::fprintf(stderr, "quintaro %s: %s\n", command->get_name().c_str(), e.message.c_str());
        return kExitBadInput;
    }
    return kExitOk;
}
