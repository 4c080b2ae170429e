#include "web/tools/Contract.h"

#include <cstdio>
#include <span>

#include "lesson/access/SpeechTexts.h"
#include "lesson/app/ControlTable.h"
#include "lesson/app/Notices.h"
#include "lesson/app/Preparation.h"
#include "lesson/plane/PlaneTexts.h"
#include "web/schema/Messages.h"

namespace lesson::web {

namespace {

// The page's names of the control kinds, by their numbers.
struct KindName {
  ControlKind kind;
  const char* name;
};
constexpr KindName kKindNames[] = {
    {ControlKind::kTextBox, "textBox"}, {ControlKind::kButton, "button"},
    {ControlKind::kLabel, "label"},     {ControlKind::kCheckBox, "checkBox"},
    {ControlKind::kPicture, "picture"}, {ControlKind::kToggle, "toggle"}};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::kToggle) + 1);

const char* TypeName(FieldType type) {
  switch (type) {
    case FieldType::kNumber:
      return "number";
    case FieldType::kFlag:
      return "flag";
    case FieldType::kMaybe:
      return "maybe";
    case FieldType::kMaybeFlag:
      return "maybeFlag";
    case FieldType::kText:
      return "text";
  }
  return "number";
}

// "{a: x, b: y}" from the pairs f gives.
template <class Items, class F>
std::string Object(const Items& items, F f) {
  std::string out;
  for (const auto& item : items)
    out += (out.empty() ? "{" : ", ") + f(item);
  return out.empty() ? "{}" : out + "}";
}

// A message's fields as the generic packing reads them: [[name, type], ...].
std::string Fields(const Message& m) {
  std::string out;
  for (const Field& f : m.fields)
    out += std::string(out.empty() ? "" : ", ") + "[" + Quoted(f.name) + ", " +
           Quoted(TypeName(f.type)) + "]";
  return "[" + out + "]";
}

// A list's operations: their numbers by name, their sizes (their own number
// included) by number, and each field's offset from the operation's number.
template <std::size_t N>
std::string Operations(const char* name, const std::array<const Message*, N>& ops) {
  const std::string numbers = Object(
      ops, [](const Message* m) { return std::string(m->name) + ": " + std::to_string(m->id); });
  const std::string sizes = Object(ops, [](const Message* m) {
    return std::to_string(m->id) + ": " + std::to_string(m->fields.size() + 1);
  });
  const std::string offsets = Object(ops, [](const Message* m) {
    std::string fields;
    for (std::size_t i = 0; i < m->fields.size(); ++i)
      fields += (fields.empty() ? "{" : ", ") + std::string(m->fields[i].name) + ": " +
                std::to_string(i + 1);
    return std::string(m->name) + ": " + (fields.empty() ? "{}" : fields + "}");
  });
  return "    " + std::string(name) + ": " + numbers + ",\n    " + name + "Size: " + sizes +
         ",\n    " + name + "Field: " + offsets + ",\n";
}

// A notice's kind as a name in a script: "files-missing" → filesMissing.
std::string ScriptName(std::string_view kind) {
  std::string out;
  bool upper = false;
  for (const char c : kind) {
    if (c == '-') {
      upper = true;
    } else {
      out += upper && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
      upper = false;
    }
  }
  return out;
}

