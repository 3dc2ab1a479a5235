// The manual as Qt Help collections: every topic number of the controls,
// every message number and every case field has its page in both languages,
// the full-text search finds words of each language, the help window's
// history keeps to one language, and help asked from a modal window can be
// used while that window is open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <set>

#include "base/case.h"
#include "files/case_file.h"
#include "files/case_fields.h"
#include "support/ui_window.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/output_windows.h"
#include "ui/qt_interaction.h"
#include "ui/results_page.h"
#include "ui/texts/language.h"
#include "base/messages.h"

using namespace dorvel;
using namespace dorvel::ui;

namespace {

QApplication& app() { return dorvel::testing::testApplication(); }

void setLanguage(Language language) {
  QWidget holder;
  applyLanguage(&holder, language);
}

// The page of a help address, read from the window's collection.
QString pageOf(HelpWindow& w, const QUrl& url) {
  QUrl page = url;
  page.setFragment({});
  return QString::fromUtf8(w.engine()->fileData(page));
}

std::set<int> messageNumbers() {
  std::set<int> numbers;
  for (const MessageRow& m : messageTable()) numbers.insert(m.number);
  return numbers;
}

}  // namespace

TEST(UiManual, EveryControlsTopicHasItsPageInBothLanguages) {
  app();
  // The numbers the controls of the main window carry (F1, What's This), the
  // lists and panels that take theirs from a parent, and the commands'.
  std::set<int> numbers;
  {
    TDanegl window;
    // The rows of the task's data carry the numbers of the task chosen.
    for (const char* task : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
      auto* button = window.findChild<QAbstractButton*>(task);
      ASSERT_NE(button, nullptr) << task;
      button->click();
      for (QWidget* w : window.findChildren<QWidget*>()) {
        if (int n = helpTopicOf(w); n > 0) numbers.insert(n);
        if (int n = window.helpTopicOf(w); n > 0) numbers.insert(n);
      }
    }
  }
  for (int n : {kHelpContents, kHelpBasicInput, kHelpUncertaintySources, kHelpAir, kHelpCokeGas,
                kHelpOtherGas, kHelpNaturalGas, kHelpHumidity, kHelpGraphs, kHelpTable})
    numbers.insert(n);
  // Something to judge: the edits of both input pages are among them.
  for (int n : {30, 80, 90, 102, 120, 160, 191}) EXPECT_TRUE(numbers.count(n)) << n;
  for (Language language : {Language::English, Language::Polish}) {
    HelpWindow w(language, nullptr);
    ASSERT_TRUE(w.isValid()) << languageCode(language).toStdString();
    for (int n : numbers) {
      ASSERT_NE(findHelpTopic(n), nullptr) << n;
      EXPECT_TRUE(w.showTopic(n)) << n << " " << languageCode(language).toStdString();
      EXPECT_EQ(w.browser()->source().host(), helpNamespace(language));
      EXPECT_FALSE(w.browser()->toPlainText().trimmed().isEmpty()) << n;
    }
    EXPECT_FALSE(w.showTopic(999));
  }
}

TEST(UiManual, EveryMessageAndEveryFieldHasItsTopic) {
  app();
  const std::set<int> messages = messageNumbers();
  ASSERT_FALSE(messages.empty());
  for (Language language : {Language::English, Language::Polish}) {
    HelpWindow w(language, nullptr);
    ASSERT_TRUE(w.isValid());
    const QString messagePage = pageOf(w, messageUrl(0, language));
    for (int n : messages)
      EXPECT_TRUE(messagePage.contains(QStringLiteral("id=\"message-%1\"").arg(n))) << n;
    const QString fieldPage = pageOf(w, fieldUrl({}, language));
    for (const CaseField& f : caseFields()) {
      const QString name = QString::fromUtf8(f.name.data(), qsizetype(f.name.size()));
      EXPECT_TRUE(fieldPage.contains("id=\"field-" + name + "\"")) << f.name;
    }
    EXPECT_TRUE(w.showUrl(fieldUrl("pipeDiameter20", language)));
    EXPECT_TRUE(w.showUrl(messageUrl(*messages.begin(), language)));
    EXPECT_FALSE(w.showUrl(fieldUrl("noSuchField", language)));
  }
}

TEST(UiManual, SearchFindsWordsOfEachLanguage) {
  app();
  const struct {
    Language language;
    const char* word;      // a word of this language's manual
    const char* foreign;   // a word only the other manual has
  } cases[] = {{Language::English, "expansibility", "przewężenia"},
               {Language::Polish, "przewężenia", "engineer"}};
  for (const auto& c : cases) {
    HelpWindow w(c.language, nullptr);
    ASSERT_TRUE(w.isValid());
    // The window has the index of its private copy made when it opens.
    QHelpSearchEngine* search = w.engine()->searchEngine();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    ASSERT_TRUE(indexed.wait(30000));
    for (const char* word : {c.word, c.foreign}) {
      QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
      search->search(QString::fromUtf8(word));
      ASSERT_TRUE(searched.wait(30000));
      const int hits = search->searchResultCount();
      if (word == c.word) {
        ASSERT_GT(hits, 0) << word;
        for (const QHelpSearchResult& r : search->searchResults(0, hits))
          EXPECT_EQ(r.url().host(), helpNamespace(c.language)) << word;
      } else {
        EXPECT_EQ(hits, 0) << word;
      }
    }
  }
}

