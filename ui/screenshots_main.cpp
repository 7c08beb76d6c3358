// Renders each of the seven windows to a PNG file, for a person to check the
// layout and the Chinese text: zuvo-screenshots OUTDIR. Run it with the
// offscreen platform; it uses a fresh data folder inside OUTDIR.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <cstdio>

#include "storage/store_folder.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/calculator_app.h"

namespace {

bool Save(QWidget* window, const QString& path) {
  window->show();
  QApplication::processEvents();
  const bool ok = window->grab().save(path, "PNG");
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.toLocal8Bit().constData());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zuvo-screenshots OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "zuvo-screenshots: cannot create %s\n", argv[1]);
    return 2;
  }
  // A data folder of its own, so the user's stores are never touched.
  const QString data = out.filePath(QStringLiteral("screenshot-data"));
  QDir(data).removeRecursively();
  CalculatorApp::SetMessageHook([](const QString& text) { std::printf("message: %s\n", text.toUtf8().constData()); });
  CalculatorApp app(zuvo::StoreFolder{data.toStdString()});

  auto& settings = app.stores().settings();
  settings.answer_inherit = true;
  app.stores().SetHistoryCacheEnable(true);
  app.stores().SetConstantLibraryEnable(true);
  app.stores().AddNewConstant(u"半径", u"2.5");
  app.stores().AddNewConstant(u"g", u"9.8");

  bool ok = true;
  TForm1* main_window = app.Form1();
  main_window->Memo1->setPlainText(QStringLiteral("1+1\n结果0*3\nπ*半径^2\n<1,2,3>+<4,5,6>\n[1 2,3 4]*[5 6,7 8]\n2/0"));
  ok &= Save(main_window, out.filePath(QStringLiteral("Form1-main.png")));

  main_window->Button1Click();
  QElapsedTimer clock;
  clock.start();
  while (main_window->IsCalculating() && clock.elapsed() < 30000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  QApplication::processEvents();
  ok &= Save(app.Form2(), out.filePath(QStringLiteral("Form2-results.png")));
  ok &= Save(app.Form3(), out.filePath(QStringLiteral("Form3-settings.png")));

  app.stores().InputChanged(u"1+1");
  app.stores().InputChanged(u"1+1\n结果0*3");
  app.Form4()->show();
  app.Form4()->ListBox1->setCurrentRow(0);
  ok &= Save(app.Form4(), out.filePath(QStringLiteral("Form4-history.png")));

  app.Form5()->show();
  app.Form5()->ListBox1->setCurrentRow(0);
  ok &= Save(app.Form5(), out.filePath(QStringLiteral("Form5-constants.png")));

  app.Form6()->show();
  app.Form6()->Edit1->setText(QStringLiteral("光速"));
  app.Form6()->Memo1->setPlainText(QStringLiteral("299792458"));
  ok &= Save(app.Form6(), out.filePath(QStringLiteral("Form6-new-constant.png")));

  app.Form7()->show();
  app.Form7()->Edit1->setText(QStringLiteral("正弦"));
  app.Form7()->Button2Click();
  app.Form7()->ListBox1->setCurrentRow(1);
  ok &= Save(app.Form7(), out.filePath(QStringLiteral("Form7-help.png")));

  QDir(data).removeRecursively();
  return ok ? 0 : 1;
}
