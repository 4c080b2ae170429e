#pragma once

namespace lesson {

// What the window says where it cannot go on as a window: a browser's page
// that cannot close itself when the program ends, or cannot run the lesson
// at all. Each notice says what happened and what the pupil or the teacher
// can do, with one button to start afresh.

// Where the program cannot close its window when it ends (a browser's tab).
inline constexpr const char* kEndedNotice = "プログラムを終了しました。";
inline constexpr const char* kRestartCaption = "はじめから";

struct Notice {
  const char* what;    // what happened
  const char* advice;  // what to do
};

// The browser runs no WebAssembly: too old, or switched off (an iPad's
// Lockdown Mode, an administrator's setting).
inline constexpr Notice kNoWebAssemblyNotice{
    "このブラウザーでは、この授業のプログラムを動かせません。",
    "Chrome、Edge、Safari の新しい版で開いてください。iPad の「ロックダウン モード」や、"
    "学校の管理の設定で WebAssembly が止められているときは、先生に相談してください。"};
// The lesson's files could not be had whole: a folder or a file copied in
// part, a proxy, the connection gone.
inline constexpr Notice kFilesMissingNotice{
    "授業のファイルを読み込めませんでした。",
    "ネットワークが切れたか、ファイルやフォルダーのコピーが途中で終わっているのかもしれません。"
    "つながりを確かめて、もう一度読み込んでください。直らないときは、先生に相談してください。"};
// The lesson stopped inside and cannot go on (a fault, memory exhausted).
inline constexpr Notice kStoppedNotice{
    "授業のプログラムが途中で止まってしまいました。",
    "もう一度読み込むと、はじめからやり直せます。何度も止まるときは、先生に相談してください。"};
inline constexpr const char* kReloadCaption = "もう一度読み込む";

// The notices a page can show by the names its scripts and its templates
// know them by.
struct NamedNotice {
  const char* kind;
  Notice notice;
};
inline constexpr NamedNotice kPageNotices[] = {{"no-wasm", kNoWebAssemblyNotice},
                                               {"files-missing", kFilesMissingNotice},
                                               {"stopped", kStoppedNotice}};

// Where a browser runs no script at all (an iPad's preview of a file).
inline constexpr const char* kNoScriptNotice =
    "このファイルは、Chrome、Edge、Safari で開くと動きます。iPad では、"
    "学校から知らされた授業のアドレスを Safari で開いてください。";

}  // namespace lesson
