// Fixture of the window tests: one QApplication for the program, a fresh
// main window per test with scripted answers and recorded messages, and no
// last-file record of the user touched.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>

#include "base/interaction.h"
#include "ui/main_window.h"

namespace dorvel::testing {

// The one QApplication of a window test program. The last-file record and
// the desktop settings go to a private folder, never the user's.
inline QApplication& testApplication() {
  static const std::string config = std::string(DORVEL_BINARY_DIR) + "/ui_test_config";
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  if (!QApplication::instance()) {
    static int argc = 1;
    static char name[] = "dorvel-test";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
  }
  return *qApp;
}

class UiWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication(); }

  void SetUp() override {
    window = std::make_unique<ui::TDanegl>();
    window->setInteraction(&ui);
    window->startUp(QString(), false);
  }
  void TearDown() override {
    window->caseRef().caseModified = false;
    window.reset();
  }

  template <class W>
  W* find(const char* name) {
    W* w = window->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // Replaces the text of an edit by typing, as the user does.
  void type(const char* name, const QString& text) {
    QLineEdit* e = find<QLineEdit>(name);
    e->selectAll();
    QTest::keyClicks(e, text);
  }
  QString text(const char* name) {
    if (auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
    return find<QLabel>(name)->text();
  }
  void choose(const char* list, int item) { find<QComboBox>(list)->setCurrentIndex(item); }
  CalculationCase& c() { return window->caseRef(); }

  RecordingInteraction ui{true};
  std::unique_ptr<ui::TDanegl> window;
};

}  // namespace dorvel::testing
