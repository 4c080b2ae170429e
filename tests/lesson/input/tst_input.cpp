#include <QTest>

#include "lesson/input/Input.h"

using namespace lesson;

// What a box keeps of the text that reaches it.
class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void typedTextIsFoldedToAscii_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QString>("kept");
    const int typed = int(TextOrigin::kTyped);
    QTest::newRow("full-width fraction") << "－１／２" << typed << "-1/2";
    QTest::newRow("full-width decimal, sign, exponent") << "＋３．５Ｅ－２" << typed << "+3.5E-2";
    QTest::newRow("kana mode: minus, slash, point") << "ー１・２。５" << typed << "-1/2.5";
    QTest::newRow("other minus signs") << "\u2212"
                                          "1\u2010"
                                          "2\u2015"
                                       << typed << "-1-2-";
    QTest::newRow("ideographic space") << "1\u30002" << typed << "1 2";
    QTest::newRow("ASCII as it is") << "2/3 x" << typed << "2/3 x";
    QTest::newRow("other characters as they are") << "χ＿🙂あ" << typed << "χ_🙂あ";
    QTest::newRow("a composition under way") << "１／" << int(TextOrigin::kComposing) << "１／";
    QTest::newRow("a paste") << "－１／２" << int(TextOrigin::kPasted) << "－１／２";
  }
  void typedTextIsFoldedToAscii() {
    QFETCH(QString, text);
    QFETCH(int, origin);
    QFETCH(QString, kept);
    QCOMPARE(QString::fromStdString(Received(text.toStdString(), TextOrigin(origin))), kept);
  }

  // Bytes that are not UTF-8 pass through untouched.
  void brokenTextPassesAsItIs() {
    for (const std::string text : {"\xEF\xBC", "\xEF\x31\x91",
                                   "\xFF"
                                   "1",
                                   "1\xC3"})
      QCOMPARE(FoldTyped(text), text);
  }
};

QTEST_APPLESS_MAIN(InputTest)
#include "tst_input.moc"
