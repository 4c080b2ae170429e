#include "properties/Properties.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "lesson/constructions/LineAGeometry.h"
#include "lesson/constructions/TriangleGeometry.h"
#include "lesson/graph/Coefficients.h"
#include "lesson/graph/GraphGeometry.h"
#include "lesson/graph/ReadNumber.h"
#include "lesson/surface/DecimalText.h"
#include "lesson/surface/Numeric.h"
#include "properties/DigitsReference.h"
#include "properties/NumberReference.h"

namespace lesson::fuzz {

namespace {

std::string Show(double v) {
  std::ostringstream out;
  out.precision(17);
  out << v;
  return out.str();
}

std::string Show(const std::optional<double>& v) {
  return v ? Show(*v) : "out of range";
}

std::string Show(const DecimalDigits& d) {
  return d.digits + " x 10^" + std::to_string(d.exponent);
}

// Hands out the fuzzer's bytes as values; zeros once they run out.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  template <class T>
  T Raw() {
    unsigned char buffer[sizeof(T)] = {};
    for (unsigned char& b : buffer)
      b = Byte();
    T v;
    std::memcpy(&v, buffer, sizeof(T));
    return v;
  }

  // A coordinate: often one of the values that break careless arithmetic,
  // else a small number or any bit pattern.
  double Coordinate() {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    switch (Byte() % 16) {
      case 0:
        return FLT_MAX;
      case 1:
        return -FLT_MAX;
      case 2:
        return 1e300;
      case 3:
        return -1e300;
      case 4:
        return std::numeric_limits<double>::quiet_NaN();
      case 5:
        return kInf;
      case 6:
        return -kInf;
      case 7:
        return 0;
      case 8:
        return 640;
      case 9:
        return DBL_MAX;
      case 10:
      case 11:
      case 12:
        return Raw<std::int16_t>() / (1.0 + Byte());
      case 13:
        return Raw<float>();
      default:
        return Raw<double>();
    }
  }

