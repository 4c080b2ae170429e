#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "lesson/app/ControlTable.h"
#include "lesson/input/Input.h"
#include "lesson/scaling/WindowScale.h"

namespace lesson {

class Host;
class Control;

// The controls of one window: each registered under its row of the control
// table, and which of them has the keyboard focus. Changes are told to the
// host, which shows them.
class ControlSet {
 public:
  static constexpr std::size_t kNone = kControlCount;

  explicit ControlSet(Host& host) : host_(&host) {}
  ControlSet(const ControlSet&) = delete;
  ControlSet& operator=(const ControlSet&) = delete;

  Control& At(std::size_t row) const { return *byRow_.at(row); }
  Control& At(ControlId id) const { return *byRow_.at(RowOf(id)); }
  // The control with the keyboard focus, or nullptr when the window itself
  // has it.
  Control* Focus() const { return focus_ == kNone ? nullptr : byRow_[focus_]; }
  // The pupil moved the focus (Tab, a click): the model follows the
  // front-end, with no notice back. nullptr: the window.
  void FocusMoved(const Control* control);

 private:
  friend class Control;
  void Register(Control& control, std::size_t row) { byRow_.at(row) = &control; }
  void SetFocus(std::size_t row);
  void Changed(Control& control);

  Host* host_;
  std::array<Control*, kControlCount> byRow_{};
  std::size_t focus_ = kNone;
};

// A control as the lesson sees it: what its row of the control table says,
// plus the state the handlers change. A front-end shows it and reports the
// pupil's input back.
class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Its entry in the control table.
  const ControlRow& Entry() const { return kControls[row_]; }
  // Its row in the control table, which lists the controls in tab order.
  std::size_t Row() const { return row_; }
  ControlId Id() const { return Entry().id; }
  // The name under which the lesson refers to it: "Command3(2)".
  std::string Name() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void Hide();
  // Gives it the keyboard focus; a disabled or hidden control, and a label,
  // cannot take it, and the focus stays where it is.
  void SetFocus();
  bool HasFocus() const { return owner_->Focus() == this; }

  // What a screen reader says of it: the name never changes, the
  // description follows the lesson.
  std::string_view AccessibleName() const { return name_; }
  const std::string& Description() const { return description_; }
  void SetDescription(std::string description);

 protected:
  Control(ControlSet& owner, ControlId id);
  ~Control() = default;
  void Changed() { owner_->Changed(*this); }

 private:
  ControlSet* owner_;
  std::size_t row_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string name_;
  std::string description_;
};

// A push button. Its caption is the table's; its font can change.
class Button final : public Control {
 public:
  Button(ControlSet& owner, ControlId id);

  double FontPoints() const { return fontPoints_; }
  bool FontBold() const { return fontBold_; }
  void SetFont(double points, bool bold);

 private:
  double fontPoints_;
  bool fontBold_;
};

// A push button that stays pressed while the mode it stands for is on.
class ToggleButton final : public Control {
 public:
  ToggleButton(ControlSet& owner, ControlId id) : Control(owner, id) {}

  bool Pressed() const { return pressed_; }
  void SetPressed(bool pressed);

 private:
  bool pressed_ = false;
};

// A single-line text box.
class TextBox final : public Control {
 public:
  TextBox(ControlSet& owner, ControlId id) : Control(owner, id) {}

  // The text, UTF-8, exactly as it stands in the box.
  const std::string& Text() const { return text_; }
  // The lesson sets the text; the front-end shows it.
  void SetText(std::string text);
  // The pupil's edit brought a text to the box: it keeps it as the lesson
  // receives such text (typed text folded to ASCII), and is shown it back
  // where that differs.
  void Received(std::string_view text, TextOrigin origin);
  // Asks the front-end to select the whole text.
  void SelectAll();
  // Whether a selection of the whole text is asked for and not yet shown.
  bool SelectAllAsked() const { return selectAll_; }
  // The front-end has been shown the request: it is not made again.
  void SelectionShown() { selectAll_ = false; }

 private:
  std::string text_;
  bool selectAll_ = false;
};

// A check box: value 0 unticked, 1 ticked.
class CheckBox final : public Control {
 public:
  CheckBox(ControlSet& owner, ControlId id) : Control(owner, id) {}

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  // The pupil ticked or unticked it: the model follows, with no notice back.
  void Toggled(bool checked) { checked_ = checked; }

 private:
  bool checked_ = false;
};

// A static label, which the lesson may move.
class Label final : public Control {
 public:
  Label(ControlSet& owner, ControlId id);

  // Place in window pixels of the layout (1024 x 687).
  int Left() const { return left_; }
  int Top() const { return top_; }
  void Move(int left, int top);

 private:
  int left_;
  int top_;
};

// The drawing area as a control: it takes the focus by Tab and reports
// pointer events and arrow keys to the window's handlers.
class PictureControl final : public Control {
 public:
  PictureControl(ControlSet& owner, ControlId id) : Control(owner, id) {}
};

// What a front-end shows of a control: its model as it now stands, in the
// layout's pixels and points. A field without a value does not apply to the
// control (a label is never disabled, only a box has a text of the pupil's);
// a front-end applies every field that has one.
struct ControlView {
  bool visible = true;
  std::optional<bool> enabled;
  PixelRect place;
  struct Font {
    double points = 0;  // 0: the window's font
    bool bold = false;
  };
  std::optional<Font> font;
  // Where a tap or click lands on the control, in the layout's pixels: its
  // place grown into the free space around it so that a fingertip can hit
  // it (layout/HitAreas.h). Only for a control that takes taps.
  std::optional<PixelRect> hitArea;
  std::optional<std::string> text;
  std::optional<bool> checked;
  // The plane's description reaches the reader as the lesson announces it.
  std::optional<std::string> description;
  bool selectAll = false;  // a box's whole text is to be selected
};

// The control's view as its model stands, at its landscape place.
ControlView ModelView(const Control& control);

// The controls of a control array, one for each of ids, in their order.
template <class Model, std::size_t N, std::size_t... I>
std::array<Model, N> MakeControls(ControlSet& owner, const std::array<ControlId, N>& ids,
                                  std::index_sequence<I...>) {
  return {{Model(owner, ids[I])...}};
}
template <class Model, std::size_t N>
std::array<Model, N> MakeControls(ControlSet& owner, const std::array<ControlId, N>& ids) {
  return MakeControls<Model>(owner, ids, std::make_index_sequence<N>{});
}

}  // namespace lesson
