// What a drag carries (only local files are taken, in the drag's order), and
// a drop delivered to a list widget and read into the number list's model.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>
#include <optional>
#include <string>
#include <vector>

#include "input/DropFiles.h"
#include "input/NumberListModel.h"
#include "platform/DropData.h"
#include "platform/EventPump.h"
#include "tests/support/LoaderTestKit.h"

using namespace tallowmere;
using namespace tallowmere::core;
using namespace tallowmere::platform;
using namespace tallowmere::input;

namespace {

using Texts = std::vector<std::string>;
using loadertest::RecordingErrorSink;
using loadertest::TempTree;

std::unique_ptr<QMimeData> Mime(const QList<QUrl>& urls, const QString& text = {}) {
  auto mime = std::make_unique<QMimeData>();
  if (!urls.isEmpty()) mime->setUrls(urls);
  if (!text.isEmpty()) mime->setText(text);
  return mime;
}

// Files come first; a drag without one is text: its own, or its links.
TEST(DropData, TakesOnlyLocalFilesInTheDragsOrderOrElseText) {
  const QUrl first = QUrl::fromLocalFile("/data/b.txt");
  const QUrl second = QUrl::fromLocalFile(QString::fromUtf8("/data/caf\xC3\xA9 folder"));
  const QUrl web("https://example.invalid/list.txt");
  struct Case {
    const char* name;
    QList<QUrl> urls;
    QString text;
    bool offers;
    Texts paths;
    std::optional<QString> dropped;  // the text of a text drop
  };
  const std::vector<Case> cases = {
      {"two files", {first, second}, {}, true, {"/data/b.txt", "/data/caf\xC3\xA9 folder"}, std::nullopt},
      {"a web address between",
       {second, web, first},
       {},
       true,
       {"/data/caf\xC3\xA9 folder", "/data/b.txt"},
       std::nullopt},
      {"a file and text", {first}, "1\n2", true, {"/data/b.txt"}, std::nullopt},
      {"only web addresses", {web, web}, {}, false, {}, web.toString() + "\n" + web.toString() + "\n"},
      {"plain text naming a file", {}, "/data/b.txt", false, {}, "/data/b.txt"},
      {"text beside a web address", {web}, "61,5\t70", false, {}, "61,5\t70"},
      {"text in UTF-8",
       {},
       QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                         "e\n1"),
       false,
       {},
       QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                         "e\n1")},
      {"nothing", {}, {}, false, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    auto mime = Mime(c.urls, c.text);
    EXPECT_EQ(OffersLocalFiles(mime.get()), c.offers) << c.name;
    EXPECT_EQ(DroppedLocalPaths(mime.get()), c.paths) << c.name;
    EXPECT_EQ(OffersText(mime.get()), c.dropped.has_value()) << c.name;
    EXPECT_EQ(DroppedText(mime.get()), c.dropped) << c.name;
  }
  EXPECT_FALSE(OffersLocalFiles(nullptr));
  EXPECT_TRUE(DroppedLocalPaths(nullptr).empty());
  EXPECT_FALSE(OffersText(nullptr));
}

// A list view that takes drops the way the number list does: refuses drags
// without local files, and reads what is dropped into its model.
class DropList final : public QListView {
 public:
  DropList() {
    setModel(&model);
    setAcceptDrops(true);
  }
  NumberListModel model;
  RecordingErrorSink errors;
  Texts messages;

 protected:
  void dragEnterEvent(QDragEnterEvent* e) override { Offer(e); }
  void dragMoveEvent(QDragMoveEvent* e) override { Offer(e); }
  void dropEvent(QDropEvent* e) override {
    // The drag's data may go away while events run: take the paths first.
    std::vector<std::string> paths = DroppedLocalPaths(e->mimeData());
    e->acceptProposedAction();
    DropHost ctx{model, errors,
                 [this](const std::string& path, NotRead) { messages.push_back(FileNotFoundText(path)); },
                 MakeEventPump()};
    ReadDroppedPaths(std::move(paths), ctx);
  }

 private:
  void Offer(QDropEvent* e) {
    if (OffersLocalFiles(e->mimeData()))
      e->acceptProposedAction();
    else
      e->ignore();
  }
};

TEST(DropData, ADropOnAListWidgetFillsItsModel) {
  TempTree tree;
  const std::string file = tree.File("one.txt", "1\r\n2\r\n");
  const std::string folder = tree.Folder("F");
  tree.File("F/a.txt", "3\n");
  tree.File("F/G/b.txt", "4\n");

  DropList list;
  list.resize(200, 200);
  list.show();
  const QPointF where(50, 50);
  const QList<QUrl> urls = {QUrl::fromLocalFile(QString::fromStdString(file)),
                            QUrl::fromLocalFile(QString::fromStdString(folder)),
                            QUrl::fromLocalFile(QString::fromStdString(tree.Path("missing.txt")))};

  auto refused = Mime({}, "just text");
  QDragEnterEvent enterText(where.toPoint(), Qt::CopyAction, refused.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list.viewport(), &enterText);
  EXPECT_FALSE(enterText.isAccepted());

  auto files = Mime(urls);
  QDragEnterEvent enter(where.toPoint(), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list.viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDragMoveEvent move(where.toPoint(), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list.viewport(), &move);
  EXPECT_TRUE(move.isAccepted());
  QDropEvent drop(where, Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list.viewport(), &drop);

  ASSERT_EQ(list.model.Count(), 4u);
  Texts entries;
  for (std::size_t i = 0; i < list.model.Count(); ++i) entries.emplace_back(list.model.Text(i));
  EXPECT_EQ(entries, (Texts{"1", "2", "3", "4"}));
  EXPECT_EQ(list.model.rowCount(), 4) << "the view must have been told about every entry";
  EXPECT_EQ(list.messages, Texts{"File not found\n" + tree.Path("missing.txt")});
  EXPECT_TRUE(list.errors.reports.empty());
}

}  // namespace
