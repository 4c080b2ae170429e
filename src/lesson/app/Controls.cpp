#include "lesson/app/Controls.h"

#include "lesson/access/AccessibleTexts.h"
#include "lesson/app/Host.h"

namespace lesson {

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

Control::Control(ControlSet& owner, ControlId id)
    : owner_(&owner),
      row_(RowOf(id)),
      name_(lesson::AccessibleName(kControls[row_])),
      description_(AccessibleDescription(kControls[row_], 0)) {
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

Button::Button(ControlSet& owner, ControlId id)
    : Control(owner, id), fontPoints_(Entry().fontPoints), fontBold_(Entry().bold) {}

void Button::SetFont(double points, bool bold) {
  if (fontPoints_ == points && fontBold_ == bold)
    return;
  fontPoints_ = points;
  fontBold_ = bold;
  Changed();
}

void ToggleButton::SetPressed(bool pressed) {
  if (pressed_ == pressed)
    return;
  pressed_ = pressed;
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

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Changed();
}

ControlView ModelView(const Control& control) {
  const ControlRow& entry = control.Entry();
  ControlView v;
  v.visible = control.Visible();
  v.place = {entry.left, entry.top, entry.width, entry.height};
  v.font = ControlView::Font{entry.fontPoints, entry.bold};
  v.description = control.Description();
  switch (entry.kind) {
    case ControlKind::kButton: {
      const auto& button = static_cast<const Button&>(control);
      v.enabled = button.Enabled();
      v.font = ControlView::Font{button.FontPoints(), button.FontBold()};
      break;
    }
    case ControlKind::kTextBox: {
      const auto& box = static_cast<const TextBox&>(control);
      v.enabled = box.Enabled();
      v.text = box.Text();
      v.selectAll = box.SelectAllAsked();
      break;
    }
    case ControlKind::kToggle:
      v.enabled = control.Enabled();
      v.checked = static_cast<const ToggleButton&>(control).Pressed();
      break;
    case ControlKind::kCheckBox:
      v.enabled = control.Enabled();
      v.checked = static_cast<const CheckBox&>(control).Checked();
      break;
    case ControlKind::kLabel:
      v.place.left = static_cast<const Label&>(control).Left();
      v.place.top = static_cast<const Label&>(control).Top();
      break;
    case ControlKind::kPicture:
      v.font.reset();
      v.description.reset();
      break;
  }
  return v;
}

Label::Label(ControlSet& owner, ControlId id)
    : Control(owner, id), left_(Entry().left), top_(Entry().top) {}

void Label::Move(int left, int top) {
  if (left_ == left && top_ == top)
    return;
  left_ = left;
  top_ = top;
  Changed();
}

}  // namespace lesson
