#pragma once

#include <array>

#include "lesson/graph/Coefficients.h"

namespace lesson {

// The teacher's page (teacher.html beside the browser's lesson): a teacher
// chooses an example with the settings of a link (Preparation), sees it as
// the pupils will, and hands it out as a link and as a two-dimensional code
// for the projector. Its choices carry the captions of the window's own
// controls (the size buttons, Quick, グラフをかく, 補助線A, 補助線C); these
// are its other texts.
inline constexpr const char* kTeacherTitle = "例を配る";
inline constexpr const char* kTeacherIntro =
    "例をえらぶと、生徒が開くリンクと２次元コードができます。"
    "生徒の画面は、プレビューと同じところから始まります。";
inline constexpr const char* kTeacherSlopeLabel = "ａ（傾き）";
inline constexpr const char* kTeacherInterceptLabel = "ｂ（切片）";
inline constexpr const char* kTeacherSlopeHint = "例：2、-0.5、2/3";
inline constexpr const char* kTeacherInterceptHint = "例：1、-2、0.5";
inline constexpr const char* kTeacherStepsLegend = "開いたときの操作";
inline constexpr const char* kTeacherPreviewTitle = "生徒の画面（プレビュー）";
inline constexpr const char* kTeacherLinkLabel = "配るリンク";
inline constexpr const char* kTeacherCopy = "リンクをコピー";
inline constexpr const char* kTeacherCopied = "コピーしました。";
inline constexpr const char* kTeacherCopyFailed =
    "コピーできませんでした。リンクをえらんで、コピーしてください。";
inline constexpr const char* kTeacherProjector = "プロジェクターに映す";
inline constexpr const char* kTeacherBack = "もとの画面にもどる";
// Opened from a file: no address that a pupil's device could open.
inline constexpr const char* kTeacherNoAddress =
    "２次元コードには、生徒の端末から開ける学校のアドレスが要ります。"
    "このページを学校のサーバーのアドレスで開くと、コードが出ます。";
// Opened at this device's own address (localhost): a code is drawn, but no
// pupil's device reaches it.
inline constexpr const char* kTeacherLocalAddress =
    "このアドレスは、この端末の中でしか開けません。"
    "生徒に配るときは、学校のサーバーのアドレスでこのページを開いてください。";
inline constexpr const char* kTeacherTooLong =
    "リンクが長すぎて、教室のうしろから読める２次元コードになりません。"
    "ａやｂを短くしてください。";
// After the reason a text is left out of the link.
inline constexpr const char* kTeacherLeftOut = "リンクには入れていません。";

// Why a text for a or b is left out of the link, by TextCheck: empty for a
// text that reads whole and for none.
inline constexpr std::array<const char*, kTextChecks> kTextCheckReasons{
    "",
    "",
    "数になっていません。",
    "数のあとに、読めない文字があります。",
    "数が大きすぎます。",
    "分子が数になっていません。",
    "分子のあとに、読めない文字があります。",
    "分母が数になっていません。",
    "分母のあとに、読めない文字があります。",
    "分母は、0 でない -32768 から 32767 までの整数にしてください。",
    "ｂは分数にできません。",
};
static_assert(kTextCheckReasons.back() != nullptr, "a reason for every TextCheck");

}  // namespace lesson