TEST(UiManual, HistoryKeepsToOneLanguage) {
  app();
  setLanguage(Language::English);
  HelpSystem& help = HelpSystem::instance();
  QWidget owner;
  help.setOwner(&owner);
  showHelpTopic(80);
  showHelpTopic(420);
  ASSERT_NE(help.window(), nullptr);
  EXPECT_TRUE(help.window()->browser()->isBackwardAvailable());
  EXPECT_EQ(help.window()->browser()->source().host(), helpNamespace(Language::English));

  setLanguage(Language::Polish);
  help.followLanguage();
  HelpWindow* polish = help.window();
  ASSERT_NE(polish, nullptr);
  EXPECT_EQ(polish->language(), Language::Polish);
  EXPECT_TRUE(polish->isVisible());
  // The same page, in Polish, and nothing English to go back to.
  EXPECT_EQ(polish->currentTopic(), 420);
  EXPECT_EQ(polish->browser()->source().host(), helpNamespace(Language::Polish));
  EXPECT_FALSE(polish->browser()->isBackwardAvailable());
  showHelpTopic(80);
  ASSERT_TRUE(polish->browser()->isBackwardAvailable());
  polish->findChild<QPushButton*>("HelpBack")->click();
  EXPECT_EQ(polish->browser()->source().host(), helpNamespace(Language::Polish));
  EXPECT_EQ(polish->browser()->source().fragment(), "");  // the page of topic 420

  setLanguage(Language::English);
  help.followLanguage();
  EXPECT_EQ(help.window()->language(), Language::English);
  delete help.window();
  help.setOwner(nullptr);
}

TEST(UiManual, LanguageMenuTurnsAnOpenHelpWindowOver) {
  app();
  setLanguage(Language::English);
  {
    TDanegl window;
    window.show();
    showHelpTopic(kHelpBasicInput);
    HelpSystem& help = HelpSystem::instance();
    ASSERT_NE(help.window(), nullptr);
    ASSERT_EQ(help.window()->language(), Language::English);
    auto* polish = window.findChild<QAction*>("MnLangPl");
    ASSERT_NE(polish, nullptr);
    polish->trigger();
    QCoreApplication::processEvents();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->language(), Language::Polish);
    EXPECT_EQ(help.window()->currentTopic(), kHelpBasicInput);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->windowTitle(), QString::fromUtf8("Pomoc programu Dorvel"));
    window.findChild<QAction*>("MnLangEn")->trigger();
    QCoreApplication::processEvents();
  }
  // The help window went with the main window.
  EXPECT_EQ(HelpSystem::instance().window(), nullptr);
}

TEST(UiManual, HelpFromAModalWindowCanBeUsedWhileItIsOpen) {
  app();
  setLanguage(Language::English);
  HelpSystem& help = HelpSystem::instance();
  QWidget owner;
  owner.show();
  help.setOwner(&owner);
  CalculationCase c;
  resetCase(c);
  RecordingInteraction rec;
  ASSERT_TRUE(readCaseFile(std::string(DORVEL_SOURCE_DIR) + "/examples/water-orifice-flange.dvl",
                           c, rec));
  ResultsPage page(c, rec);
  ASSERT_EQ(page.enter(), EnterOutcome::ResultsShown);
  TTabela table(c, true, &owner);
  bool usable = false;
  QUrl afterClick;
  QTimer::singleShot(0, &table, [&] {
    ASSERT_EQ(QApplication::activeModalWidget(), &table);
    table.findChild<QPushButton*>("BuPomoc")->click();
    HelpWindow* w = help.window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentTopic(), kHelpTable);
    // A click through the window system reaches the help window although
    // the table window is modal.
    QPushButton* home = w->findChild<QPushButton*>("HelpHome");
    QTest::mouseClick(home, Qt::LeftButton);
    afterClick = w->browser()->source();
    usable = w->currentTopic() == kHelpContents;
    table.accept();
  });
  table.exec();
  EXPECT_TRUE(usable) << afterClick.toString().toStdString();
  // The help stays open after the table closes, as a window of its own.
  ASSERT_NE(help.window(), nullptr);
  EXPECT_TRUE(help.window()->isVisible());
  EXPECT_EQ(help.window()->parentWidget(), nullptr);
  EXPECT_FALSE(help.window()->testAttribute(Qt::WA_QuitOnClose));
  delete help.window();
  help.setOwner(nullptr);
}

TEST(UiManual, MessageBoxesOfferTheirTopic) {
  app();
  setLanguage(Language::English);
  HelpSystem& help = HelpSystem::instance();
  help.installKeyHandler();
  QWidget owner;
  owner.show();
  help.setOwner(&owner);
  QtInteraction interaction(&owner);
  bool boxOpenAfterHelp = false;
  QUrl shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    auto* button = box->findChild<QPushButton*>("MessageHelp");
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    boxOpenAfterHelp = box->isVisible();
    ASSERT_NE(help.window(), nullptr);
    shown = help.window()->browser()->source();
    // F1 in the box opens the same topic.
    help.window()->browser()->setSource(topicUrl(kHelpContents, Language::English));
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_EQ(help.window()->browser()->source().fragment(), "message-1305");
    box->button(QMessageBox::Ok)->click();
  });
  interaction.showMessage(Message(Msg::DownstreamTooShort));
  EXPECT_TRUE(boxOpenAfterHelp);
  EXPECT_EQ(shown.fragment(), "message-1305");
  EXPECT_EQ(shown.host(), helpNamespace(Language::English));
  ASSERT_NE(help.window(), nullptr);
  EXPECT_TRUE(help.window()->isVisible());
  delete help.window();
  help.removeKeyHandler();
  help.setOwner(nullptr);
}
