#include "spectrum_plot.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

#include "axis_ticks.h"
#include "case_fields.h"
#include "number_text.h"

namespace {

// Page and plot area, in SVG user units.
constexpr double kWidth = 960, kHeight = 600;
constexpr double kLeft = 90, kRight = 930, kTop = 80, kBottom = 505;
constexpr int kSamples = 480;

const char* const kNominalColour = "#1f3a93";
const char* const kQ1Colour = "#d35400";
const char* const kQ2Colour = "#16a085";
const char* const kPointColour = "#c0392b";

// A coordinate: fixed notation, one decimal, independent of the locale.
std::string Coord(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
    return std::string(buf, r.ptr);
}

std::string Text(double v) { return FormatNumberText(v); }

// A label's number, rounded to four significant digits so it stays short.
std::string ShortText(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 3);
    return Text(ParseNumberText(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf))).value_or(v));
}

struct Scale {
    double tMax, sdMax;
    double X(double t) const { return kLeft + t / tMax * (kRight - kLeft); }
    double Y(double sd) const { return kBottom - sd / sdMax * (kBottom - kTop); }
};

class Svg {
public:
    void Line(double x1, double y1, double x2, double y2, std::string_view style) {
        s_ += "<line x1=\"" + Coord(x1) + "\" y1=\"" + Coord(y1) + "\" x2=\"" + Coord(x2) + "\" y2=\"" +
              Coord(y2) + "\" " + std::string(style) + "/>\n";
    }
    void Rect(double x, double y, double w, double h, std::string_view style) {
        s_ += "<rect x=\"" + Coord(x) + "\" y=\"" + Coord(y) + "\" width=\"" + Coord(w) + "\" height=\"" +
              Coord(h) + "\" " + std::string(style) + "/>\n";
    }
    void Circle(double x, double y, double r, std::string_view style) {
        s_ += "<circle cx=\"" + Coord(x) + "\" cy=\"" + Coord(y) + "\" r=\"" + Coord(r) + "\" " +
              std::string(style) + "/>\n";
    }
    // anchor: start, middle or end.
    void Label(double x, double y, std::string_view anchor, std::string_view text, std::string_view style = "") {
        s_ += "<text x=\"" + Coord(x) + "\" y=\"" + Coord(y) + "\" text-anchor=\"" + std::string(anchor) + "\" " +
              std::string(style) + ">" + std::string(text) + "</text>\n";
    }
    void Polyline(const std::vector<std::pair<double, double>>& points, std::string_view style) {
        s_ += "<polyline fill=\"none\" " + std::string(style) + " points=\"";
        for (const auto& [x, y] : points) s_ += Coord(x) + "," + Coord(y) + " ";
        s_ += "\"/>\n";
    }
    void Raw(std::string_view text) { s_ += text; }
    std::string& Str() { return s_; }

private:
    std::string s_;
};

// Sd over 0..tMax: even samples plus the corners of the curve at TB, TC, TD.
std::vector<double> SamplePeriods(const SpectrumParams& p, double tMax) {
    std::vector<double> t;
    for (int i = 0; i <= kSamples; ++i) t.push_back(tMax * i / kSamples);
    for (double corner : {p.TB, p.TC, p.TD})
        if (corner < tMax) t.push_back(corner);
    std::sort(t.begin(), t.end());
    return t;
}

void DrawCurve(Svg& svg, const Scale& s, const std::vector<double>& periods, const SpectrumParams& p, double q,
               double ag, std::string_view style) {
    std::vector<std::pair<double, double>> points;
    for (double t : periods) points.emplace_back(s.X(t), s.Y(DesignSpectrumOrdinate(t, p, q, ag)));
    svg.Polyline(points, style);
}

