#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

class QWidget;

namespace lesson {

// Sets a control's accessible description and so tells a screen reader of
// the change, at most once per interval: the first change of a quiet spell
// at once, later ones together once the interval has run out. A drag that
// rebuilds the picture at every pointer move thus does not flood the reader.
class Announcer final : public QObject {
 public:
  Announcer(QWidget& control, std::chrono::milliseconds interval);

  void Describe(const QString& description);

 private:
  void Flush();

  QWidget& control_;
  QTimer quiet_;
  QString pending_;
  bool hasPending_ = false;
};

}  // namespace lesson
