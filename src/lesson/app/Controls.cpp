#include "lesson/app/Controls.h"

#include <cstdlib>

#include "lesson/access/AccessibleTexts.h"
#include "lesson/app/Host.h"

namespace lesson {

namespace {

std::size_t RowOf(std::string_view name, int index) {
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    if (kControls[row].name == name && kControls[row].index == index)
      return row;
  }
  // A control that the table does not list is a fault of the program itself.
  std::abort();
}

}  // namespace

void ControlSet::FocusMoved(const Control* control) {
  focus_ = control == nullptr ? kNone : control->Row();
}

void ControlSet::SetFocus(std::size_t row) {
  if (focus_ == row)
    return;
  focus_ = row;
  host_->FocusChanged();
}

void ControlSet::Changed(Control& control) {
  host_->ControlChanged(control);
}

Control::Control(ControlSet& owner, std::string_view name, int index)
    : owner_(&owner), row_(RowOf(name, index)), name_(lesson::AccessibleName(kControls[row_])) {
  owner.Register(*this, row_);
}

std::string Control::Name() const {
  std::string name = Entry().name;
  if (Entry().index >= 0)
    name += "(" + std::to_string(Entry().index) + ")";
  return name;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  Changed();
  // A disabled control loses the focus to the window; the focus does not
  // jump on to a box, whose text would be selected, or to a button that Enter
  // would then click.
  if (!enabled && HasFocus())
    owner_->SetFocus(ControlSet::kNone);
}

void Control::Hide() {
  if (!visible_)
    return;
  visible_ = false;
  Changed();
  if (HasFocus())
    owner_->SetFocus(ControlSet::kNone);
}

void Control::SetFocus() {
  if (enabled_ && visible_ && Entry().kind != ControlKind::kLabel)
    owner_->SetFocus(row_);
}

void Control::SetDescription(std::string description) {
  if (description_ == description)
    return;
  description_ = std::move(description);
  Changed();
}

Button::Button(ControlSet& owner, std::string_view name, int index)
    : Control(owner, name, index), fontPoints_(Entry().fontPoints), fontBold_(Entry().bold) {}

void Button::SetFont(double points, bool bold) {
  if (fontPoints_ == points && fontBold_ == bold)
    return;
  fontPoints_ = points;
  fontBold_ = bold;
  Changed();
}

void TextBox::SetText(std::string text) {
  if (text_ == text)
    return;
  text_ = std::move(text);
  Changed();
}

void TextBox::Received(std::string_view text, TextOrigin origin) {
  text_ = lesson::Received(text, origin);
  if (text_ != text)
    Changed();
}

void TextBox::SelectAll() {
  selectAll_ = true;
  Changed();
}

bool TextBox::TakeSelectAll() {
  const bool asked = selectAll_;
  selectAll_ = false;
  return asked;
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Changed();
}

ControlView TakeView(Control& control) {
  const ControlSpec& entry = control.Entry();
  ControlView v{control.Enabled(),
                control.Visible(),
                entry.left,
                entry.top,
                entry.width,
                entry.height,
                entry.fontPoints,
                entry.bold,
                entry.text,
                false,
                control.Description(),
                false};
  switch (entry.kind) {
    case ControlKind::kButton:
      v.fontPoints = static_cast<const Button&>(control).FontPoints();
      v.bold = static_cast<const Button&>(control).FontBold();
      break;
    case ControlKind::kTextBox:
      v.text = static_cast<const TextBox&>(control).Text();
      v.selectAll = static_cast<TextBox&>(control).TakeSelectAll();
      break;
    case ControlKind::kCheckBox:
      v.checked = static_cast<const CheckBox&>(control).Checked();
      break;
    case ControlKind::kLabel:
      v.left = static_cast<const Label&>(control).Left();
      v.top = static_cast<const Label&>(control).Top();
      break;
    case ControlKind::kPicture:
      v.description.clear();
      break;
  }
  return v;
}

Label::Label(ControlSet& owner, std::string_view name, int index)
    : Control(owner, name, index), left_(Entry().left), top_(Entry().top) {}

void Label::Move(int left, int top) {
  if (left_ == left && top_ == top)
    return;
  left_ = left;
  top_ = top;
  Changed();
}

}  // namespace lesson
