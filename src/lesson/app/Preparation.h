#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lesson/app/ControlTable.h"
#include "lesson/graph/Coefficients.h"
#include "lesson/supports/Supports.h"

namespace lesson {

class Form1;

// The names of a link's settings, in the order a link written by the lesson
// has them.
inline constexpr std::array<std::string_view, 6> kSettingNames{"size",  "a",    "b",
                                                               "quick", "draw", "aux"};

// How a link writes a setting (quick, draw) that is on, and one that is off.
inline constexpr std::string_view kSettingOn = "1";
inline constexpr std::string_view kSettingOff = "0";

// The size button a lesson starts with (中): a link without a size leaves
// the plane at it.
inline constexpr std::size_t kStartingSizeButton = 1;

// The constructions a setting aux names, each by its letter and the button
// that draws it, in the order they are drawn: line A, the slope triangle.
struct Construction {
  char letter;
  ControlId button;
};
inline constexpr std::array<Construction, 2> kConstructions{
    {{'A', ControlId::kCommand10}, {'C', ControlId::kCommand12}}};

// An example a teacher prepares for the pupils, by a link's parameters or
// the program's options: the plane's size, the texts of a and b, Quick, the
// graph and the constructions. It is applied to a lesson that has started as
// ever, as if a pupil did each step by hand, through the same handlers.
//
// A link can be written by anyone: a setting of unknown name or unreadable
// value is refused (a link leaves it out, the command line stops), and the
// texts of a and b go into their boxes as typed text, read as the lesson
// reads any.
class Preparation {
 public:
  enum class Taken { kYes, kUnknownName, kUnreadableValue };

  // One setting by its name and value:
  //   size   1 to 4, or 小 中 大 特大 (the size buttons)
  //   a, b   the texts typed into the two boxes (cut where a box would)
  //   quick  1: Quick ticked, 0: not
  //   draw   1: the graph drawn, 0: not
  //   aux    A, C or AC: after drawing, line A, the slope triangle, or both
  //          in that order
  //   ruby, voice, slow, dark   1: the reading support on, 0: off
  //          (kSupportNames); set before anything else is done
  // A later setting of a name takes the place of an earlier one.
  Taken Take(std::string_view name, std::string_view value);

  // Every setting of a URL's query ("a=2/3&b=-1", with or without "?"),
  // its names and values percent-decoded as a browser does; those refused
  // are left out.
  static Preparation FromQuery(std::string_view query);

  bool Empty() const;

  // The settings as a link's query ("size=3&a=2/3&b=-1&draw=1&aux=C"), in
  // the order of kSettingNames: a and b as their boxes would hold them
  // (folded as typed), each value percent-encoded where a query needs it
  // ("/" stays as it is); a setting that changes nothing (quick=0, draw=0,
  // aux without draw) is left out.
  std::string Query() const;

  // The same settings less a text for a or b that does not read whole
  // (Check), for a link whose every value the lesson reads as it stands.
  Preparation WholeTextsOnly() const;

  // The settings as the fields of a form that offers each size and each
  // construction as a choice of its own ("size=2&a=2/3&draw=1&aux=A&aux=C"):
  // as Query writes them, but the size always (kStartingSizeButton where
  // none is set) and each construction a field aux of its own letter.
  std::string Fields() const;

  // The settings of such a form's fields: as FromQuery reads a query, but
  // the constructions of every field aux are taken together.
  static Preparation FromFields(std::string_view fields);

  // How the lesson reads the text of a setting a or b, as its box would
  // hold it.
  static TextCheck Check(std::string_view name, std::string_view value);

 private:
  // The form takes the settings as an event of its own (Form1::Prepare).
  friend class Form1;

  // Whether the example draws a construction, by its place in kConstructions.
  bool Drawn(std::size_t construction) const;

  std::optional<std::int16_t> size_;  // the size button's index
  std::optional<std::string> slope_;
  std::optional<std::string> intercept_;
  std::optional<bool> quick_;
  bool draw_ = false;
  bool lineA_ = false;
  bool triangle_ = false;
  std::array<std::optional<bool>, kSupportNames.size()> supports_;
};

}  // namespace lesson
