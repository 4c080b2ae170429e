#include "support/Recording.h"

#include <QString>
#include <cmath>

namespace lesson::test {

std::vector<DrawCall> RecordingSurface::Lines() const {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Kind::kLine)
      out.push_back(c);
  }
  return out;
}

std::vector<DrawCall> RecordingSurface::Prints() const {
  std::vector<DrawCall> out;
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Kind::kPrint)
      out.push_back(c);
  }
  return out;
}

void RecordingSurface::DoCls() {
  calls.push_back({DrawCall::Kind::kCls, {}, {}, Attributes()});
  if (tee_ != nullptr)
    tee_->Cls();
}

void RecordingSurface::DoStroke(const Stroke& stroke) {
  calls.push_back({DrawCall::Kind::kLine, stroke, {}, Attributes()});
  if (tee_ != nullptr) {
    tee_->SetAttributes(Attributes());
    tee_->Line(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.colour);
  }
}

float RecordingSurface::DoPrint(std::string_view text) {
  calls.push_back({DrawCall::Kind::kPrint, {}, std::string(text), Attributes()});
  if (tee_ == nullptr)
    return 27;
  tee_->SetAttributes(Attributes());
  tee_->Print(text);
  return tee_->CurrentY() - CurrentY();
}

// A sleep towards the deadline of the innermost wait in progress goes on
// with that wait; any other begins a new one. A wait whose deadline has
// passed is over, whether or not it slept again.
bool FakeWait::SleepUntil(double deadline) {
  while (!deadlines_.empty() && deadlines_.back() <= now_)
    deadlines_.pop_back();
  if (!deadlines_.empty() && deadlines_.back() == deadline) {
    now_ = deadline;
    return true;
  }
  deadlines_.push_back(deadline);
  waits.push_back(
      {static_cast<int>(std::lround(deadline - now_)), form != nullptr && form->Quick()});
  if (!actions_.empty() && actions_.begin()->first < waits.size())
    now_ += kArrival;  // woken by the action's input
  else
    now_ = deadline;
  return true;
}

void FakeWait::RunQueuedInput() {
  for (auto it = actions_.begin(); it != actions_.end() && it->first < waits.size();) {
    auto action = std::move(it->second);
    it = actions_.erase(it);
    action();
  }
}

void Lesson::Pass(double ms) {
  host.wait.Pass(ms);
  if (host.quietDue && *host.quietDue <= host.NowMs()) {
    host.quietDue.reset();
    form.QuietIntervalEnded();
  }
}

std::vector<int> FakeWait::Times() const {
  std::vector<int> out;
  for (const auto& w : waits)
    out.push_back(w.ms);
  return out;
}

void Lesson::Graph(const char* a, const char* b) {
  form.Text1.SetText(a);
  form.Text2.SetText(b);
  form.Click(form.Command5);
}

void Lesson::Clear() {
  surface.calls.clear();
  pacer.waits.clear();
  host.selected.clear();
}

namespace {

QString Num(double v) {
  QString s = QString::number(std::round(v * 100) / 100, 'f', 2);
  while (s.endsWith('0'))
    s.chop(1);
  if (s.endsWith('.'))
    s.chop(1);
  return s == "-0" ? "0" : s;
}

}  // namespace

QStringList Describe(const std::vector<DrawCall>& calls) {
  QStringList out;
  for (const DrawCall& c : calls) {
    if (c.kind == DrawCall::Kind::kLine) {
      const Stroke& s = c.stroke;
      out << QStringLiteral("L %1,%2-%3,%4").arg(Num(s.x1), Num(s.y1), Num(s.x2), Num(s.y2));
    } else if (c.kind == DrawCall::Kind::kPrint) {
      out << QStringLiteral("T %1,%2,%3")
                 .arg(Num(c.attributes.currentX), Num(c.attributes.currentY),
                      QString::fromStdString(c.text).replace(' ', '_'));
    } else {
      out << QStringLiteral("Cls");
    }
  }
  return out;
}

QStringList Shown(Lesson& l) {
  const LessonState& s = l.form.State();
  return Describe(l.surface.calls) << QString::fromStdString(l.form.Text1.Text())
                                   << QString::fromStdString(l.form.Text2.Text())
                                   << QStringLiteral("%1 %2 %3 %4 %5")
                                          .arg(s.UnitPx)
                                          .arg(l.form.Quick())
                                          .arg(s.GraphDrawn)
                                          .arg(s.LineAState)
                                          .arg(s.TriangleState);
}

}  // namespace lesson::test
