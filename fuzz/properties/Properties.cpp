#include "properties/Properties.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <regex>
#include <sstream>

#include "lesson/app/Form1.h"
#include "lesson/app/Host.h"
#include "lesson/graph/Coefficients.h"
#include "lesson/graph/ReadNumber.h"
#include "lesson/surface/DecimalText.h"
#include "lesson/surface/Numeric.h"
#include "lesson/surface/Surface.h"
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

// The drawing area of a lesson under test: every stroke and text is checked
// as the handlers hand it over.
class CheckedPicture final : public Surface {
 public:
  std::string failure;
  float Width() const override { return kPlaneSide; }
  float Height() const override { return kPlaneSide; }

 protected:
  void DoCls() override {}
  void DoStroke(const Stroke& s) override {
    if (!(std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) &&
          std::isfinite(s.y2)) &&
        failure.empty()) {
      failure = "a stroke (" + Show(s.x1) + ", " + Show(s.y1) + ")-(" + Show(s.x2) + ", " +
                Show(s.y2) + ") with a coordinate that is not finite was drawn";
    }
  }
  float DoPrint(std::string_view text) override {
    // The surface writes no text that cannot reach the plane; no label is
    // wider or taller than this reach.
    constexpr float kReach = 2000;
    const float x = CurrentX();
    const float y = CurrentY();
    if (x > -kReach && x < kPlaneSide + kReach && y > -kReach && y < kPlaneSide + kReach &&
        text.find("NaN") != std::string_view::npos && failure.empty()) {
      failure = "text \"" + std::string(text) + "\" near the plane";
    }
    return 27;
  }
};

// A screen whose waits pass at once: its clock jumps to their deadlines.
class NoWaitHost final : public Host {
 public:
  double NowMs() override { return now_; }
  bool SleepUntil(double deadlineMs) override {
    now_ = deadlineMs;
    return true;
  }
  void RunQueuedInput() override {}
  void End() override {}
  void ControlChanged(Control&) override {}
  void FitChanged(const WindowFit&) override {}
  void FocusChanged() override {}
  void PictureChanged() override {}
  void InkChanged(const InkUpdate&) override {}
  void SavePicture(const std::string&) override {}
  void Announce(const std::string&) override {}
  void StartQuietInterval(std::int32_t) override {}
  void SupportsChanged(const Supports&) override {}
  void Speak(const std::vector<std::string>&, double) override {}

 private:
  double now_ = 0;
};

}  // namespace

std::string CheckReadNumber(std::string_view text) {
  const std::optional<double> got = ReadNumber(text);
  const std::optional<double> want = ReferenceNumber(text);
  if (got.has_value() != want.has_value() || (got && !(*got == *want))) {
    return "ReadNumber(\"" + std::string(text) + "\") = " + Show(got) + ", expected " + Show(want);
  }
  // A text reads whole where, blanks aside, it is one number of the grammar;
  // a text for a or b that reads whole is one the lesson reads. The pattern
  // leaves the matcher one way to split a run of digits, so that a long run
  // that fails does not make it try every split.
  static const std::regex kNumber(
      "[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eEdD][+-]?[0-9]+)?|&[hH][0-9a-fA-F]+|&[oO][0-7]+");
  std::string bare(text);
  std::erase_if(bare, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
  if ((ReadExtent(text) == NumberExtent::kWhole) != std::regex_match(bare, kNumber))
    return "ReadExtent(\"" + std::string(text) + "\") does not follow the grammar";
  using Outcome = CoefficientReading::Outcome;
  if ((CheckSlopeText(text) == TextCheck::kWhole &&
       ReadCoefficients(text, "").outcome != Outcome::kRead) ||
      (CheckInterceptText(text) == TextCheck::kWhole &&
       ReadCoefficients("", text).outcome != Outcome::kRead))
    return "\"" + std::string(text) + "\" reads whole but the lesson does not read it";
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
  const auto unitPx = bytes.Raw<std::int16_t>();
  const auto q = bytes.Raw<std::int16_t>();
  const auto k = bytes.Raw<std::int16_t>();
  const double a = bytes.Coordinate();
  const double p = bytes.Coordinate();
  const float b = NarrowToFloat(bytes.Coordinate());
  const float anchorX = NarrowToFloat(bytes.Coordinate());
  const float anchorY = NarrowToFloat(bytes.Coordinate());
  // Coefficients come from the reading, which only gives finite values; the
  // anchor from the rule and from drags, which keep it finite.
  if (!std::isfinite(a) || !std::isfinite(p) || !std::isfinite(b) || !std::isfinite(anchorX) ||
      !std::isfinite(anchorY))
    return {};

  // One lesson for every input, started once and set afresh each time: a
  // start costs far more than the drawing checked.
  static NoWaitHost host;
  static CheckedPicture picture;
  static Form1 form(host, picture);
  static const LessonState start = form.State();
  static const SurfaceAttributes pen = picture.Attributes();
  picture.failure.clear();
  picture.SetAttributes(pen);
  LessonState& s = form.State();
  s = start;
  s.UnitPx = unitPx;
  s.SlopeA = a;
  s.SlopeNum = p;
  s.SlopeDen = q;
  s.InterceptB = b;
  s.GraphDrawn = 1;
  // A text the lesson cannot read: the graph is drawn from the state as it is.
  form.Text1.SetText("/");
  form.Command5_Click();
  form.Command10_Click();
  // The triangle at the anchor the rule sets, (0, b), then at any anchor,
  // each with the multiple k.
  form.Command12_Click();
  s.TriangleScale = k;
  form.DrawSlopeTriangle(s.TriangleScale);
  s.TriangleX = anchorX;
  s.TriangleY = anchorY;
  form.DrawSlopeTriangle(s.TriangleScale);
  return picture.failure;
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