// The packing and unpacking of records and events, from the fields' names
// and types alone.
constexpr const char* kPacking = R"(
    // A record the C++ wrote at HEAPF64[at ...], as an object by its fields'
    // names: nothing (NaN, or a text's address 0) becomes null.
    read: function (fields, at) {
      const record = {};
      for (let i = 0; i < fields.length; i++) {
        const v = HEAPF64[at + i];
        const type = fields[i][1];
        let value = v;
        if (type === 'flag')
          value = v !== 0;
        else if (type === 'maybe')
          value = Number.isNaN(v) ? null : v;
        else if (type === 'maybeFlag')
          value = Number.isNaN(v) ? null : v !== 0;
        else if (type === 'text')
          value = v ? UTF8ToString(v) : null;
        record[fields[i][0]] = value;
      }
      return record;
    },

    // An event, an object with every field of its kind, written where the
    // C++ takes it: its numbers at HEAPF64[at ...], its texts one after
    // another at text (capacity bytes at most), each text's field holding
    // its length in bytes. A field missing from the object is a fault of
    // the page's, not a zero.
    write: function (kind, event, at, text, capacity) {
      const fields = LessonContract.EventFields[kind];
      let texts = '';
      for (let i = 0; i < fields.length; i++) {
        const [name, type] = fields[i];
        if (!(name in event))
          throw new Error('event ' + kind + ' lacks ' + name);
        const v = event[name];
        if (type === 'text') {
          const s = v === null || v === undefined ? '' : String(v);
          texts += s;
          HEAPF64[at + i] = lengthBytesUTF8(s);
        } else {
          HEAPF64[at + i] = type === 'flag' ? (v ? 1 : 0) : (Number(v) || 0);
        }
      }
      stringToUTF8(texts, text, capacity);
    },
)";

// The reading supports: their names in the order of the record's fields and
// of the bits lesson_start takes, where the device keeps them, the row of
// 読み上げ with what it says where the device has no Japanese voice, and how
// a text field carries runs and sentences.
std::string SupportsContract() {
  std::string names;
  for (std::string_view name : kSupportNames)
    names += (names.empty() ? "" : ", ") + Quoted(name);
  return "    Supports: {names: [" + names + "], key: " + Quoted(kSupportsKey) +
         ", readAloud: " + std::to_string(RowOf(ControlId::kReadAloud)) +
         ", noVoice: " + Quoted(kNoJapaneseVoice) + ", runEnd: " + Quoted(std::string(1, kRunEnd)) +
         ", sentenceEnd: " + Quoted(std::string(1, kSentenceEnd)) + ", on: " + Quoted(kSettingOn) +
         ", off: " + Quoted(kSettingOff) + "},\n";
}

}  // namespace

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Contract() {
  const std::string events = Object(kEvents, [](const Message* m) {
    return std::string(m->name) + ": " + std::to_string(m->id);
  });
  const std::string eventFields =
      Object(kEvents, [](const Message* m) { return std::to_string(m->id) + ": " + Fields(*m); });
  const std::string records =
      Object(kRecords, [](const Message* m) { return std::string(m->name) + ": " + Fields(*m); });
  const std::string kinds = Object(kKindNames, [](const KindName& k) {
    return std::string(k.name) + ": " + std::to_string(static_cast<int>(k.kind));
  });
  const std::string notices = Object(kPageNotices, [](const NamedNotice& n) {
    return ScriptName(n.kind) + ": " + Quoted(n.kind);
  });
  return "// What the page shares with the lesson's C++, written from the C++\n"
         "// declarations by page_texts as the lesson is built.\n"
         "mergeInto(LibraryManager.library, {\n"
         "  $LessonContract: {\n"
         "    planeSide: " +
         std::to_string(kPlaneSide) + ",\n    face: " + Quoted(kPageFace) +
         ",\n"
         "    // The display list's operations and the ink list's: each by name, its size\n"
         "    // by number, and its fields' offsets from its number.\n" +
         Operations("Op", kDisplayOps) + Operations("InkOp", kInkOps) +
         "    // The kinds of input event the page queues by name, the fields of each by\n"
         "    // number, and the numbers and points an event holds at most.\n"
         "    Event: " +
         events + ",\n    EventFields: " + eventFields +
         ",\n    eventNumbers: " + std::to_string(kEventNumbers) +
         ", eventPoints: " + std::to_string(kEventPoints) +
         ",\n    // The records the C++ hands the page, by name.\n    Record: " + records +
         ",\n    ControlKind: " + kinds +
         ",\n    // The notices the page shows, by kind.\n"
         "    NoticeKind: " +
         notices + ",\n" + SupportsContract() + kPacking + "  },\n});\n";
}

}  // namespace lesson::web