void DrawAxes(Svg& svg, const Scale& s, const AxisTicks& tx, const AxisTicks& ty) {
    for (int i = 0; i <= tx.count; ++i) {
        const double t = tx.step * i, x = s.X(t);
        if (i > 0) svg.Line(x, kTop, x, kBottom, "stroke=\"#e4e4e4\"");
        svg.Line(x, kBottom, x, kBottom + 6, "stroke=\"#333\"");
        svg.Label(x, kBottom + 22, "middle", Text(t));
    }
    for (int i = 0; i <= ty.count; ++i) {
        const double sd = ty.step * i, y = s.Y(sd);
        if (i > 0) svg.Line(kLeft, y, kRight, y, "stroke=\"#e4e4e4\"");
        svg.Line(kLeft - 6, y, kLeft, y, "stroke=\"#333\"");
        svg.Label(kLeft - 10, y + 5, "end", Text(sd));
    }
    svg.Rect(kLeft, kTop, kRight - kLeft, kBottom - kTop, "fill=\"none\" stroke=\"#333\"");
    svg.Label((kLeft + kRight) / 2, kBottom + 70, "middle", "Period T [s]", "font-weight=\"bold\"");
    svg.Raw("<text x=\"28\" y=\"" + Coord((kTop + kBottom) / 2) + "\" text-anchor=\"middle\" font-weight=\"bold\" " +
            "transform=\"rotate(-90 28 " + Coord((kTop + kBottom) / 2) + ")\">Sd(T) [g]</text>\n");
}

// TB, TC, TD as dashed verticals, named above the plot area. Labels that
// would run into the previous one move up a line.
void DrawSpectrumCorners(Svg& svg, const Scale& s, const SpectrumParams& p) {
    const std::pair<const char*, double> corners[] = {{"TB", p.TB}, {"TC", p.TC}, {"TD", p.TD}};
    double lastX = -1e9;
    int level = 0;
    for (const auto& [name, t] : corners) {
        if (!(t <= s.tMax)) continue;
        const double x = s.X(t);
        svg.Line(x, kTop, x, kBottom, "stroke=\"#777\" stroke-dasharray=\"6 4\"");
        level = x - lastX < 80 ? level + 1 : 0;
        svg.Label(x, kTop - 8 - 16 * level, "middle", std::string(name) + " = " + Text(t) + " s",
                  "fill=\"#555\"");
        lastX = x;
    }
}

void DrawLegend(Svg& svg, const ErrorFactorInputs& in, const ErrorFactorCorners& c, const ErrorFactorBounds& b) {
    const double x = kRight - 310, y = kTop + 14;
    svg.Rect(x - 12, y - 4, 312, 172, "fill=\"white\" fill-opacity=\"0.92\" stroke=\"#bbb\"");
    const double rowY[] = {y + 12, y + 32, y + 52, y + 72, y + 92, y + 112};
    svg.Line(x, rowY[0], x + 30, rowY[0], std::string("stroke=\"") + kNominalColour + "\" stroke-width=\"2.5\"");
    svg.Label(x + 40, rowY[0] + 5, "start", "q* = " + Text(in.BehaviourFactor));
    svg.Line(x, rowY[1], x + 30, rowY[1],
             std::string("stroke=\"") + kQ1Colour + "\" stroke-width=\"1.5\" stroke-dasharray=\"7 4\"");
    svg.Label(x + 40, rowY[1] + 5, "start", "q1 = q* fqmin = " + ShortText(c.Q1));
    svg.Line(x, rowY[2], x + 30, rowY[2],
             std::string("stroke=\"") + kQ2Colour + "\" stroke-width=\"1.5\" stroke-dasharray=\"2 3\"");
    svg.Label(x + 40, rowY[2] + 5, "start", "q2 = q* fqmax = " + ShortText(c.Q2));
    svg.Rect(x, rowY[3] - 7, 30, 14, "fill=\"#5dade2\" fill-opacity=\"0.25\" stroke=\"#5dade2\"");
    svg.Label(x + 40, rowY[3] + 5, "start", "Tmin = " + ShortText(c.TMin) + " s to Tmax = " + ShortText(c.TMax) + " s");
    svg.Circle(x + 15, rowY[4], 5, std::string("fill=\"") + kPointColour + "\"");
    svg.Label(x + 40, rowY[4] + 5, "start", "(T*, Sd0) = (" + ShortText(in.Period) + " s, " + ShortText(c.Sd0) + " g)");
    svg.Rect(x + 11, rowY[5] - 4, 8, 8, "fill=\"white\" stroke=\"#333\" stroke-width=\"1.5\"");
    svg.Label(x + 40, rowY[5] + 5, "start", "corner ordinates A1 to A4");
    svg.Label(x, rowY[5] + 26, "start", "displacement factor " + Text(b.DispMin) + " to " + Text(b.DispMax),
              "font-weight=\"bold\"");
    svg.Label(x, rowY[5] + 44, "start", "force factor " + Text(b.ForceMin) + " to " + Text(b.ForceMax),
              "font-weight=\"bold\"");
}

}  // namespace

