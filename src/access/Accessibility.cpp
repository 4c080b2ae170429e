// What a screen reader reads: the names and descriptions of the controls and
// the plane's description of what it shows, and the frame that shows the
// keyboard focus on the plane.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "access/Announcer.h"
#include "access/PlaneDescription.h"
#include "app/Form1.h"
#include "scaling/ScaledLayout.h"
#include "surface/PictureBox.h"

namespace lesson {

namespace {

struct AccessibleText {
  const char* control;  // object name
  const char* name;     // nullptr: the control's own text
  const char* description;
};

// clang-format off
constexpr AccessibleText kTexts[] = {
    {"Text1",       "傾き a", "a の値。整数、小数、分数 p/q で入力できる。Enter で b の入力へ進む。"},
    {"Text2",       "切片 b", "b の値。Enter で「グラフをかく」へ進む。"},
    {"Command5",    nullptr,  "入力した a と b で、y = ax + b のグラフを座標平面にかく。"},
    {"Command2",    nullptr,  "座標平面と a、b の入力を消して、初めの画面に戻す。"},
    {"Command1",    nullptr,  "プログラムを終了する。"},
    {"Picture1",    "座標平面", ""},
    {"Label5(0)",   "y 軸",   ""},
    {"Label5(1)",   "x 軸",   ""},
    {"Label2",      "ｙ＝ ａχ＋ ｂ", "左の入力欄が a、右の入力欄が b。"},
    {"Command7",    nullptr,  "傾きの三角形を a の分母の倍にして、縦の長さを整数にする。"},
    {"Command8(0)", nullptr,  "傾きの三角形を 1 倍大きくする（5 倍まで）。"},
    {"Command8(1)", nullptr,  "傾きの三角形を 1 倍小さくする（1 倍まで）。"},
    {"Command9",    "補助線Cを消去", "傾きの三角形（補助線C）を消す。"},
    {"Command10",   nullptr,  "グラフに沿って、右へ 1、上へ a の階段（補助線A）をかく。"},
    {"Command11",   "補助線Aを消去", "階段（補助線A）を消す。"},
    {"Command12",   nullptr,  "グラフの y 切片から、傾きの三角形（補助線C）をかく。"},
    {"Check2",      nullptr,  "チェックすると、アニメーションの待ち時間を飛ばしてすぐにかく。"},
};
// clang-format on

constexpr int kUnits[] = {100, 50, 25, 14};

// The plane reads as a picture the pupil can work on, not as a bare panel.
QAccessibleInterface* PlaneInterface(const QString&, QObject* object) {
  if (auto* plane = qobject_cast<PictureBox*>(object))
    return new QAccessibleWidget(plane, QAccessible::Canvas);
  return nullptr;
}

}  // namespace

void Form1::NameControls() {
  QAccessible::installFactory(PlaneInterface);
  for (const AccessibleText& text : kTexts) {
    auto* control = findChild<QWidget*>(QString::fromUtf8(text.control));
    if (control == nullptr)
      continue;
    if (text.name != nullptr)
      control->setAccessibleName(QString::fromUtf8(text.name));
    control->setAccessibleDescription(QString::fromUtf8(text.description));
  }
  for (std::size_t i = 0; i < Command3.size(); ++i) {
    Command3[i]->setAccessibleName(QStringLiteral("座標平面の大きさ ") + Command3[i]->text());
  }
  planeAnnouncer_ = new Announcer(*Picture1, std::chrono::milliseconds(300));
}

void Form1::DescribeControls() {
  for (std::size_t i = 0; i < Command3.size(); ++i) {
    QString description = QStringLiteral("座標平面の大きさを「%1」にする（1 目盛り %2 ピクセル）。")
                              .arg(Command3[i]->text())
                              .arg(kUnits[i]);
    if (state_.UnitPx == kUnits[i])
      description += QStringLiteral("いま選ばれている大きさ。");
    Command3[i]->setAccessibleDescription(description);
  }
  planeAnnouncer_->Describe(QString::fromStdString(
      DescribePlane(state_, graphSlopeText_.toStdString(), graphInterceptText_.toStdString())));
}

void Form1::AfterHandler() {
  if (!ending_)
    DescribeControls();
}

// While the plane has the keyboard focus a frame in dark blue stands around
// it, on the window's background; the picture itself stays as it is.
void Form1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!Picture1->hasFocus())
    return;
  const int width = layout_->Scale().Length(3);
  const QRect plane = Picture1->geometry();
  QPainter painter(this);
  const QColor blue(0, 0, 128);
  const QRect outer = plane.adjusted(-width, -width, width, width);
  painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), width), blue);
  painter.fillRect(QRect(outer.left(), plane.bottom() + 1, outer.width(), width), blue);
  painter.fillRect(QRect(outer.left(), plane.top(), width, plane.height()), blue);
  painter.fillRect(QRect(plane.right() + 1, plane.top(), width, plane.height()), blue);
}

}  // namespace lesson
