#pragma once
// The help viewer: a window showing an HTML help file, with its contents and a keyword index.
#include <QString>
#include <QWidget>

#include "desktop/help_index.h"

class QLineEdit;
class QListWidget;
class QSplitter;
class QTabWidget;
class QTextBrowser;

namespace tw {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  // A window of its own that closes with owner (which may be null).
  explicit HelpViewer(QWidget* owner);

  // Shows helpFile at its contents.
  void ShowContents(const QString& helpFile);
  // Shows helpFile's keyword index with keyword typed into its search box.
  void ShowSearch(const QString& helpFile, const QString& keyword);

  QTextBrowser* page() const { return page_; }
  QTabWidget* tabs() const { return tabs_; }
  QLineEdit* keywordBox() const { return keywordBox_; }
  QListWidget* keywordList() const { return keywordList_; }

 private:
  void Load(const QString& helpFile);
  // Gives the contents the room of their titles.
  void FitContents();
  void Present();
  void ShowTopic(const std::string& anchor);

  QSplitter* splitter_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QListWidget* topicList_ = nullptr;
  QLineEdit* keywordBox_ = nullptr;
  QListWidget* keywordList_ = nullptr;
  QTextBrowser* page_ = nullptr;
  HelpIndex index_;
};

}  // namespace tw