std::string CheckPlottable(const ErrorFactorInputs& in) {
    const std::pair<CaseField, double> positives[] = {
        {CaseField::BehaviourFactor, in.BehaviourFactor}, {CaseField::FqMin, in.FqMin},
        {CaseField::FqMax, in.FqMax}, {CaseField::FkMin, in.FkMin}, {CaseField::FkMax, in.FkMax},
        {CaseField::FmMin, in.FmMin}, {CaseField::FmMax, in.FmMax}};
    for (const auto& [field, value] : positives) {
        if (!(value > 0 && std::isfinite(value)))
            return std::string(kCaseFieldNames[static_cast<std::size_t>(field)]) + " is " + Text(value) +
                   ": the plot needs a finite value greater than 0";
    }
    return {};
}

std::string RenderSpectrumSvg(const ErrorFactorInputs& in) {
    const SpectrumParams p = LookupSpectrumParams(in.Spectrum, in.Soil);
    const ErrorFactorCorners c = ComputeErrorFactorCorners(in);
    const ErrorFactorBounds b = ComputeErrorFactorBounds(in);

    // Periods: the whole spectrum to a little beyond TD, and the longest corner.
    const AxisTicks tx = NiceTicks(std::max({4.0, p.TD * 1.5, c.TMax * 1.15}), 10);
    const double tMax = tx.step * tx.count;
    const std::vector<double> periods = SamplePeriods(p, tMax);
    double sdTop = std::max(c.Sd0, *std::max_element(std::begin(c.Ordinate), std::end(c.Ordinate)));
    for (double q : {in.BehaviourFactor, c.Q1, c.Q2})
        for (double t : periods) sdTop = std::max(sdTop, DesignSpectrumOrdinate(t, p, q, in.Ag));
    // Head room for the legend over the plateau.
    const AxisTicks ty = NiceTicks(sdTop * 1.45, 8);
    const Scale s{tMax, ty.step * ty.count};

    Svg svg;
    svg.Raw("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Coord(kWidth) + "\" height=\"" + Coord(kHeight) +
            "\" viewBox=\"0 0 " + Coord(kWidth) + " " + Coord(kHeight) +
            "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"13\">\n");
    svg.Rect(0, 0, kWidth, kHeight, "fill=\"white\"");
    const std::string title = "Design spectrum Sd(T): EC8 type " + FormatCaseField(CaseField::Spectrum, in) +
                              ", soil " + FormatCaseField(CaseField::Soil, in) + ", q* = " +
                              Text(in.BehaviourFactor) + ", ag = " + Text(in.Ag) + " g";
    svg.Label(kWidth / 2, 28, "middle", title, "font-size=\"17\" font-weight=\"bold\"");

    // The band of periods the corners span, under everything else.
    svg.Rect(s.X(c.TMin), kTop, std::max(s.X(c.TMax) - s.X(c.TMin), 1.0), kBottom - kTop,
             "fill=\"#5dade2\" fill-opacity=\"0.18\"");
    DrawAxes(svg, s, tx, ty);
    DrawSpectrumCorners(svg, s, p);

    DrawCurve(svg, s, periods, p, c.Q1, in.Ag,
              std::string("stroke=\"") + kQ1Colour + "\" stroke-width=\"1.5\" stroke-dasharray=\"7 4\"");
    DrawCurve(svg, s, periods, p, c.Q2, in.Ag,
              std::string("stroke=\"") + kQ2Colour + "\" stroke-width=\"1.5\" stroke-dasharray=\"2 3\"");
    DrawCurve(svg, s, periods, p, in.BehaviourFactor, in.Ag,
              std::string("stroke=\"") + kNominalColour + "\" stroke-width=\"2.5\"");

    // The four corner ordinates: verticals at Tmin and Tmax up to the
    // higher corner, a marker on each corner. Their periods are named under
    // the axis, with T*.
    const double cornerT[4] = {c.TMin, c.TMin, c.TMax, c.TMax};
    const char* const italic = "fill=\"#333\" font-style=\"italic\"";
    for (int side = 0; side < 2; ++side) {
        const double x = s.X(cornerT[2 * side]);
        const double top = std::max(c.Ordinate[2 * side], c.Ordinate[2 * side + 1]);
        svg.Line(x, kBottom, x, s.Y(top), "stroke=\"#333\" stroke-width=\"1.5\"");
        svg.Label(side == 0 ? x + 3 : x - 3, kBottom + 40, side == 0 ? "end" : "start",
                  side == 0 ? "Tmin" : "Tmax", italic);
    }
    for (int i = 0; i < 4; ++i) {
        const double x = s.X(cornerT[i]), y = s.Y(c.Ordinate[i]);
        svg.Rect(x - 4, y - 4, 8, 8, "fill=\"white\" stroke=\"#333\" stroke-width=\"1.5\"");
    }
    // A1, A2 left of Tmin and A3, A4 right of Tmax; of a pair the higher
    // ordinate is named above its marker, the lower below, and a pair that
    // nearly coincides gets one label.
    for (int first = 0; first < 4; first += 2) {
        const double x = s.X(cornerT[first]) + (first == 0 ? -8 : 8);
        const char* anchor = first == 0 ? "end" : "start";
        const double y1 = s.Y(c.Ordinate[first]), y2 = s.Y(c.Ordinate[first + 1]);
        const std::string n1 = std::string(1, 'A') += std::to_string(first + 1);
        const std::string n2 = std::string(1, 'A') += std::to_string(first + 2);
        if (std::fabs(y1 - y2) < 14) {
            svg.Label(x, std::min(y1, y2) - 6, anchor, n1 + ", " + n2);
        } else {
            svg.Label(x, y1 < y2 ? y1 - 6 : y1 + 16, anchor, n1);
            svg.Label(x, y2 < y1 ? y2 - 6 : y2 + 16, anchor, n2);
        }
    }
    // The nominal point, with a dotted drop to its period on the axis.
    const double xNominal = s.X(in.Period), yNominal = s.Y(c.Sd0);
    svg.Line(xNominal, yNominal, xNominal, kBottom,
             std::string("stroke=\"") + kPointColour + "\" stroke-width=\"1.2\" stroke-dasharray=\"2 3\"");
    svg.Circle(xNominal, yNominal, 5.5, std::string("fill=\"") + kPointColour + "\" stroke=\"white\"");
    svg.Label(xNominal, kBottom + 40, "middle", "T*",
              std::string("fill=\"") + kPointColour + "\" font-weight=\"bold\" font-style=\"italic\"");

    DrawLegend(svg, in, c, b);
    svg.Raw("</svg>\n");
    return std::move(svg.Str());
}
