#include <QApplication>
#include <QStyleFactory>

#include "app/Form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // One look on every desktop, whatever theme the machine has.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  lesson::Form1 form;
  form.show();
  return QApplication::exec();
}