 private:
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

bool IsFinite(const Segment& s) {
  return std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2);
}

// Distance of (px, py) from the line through the segment's end points,
// measured from the nearer end point, with the rounding error a correct
// clipping may make.
bool OnLine(const Segment& s, double px, double py, const Box& box) {
  using Wide = long double;
  const Wide dx = Wide(s.x2) - s.x1;
  const Wide dy = Wide(s.y2) - s.y1;
  const Wide length = std::hypot(dx, dy);
  const Wide d1 = std::hypot(Wide(px) - s.x1, Wide(py) - s.y1);
  const Wide d2 = std::hypot(Wide(px) - s.x2, Wide(py) - s.y2);
  const bool fromFirst = d1 <= d2;
  if (length == 0)
    return std::min(d1, d2) == 0;
  const Wide ax = fromFirst ? s.x1 : s.x2;
  const Wide ay = fromFirst ? s.y1 : s.y2;
  const Wide cross = (Wide(px) - ax) * dy - (Wide(py) - ay) * dx;
  const Wide extent = std::fabs(Wide(box.left)) + std::fabs(Wide(box.right)) +
                      std::fabs(Wide(box.top)) + std::fabs(Wide(box.bottom));
  const Wide tolerance =
      1e-9L + 64 * LDBL_EPSILON * (std::fabs(dx) + std::fabs(dy)) + 1e-12L * extent;
  return std::fabs(cross) / length <= tolerance;
}

bool Inside(const Box& box, double x, double y) {
  return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

// What the lesson hands to the surface, checked as it is handed over.
struct Calls {
  std::string failure;

  void Stroke(const char* what, float x1, float y1, float x2, float y2) {
    const Segment s{x1, y1, x2, y2};
    if (!IsFinite(s) && ClipSegment(s, Box{-4, -4, 644, 644}) && failure.empty())
      failure = std::string(what) + ": a stroke with a coordinate that is not finite was drawn";
  }
  void StepStroke(const char* what, float x1, float y1, float dx, float dy) {
    Stroke(what, x1, y1, x1 + dx, y1 + dy);
  }
  void Text(const char* what, double x, double y, const std::string& text) {
    const float fx = NarrowToFloat(x);
    const float fy = NarrowToFloat(y);
    // The surface writes no text that cannot reach the plane; no label is
    // wider or taller than this reach.
    constexpr float kReach = 2000;
    if (!(fx > -kReach && fx < 640 + kReach && fy > -kReach && fy < 640 + kReach))
      return;
    if (text.find("NaN") != std::string::npos && failure.empty()) {
      failure = std::string(what) + ": text \"" + text + "\" near the plane";
    }
  }
  void Finite(const char* what, float v) {
    if (!std::isfinite(v) && failure.empty())
      failure = std::string(what) + " is not finite";
  }
};

void Print(Calls& calls, const char* what, const PlacedText& t) {
  calls.Text(what, t.x, t.y, t.text);
}

// The label of a slope, a whole or decimal value or a fraction, as line A's
// steps and the triangle write it.
template <class Construction>
void PrintSlope(Calls& calls, const Construction& c) {
  if (c.form == SlopeLabelForm::kFraction) {
    Print(calls, "a numerator", c.numerator);
    Print(calls, "a fraction bar", c.bar);
    Print(calls, "a denominator", c.denominator);
  } else {
    Print(calls, "a slope", c.value);
  }
}

}  // namespace

std::string CheckReadNumber(std::string_view text) {
  const std::optional<double> got = ReadNumber(text);
  const std::optional<double> want = ReferenceNumber(text);
  if (got.has_value() != want.has_value() || (got && !(*got == *want))) {
    return "ReadNumber(\"" + std::string(text) + "\") = " + Show(got) + ", expected " + Show(want);
  }
  return {};
}

std::string CheckCoefficients(const std::uint8_t* data, std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = all.find('\0');
  const std::string_view slope = all.substr(0, nul);
  const std::string_view intercept = nul == std::string_view::npos ? "" : all.substr(nul + 1);
  using Outcome = CoefficientReading::Outcome;
  const CoefficientReading got = ReadCoefficients(slope, intercept);

  // The reading the rules call for, from the independent reader.
  Outcome outcome = Outcome::kRead;
  Coefficients want;
  const std::size_t bar = slope.find('/');
  if (slope.empty() && intercept.empty()) {
    outcome = Outcome::kBothEmpty;
  } else if (bar != std::string_view::npos) {
    const auto p = ReferenceNumber(slope.substr(0, bar));
    const auto q = ReferenceNumber(slope.substr(bar + 1));
    const double rounded = q ? RoundHalfEven(*q) : 0;
    if (!p || !q || rounded == 0 || rounded < -32768 || rounded > 32767) {
      outcome = Outcome::kSlopeInvalid;
    } else {
      want.slopeNum = *p;
      want.slopeDen = static_cast<std::int16_t>(rounded);
      want.slopeA = *p / rounded;
    }
  } else if (const auto a = ReferenceNumber(slope)) {
    want.slopeA = *a;
  } else {
    outcome = Outcome::kSlopeInvalid;
  }
  if (outcome == Outcome::kRead) {
    const auto b = ReferenceNumber(intercept);
    if (!b || std::fabs(*b) > FLT_MAX) {
      outcome = Outcome::kInterceptInvalid;
    } else {
      want.interceptB = static_cast<float>(*b);
    }
  }

  const std::string texts = "\"" + std::string(slope) + "\", \"" + std::string(intercept) + "\"";
  if (got.outcome != outcome)
    return "ReadCoefficients(" + texts + "): outcome differs from the rules";
  if (outcome != Outcome::kRead)
    return {};
  const Coefficients& c = got.coefficients;
  if (!std::isfinite(c.slopeA) || c.slopeDen == 0 || !std::isfinite(c.interceptB))
    return "ReadCoefficients(" + texts + "): accepted a value beyond the limits";
  if (!(c.slopeA == want.slopeA) || !(c.slopeNum == want.slopeNum) || c.slopeDen != want.slopeDen ||
      !(c.interceptB == want.interceptB)) {
    return "ReadCoefficients(" + texts + "): a = " + Show(c.slopeA) + ", p = " + Show(c.slopeNum) +
           ", q = " + std::to_string(c.slopeDen) + ", b = " + Show(c.interceptB) + "; expected " +
           Show(want.slopeA) + ", " + Show(want.slopeNum) + ", " + std::to_string(want.slopeDen) +
           ", " + Show(want.interceptB);
  }
  return {};
}

std::string CheckClipSegment(const Segment& s, const Box& box) {
  const auto got = ClipSegment(s, box);
  const std::string which = "ClipSegment((" + Show(s.x1) + ", " + Show(s.y1) + ")-(" + Show(s.x2) +
                            ", " + Show(s.y2) + "))";
  if (!IsFinite(s))
    return got ? which + ": kept a segment with a coordinate that is not finite" : "";
  const bool firstInside = Inside(box, s.x1, s.y1);
  const bool secondInside = Inside(box, s.x2, s.y2);
  if (!got)
    return firstInside || secondInside ? which + ": dropped a segment with an end inside" : "";
  if (firstInside && secondInside && !(*got == s))
    return which + ": changed a segment that lies inside";
  for (const auto& [x, y] : {std::pair{got->x1, got->y1}, std::pair{got->x2, got->y2}}) {
    if (!Inside(box, x, y))
      return which + ": (" + Show(x) + ", " + Show(y) + ") lies outside the box";
    if (!OnLine(s, x, y, box))
      return which + ": (" + Show(x) + ", " + Show(y) + ") lies off the line";
  }
  return {};
}

std::string CheckClip(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  Segment s;
  s.x1 = bytes.Coordinate();
  s.y1 = bytes.Coordinate();
  s.x2 = bytes.Coordinate();
  s.y2 = bytes.Coordinate();
  // The box strokes are clipped to, or one of any finite extent.
  Box box{-3.5, -3.5, 643.5, 643.5};
  if (bytes.Raw<std::uint8_t>() % 2 == 1) {
    const double x1 = bytes.Raw<std::int16_t>(), x2 = bytes.Raw<std::int16_t>();
    const double y1 = bytes.Raw<std::int16_t>(), y2 = bytes.Raw<std::int16_t>();
    box = Box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  }
  return CheckClipSegment(s, box);
}

std::string CheckConstructions(const std::uint8_t* data, std::size_t size) {
  Bytes bytes(data, size);
  LineAInputs in;
  in.plane.unitPx = bytes.Raw<std::int16_t>();
  in.q = bytes.Raw<std::int16_t>();
  const std::int16_t k = bytes.Raw<std::int16_t>();
  in.a = bytes.Coordinate();
  in.p = bytes.Coordinate();
  in.b = NarrowToFloat(bytes.Coordinate());
  const float anchorX = NarrowToFloat(bytes.Coordinate());
  const float anchorY = NarrowToFloat(bytes.Coordinate());
  // Coefficients come from the reading, which only gives finite values.
  if (!std::isfinite(in.a) || !std::isfinite(in.p) || !std::isfinite(in.b))
    return {};
  const auto F = [](double v) { return NarrowToFloat(v); };
  Calls calls;

  if (const auto g = GraphEndPoints(in.plane, in.a, in.b)) {
    calls.Finite("the graph's x1", g->x1);
    calls.Finite("the graph's y1", g->y1);
    calls.Finite("the graph's x2", g->x2);
    calls.Finite("the graph's y2", g->y2);
  }

  // Line A, stroke by stroke as its handler draws each step.
  const float u = in.plane.unitPx;
  for (int i = kLineAFirstStep; i <= kLineALastStep; ++i) {
    if (!LineAInRange(in, i))
      continue;
    const LineAStep s = LineAStepAt(in, i);
    calls.Finite("a drawn step's x0", F(s.x0));
    calls.Finite("a drawn step's y0", F(s.y0));
    calls.Stroke("line A run", F(s.x0), F(s.y0), F(s.x0 + u), F(s.y0));
    calls.StepStroke("line A head", F(s.x1), F(s.y0), -10, -5);
    calls.StepStroke("line A head", F(s.x1), F(s.y0), -10, 5);
    Print(calls, "line A unit label", s.unitLabel);
    calls.StepStroke("line A rise", F(s.x1), F(s.y0), 0, F(s.rise));
    calls.StepStroke("line A head", F(s.x1), F(s.y1), -5, F(s.headRise));
    calls.StepStroke("line A head", F(s.x1), F(s.y1), 5, F(s.headRise));
    PrintSlope(calls, s);
  }

  // The triangle at the given anchor, and at the anchor the rule sets.
  const float ruleY = in.plane.originY + (in.b * -1.0f * in.plane.unitPx);
  for (const auto& [x0, y0] : {std::pair{anchorX, anchorY}, std::pair{float(320), ruleY}}) {
    TriangleInputs tin;
    tin.anchorX = x0;
    tin.anchorY = y0;
    tin.unitPx = in.plane.unitPx;
    tin.a = in.a;
    tin.p = in.p;
    tin.q = in.q;
    tin.k = k;
    const TriangleGeometry t = SlopeTriangle(tin);
    calls.Stroke("triangle run", x0, y0, F(t.endX), y0);
    calls.StepStroke("triangle head", F(t.endX), y0, -10, -5);
    calls.StepStroke("triangle head", F(t.endX), y0, -10, 5);
    Print(calls, "triangle run label", t.runLabel);
    calls.Stroke("triangle rise", F(t.endX), y0, F(t.endX), F(t.topY));
    calls.StepStroke("triangle head", F(t.endX), F(t.topY), -5, F(t.headRise));
    calls.StepStroke("triangle head", F(t.endX), F(t.topY), 5, F(t.headRise));
    PrintSlope(calls, t);
    calls.Stroke("triangle hypotenuse", F(t.endX), F(t.topY), x0, y0);
  }
  return calls.failure;
}

std::string CheckDigits(double v) {
  if (!std::isfinite(v) || v == 0)
    return {};
  for (const int significant : {0, 10}) {
    const DecimalDigits got = Digits(v, significant);
    const DecimalDigits want = ReferenceDigits(v, significant);
    if (got.digits != want.digits || got.exponent != want.exponent) {
      return "Digits(" + Show(v) + ", " + std::to_string(significant) + ") = " + Show(got) +
             ", expected " + Show(want);
    }
  }
  return {};
}

std::string CheckDigits(const std::uint8_t* data, std::size_t size) {
  return CheckDigits(Bytes(data, size).Raw<double>());
}

std::string CheckDigitsOfPowers() {
  for (int e = -1074; e <= 1023; ++e) {
    std::string failure = CheckDigits(std::ldexp(1.0, e));
    if (!failure.empty())
      return failure;
  }
  for (int e = -323; e <= 308; ++e) {
    std::string failure = CheckDigits(*ReferenceNumber("1e" + std::to_string(e)));
    if (!failure.empty())
      return failure;
  }
  return {};
}

int Verdict(const std::string& failure) {
  if (failure.empty())
    return 0;
  std::fprintf(stderr, "%s\n", failure.c_str());
  std::abort();
}

}  // namespace lesson::fuzz
